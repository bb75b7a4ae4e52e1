#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

namespace tarvo {

// 图书逾期未还 / 期刊逾期未还: the loans still out whose due date lies before the
// business date, the same days that make a return late at the desk.
namespace OverdueList {

enum class Items { Books, Magazines };

// A statement for a paged list: select (without order), its values, its order and row key.
struct Query
{
    QString select;
    QVariantList params;
    QString order;
    QString rowKey;
};

// Fields: Id, Code, BName, Rcode, RName, State, BorrowDate, ReturnDate, and for
// magazines Orderyear and PeriodNo; earliest due date first.
Query overdue(Items items, const QDate &businessDate);

} // namespace OverdueList
} // namespace tarvo
