#include "BorrowDeskTables.h"

using namespace Qt::StringLiterals;

namespace tarvo {

BorrowDeskTables BorrowDeskTables::books()
{
    BorrowDeskTables t;
    t.loans = u"BorrowInfo"_s;
    t.items = u"BookInfo"_s;
    t.itemColumns = {u"Name"_s, u"Publisher"_s, u"BookPrice"_s, u"SortCode"_s};
    t.heldCount = u"BookQty"_s;
    t.visits = u"Times"_s;
    t.overdue = u"Overdue"_s;
    t.typeCount = u"CeQty"_s;
    t.typeDays = u"LimitDay"_s;
    t.typeLimited = u"IsLimit"_s;
    t.perFine = &SysParams::PerFine;
    t.reservations = ReservationList::Items::Books;
    t.borrowCode = u"Borrowinfo"_s;
    t.renewCode = u"Renewinfo"_s;
    t.returnCode = u"Returninfo"_s;
    return t;
}

} // namespace tarvo
