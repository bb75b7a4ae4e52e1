#pragma once

#include "GridData.h"

#include <QString>
#include <functional>

namespace tarvo {

// Writes what a grid shows to an .xlsx workbook: a bold, centred title row of the
// column captions, then one sheet row per grid row, each cell formatted by its
// column's kind (text stays text, so a code such as 0012 keeps its zeros).
//
// Rows are streamed to the file as they are read, so a list of a million rows
// exports without holding them in memory.
class XlsxExport
{
public:
    // Told every few thousand rows how many are written; answering false stops the
    // export (the file is then removed and the result is false).
    using Progress = std::function<bool(qsizetype written, qsizetype total)>;

    // Writes the grid to path, replacing an existing file. On failure returns false
    // and, when error is given, a message for the operator; a partly written file
    // is not left behind.
    static bool write(const QString &path, const GridData &grid, QString *error = nullptr,
                      const Progress &progress = {});

    // Excel's limits: one row goes to the titles, the rest hold records.
    static constexpr qsizetype maxRecords = 1048575;
    static constexpr int maxColumns = 16384;
};

} // namespace tarvo
