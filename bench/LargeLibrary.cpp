#include "LargeLibrary.h"

#include "core/app/Helpers.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "core/db/Transaction.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarvo::bench {

namespace {

const QDate kBusinessDate(2026, 12, 1);

template <typename T>
const T &pick(QRandomGenerator &random, const QList<T> &list)
{
    return list.at(random.bounded(qsizetype(list.size())));
}

QString letters(QRandomGenerator &random, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'a' + random.bounded(26));
    return s;
}

QStringList column(Database &db, const QString &sql)
{
    QStringList values;
    for (ResultSet rs = db.query(sql); !rs.eof(); rs.next())
        values << rs.text(rs.fieldNames().first());
    return values;
}

void fillCopies(Database &db, QRandomGenerator &random, int copies)
{
    const QStringList classes = column(db, u"select SortCode from Type where ParentKey <> '00'"_s);
    const QStringList shelves = column(db, u"select Code from Bookposi"_s);
    const QList<QString> subjects{u"中国"_s, u"世界"_s, u"现代"_s, u"古代"_s, u"实用"_s, u"简明"_s, u"新编"_s,
                                  u"当代"_s, u"基础"_s, u"高等"_s};
    const QList<QString> topics{u"文学史"_s, u"经济学"_s, u"物理学"_s, u"计算机网络"_s, u"哲学导论"_s,
                                u"数学分析"_s, u"教育心理学"_s, u"艺术概论"_s, u"法律基础"_s, u"地理学"_s,
                                u"小说选"_s, u"散文集"_s, u"诗词鉴赏"_s, u"历史研究"_s, u"医学常识"_s};
    const QList<QString> authors{u"王力"_s, u"李明"_s, u"张华"_s, u"刘洋"_s, u"陈静"_s, u"杨帆"_s, u"赵磊"_s,
                                 u"黄河"_s, u"周敏"_s, u"吴刚"_s};
    const QList<QString> publishers{u"人民文学出版社"_s, u"商务印书馆"_s, u"中华书局"_s, u"科学出版社"_s,
                                    u"高等教育出版社"_s, u"清华大学出版社"_s, u"北京大学出版社"_s,
                                    u"机械工业出版社"_s};
    const QString sql =
        u"insert into BookInfo (Code, Name, Scode, SortCode, SortNum, Publisher, Writer, PubDate, BookPrice,"
        " BookIsbn, BookPosi, RegDate, IsOut, Borrowman, BorrowDate, Times, Py, Wb, Wbh)"
        " values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s;
    for (int n = 0; n < copies; ++n) {
        const QString sortCode = pick(random, classes);
        const QString sortNum = QString::number(n / 3 + 1);
        const bool lent = n % 10 == 0;
        const QString title = pick(random, subjects) + pick(random, topics) + u" 第"_s
            + QString::number(n % 7 + 1) + u"版"_s;
        const QString callNumber = sortCode + u'/' + sortNum;
        db.exec(sql, {copyCode(n), title, callNumber, sortCode, sortNum, pick(random, publishers), pick(random, authors),
                      QString::number(1990 + n % 36), 10.0 + random.bounded(9000) / 100.0,
                      QString(u"978-7-"_s + QString::number(100000000 + n)), pick(random, shelves),
                      kBusinessDate.addDays(-random.bounded(3650)), lent ? u"外借"_s : QString(),
                      lent ? u"读者"_s : QString(), lent ? kBusinessDate.addDays(-random.bounded(40)) : QDate(),
                      5, letters(random, 6), letters(random, 6), letters(random, 6)});
    }
}

void fillReaders(Database &db, QRandomGenerator &random, int readers)
{
    const QStringList types = column(db, u"select Code from ReaderType"_s);
    const QStringList departments = column(db, u"select Code from Readerdept"_s);
    const QList<QString> surnames{u"王"_s, u"李"_s, u"张"_s, u"刘"_s, u"陈"_s, u"杨"_s, u"赵"_s, u"黄"_s, u"周"_s,
                                  u"吴"_s};
    const QList<QString> given{u"伟"_s, u"芳"_s, u"娜"_s, u"敏"_s, u"静"_s, u"丽"_s, u"强"_s, u"磊"_s, u"洋"_s,
                               u"艳"_s, u"勇"_s, u"军"_s};
    const QString sql = u"insert into ReaderInfo (Code, Name, Sax, SortCode, RegDate, Department, Isstop, DepoSum,"
                        " Times, BookQty, Overdue, Times1, BookQty1, Overdue1, Py, Wb, Wbh)"
                        " values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?, ?, ?)"_s;
    for (int n = 0; n < readers; ++n) {
        const QString name = pick(random, surnames) + pick(random, given) + pick(random, given);
        db.exec(sql, {readerCode(n), name,
                      n % 2 ? u"男"_s : u"女"_s, pick(random, types), kBusinessDate.addDays(-random.bounded(2000)),
                      pick(random, departments), false, 50.0, 25, 0, 1, letters(random, 3), letters(random, 3),
                      letters(random, 3)});
    }
}

void fillLoans(Database &db, QRandomGenerator &random, int loans, int copies, int readers)
{
    const QString sql = u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ReturnDate, RenewTimes,"
                        " ExceedDay, ExceedFund, Operator, IsPay) values (?, ?, ?, ?, ?, 0, ?, ?, ?, ?)"_s;
    const QString librarian = u"系统管理员"_s;
    int written = 0;
    // One open loan on every tenth copy, as the copies were marked.
    for (int n = 0; n < copies && written < loans; n += 10, ++written) {
        const QDate lent = kBusinessDate.addDays(-random.bounded(40));
        db.exec(sql, {copyCode(n), readerCode(random.bounded(readers)), u"未还"_s, lent, lent.addDays(30), 0.0,
                      0.0, librarian, false});
    }
    // A few reservations waiting for lent copies.
    for (int n = 0; n < copies && written < loans && n < 200'000; n += 100, ++written) {
        db.exec(sql, {copyCode(n), readerCode(random.bounded(readers)), u"预约"_s, kBusinessDate, kBusinessDate,
                      0.0, 0.0, librarian, false});
    }
    // The rest: returned loans over the past years, some late and fined.
    for (; written < loans; ++written) {
        const QDate lent = kBusinessDate.addDays(-40 - random.bounded(1100));
        const int late = random.bounded(10) == 0 ? 1 + random.bounded(20) : 0;
        db.exec(sql, {copyCode(random.bounded(copies)), readerCode(random.bounded(readers)), u"已还"_s, lent,
                      lent.addDays(random.bounded(30) + late), double(late), late * 0.1, librarian, late == 0});
    }
}

} // namespace

QString copyCode(int n)
{
    return u"B%1"_s.arg(n + 1, 7, 10, QLatin1Char('0'));
}

QString readerCode(int n)
{
    return u"R%1"_s.arg(n + 1, 6, 10, QLatin1Char('0'));
}

void fillLargeLibrary(Database &db, const LibrarySize &size)
{
    QRandomGenerator random(20261211);
    // A throw-away benchmark file: no journal while it is filled, WAL again afterwards.
    db.execDirect(u"PRAGMA journal_mode=OFF"_s);
    db.execDirect(u"PRAGMA synchronous=OFF"_s);
    db.execDirect(u"PRAGMA cache_size=-1000000"_s);
    {
        Transaction transaction(db);
        fillCopies(db, random, size.copies);
        fillReaders(db, random, size.readers);
        fillLoans(db, random, size.loans, size.copies, size.readers);
        transaction.commit();
    }
    db.execDirect(u"ANALYZE"_s);
    db.execDirect(u"PRAGMA journal_mode=WAL"_s);
    db.execDirect(u"PRAGMA synchronous=FULL"_s);
}

QString largeLibraryPath()
{
    const QString path = qEnvironmentVariable("TARVO_BENCH_DB");
    return path.isEmpty() ? QStringLiteral(TARVO_BENCH_LIBRARY) : path;
}

Database &largeLibrary()
{
    static Database db;
    if (!db.isOpen()) {
        const QString path = largeLibraryPath();
        ensureLargeLibrary(path);
        db.open({Engine::SQLite, path, false});
    }
    return db;
}

void ensureLargeLibrary(const QString &path, const LibrarySize &size)
{
    if (QFileInfo::exists(path))
        return;
    const ConnectionTarget target{Engine::SQLite, QFileInfo(path).absoluteFilePath(), false};
    const QString building = target.location + u".filling"_s;
    QFile::remove(building);
    DeliveredDatabase::create({Engine::SQLite, building, false});
    {
        Database db;
        db.open({Engine::SQLite, building, false});
        fillLargeLibrary(db, size);
    }
    if (!QFile::rename(building, target.location))
        throw std::runtime_error("cannot rename the filled library");
}

} // namespace tarvo::bench
