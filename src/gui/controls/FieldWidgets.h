#pragma once

#include <QString>

class QEvent;
class QLineEdit;
class QToolButton;
class QWidget;

namespace tarvo::gui {

// The small "…" button beside a box that opens its lookup (F5 does the same).
QToolButton *lookupButton(QWidget *parent, const QString &name);
// A box with its lookup button on its right, as one widget for a form's layout.
QWidget *withButton(QWidget *parent, QWidget *box, QWidget *button);
// Whether a focus-out means the operator left the box: not when a message box, a
// lookup or a menu takes the focus for a moment, nor while the window is hidden.
bool leftBox(QWidget *window, QEvent *event);

} // namespace tarvo::gui
