#include "ReservationList.h"

#include "core/db/Database.h"
#include "core/framework/SqlCondition.h"

using namespace Qt::StringLiterals;

namespace tarvo::ReservationList {

namespace {

QString loanTable(Items items)
{
    return items == Items::Books ? u"BorrowInfo"_s : u"BorrowInfo1"_s;
}

Query reservations(Items items, const QString &condition, const QVariantList &params)
{
    const bool books = items == Items::Books;
    QString select = u"select a.Id, a.Code, b.Name as BookName, a.Rcode, c.Name as ReaderName, a.BorrowDate"_s;
    if (!books)
        select += u", b.Orderyear, b.PeriodNo"_s;
    select += u" from "_s + loanTable(items) + u" a left join "_s + (books ? u"BookInfo"_s : u"MagzInfo"_s)
              + u" b on a.Code = b.Code left join ReaderInfo c on a.Rcode = c.Code where a.State = '预约'"_s
              + condition + u" order by a.BorrowDate, a.Id"_s;
    return {select, params};
}

} // namespace

Query all(Items items)
{
    return reservations(items, {}, {});
}

Query matching(Items items, const QString &text)
{
    return reservations(items, u" and (a.Code = ? or b.Name like ? escape '\\')"_s,
                        {text, SqlCondition::containsPattern(text)});
}

Query ofReader(Items items, const QString &readerCode)
{
    return reservations(items, u" and a.Rcode = ?"_s, {readerCode});
}

Query ofItems(Items items, const QStringList &codes)
{
    if (codes.isEmpty())
        return reservations(items, u" and 1 = 0"_s, {});
    QStringList marks;
    QVariantList params;
    for (const QString &code : codes) {
        marks << u"?"_s;
        params << code;
    }
    return reservations(items, u" and a.Code in ("_s + marks.join(u", "_s) + u')', params);
}

bool remove(Database &db, Items items, qint64 id)
{
    return db.exec(u"delete from "_s + loanTable(items) + u" where Id = ? and State = '预约'"_s, {id}) > 0;
}

} // namespace tarvo::ReservationList
