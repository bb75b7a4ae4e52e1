#pragma once

#include "gui/framework/FindCode.h"

namespace tarvo::gui {

// 选择读者类别: the reader types as a plain pick list; 增加 opens the type editor so
// that a missing type can be created on the spot.
class TFrmFindReaderSort : public TFrmFindCode
{
    Q_OBJECT
public:
    explicit TFrmFindReaderSort(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
