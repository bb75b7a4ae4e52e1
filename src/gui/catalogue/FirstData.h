#pragma once

#include "gui/framework/WordListWindow.h"

namespace tarvo::gui {

// 图书词库: the seven word tables behind the book and magazine editors' drop-down
// lists and the supplier lookup, edited one at a time in a grid.
class TFrmFirstData : public TWordListWindow
{
    Q_OBJECT
public:
    explicit TFrmFirstData(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
