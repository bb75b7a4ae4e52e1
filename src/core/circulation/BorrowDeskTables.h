#pragma once

#include "ReservationList.h"
#include "core/app/AppState.h"

#include <QString>
#include <QStringList>

namespace tarvo {

// The tables and columns one circulation desk works on. The book desk and the
// magazine desk differ only in these names.
struct BorrowDeskTables
{
    QString loans;        // BorrowInfo
    QString items;        // BookInfo
    QStringList itemColumns; // copied from the item into a pending row
    QString heldCount;    // ReaderInfo.BookQty: items on loan now
    QString visits;       // ReaderInfo.Times: confirmed borrowings
    QString overdue;      // ReaderInfo.Overdue: late returns
    QString typeCount;    // ReaderType.CeQty: items a reader may hold
    QString typeDays;     // ReaderType.LimitDay: loan period
    QString typeLimited;  // ReaderType.IsLimit: no items marked 限制
    double SysParams::*perFine = &SysParams::PerFine;
    ReservationList::Items reservations = ReservationList::Items::Books;
    // TableCode of the borrow, renew and return modes (the grid layouts).
    QString borrowCode;
    QString renewCode;
    QString returnCode;

    static BorrowDeskTables books();
};

} // namespace tarvo
