#include "LoanGridRows.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

LoanGridRows::LoanGridRows(const QList<LoanRow> &rows, const QStringList &itemColumns)
    : m_rows(rows)
    , m_fields{u"Code"_s,      u"Rcode"_s,      u"State"_s,     u"BorrowDate"_s, u"ReturnDate"_s,
               u"RenewDate"_s, u"RenewTimes"_s, u"ExceedDay"_s, u"ExceedFund"_s}
{
    m_fields << itemColumns;
}

QVariant LoanGridRows::value(qsizetype row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_fields.size())
        return {};
    return m_rows.at(row).value(m_fields.at(column));
}

} // namespace tarvo::gui
