#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace tarvo {

class Database;

// 预约记录: the reservations ("预约" rows of BorrowInfo / BorrowInfo1), earliest
// first, with the item's and the reader's names.
namespace ReservationList {

enum class Items { Books, Magazines };

struct Query
{
    QString select; // ordered
    QVariantList params;
};

// Fields: Id, Code, BookName, Rcode, ReaderName, BorrowDate, and for magazines
// Orderyear and PeriodNo.
Query all(Items items);
// The item with exactly this number, or items whose name contains the text.
Query matching(Items items, const QString &text);
// One reader's reservations.
Query ofReader(Items items, const QString &readerCode);
// The reservations of these items (the ones just returned at a desk).
Query ofItems(Items items, const QStringList &codes);

// "删除记录": removes the reservation at once; false when it is no longer there
// (taken up or deleted at another desk meanwhile).
bool remove(Database &db, Items items, qint64 id);

} // namespace ReservationList
} // namespace tarvo
