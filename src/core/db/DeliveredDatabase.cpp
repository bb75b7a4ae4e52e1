#include "DeliveredDatabase.h"

#include "Database.h"
#include "DbError.h"
#include "PgUri.h"
#include "Schema.h"
#include "SeedData.h"
#include "Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace tarvo::DeliveredDatabase {

namespace {

void createSchemaAndRows(Database &db)
{
    Transaction transaction(db);
    for (const QString &statement : Schema::createStatements(db.dialect()))
        db.execDirect(statement);
    SeedData::load(db);
    transaction.commit();
}

// A new SQLite database is built under a temporary name and renamed at the end, so a
// failure leaves no half-made file behind.
void createSqlite(const ConnectionTarget &target)
{
    const QFileInfo file(target.location);
    if (file.exists())
        throw DbError(u"database file already exists: "_s + target.location);
    if (!QDir().mkpath(file.absolutePath()))
        throw DbError(u"cannot create folder "_s + file.absolutePath());
    const QString building = file.absoluteFilePath() + u".building"_s;
    QFile::remove(building);
    try {
        Database db;
        ConnectionTarget buildTarget = target;
        buildTarget.location = building;
        db.open(buildTarget, Database::OpenMode::Create);
        for (const QString &statement : db.dialect().databasePreamble())
            db.execDirect(statement);
        createSchemaAndRows(db);
        db.close();
    } catch (...) {
        QFile::remove(building);
        QFile::remove(building + u"-wal"_s);
        QFile::remove(building + u"-shm"_s);
        throw;
    }
    if (!QFile::rename(building, file.absoluteFilePath()))
        throw DbError(u"cannot rename "_s + building);
}

void createPostgres(const ConnectionTarget &target)
{
    const PgUri uri = PgUri::parse(target.location);
    static const QRegularExpression plainName(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    if (!plainName.match(uri.database).hasMatch())
        throw DbError(u"database name must be letters, digits and _: "_s + uri.database);

    // The database itself is made through the server's maintenance database.
    PgUri maintenance = uri;
    maintenance.database = u"postgres"_s;
    {
        Database server;
        server.open({Engine::PostgreSQL, maintenance.toUri(), true}, Database::OpenMode::Create);
        const bool exists = server.scalar(u"select count(*) from pg_database where datname = ?"_s,
                                          {uri.database.toLower()}).toInt() > 0;
        if (!exists)
            server.execDirect(u"CREATE DATABASE "_s + uri.database);
    }
    Database db;
    db.open(target, Database::OpenMode::Create);
    const int tables = db.scalar(u"select count(*) from information_schema.tables where table_schema = current_schema()"_s)
                           .toInt();
    if (tables > 0)
        throw DbError(u"database already holds tables: "_s + uri.database);
    for (const QString &statement : db.dialect().databasePreamble())
        db.execDirect(statement);
    createSchemaAndRows(db);
}

} // namespace

void create(const ConnectionTarget &target)
{
    if (target.engine == Engine::SQLite)
        createSqlite(target);
    else
        createPostgres(target);
}

} // namespace tarvo::DeliveredDatabase
