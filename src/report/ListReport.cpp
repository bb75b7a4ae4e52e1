#include "ListReport.h"

#include "core/app/Helpers.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tarvo::report {

namespace {

const QColor ink(0x20, 0x20, 0x20);
const QColor titleFill(0xe6, 0xe6, 0xe6);
const QColor totalFill(0xf2, 0xf2, 0xf2);

// Grid widths are screen pixels at 96 per inch.
constexpr qreal pointsPerPixel = 72.0 / 96.0;

QFont resized(QFont font, qreal factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

Qt::Alignment alignmentFor(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Integer:
    case ValueKind::Float:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ValueKind::Date:
    case ValueKind::Bool:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ValueKind::Text:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool isNumeric(ValueKind kind)
{
    return kind == ValueKind::Integer || kind == ValueKind::Float;
}

QString money(double value)
{
    static const QLocale chinese(QLocale::Chinese, QLocale::China);
    // No "-0.00" for a sum that only rounds to zero.
    return chinese.toString(std::abs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

// Text that does not fit is cut short with an ellipsis; a number is never cut
// short: it is set smaller, and when even that cannot hold it the cell says so
// instead of showing wrong digits.
void drawCell(QPainter &painter, const QRectF &box, const QFont &font, Qt::Alignment align, QString text,
              bool numeric)
{
    QFont f = font;
    const QFontMetricsF metrics(font, painter.device());
    const qreal wide = metrics.horizontalAdvance(text);
    if (wide > box.width()) {
        if (!numeric) {
            text = metrics.elidedText(text, Qt::ElideRight, box.width());
        } else if (box.width() / wide >= 0.6) {
            f.setPointSizeF(font.pointSizeF() * box.width() / wide);
        } else {
            text = u"###"_s;
        }
    }
    painter.setFont(f);
    painter.drawText(box, align, text);
}

} // namespace

// Where everything goes on a page of one device, in the device's own units.
struct ListReport::Geometry
{
    qreal pt = 1; // device units per point
    QSizeF page;
    QFont corpFont, titleFont, captionFont, headerFont, bodyFont, totalFont, footerFont;
    qreal corpHeight = 0, titleHeight = 0, captionHeight = 0;
    qreal tableTop = 0, headerRowHeight = 0, rowHeight = 0, padding = 0;
    qreal footerTop = 0, footerHeight = 0;
    QList<qreal> edges; // left edge of every column, then the table's right edge
    qsizetype items = 0; // rows, then the totals line
    int rowsPerPage = 1;
    int pages = 1;
};

ListReport::ListReport(ListTemplate layout, const GridData &grid, Header header)
    : m_layout(std::move(layout))
    , m_grid(grid)
    , m_header(std::move(header))
{
    for (const ListTemplate::Column &wanted : m_layout.columns) {
        for (int i = 0; i < m_grid.columns.size(); ++i) {
            const GridColumn &shown = m_grid.columns.at(i);
            // A column the operator has hidden is not in the grid and is left out.
            if (shown.field.compare(wanted.field, Qt::CaseInsensitive) != 0)
                continue;
            m_columns << Column{i, wanted.title.isEmpty() ? shown.title : wanted.title,
                                wanted.width > 0 ? wanted.width : shown.width, shown.kind,
                                wanted.sum.value_or(shown.footerSum)};
            break;
        }
    }
    // No template columns, or none of them shown: print the grid as it is shown.
    if (m_columns.isEmpty()) {
        for (int i = 0; i < m_grid.columns.size(); ++i) {
            const GridColumn &shown = m_grid.columns.at(i);
            m_columns << Column{i, shown.title, shown.width, shown.kind, shown.footerSum};
        }
    }
}

qsizetype ListReport::rowCount() const
{
    return m_grid.rows ? m_grid.rows->count() : 0;
}

QString ListReport::reportTitle() const
{
    return m_header.title.isEmpty() ? m_layout.title : m_header.title;
}

QPageLayout ListReport::pageLayout() const
{
    return m_layout.pageLayout();
}

ListReport::Geometry ListReport::geometry(const QPagedPaintDevice *device) const
{
    Geometry g;
    g.pt = device->logicalDpiY() / 72.0;
    g.page = QSizeF(device->width(), device->height());

    const QFont title = m_layout.titleFont.font();
    const QFont body = m_layout.bodyFont.font();
    // Above a report's title the library's name is set smaller; alone, it is the heading.
    g.corpFont = reportTitle().isEmpty() ? title : resized(title, 0.75, true);
    g.titleFont = title;
    g.captionFont = body;
    g.headerFont = m_layout.headerFont.font();
    g.bodyFont = body;
    g.totalFont = resized(body, 1.0, true);
    g.footerFont = resized(body, 0.9, false);

    auto lineHeight = [device](const QFont &font) { return QFontMetricsF(font, device).height(); };
    g.corpHeight = m_header.corpName.isEmpty() ? 0 : lineHeight(g.corpFont) * (reportTitle().isEmpty() ? 1.5 : 1.4);
    g.titleHeight = reportTitle().isEmpty() ? 0 : lineHeight(g.titleFont) * 1.5;
    g.captionHeight = lineHeight(g.captionFont) * 1.5;
    g.tableTop = g.corpHeight + g.titleHeight + g.captionHeight + 2 * g.pt;
    g.headerRowHeight = lineHeight(g.headerFont) * 1.7;
    g.rowHeight = lineHeight(g.bodyFont) * 1.45;
    g.padding = 3 * g.pt;
    g.footerHeight = lineHeight(g.footerFont) * 1.2;
    g.footerTop = g.page.height() - g.footerHeight;

    // Columns keep their proportions on screen and share the page's whole width.
    qreal natural = 0;
    for (const Column &column : m_columns)
        natural += qMax(1, column.width) * pointsPerPixel * g.pt;
    const qreal scale = natural > 0 ? g.page.width() / natural : 1;
    qreal x = 0;
    for (const Column &column : m_columns) {
        g.edges << x;
        x += qMax(1, column.width) * pointsPerPixel * g.pt * scale;
    }
    g.edges << x;

    const bool summed = std::any_of(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.sum; });
    g.items = rowCount() + (summed ? 1 : 0);
    const qreal room = g.footerTop - g.footerHeight * 0.5 - g.tableTop - g.headerRowHeight;
    g.rowsPerPage = qMax(1, int(std::floor(room / g.rowHeight)));
    g.pages = qMax<qsizetype>(1, (g.items + g.rowsPerPage - 1) / g.rowsPerPage);
    return g;
}

int ListReport::pageCount(const QPagedPaintDevice *device) const
{
    return geometry(device).pages;
}

QString ListReport::cellText(qsizetype row, const Column &column) const
{
    const QVariant value = m_grid.rows->value(row, column.source);
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QDateTime:
        return dateText(value.toDateTime().date());
    default:
        break;
    }
    bool ok = false;
    switch (column.kind) {
    case ValueKind::Integer: {
        const qlonglong number = value.toLongLong(&ok);
        return ok ? QString::number(number) : value.toString();
    }
    case ValueKind::Float: {
        const double number = value.toDouble(&ok);
        return ok ? money(number) : value.toString();
    }
    case ValueKind::Date: {
        const QDate date = dateFromText(value.toString());
        return date.isValid() ? dateText(date) : value.toString();
    }
    case ValueKind::Bool:
        if (value.toString() == u"是" || value.toString() == u"否")
            return value.toString();
        return value.toBool() ? u"是"_s : u"否"_s;
    case ValueKind::Text:
        break;
    }
    return value.toString();
}

QStringList ListReport::totals() const
{
    QList<qint64> whole(m_columns.size(), 0);
    QList<double> sums(m_columns.size(), 0), carries(m_columns.size(), 0);
    const qsizetype rows = rowCount();
    for (qsizetype r = 0; r < rows; ++r) {
        for (int c = 0; c < m_columns.size(); ++c) {
            const Column &column = m_columns.at(c);
            if (!column.sum)
                continue;
            const QVariant value = m_grid.rows->value(r, column.source);
            if (column.kind == ValueKind::Integer) {
                bool ok = false;
                const qint64 n = value.toLongLong(&ok);
                whole[c] += ok ? n : qRound64(value.toDouble());
                continue;
            }
            // Compensated, so that a long list of amounts adds up to the cent.
            const double y = value.toDouble() - carries[c];
            const double t = sums[c] + y;
            carries[c] = (t - sums[c]) - y;
            sums[c] = t;
        }
    }
    QStringList result;
    for (int c = 0; c < m_columns.size(); ++c) {
        const Column &column = m_columns.at(c);
        if (!column.sum)
            result << QString();
        else if (column.kind == ValueKind::Integer)
            result << QString::number(whole.at(c));
        else
            result << money(sums.at(c));
    }
    return result;
}

void ListReport::render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const
{
    const Geometry g = geometry(device);
    first = qMax(1, first);
    last = qMin(g.pages, last);
    // Summing reads every row, so it is done only when the last page is printed.
    const QStringList sums = last == g.pages && g.items > rowCount() ? totals() : QStringList();
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device->newPage();
        drawPage(painter, g, page, g.pages, sums);
    }
}

void ListReport::drawPage(QPainter &painter, const Geometry &g, int page, int pages, const QStringList &sums) const
{
    painter.save();
    painter.setPen(ink);
    const qreal width = g.page.width();
    auto line = [&](const QFont &font, qreal top, qreal height, Qt::Alignment align, const QString &text) {
        painter.setFont(font);
        painter.drawText(QRectF(0, top, width, height), align | Qt::AlignVCenter, text);
    };

    // Page header: the library, the report, the condition.
    qreal y = 0;
    line(g.corpFont, y, g.corpHeight, Qt::AlignHCenter, m_header.corpName);
    y += g.corpHeight;
    line(g.titleFont, y, g.titleHeight, Qt::AlignHCenter, reportTitle());
    y += g.titleHeight;
    line(g.captionFont, y, g.captionHeight, Qt::AlignLeft, m_header.condition);

    auto cell = [&](const QFont &font, qsizetype c, qreal top, qreal height, Qt::Alignment align,
                    const QString &text, bool numeric) {
        drawCell(painter, QRectF(g.edges.at(c) + g.padding, top, g.edges.at(c + 1) - g.edges.at(c) - 2 * g.padding,
                                 height),
                 font, align, text, numeric);
    };

    // Column titles.
    const qreal left = g.edges.first(), right = g.edges.last();
    const qreal tableTop = g.tableTop;
    painter.fillRect(QRectF(left, tableTop, right - left, g.headerRowHeight), titleFill);
    for (qsizetype c = 0; c < m_columns.size(); ++c)
        cell(g.headerFont, c, tableTop, g.headerRowHeight, Qt::AlignCenter, m_columns.at(c).title, false);

    // Rows, and after the last one the totals.
    const qsizetype rows = rowCount();
    const qsizetype begin = qsizetype(page - 1) * g.rowsPerPage;
    const qsizetype end = qMin(g.items, begin + g.rowsPerPage);
    const bool totalsHere = end == g.items && g.items > rows;
    y = tableTop + g.headerRowHeight;
    for (qsizetype row = begin; row < qMin(end, rows); ++row, y += g.rowHeight) {
        for (qsizetype c = 0; c < m_columns.size(); ++c) {
            const Column &column = m_columns.at(c);
            cell(g.bodyFont, c, y, g.rowHeight, alignmentFor(column.kind), cellText(row, column),
                 isNumeric(column.kind));
        }
    }
    if (totalsHere) {
        painter.fillRect(QRectF(left, y, right - left, g.rowHeight), totalFill);
        y += g.rowHeight;
    }
    const qreal tableBottom = y;

    // Ruling: fine lines inside, a firmer frame and a rule under the titles.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 0.4 * g.pt));
    for (qreal rule = tableTop + g.headerRowHeight + g.rowHeight; rule < tableBottom - 0.5; rule += g.rowHeight)
        painter.drawLine(QPointF(left, rule), QPointF(right, rule));
    for (qsizetype c = 1; c + 1 < g.edges.size(); ++c)
        painter.drawLine(QPointF(g.edges.at(c), tableTop), QPointF(g.edges.at(c), tableBottom));
    painter.setPen(QPen(ink, 0.8 * g.pt));
    painter.drawLine(QPointF(left, tableTop + g.headerRowHeight), QPointF(right, tableTop + g.headerRowHeight));
    if (totalsHere)
        painter.drawLine(QPointF(left, tableBottom - g.rowHeight), QPointF(right, tableBottom - g.rowHeight));
    painter.setPen(QPen(ink, 1.0 * g.pt));
    painter.drawRect(QRectF(left, tableTop, right - left, tableBottom - tableTop));
    if (totalsHere)
        drawTotals(painter, g, tableBottom - g.rowHeight, sums);

    // Page foot: the record count at the end, the page number, the date of printing.
    painter.setPen(ink);
    line(g.footerFont, g.footerTop, g.footerHeight, Qt::AlignHCenter, u"第 %1 页 / 共 %2 页"_s.arg(page).arg(pages));
    if (page == pages)
        line(g.footerFont, g.footerTop, g.footerHeight, Qt::AlignLeft, u"共 %1 条记录"_s.arg(rows));
    if (m_header.printedOn.isValid())
        line(g.footerFont, g.footerTop, g.footerHeight, Qt::AlignRight,
             u"制表日期: "_s + dateText(m_header.printedOn));
    painter.restore();
}

void ListReport::drawTotals(QPainter &painter, const Geometry &g, qreal top, const QStringList &sums) const
{
    painter.setPen(ink);
    const QFontMetricsF metrics(g.totalFont, painter.device());
    const bool labelled = !m_columns.first().sum;
    if (labelled)
        drawCell(painter, QRectF(g.edges.at(0), top, g.edges.at(1) - g.edges.at(0), g.rowHeight), g.totalFont,
                 Qt::AlignCenter, u"合计"_s, false);
    // A sum wider than its column takes in the empty cells to its left, as if they
    // were merged: a total is the one figure that must never be shrunk away.
    qsizetype free = labelled ? 1 : 0;
    for (qsizetype c = 0; c < m_columns.size(); ++c) {
        if (!m_columns.at(c).sum)
            continue;
        const QString &text = sums.at(c);
        qsizetype first = c;
        while (first > free && metrics.horizontalAdvance(text) > g.edges.at(c + 1) - g.edges.at(first) - 2 * g.padding)
            --first;
        const QRectF span(g.edges.at(first), top, g.edges.at(c + 1) - g.edges.at(first), g.rowHeight);
        if (first < c)
            painter.fillRect(span.adjusted(0.3 * g.pt, 0.5 * g.pt, -0.3 * g.pt, -0.6 * g.pt), totalFill);
        drawCell(painter, span.adjusted(g.padding, 0, -g.padding, 0), g.totalFont, Qt::AlignRight | Qt::AlignVCenter,
                 text, true);
        free = c + 1;
    }
}

} // namespace tarvo::report
