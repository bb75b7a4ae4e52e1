#pragma once

#include "gui/framework/BaseD.h"

#include <QDate>

class QDateEdit;
class QPushButton;

namespace tarvo::gui {

// 业务日期: the operator confirms the day the whole run works on.
class TFrmSysDate : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmSysDate(WindowContext &context, QWidget *parent = nullptr);

    QDate date() const;

protected:
    void InitForm() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDateEdit *DateTimePicker1;
    QPushButton *BtOk;
};

// Shows the dialog; the date confirmed (however the dialog was closed: there is no cancel).
QDate ShowSysDate(WindowContext &context, QWidget *parent);

} // namespace tarvo::gui
