#pragma once

#include "gui/framework/BaseCond.h"

class QComboBox;
class QLineEdit;

namespace tarvo::gui {

// The reader search: every box filled restricts the readers listed; the name is
// also matched by its initials.
class TFrmReaderCond : public TFrmBaseCond
{
    Q_OBJECT
public:
    explicit TFrmReaderCond(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void BuildCondition() override;

    QLineEdit *EditCode;
    QLineEdit *EditName;
    QComboBox *CmbSort;
    QComboBox *CmbDepartment;
    QLineEdit *EditTel;
    QLineEdit *EditAddr;
};

} // namespace tarvo::gui
