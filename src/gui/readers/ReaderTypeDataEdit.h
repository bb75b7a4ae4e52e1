#pragma once

#include "gui/framework/BaseDataEdit.h"

class QCheckBox;
class QLineEdit;

namespace tarvo::gui {

// 读者类别: one reader type, its loan limits for books and for magazines. The name
// is the key readers store, so it is typed only when the type is created.
class TFrmReaderTypeDataEdit : public TFrmBaseDataEdit
{
    Q_OBJECT
public:
    explicit TFrmReaderTypeDataEdit(WindowContext &context, QWidget *parent = nullptr);

    QString SavedCode; // the type saved last, for the list to return to

protected:
    bool CheckData() override;
    bool SaveData() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditCeQty;
    QLineEdit *EditLimitDay;
    QLineEdit *EditRenewTime;
    QCheckBox *ChkIsLimit;
    QLineEdit *EditCeQty1;
    QLineEdit *EditLimitDay1;
    QCheckBox *ChkIsLimit1;

private:
    void SetNameEditable();
};

} // namespace tarvo::gui
