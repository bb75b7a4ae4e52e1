#pragma once

#include "core/framework/GridData.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tarvo::report {

// What the cards are printed from: one card per row, in the rows' order, and a few
// values the caller names (the library's name, the card rules). A field is looked
// up among the rows' fields first, then among the named values, without regard to case.
//
// The rows are read while the cards are drawn, never held: they must outlive this.
class CardData
{
public:
    CardData() = default;
    CardData(const GridRows *rows, const QStringList &fields, const QHash<QString, QString> &values = {});

    qsizetype count() const { return m_rows ? m_rows->count() : 0; }
    QVariant value(qsizetype row, const QString &field) const;
    // Every field a card can show: the rows' fields, then the named values.
    QStringList fieldNames() const;

    // A value as a card prints it: dates as yyyy-MM-dd, everything else as its text.
    static QString text(const QVariant &value);

private:
    const GridRows *m_rows = nullptr;
    QStringList m_fields;
    QHash<QString, int> m_columns;    // lower-case field -> column of the rows
    QHash<QString, QString> m_values; // lower-case name -> value
    QStringList m_valueNames;
};

} // namespace tarvo::report
