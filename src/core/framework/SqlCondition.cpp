#include "SqlCondition.h"

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

QString escapeLike(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

const QString kLikeEscape = u" escape '\\'"_s;

} // namespace

QString SqlCondition::containsPattern(const QString &text)
{
    return u'%' + escapeLike(text) + u'%';
}

QString SqlCondition::beginsWithPattern(const QString &text)
{
    return escapeLike(text) + u'%';
}

void SqlCondition::add(const QString &sql, const QVariantList &params)
{
    m_sql = m_sql.isEmpty() ? sql : m_sql + u" and "_s + sql;
    m_params += params;
}

SqlCondition &SqlCondition::dateRange(const QString &field, const QDate &from, const QDate &to)
{
    add(field + u" >= ? and "_s + field + u" <= ?"_s, {from, to});
    return *this;
}

SqlCondition &SqlCondition::contains(const QString &field, const QString &text)
{
    if (!text.isEmpty())
        add(field + u" like ?"_s + kLikeEscape, {containsPattern(text)});
    return *this;
}

SqlCondition &SqlCondition::beginsWith(const QString &field, const QString &text)
{
    if (!text.isEmpty())
        add(field + u" like ?"_s + kLikeEscape, {beginsWithPattern(text)});
    return *this;
}

SqlCondition &SqlCondition::equals(const QString &field, const QString &value)
{
    if (!value.isEmpty())
        add(field + u" = ?"_s, {value});
    return *this;
}

SqlCondition &SqlCondition::fixed(const QString &comparison)
{
    add(comparison, {});
    return *this;
}

SqlCondition &SqlCondition::anyOf(const QList<SqlCondition> &alternatives)
{
    QStringList parts;
    QVariantList params;
    for (const SqlCondition &c : alternatives) {
        if (c.isEmpty())
            continue;
        parts << u'(' + c.sql() + u')';
        params += c.params();
    }
    if (!parts.isEmpty())
        add(parts.size() == 1 ? parts.first() : u'(' + parts.join(u" or "_s) + u')', params);
    return *this;
}

SqlCondition &SqlCondition::also(const SqlCondition &other)
{
    if (!other.isEmpty())
        add(u'(' + other.sql() + u')', other.params());
    return *this;
}

QString SqlCondition::whereClause() const
{
    return isEmpty() ? QString() : u" where "_s + m_sql;
}

} // namespace tarvo
