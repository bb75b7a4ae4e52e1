#pragma once

#include <QString>

class QToolBar;
class QToolButton;

namespace tarvo::gui {

// A captioned button of a window's tool bar, named as the windows address it.
QToolButton *addToolButton(QToolBar *bar, const QString &name, const QString &caption, const QString &hint);

} // namespace tarvo::gui
