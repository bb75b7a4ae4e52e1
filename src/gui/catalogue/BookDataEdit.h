#pragma once

#include "BookEditBase.h"

class QRadioButton;

namespace tarvo::gui {

// 图书信息: one copy of a book. Besides the description: its barcode number, which
// must be its own, the circulation fields (shown, never written here), and copy
// cataloguing (套录) of a description with the same ISBN from the catalogue or the
// pre-catalogue.
class TFrmBookDataEdit : public TFrmBookEditBase
{
    Q_OBJECT
public:
    explicit TFrmBookDataEdit(WindowContext &context, QWidget *parent = nullptr);

    QString OldCode; // the number when the number box was last entered

protected:
    QWidget *FirstControl() const override;
    void ShowRest() override;
    void IsbnEntered() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditIsOut;
    QLineEdit *EditBorrowDate;
    QLineEdit *EditTimes;
    QLineEdit *EditBorrowman;
    QCheckBox *ChkSet;
    QRadioButton *Rb1;
    QRadioButton *Rb2;

private:
    void CodeLeft();
    void CopyCatalogue();
};

} // namespace tarvo::gui
