#include "Database.h"

#include "Schema.h"

#include "DbError.h"
#include "PgUri.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {
constexpr int kStatementCacheSize = 128;
constexpr int kBusyTimeoutMs = 10000;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return u"tarvo-"_s + QString::number(counter.fetchAndAddRelaxed(1) + 1);
}
} // namespace

Database::Database()
    : m_connectionName(nextConnectionName())
{
}

Database::~Database()
{
    close();
}

void Database::open(const ConnectionTarget &target, OpenMode mode)
{
    close();
    m_target = target;
    try {
        if (target.engine == Engine::SQLite)
            openSqlite(mode);
        else
            openPostgres();
        if (mode != OpenMode::Create)
            checkLibraryTables();
        if (mode == OpenMode::Library)
            Schema::ensureTitleSearch(*this);
    } catch (...) {
        close();
        throw;
    }
}

void Database::openSqlite(OpenMode mode)
{
    const QFileInfo file(m_target.location);
    if (mode != OpenMode::Create && !file.isFile())
        throw DbError(u"数据库文件不存在: "_s + m_target.location);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    db.setDatabaseName(file.absoluteFilePath());
    const QString busy = u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(kBusyTimeoutMs);
    db.setConnectOptions(mode == OpenMode::ReadOnly ? busy + u";QSQLITE_OPEN_READONLY"_s : busy);
    if (!db.open())
        throw DbError(db.lastError().text());
    // A file only read is left exactly as it is, journal mode included.
    if (mode == OpenMode::ReadOnly)
        return;
    // WAL lets readers go on while a desk writes; it needs shared memory, which a
    // network share does not give, so a shared file keeps the rollback journal.
    execDirect(m_target.onNetwork ? u"PRAGMA journal_mode=DELETE"_s : u"PRAGMA journal_mode=WAL"_s);
    execDirect(u"PRAGMA synchronous=FULL"_s);
}

void Database::openPostgres()
{
    const PgUri uri = PgUri::parse(m_target.location);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, m_connectionName);
    db.setHostName(uri.host);
    if (uri.port >= 0)
        db.setPort(uri.port);
    db.setUserName(uri.user);
    db.setPassword(uri.password);
    db.setDatabaseName(uri.database);
    db.setConnectOptions(uri.options);
    if (!db.open())
        throw DbError(db.lastError().text());
    execDirect(u"SET client_min_messages TO warning"_s);
}

void Database::checkLibraryTables()
{
    // Any file or database that lacks the operators table is not a library database.
    query(u"select UseCode from SystemUser"_s + dialect().limitClause(1));
}

void Database::close()
{
    m_statements.clear();
    m_inTransaction = false;
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName)
        && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void Database::fail(const QSqlQuery &query, const QString &sql) const
{
    throw DbError(query.lastError().text() + u"\n"_s + sql);
}

QSqlQuery &Database::prepared(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return *it;
    if (m_statements.size() >= kStatementCacheSize)
        m_statements.clear();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query, sql);
    return *m_statements.insert(sql, std::move(query));
}

QSqlQuery &Database::run(const QString &sql, const QVariantList &params)
{
    if (!isOpen())
        throw DbError(u"数据库未连接"_s);
    QSqlQuery &query = prepared(sql);
    const Dialect &d = dialect();
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), d.bindValue(params.at(i)));
    if (!query.exec()) {
        const QString text = query.lastError().text();
        query.finish();
        // A statement the engine refused is dropped, so a later retry prepares afresh.
        m_statements.remove(sql);
        throw DbError(text + u"\n"_s + sql);
    }
    return query;
}

int Database::exec(const QString &sql, const QVariantList &params)
{
    QSqlQuery &query = run(sql, params);
    const int affected = query.numRowsAffected();
    query.finish();
    return affected;
}

void Database::execDirect(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(sql))
        fail(query, sql);
}

ResultSet Database::query(const QString &sql, const QVariantList &params)
{
    QSqlQuery &query = run(sql, params);
    const QSqlRecord record = query.record();
    QStringList fields;
    fields.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row << query.value(i);
        rows << std::move(row);
    }
    query.finish();
    return ResultSet(this, sql, params, std::move(fields), std::move(rows));
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    QSqlQuery &query = run(sql, params);
    QVariant value;
    if (query.next())
        value = query.value(0);
    query.finish();
    return value;
}

qint64 Database::insertReturningId(const QString &sql, const QVariantList &params)
{
    if (engine() == Engine::PostgreSQL)
        return scalar(sql + u" RETURNING Id"_s, params).toLongLong();
    QSqlQuery &query = run(sql, params);
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    return id;
}

qint64 Database::countRows(const QString &select, const QVariantList &params)
{
    return scalar(u"select count(*) from ("_s + select + u") counted"_s, params).toLongLong();
}

ResultSet Database::page(const QString &select, const QVariantList &params, qint64 offset, qint64 count)
{
    return query(select + dialect().limitClause(count, offset), params);
}

QStringList Database::tables() const
{
    return QSqlDatabase::database(m_connectionName, false).tables(QSql::Tables);
}

void Database::begin()
{
    if (m_inTransaction)
        throw DbError(u"事务不能嵌套"_s);
    execDirect(dialect().beginTransaction());
    m_inTransaction = true;
}

void Database::commit()
{
    execDirect(u"COMMIT"_s);
    m_inTransaction = false;
}

void Database::rollback()
{
    m_inTransaction = false;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.exec(u"ROLLBACK"_s);
}

} // namespace tarvo
