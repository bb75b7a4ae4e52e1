#pragma once

#include "core/circulation/ReservationList.h"
#include "gui/framework/BaseD.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace tarvo {
class ResultSetRows;
}

namespace tarvo::gui {

class DataGrid;

// 预约记录: reservations of books or magazines, earliest first. Made with all of
// them; a desk sets its own selection with SetQuery before showing it.
class TFrmDestBase : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmDestBase(WindowContext &context, ReservationList::Items items, const QString &formName,
                 QWidget *parent = nullptr);
    ~TFrmDestBase() override;

    void SetQuery(const ReservationList::Query &query);
    DataGrid *grid() const { return DBGridEh1; }

protected:
    void InitForm() override;

    QLineEdit *EditCode;
    DataGrid *DBGridEh1;
    QPushButton *BtDelete;
    QPushButton *BtClose;
    QPushButton *BtLook;

private:
    void EditCodeReturn();
    void BtDeleteClick();
    void BtLookClick();
    int currentRow() const;

    ReservationList::Items m_items;
    std::unique_ptr<ResultSetRows> AdoqDest;
};

} // namespace tarvo::gui
