#include "InputCodeFill.h"

#include "core/db/Database.h"
#include "core/db/Transaction.h"
#include "core/framework/InputCodes.h"

using namespace Qt::StringLiterals;

namespace tarvo::InputCodeFill {

namespace {

constexpr int kRowsPerRead = 5000;
constexpr qint64 kProgressStep = 2000;
constexpr qsizetype kRememberedNames = 20000;
constexpr int kWriteCacheKib = 64 * 1024;

// coalesce() keeps the engine from searching by the Py index, where every row without
// codes shares one key.
const QString kMissing = u" Name is not null and Name <> '' and coalesce(Py, '') = ''"_s;

// A larger page cache while a million rows change: the pages of the code indexes that
// the writes keep coming back to stay in memory. SQLite only; a PostgreSQL server
// sizes its own buffers.
class WriteCache
{
public:
    explicit WriteCache(Database &db)
        : m_db(db)
    {
        if (m_db.engine() != Engine::SQLite)
            return;
        m_previous = m_db.scalar(u"PRAGMA cache_size"_s).toInt();
        m_db.execDirect(u"PRAGMA cache_size = -"_s + QString::number(kWriteCacheKib));
    }
    ~WriteCache()
    {
        if (m_db.engine() == Engine::SQLite && m_db.isOpen())
            m_db.execDirect(u"PRAGMA cache_size = "_s + QString::number(m_previous));
    }
    WriteCache(const WriteCache &) = delete;
    WriteCache &operator=(const WriteCache &) = delete;

private:
    Database &m_db;
    int m_previous = 0;
};

// Titles repeat over their copies: each name's codes are worked out once.
class CodesOfNames
{
public:
    const InputCodes &of(const QString &name)
    {
        auto it = m_known.constFind(name);
        if (it != m_known.cend())
            return *it;
        if (m_known.size() >= kRememberedNames)
            m_known.clear();
        return *m_known.insert(name, MakeInputCodes(name));
    }

private:
    QHash<QString, InputCodes> m_known;
};

class TableFill
{
public:
    TableFill(Database &db, const QString &table, const Progress &progress)
        : m_db(db)
        , m_table(table)
        , m_progress(progress)
        , m_total(db.scalar(u"select count(*) from "_s + table + u" where"_s + kMissing).toLongLong())
    {}

    // Rows in key order, one update each: every page of the table is written once.
    void byKey(const QString &key)
    {
        const QString read = u"select "_s + key + u", Name from "_s + m_table + u" where "_s + key + u" > ? and"_s +
                             kMissing + u" order by "_s + key + m_db.dialect().limitClause(kRowsPerRead);
        const QString update = u"update "_s + m_table + u" set Py = ?, Wb = ?, Wbh = ? where "_s + key + u" = ?"_s;
        QVariant after = qint64(-1);
        for (;;) {
            ResultSet rows = m_db.query(read, {after});
            if (rows.isEmpty())
                return;
            for (rows.first(); !rows.eof(); rows.next()) {
                const InputCodes &codes = m_codes.of(rows.text(u"Name"));
                written(m_db.exec(update, {codes.Py, codes.Wb, codes.Wbh, rows.value(key)}));
            }
            rows.last();
            after = rows.value(key);
        }
    }

    // A table without a row key: one update per distinct name, names read in order.
    void byName()
    {
        const QString read = u"select distinct Name from "_s + m_table + u" where Name > ? and"_s + kMissing +
                             u" order by Name"_s + m_db.dialect().limitClause(kRowsPerRead);
        const QString update = u"update "_s + m_table + u" set Py = ?, Wb = ?, Wbh = ? where Name = ? and"_s + kMissing;
        QString after = u""_s;
        for (;;) {
            ResultSet names = m_db.query(read, {after});
            if (names.isEmpty())
                return;
            for (names.first(); !names.eof(); names.next()) {
                const QString name = names.text(u"Name");
                const InputCodes &codes = m_codes.of(name);
                written(m_db.exec(update, {codes.Py, codes.Wb, codes.Wbh, name}));
            }
            names.last();
            after = names.text(u"Name");
        }
    }

    qint64 finish()
    {
        if (m_progress)
            m_progress(m_total, m_total);
        return m_done;
    }

private:
    void written(int rows)
    {
        m_done += rows;
        if (m_progress && m_done - m_reported >= kProgressStep) {
            m_progress(m_done, m_total);
            m_reported = m_done;
        }
    }

    Database &m_db;
    QString m_table;
    const Progress &m_progress;
    CodesOfNames m_codes;
    qint64 m_total;
    qint64 m_done = 0;
    qint64 m_reported = 0;
};

qint64 fillTable(Database &db, const QString &table, const Progress &progress)
{
    Transaction transaction(db);
    TableFill fill(db, table, progress);
    // Readers have no row key of their own; books and magazines have Id.
    if (table == u"ReaderInfo")
        fill.byName();
    else
        fill.byKey(u"Id"_s);
    transaction.commit();
    return fill.finish();
}

} // namespace

qint64 fill(Database &db, Kinds kinds, const Progress &progress)
{
    const WriteCache cache(db);
    qint64 written = 0;
    if (kinds.testFlag(Kind::Books))
        written += fillTable(db, u"BookInfo"_s, progress);
    if (kinds.testFlag(Kind::Magazines))
        written += fillTable(db, u"MagzInfo"_s, progress);
    if (kinds.testFlag(Kind::Readers))
        written += fillTable(db, u"ReaderInfo"_s, progress);
    return written;
}

} // namespace tarvo::InputCodeFill
