#pragma once

#include "gui/framework/BaseD.h"

class QDateEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tarvo::gui {

// 清理数据: deletes whole groups of data, or the returned loans of a period.
class TFrmClearData : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmClearData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;

private:
    void BtOkClick();

    QRadioButton *RadioAll;
    QRadioButton *RadioCirculation;
    QRadioButton *RadioReturned;
    QDateEdit *DateFrom;
    QDateEdit *DateTo;
    QProgressBar *ProgressBar1;
    QPushButton *BtOk;
    QPushButton *BtCancel;
};

} // namespace tarvo::gui
