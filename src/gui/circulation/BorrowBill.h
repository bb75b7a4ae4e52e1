#pragma once

#include "MDIBase.h"

namespace tarvo::gui {

// 借还图书: lending, renewing and taking back books, one reader at a time.
class TFrmBorrowBill : public TMDIBase
{
    Q_OBJECT
public:
    explicit TFrmBorrowBill(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void SetMode(BorrowDesk::Mode mode) override;
    QString PickItem() override;
    void ShowReservations(const ReservationList::Query &query) override;
    std::optional<QDate> ChooseDueDate(const QDate &current) override;
};

} // namespace tarvo::gui
