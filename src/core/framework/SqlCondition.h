#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

namespace tarvo {

// The where clause of a search, with the operator's input bound as parameters.
// An input left empty adds nothing ("空格为所有": empty means all rows).
class SqlCondition
{
public:
    SqlCondition() = default;
    SqlCondition(QString sql, QVariantList params)
        : m_sql(std::move(sql))
        , m_params(std::move(params))
    {
    }

    bool isEmpty() const { return m_sql.isEmpty(); }
    const QString &sql() const { return m_sql; }
    const QVariantList &params() const { return m_params; }

    // field >= from and field <= to; both ends are included.
    SqlCondition &dateRange(const QString &field, const QDate &from, const QDate &to);
    // The field contains the text anywhere; a % or _ typed is searched for as itself.
    SqlCondition &contains(const QString &field, const QString &text);
    // The field begins with the text.
    SqlCondition &beginsWith(const QString &field, const QString &text);
    // The field equals a value picked from a list.
    SqlCondition &equals(const QString &field, const QString &value);
    // A fixed comparison of the program's own, such as State = '已还'.
    SqlCondition &fixed(const QString &comparison);
    // Either of the alternatives; empty alternatives are left out.
    SqlCondition &anyOf(const QList<SqlCondition> &alternatives);
    // Both conditions.
    SqlCondition &also(const SqlCondition &other);

    // " where " and the condition, or nothing when it is empty.
    QString whereClause() const;

    // The like pattern for text typed by the operator, wildcards escaped.
    static QString containsPattern(const QString &text);
    static QString beginsWithPattern(const QString &text);

private:
    void add(const QString &sql, const QVariantList &params);

    QString m_sql;
    QVariantList m_params;
};

} // namespace tarvo
