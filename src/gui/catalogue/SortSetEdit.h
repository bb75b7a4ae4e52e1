#pragma once

#include "gui/framework/BaseD.h"

class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// 图书类目: the class number and name of one class. The caller fills CodeText and
// NameText, runs the dialog and reads them back when it closed with 确定.
class TFrmSortSetEdit : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmSortSetEdit(WindowContext &context, QWidget *parent = nullptr);

    QString CodeText;
    QString NameText;

protected:
    void InitForm() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditName;
    QPushButton *BtOk;
    QPushButton *BtCancel;

private:
    void BtOkClick();
};

} // namespace tarvo::gui
