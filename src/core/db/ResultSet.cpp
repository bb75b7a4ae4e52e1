#include "ResultSet.h"

#include "../app/Helpers.h"
#include "Database.h"
#include "DbError.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// Nulls first, numbers by value, everything else as text in Chinese order.
int compareValues(const QVariant &a, const QVariant &b, const QCollator &collator)
{
    const bool aNull = a.isNull(), bNull = b.isNull();
    if (aNull || bNull)
        return int(bNull) - int(aNull);
    if (isNumeric(a) && isNumeric(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate) {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return collator.compare(a.toString(), b.toString());
}

QString asText(const QVariant &v)
{
    // A null number of some drivers would otherwise read as "0".
    if (v.isNull())
        return {};
    return v.typeId() == QMetaType::QDate ? dateText(v.toDate()) : v.toString();
}

} // namespace

ResultSet::ResultSet(Database *db, QString sql, QVariantList params, QStringList fields, QList<QVariantList> rows)
    : m_db(db)
    , m_sql(std::move(sql))
    , m_params(std::move(params))
    , m_fields(std::move(fields))
    , m_rows(std::move(rows))
{
    for (int i = 0; i < m_fields.size(); ++i)
        m_index.insert(m_fields.at(i).toLower(), i);
}

void ResultSet::moveBy(qsizetype n)
{
    m_position = std::clamp<qsizetype>(m_position + n, 0, m_rows.size());
}

void ResultSet::setPosition(qsizetype row)
{
    m_position = std::clamp<qsizetype>(row, 0, m_rows.size());
}

int ResultSet::fieldIndex(QStringView name) const
{
    return m_index.value(name.toString().toLower(), -1);
}

const QVariant &ResultSet::current(QStringView field) const
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(u"字段不存在: "_s + field.toString());
    if (eof())
        throw DbError(u"没有当前记录"_s);
    return m_rows.at(m_position).at(column);
}

QVariant ResultSet::value(QStringView field) const
{
    return current(field);
}

QVariant ResultSet::valueIfPresent(QStringView field) const
{
    const int column = fieldIndex(field);
    if (column < 0 || eof())
        return {};
    return m_rows.at(m_position).at(column);
}

bool ResultSet::isNull(QStringView field) const
{
    return current(field).isNull();
}

QString ResultSet::text(QStringView field) const
{
    return asText(current(field));
}

qint64 ResultSet::integer(QStringView field) const
{
    return current(field).toLongLong();
}

double ResultSet::real(QStringView field) const
{
    return current(field).toDouble();
}

double ResultSet::money(QStringView field) const
{
    return std::round(current(field).toDouble() * 10000.0) / 10000.0;
}

bool ResultSet::boolean(QStringView field) const
{
    return current(field).toBool();
}

QDate ResultSet::date(QStringView field) const
{
    const QVariant &v = current(field);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return dateFromText(v.toString());
}

bool ResultSet::locate(QStringView field, const QString &value, bool partial)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(u"字段不存在: "_s + field.toString());
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        const QString cell = asText(m_rows.at(row).at(column));
        const bool found = partial ? cell.startsWith(value, Qt::CaseInsensitive)
                                   : cell.compare(value, Qt::CaseInsensitive) == 0;
        if (found) {
            m_position = row;
            return true;
        }
    }
    return false;
}

void ResultSet::sort(const QString &fieldList)
{
    struct Key { int column; bool descending; };
    QList<Key> keys;
    for (const QString &part : fieldList.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const int column = fieldIndex(words.first());
        if (column < 0)
            throw DbError(u"字段不存在: "_s + words.first());
        keys.append({column, words.size() > 1 && words.at(1).compare(u"desc", Qt::CaseInsensitive) == 0});
    }
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const QVariantList &a, const QVariantList &b) {
        for (const Key &key : keys) {
            const int c = compareValues(a.at(key.column), b.at(key.column), collator);
            if (c != 0)
                return key.descending ? c > 0 : c < 0;
        }
        return false;
    });
    m_position = 0;
}

void ResultSet::requery()
{
    if (!m_db)
        return;
    const qsizetype position = m_position;
    *this = m_db->query(m_sql, m_params);
    setPosition(position);
}

} // namespace tarvo
