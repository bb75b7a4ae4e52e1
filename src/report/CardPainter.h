#pragma once

#include "CardTemplate.h"

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QVariant>
#include <functional>

class QPainter;

namespace tarvo::report {

// Draws cards and their items with a painter whose units are a fixed part of a
// millimetre: device dots when printing, tenths of a millimetre in the designer.
// Type sizes follow the units, whatever resolution the device itself reports.
class CardPainter
{
public:
    // The value of a field for the card being drawn.
    using Lookup = std::function<QVariant(const QString &field)>;

    CardPainter(QPainter &painter, qreal unitsPerMm);

    // The whole card with its top-left corner at the point (in units): every item,
    // kept inside the card's rounded corners, and the card's outline when the
    // template asks for it.
    void drawCard(const CardTemplate &layout, const QPointF &at, const Lookup &value) const;
    // One item in the box (in units).
    void drawItem(const CardTemplate::Item &item, const QRectF &box, const Lookup &value) const;

    // The card's outline: an ID-1 card's corners, or proportionally less on a small label.
    QPainterPath outline(const QSizeF &cardMm, const QPointF &at) const;
    // The template's font at its size in this painter's units.
    QFont font(const CardTemplate::Font &font) const;

private:
    qreal mm(qreal millimetres) const { return millimetres * m_unitsPerMm; }
    // One line: set smaller when it does not fit (down to half), cut short beyond that.
    void drawLine(const QRectF &box, QFont font, Qt::Alignment align, QString text) const;
    // Wrapped lines: set smaller until all of them fit (down to half).
    void drawParagraph(const QRectF &box, QFont font, Qt::Alignment align, const QString &text) const;
    void drawBarcode(const CardTemplate::Item &item, const QRectF &box, const QString &code) const;
    void drawImage(const CardTemplate::Item &item, const QRectF &box, const QVariant &picture) const;

    QPainter &m_painter;
    qreal m_unitsPerMm;
};

} // namespace tarvo::report
