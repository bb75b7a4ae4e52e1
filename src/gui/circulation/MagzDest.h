#pragma once

#include "DestBase.h"

namespace tarvo::gui {

// 预约记录 of magazines.
class TFrmMagzDest : public TFrmDestBase
{
    Q_OBJECT
public:
    explicit TFrmMagzDest(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
