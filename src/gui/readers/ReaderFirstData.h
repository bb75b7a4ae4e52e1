#pragma once

#include "gui/framework/WordListWindow.h"

namespace tarvo::gui {

// 读者词库: the departments, addresses and remarks behind the reader forms, edited
// one table at a time in a grid.
class TFrmReaderFirstData : public TWordListWindow
{
    Q_OBJECT
public:
    explicit TFrmReaderFirstData(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
