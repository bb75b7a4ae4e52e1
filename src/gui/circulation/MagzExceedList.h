#pragma once

#include "ExceedListBase.h"

namespace tarvo::gui {

// 期刊逾期未还: the overdue magazines as of the business date, opened at start-up.
class TFrmMagzExceedList : public TFrmExceedListBase
{
    Q_OBJECT
public:
    explicit TFrmMagzExceedList(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
