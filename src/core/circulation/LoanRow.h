#pragma once

#include <QDate>
#include <QString>
#include <QVariantHash>

namespace tarvo {

// One row of the desk's grid: a loan the reader holds ("未还") or pending work of
// the visit ("新借", "预约", "续借", "新还"), which exists only until the confirmation.
struct LoanRow
{
    QString Code;
    QString Rcode;
    QString State;
    QDate BorrowDate;
    QDate ReturnDate; // the due date; after a return marking, the day of the return
    QDate RenewDate;
    int RenewTimes = 0;
    double ExceedDay = 0;
    double ExceedFund = 0;
    QVariantHash item; // the item's columns shown beside the loan (Name, Publisher, BookPrice...)

    // A field by name without regard to case, for the grid's columns; null when unknown.
    QVariant value(const QString &field) const;
};

} // namespace tarvo
