#pragma once

#include "BaseD.h"
#include "core/framework/SqlCondition.h"

class QLabel;
class QPushButton;

namespace tarvo::gui {

// The condition dialog: the operator's input on Panel1 becomes a where clause on
// 确定 ("空格为所有": what is left empty adds nothing).
class TFrmBaseCond : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmBaseCond(WindowContext &context, QWidget *parent = nullptr);

    SqlCondition Condition;

protected:
    void InitForm() override;
    // Builds Condition from the input; called by 确定 before the dialog closes.
    virtual void BuildCondition() {}

    QLabel *Label1;
    QWidget *Panel1;
    QPushButton *BtConfirm;
    QPushButton *BtCancel;
};

} // namespace tarvo::gui
