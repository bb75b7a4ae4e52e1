#include "ExclusiveSqliteFile.h"

#include "DbError.h"
#include "SqliteSnapshot.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

// Long enough for another desk to finish a confirmation, short enough to give up
// on a desk that simply has the file open.
constexpr int kBusyTimeoutMs = 3000;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return u"tarvo-exclusive-"_s + QString::number(counter.fetchAndAddRelaxed(1) + 1);
}

} // namespace

ExclusiveSqliteFile::ExclusiveSqliteFile(const QString &file)
    : m_file(QFileInfo(file).absoluteFilePath())
    , m_connectionName(nextConnectionName())
{
    if (!QFileInfo(m_file).isFile())
        throw DbError(u"数据库文件不存在: "_s + m_file);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    db.setDatabaseName(m_file);
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(kBusyTimeoutMs));
    try {
        if (!db.open())
            throw DbError(db.lastError().text());
        // In exclusive locking mode the lock taken by the first write stays until the
        // connection closes.
        exec(u"PRAGMA locking_mode=EXCLUSIVE"_s);
        exec(u"BEGIN EXCLUSIVE"_s);
        exec(u"COMMIT"_s);
    } catch (...) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

ExclusiveSqliteFile::~ExclusiveSqliteFile()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

void ExclusiveSqliteFile::exec(const QString &sql, const QVariant &value)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    bool ok = false;
    if (value.isValid()) {
        ok = query.prepare(sql);
        query.addBindValue(value);
        ok = ok && query.exec();
    } else {
        ok = query.exec(sql);
    }
    if (!ok)
        throw DbError(query.lastError().text() + u"\n"_s + sql);
}

void ExclusiveSqliteFile::snapshot(const QString &newFile)
{
    exec(u"VACUUM INTO ?"_s, QFileInfo(newFile).absoluteFilePath());
    SqliteSnapshot::syncToDisk(newFile);
}

void ExclusiveSqliteFile::replaceWith(const QString &newFile)
{
    // Out of WAL first: the log is folded in and removed, so no log of the old file
    // is left beside the new one.
    exec(u"PRAGMA journal_mode=DELETE"_s);
    SqliteSnapshot::syncToDisk(newFile);
    // rename() replaces the old file in one step: no moment without a database file.
    if (std::rename(QFile::encodeName(newFile).constData(), QFile::encodeName(m_file).constData()) != 0)
        throw DbError(QString::fromLocal8Bit(std::strerror(errno)) + u": "_s + m_file);
    SqliteSnapshot::syncToDisk(QFileInfo(m_file).absolutePath());
}

} // namespace tarvo
