#pragma once

#include "core/db/Database.h"
#include "core/framework/Lookups.h"
#include "gui/framework/FindCode.h"

namespace tarvo::gui {

// 选择图书: copies by number, title or its initials, or class, with the due date of
// an open loan.
class TFrmFindBook : public TFrmFindCode
{
    Q_OBJECT
public:
    explicit TFrmFindBook(WindowContext &context, QWidget *parent = nullptr)
        : TFrmFindCode(context, Lookups::book(context.db.engine()), parent)
    {
        setObjectName(QStringLiteral("FrmFindBook"));
    }
};

} // namespace tarvo::gui
