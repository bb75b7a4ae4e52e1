#include "RowViews.h"

namespace tarvo {

QVariant ResultSetRows::value(qsizetype row, int column) const
{
    if (row < 0 || row >= m_rows.count() || column < 0 || column >= m_rows.fieldNames().size())
        return {};
    return m_rows.at(row, column);
}

QVariant MappedRows::value(qsizetype row, int column) const
{
    if (!m_source || column < 0 || column >= m_columns.size())
        return {};
    return m_source->value(row, m_columns.at(column));
}

} // namespace tarvo
