#pragma once

#include "Dialect.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvo {

class Database;

struct ColumnDef
{
    QString name;
    ColumnType type;
    int size = 0; // characters, for Text columns
};

struct TableDef
{
    QString name;
    QList<ColumnDef> columns;

    const ColumnDef *column(QStringView name) const;
};

struct IndexDef
{
    QString table;
    QStringList columns;
    bool unique = false;
    QString where; // a partial index
};

struct ViewDef
{
    QString name;
    QString select;
};

// The library database defined once, as data; each engine's DDL is generated from it.
namespace Schema {
const QList<TableDef> &tables();
const QList<IndexDef> &indexes();
const QList<ViewDef> &views();
const TableDef *table(QStringView name);

// CREATE statements for every table, index and view, in order, for one engine.
QStringList createStatements(const Dialect &dialect);

// SQLite keeps a trigram index of the copies' numbers and titles (BookInfoText,
// kept by triggers), so that "contains" searches of the catalogue use an index
// instead of reading a million rows. The statements are idempotent; PostgreSQL has none.
QStringList titleSearchStatements(const Dialect &dialect);
// The trigram index of a library file made before it existed: made and filled once.
void ensureTitleSearch(Database &db);
QString indexName(const IndexDef &index);
} // namespace Schema

} // namespace tarvo
