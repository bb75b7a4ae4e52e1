#pragma once

#include "gui/framework/BaseD.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tarvo::gui {

// 读者信息: how to reach a reader, opened from the desks, the overdue lists and
// the reservation windows.
class TFrmReaderDetail : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmReaderDetail(WindowContext &context, QWidget *parent = nullptr);

    // Shows the reader with the number; empty fields when there is none.
    void LoadReader(const QString &code);

protected:
    void InitForm() override;

    QWidget *Panel1;
    QLineEdit *EditCode;
    QLineEdit *EditName;
    QLineEdit *Editmail;
    QPushButton *SpeedButton1;
    QPlainTextEdit *EditAddr;
    QLineEdit *EditDept;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;

private:
    void SpeedButton1Click();
};

// Creates the window for the reader, shows it modally and releases it.
void ShowReaderDetail(WindowContext &context, const QString &readerCode, QWidget *parent);

} // namespace tarvo::gui
