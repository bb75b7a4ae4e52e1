#pragma once

#include "ConnectionTarget.h"
#include "Dialect.h"
#include "ResultSet.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace tarvo {

// One connection to the library database. Every statement goes through here with
// its values bound as parameters, never spliced into the text.
class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    enum class OpenMode {
        Library,  // an existing library database; a missing SQLite file is an error
        Create,   // a database being made: the file may be new, no tables are expected
        ReadOnly, // an existing SQLite library file, only read (a backup, an older database)
    };

    // Opens the database; throws DbError when it cannot.
    void open(const ConnectionTarget &target, OpenMode mode = OpenMode::Library);
    void close();
    bool isOpen() const;

    const ConnectionTarget &target() const { return m_target; }
    Engine engine() const { return m_target.engine; }
    const Dialect &dialect() const { return Dialect::of(m_target.engine); }

    // An INSERT, UPDATE or DELETE; returns the number of rows it changed.
    int exec(const QString &sql, const QVariantList &params = {});
    // A statement run as it stands, without parameters (DDL, pragmas).
    void execDirect(const QString &sql);
    // A SELECT read into a static client-side result.
    ResultSet query(const QString &sql, const QVariantList &params = {});
    // The first column of the first row, or a null value when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    // An INSERT into a table with an Id column; returns the new Id.
    qint64 insertReturningId(const QString &sql, const QVariantList &params = {});

    // Exact number of rows a SELECT returns, counted by the engine.
    qint64 countRows(const QString &select, const QVariantList &params = {});
    // Rows offset .. offset + count - 1 of a SELECT, for lists too large to hold.
    ResultSet page(const QString &select, const QVariantList &params, qint64 offset, qint64 count);

    QStringList tables() const;
    bool inTransaction() const { return m_inTransaction; }

private:
    friend class Transaction;
    void begin();
    void commit();
    void rollback();

    QSqlQuery &prepared(const QString &sql);
    QSqlQuery &run(const QString &sql, const QVariantList &params);
    [[noreturn]] void fail(const QSqlQuery &query, const QString &sql) const;
    void openSqlite(OpenMode mode);
    void openPostgres();
    void checkLibraryTables();

    QString m_connectionName;
    ConnectionTarget m_target;
    QHash<QString, QSqlQuery> m_statements;
    bool m_inTransaction = false;
};

} // namespace tarvo
