#pragma once

#include "ConnectionTarget.h"

#include <QString>
#include <QVariant>

namespace tarvo {

enum class ColumnType { Text, Memo, Int16, Int32, AutoNumber, Double, Money, Date, Bool, Blob };

// The few places where SQLite and PostgreSQL differ, answered in one place.
class Dialect
{
public:
    static const Dialect &of(Engine engine);

    Engine engine() const { return m_engine; }

    // Column type of the DDL, with the checks that enforce sizes and value ranges.
    QString columnDefinition(const QString &column, ColumnType type, int size) const;
    // The clause that ends a CREATE TABLE (SQLite tables are STRICT).
    QString tableOptions() const;
    // Statements run once when a new database is created.
    QStringList databasePreamble() const;

    QString beginTransaction() const;
    // " limit n offset m" for paging a statement.
    QString limitClause(qint64 count, qint64 offset = 0) const;
    // The first n characters of a text expression.
    QString left(const QString &expression, int n) const;
    // Whole days from a to b (b - a), for date expressions.
    QString daysBetween(const QString &a, const QString &b) const;
    // A bound parameter that takes part in date arithmetic.
    QString dateParameter() const;

    // A temporary table of the connection holding row keys k at positions pos.
    QString createSortTable(const QString &name) const;

    // A value as this engine binds it: dates as ISO text in SQLite.
    QVariant bindValue(const QVariant &value) const;

private:
    explicit Dialect(Engine engine)
        : m_engine(engine)
    {
    }

    Engine m_engine;
};

} // namespace tarvo
