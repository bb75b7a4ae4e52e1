#pragma once

#include <QString>

class QToolBar;
class QToolButton;
class QWidget;

namespace tarvo::gui {

// A captioned button of a window's tool bar, named as the windows address it; at
// the end of the bar, or just before one of its widgets.
QToolButton *addToolButton(QToolBar *bar, const QString &name, const QString &caption, const QString &hint,
                           QWidget *before = nullptr);
// Puts a window's own control into its tool bar just before one of the bar's widgets.
void insertBefore(QToolBar *bar, QWidget *before, QWidget *widget);

} // namespace tarvo::gui
