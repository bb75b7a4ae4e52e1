#pragma once

#include "gui/framework/FindCode.h"

namespace tarvo::gui {

// 选择出版社: publishers by any part of the name or of its initials; 增加 opens the
// publisher editor so that a missing one can be added on the spot.
class TFrmFindPublish : public TFrmFindCode
{
    Q_OBJECT
public:
    explicit TFrmFindPublish(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
