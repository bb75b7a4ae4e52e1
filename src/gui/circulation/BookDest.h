#pragma once

#include "DestBase.h"

namespace tarvo::gui {

// 预约记录 of books.
class TFrmBookDest : public TFrmDestBase
{
    Q_OBJECT
public:
    explicit TFrmBookDest(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
