#pragma once

#include "core/catalogue/BookTable.h"
#include "core/framework/PagedResult.h"
#include "core/framework/SqlCondition.h"
#include "gui/framework/MDIBaseData.h"

class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// What the catalogue and the pre-catalogue lists share: the quick search by
// number, title or initials and by class (the two boxes empty each other), the
// search dialog, the count and price total, and the editor run for a row by Id.
class TFrmBookListBase : public TMDIBaseData
{
    Q_OBJECT
public:
    TFrmBookListBase(WindowContext &context, BookTable table, QWidget *parent = nullptr);

    // The condition of the search that produced the listed rows (empty: none).
    const SqlCondition &ListCondition() const { return m_listCondition; }

protected:
    void InitForm() override;
    void BtFindClick() override;
    void BtDeleteClick() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Lists the rows a condition finds (every row without one) and shows the totals.
    void Open(const SqlCondition &condition);
    void ShowTotals();
    // Runs an editor for a new record (1) or the current row (2), then returns to
    // the record it saved last, or to the row it was on.
    template <class Dialog> void RunBookEditor(int editMode)
    {
        if (editMode == 2 && (!data() || data()->count() == 0))
            return;
        CurrentKey = CurrentValue(QStringLiteral("Id")).toString();
        Dialog dialog(context(), this);
        dialog.EditMode = editMode;
        if (editMode == 2)
            dialog.RecordId = CurrentKey.toLongLong();
        dialog.exec();
        if (!dialog.SavedId.isEmpty())
            CurrentKey = dialog.SavedId;
        Requery(QStringLiteral("Id"), CurrentKey.toLongLong());
        ShowTotals();
    }

    QLineEdit *Editcode;
    QLineEdit *EditSort;
    QToolButton *BtSortPick;
    QPushButton *SbtFind;
    QLineEdit *EditQty;
    QLineEdit *EditSum;
    QToolButton *BtExcel;

private:
    void SbtFindClick();
    void ChooseSort();

    BookTable m_table;
    SqlCondition m_listCondition;
};

} // namespace tarvo::gui
