#pragma once

#include "core/catalogue/BookTable.h"
#include "gui/framework/BaseCond.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace tarvo::gui {

// The book search: every entry filled restricts the copies listed; the title is
// also matched by its initials. Over the pre-catalogue the entries of copies
// (number, state, number range) are not offered, since descriptions have none.
class TFrmBookCond : public TFrmBaseCond
{
    Q_OBJECT
public:
    TFrmBookCond(WindowContext &context, BookTable table, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void BuildCondition() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditName;
    QLineEdit *EditYName;
    QLineEdit *EditScode;
    QLineEdit *EditPublisher;
    QToolButton *BtPublisher;
    QLineEdit *EditISBN;
    QLineEdit *EditSort;
    QToolButton *BtSort;
    QLineEdit *EditWriter;
    QLineEdit *EditTranslator;
    QComboBox *CmbPosi;
    QLineEdit *EditRemarks;
    QLineEdit *EditRemarks1;
    QComboBox *CmbState;
    QCheckBox *ChkNew;
    QCheckBox *ChkCode;
    QLineEdit *EditFrom;
    QLineEdit *EditTo;

private:
    void ChoosePublisher();
    void ChooseSort();

    BookTable m_table;
};

} // namespace tarvo::gui
