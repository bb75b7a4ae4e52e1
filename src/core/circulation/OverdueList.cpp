#include "OverdueList.h"

using namespace Qt::StringLiterals;

namespace tarvo::OverdueList {

Query overdue(Items items, const QDate &businessDate)
{
    // The fields of QryBorrow/QryBorrow1, but names read per row: counting a long
    // list then walks the (State, ReturnDate) index alone instead of the joins.
    const bool books = items == Items::Books;
    const QString item = books ? u"BookInfo"_s : u"MagzInfo"_s;
    const auto ofItem = [&](const QString &field, const QString &as) -> QString {
        return u"(select i."_s + field + u" from "_s + item + u" i where i.Code = b.Code limit 1) as "_s + as;
    };
    QString select = u"select b.Id, b.Code, "_s + ofItem(u"Name"_s, u"BName"_s)
                     + u", b.Rcode, (select r.Name from ReaderInfo r where r.Code = b.Rcode limit 1) as RName,"
                       " b.State, b.BorrowDate, b.ReturnDate"_s;
    if (!books)
        select += u", "_s + ofItem(u"Orderyear"_s, u"Orderyear"_s) + u", "_s + ofItem(u"PeriodNo"_s, u"PeriodNo"_s);
    select += u" from "_s + (books ? u"BorrowInfo"_s : u"BorrowInfo1"_s)
              + u" b where b.State = '未还' and b.ReturnDate < ?"_s;
    return {select, {businessDate}, u"ReturnDate, Id"_s, u"Id"_s};
}

} // namespace tarvo::OverdueList
