#include "ClearData.h"

#include "Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo::ClearData {

namespace {

void deleteAll(Database &db, const QStringList &tables)
{
    for (const QString &table : tables)
        db.exec(u"delete from "_s + table);
}

void clearEverything(Database &db, const std::function<void(int)> &progress)
{
    progress(20);
    deleteAll(db, {u"BookInfo"_s, u"Bookattch"_s, u"Bookgrade"_s, u"BookLang"_s, u"Bookposi"_s, u"BookPrint"_s});
    progress(40);
    deleteAll(db, {u"BookReject"_s, u"BookRemark"_s, u"BookShort"_s, u"BookSize"_s, u"Booksupplier"_s, u"BorrowInfo"_s,
                   u"ReaderInfo"_s, u"ReaderAddr"_s});
    progress(60);
    deleteAll(db, {u"Readerdept"_s, u"ReaderRemark"_s, u"ReaderType"_s, u"MagzInfo"_s, u"Magzorder"_s, u"Magzreject"_s,
                   u"BorrowInfo1"_s});
}

// With every loan gone nobody holds anything: the copies are back in the library
// and the readers' counts of items on loan now are zero. The history counts stay.
void clearCirculation(Database &db, const std::function<void(int)> &progress)
{
    progress(40);
    deleteAll(db, {u"BorrowInfo"_s, u"BorrowInfo1"_s});
    for (const QString &table : {u"BookInfo"_s, u"MagzInfo"_s})
        db.exec(u"update "_s + table + u" set IsOut = '', Borrowman = '' where IsOut = '外借'"_s);
    db.exec(u"update ReaderInfo set BookQty = 0, BookQty1 = 0"_s);
}

void clearReturned(Database &db, const Range &range, const std::function<void(int)> &progress)
{
    progress(40);
    const QString date = db.dialect().dateParameter();
    for (const QString &table : {u"BorrowInfo"_s, u"BorrowInfo1"_s}) {
        db.exec(u"delete from "_s + table + u" where State = '已还' and ReturnDate >= "_s + date +
                    u" and ReturnDate <= "_s + date,
                {range.from, range.to});
    }
}

} // namespace

Range defaultRange(const QDate &businessDate)
{
    const QDate to = businessDate.addDays(-businessDate.day());
    return {to.addDays(-30), to};
}

bool run(Database &db, Prompt &prompt, Choice choice, const Range &range, const std::function<void(int)> &progress)
{
    progress(0);
    try {
        Transaction transaction(db);
        switch (choice) {
        case Choice::Everything:
            clearEverything(db, progress);
            break;
        case Choice::Circulation:
            clearCirculation(db, progress);
            break;
        case Choice::ReturnedBetween:
            clearReturned(db, range, progress);
            break;
        }
        transaction.commit();
    } catch (const DbError &e) {
        prompt.error(e.message());
        return false;
    }
    progress(100);
    prompt.info(u"清理成功!"_s);
    return true;
}

} // namespace tarvo::ClearData
