#pragma once

#include "FindCode.h"
#include "core/framework/Lookups.h"

namespace tarvo::gui {

// 选择读者: readers by number, name or its initials, or department.
class TFrmFindReader : public TFrmFindCode
{
    Q_OBJECT
public:
    explicit TFrmFindReader(WindowContext &context, QWidget *parent = nullptr)
        : TFrmFindCode(context, Lookups::reader(), parent)
    {
        setObjectName(QStringLiteral("FrmFindReader"));
    }
};

} // namespace tarvo::gui
