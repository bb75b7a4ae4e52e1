#pragma once

#include "PagedReport.h"

#include "ListTemplate.h"
#include "core/framework/GridData.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tarvo::report {

// A grid printed as a list: on every page the library's name, the report's title,
// the condition the rows were chosen by and the column titles; then the rows, the
// column totals and the record count after the last row, and "第 N 页 / 共 M 页"
// at the foot of each page.
//
// Rows are read from the grid while the pages are drawn, never held: the grid's
// rows must outlive the report.
class ListReport : public PagedReport
{
public:
    struct Header
    {
        QString corpName;  // the library's name
        QString title;     // the report's title; when empty, the template's
        QString condition; // how the rows were chosen, e.g. "借书日期: 2024-01-01 至 2024-01-31"
        QDate printedOn;   // shown as 制表日期 when given
    };

    ListReport(ListTemplate layout, const GridData &grid, Header header);

    const ListTemplate &layout() const { return m_layout; }

    // Pages the report takes on a device with its current page layout.
    int pageCount(const QPagedPaintDevice *device) const override;

    // The footer line: the sum of every summed column, empty for the others.
    QStringList totals() const;

    // Draws pages first..last (1-based, inclusive) with a painter that is active on the device.
    void render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const override;

protected:
    QPageLayout pageLayout() const override;
    QString pdfTitle() const override { return reportTitle(); }

private:
    struct Column
    {
        int source = 0; // index into the grid's columns
        QString title;
        int width = 0;
        ValueKind kind = ValueKind::Text;
        bool sum = false;
    };
    struct Geometry;

    Geometry geometry(const QPagedPaintDevice *device) const;
    qsizetype rowCount() const;
    QString cellText(qsizetype row, const Column &column) const;
    QString reportTitle() const;
    void drawPage(QPainter &painter, const Geometry &g, int page, int pages, const QStringList &totals) const;
    void drawTotals(QPainter &painter, const Geometry &g, qreal top, const QStringList &totals) const;

    ListTemplate m_layout;
    GridData m_grid;
    Header m_header;
    QList<Column> m_columns;
};

} // namespace tarvo::report
