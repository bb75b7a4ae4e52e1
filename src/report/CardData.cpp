#include "CardData.h"

#include "core/app/Helpers.h"

#include <QDate>
#include <QDateTime>

namespace tarvo::report {

CardData::CardData(const GridRows *rows, const QStringList &fields, const QHash<QString, QString> &values)
    : m_rows(rows)
    , m_fields(fields)
{
    for (int i = 0; i < fields.size(); ++i)
        m_columns.insert(fields.at(i).toLower(), i);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        m_values.insert(it.key().toLower(), it.value());
        m_valueNames << it.key();
    }
    m_valueNames.sort();
}

QVariant CardData::value(qsizetype row, const QString &field) const
{
    const QString key = field.toLower();
    if (const auto column = m_columns.constFind(key); column != m_columns.cend())
        return m_rows && row >= 0 && row < m_rows->count() ? m_rows->value(row, *column) : QVariant();
    if (const auto named = m_values.constFind(key); named != m_values.cend())
        return *named;
    return {};
}

QStringList CardData::fieldNames() const
{
    return m_fields + m_valueNames;
}

QString CardData::text(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QDateTime:
        return dateText(value.toDateTime().date());
    case QMetaType::QByteArray:
        return {}; // a picture has no text
    default:
        return value.toString();
    }
}

} // namespace tarvo::report
