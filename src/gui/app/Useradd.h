#pragma once

#include "gui/framework/BaseD.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// 用户新增 / 用户修改: one operator's code, name, duty and password.
class TFrmUseradd : public TFrmBaseD
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    // code: the operator being edited (edit mode).
    TFrmUseradd(WindowContext &context, Mode mode, QString code = QString(), QWidget *parent = nullptr);

    // The code saved; empty when nothing was saved.
    QString SavedUserCode;

protected:
    void InitForm() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void EditConfirmExit();
    void BtOkClick();

    Mode m_mode;
    QString m_code;
    QLineEdit *EditCode;
    QLineEdit *EditName;
    QComboBox *CmbDuty;
    QLineEdit *EditPassword;
    QLineEdit *EditConfirm;
    QPushButton *BtOk;
    QPushButton *BtCancel;
};

} // namespace tarvo::gui
