#pragma once

#include "gui/framework/BaseD.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// 用户登陆: the operator picks a code and gives the password.
class TFrmLogin : public TFrmBaseD
{
    Q_OBJECT
public:
    // result: what the dialog returns when it is closed other than by 确定 or 取消.
    TFrmLogin(WindowContext &context, QString result, QWidget *parent = nullptr);

    // The code of the operator who logged in; empty after 取消.
    QString ResultCode;

protected:
    void InitForm() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QComboBox *CmbCode;
    QLineEdit *EditName;
    QLineEdit *EditPassword;
    QPushButton *BtOk;
    QPushButton *BtCancel;

    void CmbCodeChange();
    void BtOkClick();
    void BtCancelClick();
};

// Shows the log-in; returns the code of the operator, or what was given when the
// dialog was closed without 确定 (empty after 取消).
QString ShowLogin(WindowContext &context, const QString &current, QWidget *parent);

} // namespace tarvo::gui
