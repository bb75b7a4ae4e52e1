#pragma once

#include "core/circulation/LoanRow.h"
#include "core/framework/GridData.h"

#include <QStringList>

namespace tarvo::gui {

// The rows of a circulation desk as grid rows: the loan's fields, then the item's.
class LoanGridRows : public GridRows
{
public:
    LoanGridRows(const QList<LoanRow> &rows, const QStringList &itemColumns);

    const QStringList &fields() const { return m_fields; }
    qsizetype count() const override { return m_rows.size(); }
    QVariant value(qsizetype row, int column) const override;

private:
    const QList<LoanRow> &m_rows;
    QStringList m_fields;
};

} // namespace tarvo::gui
