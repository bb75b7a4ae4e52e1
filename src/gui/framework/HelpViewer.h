#pragma once

#include <QString>

class QWidget;

namespace tarvo::gui {

// Opens the program's help (help/ beside the program) on a topic page.
void ShowHelp(QWidget *parent, const QString &topic);

} // namespace tarvo::gui
