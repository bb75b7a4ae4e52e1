#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace tarvo {

// How a column's values are written out: text keeps leading zeros, floating
// point gets two decimals, dates read yyyy-MM-dd.
enum class ValueKind { Text, Integer, Float, Date, Bool };

// One column of a grid as the operator sees it: which field, under which title,
// how wide, and whether the footer sums it.
struct GridColumn
{
    QString field;
    QString title;
    int width = 80; // pixels
    ValueKind kind = ValueKind::Text;
    bool footerSum = false;
    bool centred = false; // short state words read best centred
};

// The rows of a grid, in the order shown, read one value at a time so that a very
// large list is never held in memory at once.
class GridRows
{
public:
    virtual ~GridRows() = default;
    virtual qsizetype count() const = 0;
    // The value of a row (0-based) in a column (index into the grid's visible columns).
    virtual QVariant value(qsizetype row, int column) const = 0;
};

// What a grid shows, for export and printing: its visible columns left to right and its rows.
struct GridData
{
    QList<GridColumn> columns;
    const GridRows *rows = nullptr;
};

} // namespace tarvo
