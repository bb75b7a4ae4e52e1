#pragma once

#include "gui/framework/BaseD.h"

class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// 更改口令: the logged-in operator changes the own password.
class TFrmChangePassword : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmChangePassword(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BtOkClick();

    QLineEdit *EditOld;
    QLineEdit *EditNew;
    QLineEdit *EditConfirm;
    QPushButton *BtOk;
    QPushButton *BtCancel;
};

} // namespace tarvo::gui
