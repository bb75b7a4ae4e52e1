#pragma once

#include "BaseCond.h"
#include "core/framework/RowViews.h"

namespace tarvo::gui {

class DataGrid;

// 图书套录: the catalogued books that carry an ISBN, so that one can be copied
// into a new record. Chosen tells whether the operator confirmed a row.
class TFrmFindBookSet : public TFrmBaseCond
{
    Q_OBJECT
public:
    TFrmFindBookSet(WindowContext &context, ResultSet books, QWidget *parent = nullptr);
    ~TFrmFindBookSet() override;

    bool Chosen = false;
    // The row the operator chose, in the books given.
    int ChosenRow() const;

    DataGrid *grid() const { return DBGrid1; }

protected:
    void InitForm() override;

private:
    void Confirm();

    ResultSetRows m_books;
    DataGrid *DBGrid1;
};

} // namespace tarvo::gui
