#pragma once

#include "FindCode.h"
#include "core/framework/Lookups.h"

namespace tarvo::gui {

// 选择供应商: a plain pick list of the suppliers.
class TFrmFindSupplier : public TFrmFindCode
{
    Q_OBJECT
public:
    explicit TFrmFindSupplier(WindowContext &context, QWidget *parent = nullptr)
        : TFrmFindCode(context, Lookups::supplier(), parent)
    {
        setObjectName(QStringLiteral("FrmFindSupplier"));
    }
};

} // namespace tarvo::gui
