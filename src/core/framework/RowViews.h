#pragma once

#include "GridData.h"
#include "core/db/ResultSet.h"

namespace tarvo {

// A held result as grid rows, its fields as columns.
class ResultSetRows : public GridRows
{
public:
    explicit ResultSetRows(ResultSet rows)
        : m_rows(std::move(rows))
    {
    }

    qsizetype count() const override { return m_rows.count(); }
    QVariant value(qsizetype row, int column) const override;
    const ResultSet &result() const { return m_rows; }
    ResultSet &result() { return m_rows; }

private:
    ResultSet m_rows;
};

// Some columns of other rows, in a chosen order: what a grid shows of its data.
class MappedRows : public GridRows
{
public:
    MappedRows(const GridRows *source, QList<int> columns)
        : m_source(source)
        , m_columns(std::move(columns))
    {
    }

    qsizetype count() const override { return m_source ? m_source->count() : 0; }
    QVariant value(qsizetype row, int column) const override;

private:
    const GridRows *m_source;
    QList<int> m_columns;
};

} // namespace tarvo
