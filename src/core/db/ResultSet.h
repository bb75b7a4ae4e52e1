#pragma once

#include <QDate>
#include <QHash>
#include <QStringList>
#include <QVariantList>

namespace tarvo {

class Database;

// A static client-side cursor over the rows of a SELECT: exact count, fields by
// name, typed reads, locate, client-side sort and re-query.
class ResultSet
{
public:
    ResultSet() = default;
    ResultSet(Database *db, QString sql, QVariantList params, QStringList fields, QList<QVariantList> rows);

    qsizetype count() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // The cursor: a row position, count() past the end.
    void first() { m_position = 0; }
    void last() { m_position = m_rows.isEmpty() ? 0 : m_rows.size() - 1; }
    void next() { moveBy(1); }
    void prior() { moveBy(-1); }
    void moveBy(qsizetype n);
    bool eof() const { return m_position >= m_rows.size(); }
    bool bof() const { return m_position <= 0; }
    qsizetype position() const { return m_position; }
    void setPosition(qsizetype row);

    const QStringList &fieldNames() const { return m_fields; }
    bool hasField(QStringView name) const { return fieldIndex(name) >= 0; }
    // Column of a field, matched without regard to case; -1 when absent.
    int fieldIndex(QStringView name) const;

    // The current row's value; a field that does not exist is an error.
    QVariant value(QStringView field) const;
    // The current row's value, or nothing when the field does not exist.
    QVariant valueIfPresent(QStringView field) const;
    QVariant at(qsizetype row, int column) const { return m_rows.at(row).at(column); }

    bool isNull(QStringView field) const;
    QString text(QStringView field) const;
    qint64 integer(QStringView field) const;
    double real(QStringView field) const;
    double money(QStringView field) const;
    bool boolean(QStringView field) const;
    QDate date(QStringView field) const;

    // Moves to the first row whose field equals the value without regard to case
    // (or begins with it, when partial); the cursor stays put when none does.
    bool locate(QStringView field, const QString &value, bool partial = false);
    // Sorts the rows by a field list such as "Name, Code DESC"; the cursor goes to the first row.
    void sort(const QString &fieldList);
    // Runs the statement again and keeps the cursor on the same position where it can.
    void requery();

private:
    const QVariant &current(QStringView field) const;

    Database *m_db = nullptr;
    QString m_sql;
    QVariantList m_params;
    QStringList m_fields;
    QHash<QString, int> m_index;
    QList<QVariantList> m_rows;
    qsizetype m_position = 0;
};

} // namespace tarvo
