#pragma once

#include "ExceedListBase.h"

namespace tarvo::gui {

// 图书逾期未还: the overdue books as of the business date, opened at start-up.
class TFrmBookExceedList : public TFrmExceedListBase
{
    Q_OBJECT
public:
    explicit TFrmBookExceedList(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
