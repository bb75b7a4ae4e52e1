#pragma once

#include "core/circulation/OverdueList.h"
#include "gui/framework/BaseD.h"

#include <memory>

class QPushButton;

namespace tarvo {
class PagedResult;
}

namespace tarvo::gui {

class DataGrid;

// The overdue list of books or magazines: filled once when shown, from the
// business date; "联系" shows the reader of the current row.
class TFrmExceedListBase : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmExceedListBase(WindowContext &context, OverdueList::Items items, QWidget *parent = nullptr);
    ~TFrmExceedListBase() override;

    DataGrid *grid() const { return DBGridEh1; }

protected:
    void InitForm() override;

    DataGrid *DBGridEh1;
    QPushButton *BtLook;
    QPushButton *BtClose;

private:
    void BtLookClick();

    OverdueList::Items m_items;
    std::unique_ptr<PagedResult> AdoqDest;
};

} // namespace tarvo::gui
