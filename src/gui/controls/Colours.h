#pragma once

#include <QColor>

namespace tarvo::gui::Colours {

// The system's fixed colours, by where they are used.
inline const QColor EditDialog(204, 236, 255);
inline const QColor ListPanel(208, 243, 255);
inline const QColor ToolBar(255, 227, 170);
inline const QColor QueryPanel(255, 242, 222);
inline const QColor QueryToolBar(157, 231, 255);
inline const QColor TitleNavy(0, 0, 128);

} // namespace tarvo::gui::Colours
