#include "CardReport.h"

#include "CardPainter.h"
#include "core/app/Helpers.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tarvo::report {

namespace {

qreal unitsPerMm(const QPagedPaintDevice *device)
{
    return device->logicalDpiX() / 25.4;
}

// How many cards of a length fit into the room with the gap between neighbours.
int fitting(qreal room, qreal card, qreal gap)
{
    return qMax(1, int(std::floor((room + gap + 0.01) / (card + gap))));
}

} // namespace

CardReport::CardReport(CardTemplate layout, CardData data)
    : m_layout(std::move(layout))
    , m_data(std::move(data))
{}

QPageLayout CardReport::pageLayout() const
{
    return m_layout.pageLayout();
}

QSize CardReport::cardsPerPage(const QPagedPaintDevice *device) const
{
    const qreal u = unitsPerMm(device);
    return QSize(fitting(device->width() / u, m_layout.card.width(), m_layout.gap),
                 fitting(device->height() / u, m_layout.card.height(), m_layout.gap));
}

int CardReport::pageCount(const QPagedPaintDevice *device) const
{
    const QSize grid = cardsPerPage(device);
    const qsizetype perPage = qsizetype(grid.width()) * grid.height();
    return int((cardCount() + perPage - 1) / perPage);
}

void CardReport::render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const
{
    const qreal u = unitsPerMm(device);
    const QSize grid = cardsPerPage(device);
    const qsizetype perPage = qsizetype(grid.width()) * grid.height();
    const QSizeF card = m_layout.card;
    const qreal gap = m_layout.gap;
    // The block of cards sits in the middle of the printable area.
    const qreal left = qMax(0.0, (device->width() / u - (grid.width() * (card.width() + gap) - gap)) / 2);
    const qreal top = qMax(0.0, (device->height() / u - (grid.height() * (card.height() + gap) - gap)) / 2);

    const CardPainter cards(painter, u);
    first = qMax(1, first);
    last = qMin(pageCount(device), last);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device->newPage();
        const qsizetype begin = (page - 1) * perPage;
        const qsizetype end = qMin(cardCount(), begin + perPage);
        for (qsizetype row = begin; row < end; ++row) {
            const qsizetype at = row - begin;
            const qsizetype column = m_layout.mirror ? grid.width() - 1 - at % grid.width() : at % grid.width();
            const QPointF corner((left + column * (card.width() + gap)) * u,
                                 (top + (at / grid.width()) * (card.height() + gap)) * u);
            cards.drawCard(m_layout, corner, [this, row](const QString &field) { return m_data.value(row, field); });
        }
    }
}

} // namespace tarvo::report
