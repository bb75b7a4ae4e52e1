#include "CardPainter.h"

#include "Barcode.h"
#include "CardData.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace tarvo::report {

namespace {

constexpr qreal kCornerMm = 3.18; // the corner radius of an ID-1 card
constexpr qreal kPaddingMm = 0.8; // inside a framed or filled item
constexpr qreal kFrameMm = 0.2;
constexpr qreal kOutlineMm = 0.15;
constexpr int kQuietModules = 10; // light modules a scanner needs each side of a Code 128 symbol
const QColor outlineColour(0x99, 0x99, 0x99);

} // namespace

CardPainter::CardPainter(QPainter &painter, qreal unitsPerMm)
    : m_painter(painter)
    , m_unitsPerMm(unitsPerMm)
{}

QFont CardPainter::font(const CardTemplate::Font &font) const
{
    QFont f = font.font();
    // The device turns points into its own dots; scaled so that they come out as units.
    const qreal dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 72;
    f.setPointSizeF(f.pointSizeF() * m_unitsPerMm * 25.4 / dpi);
    return f;
}

QPainterPath CardPainter::outline(const QSizeF &cardMm, const QPointF &at) const
{
    const qreal radius = mm(qMin(kCornerMm, qMin(cardMm.width(), cardMm.height()) / 8));
    QPainterPath path;
    path.addRoundedRect(QRectF(at, QSizeF(mm(cardMm.width()), mm(cardMm.height()))), radius, radius);
    return path;
}

void CardPainter::drawCard(const CardTemplate &layout, const QPointF &at, const Lookup &value) const
{
    const QPainterPath shape = outline(layout.card, at);
    m_painter.save();
    m_painter.setClipPath(shape);
    for (const CardTemplate::Item &item : layout.items) {
        const QRectF &r = item.rect;
        drawItem(item, QRectF(at.x() + mm(r.x()), at.y() + mm(r.y()), mm(r.width()), mm(r.height())), value);
    }
    m_painter.restore();
    if (layout.border) {
        m_painter.save();
        m_painter.setPen(QPen(outlineColour, mm(kOutlineMm)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(shape);
        m_painter.restore();
    }
}

void CardPainter::drawItem(const CardTemplate::Item &item, const QRectF &box, const Lookup &value) const
{
    using Kind = CardTemplate::Item::Kind;
    m_painter.save();
    if (item.background.isValid())
        m_painter.fillRect(box, item.background);
    const bool boxed = item.frame || item.background.isValid();
    const QRectF inner = boxed ? box.adjusted(mm(kPaddingMm), 0, -mm(kPaddingMm), 0) : box;
    m_painter.setPen(item.color);
    switch (item.kind) {
    case Kind::Text:
        if (item.text.contains(u'\n'))
            drawParagraph(inner, font(item.font), item.align, item.text);
        else
            drawLine(inner, font(item.font), item.align, item.text);
        break;
    case Kind::Field:
        drawLine(inner, font(item.font), item.align, CardData::text(value(item.field)));
        break;
    case Kind::Memo:
        drawParagraph(boxed ? inner.adjusted(0, mm(kPaddingMm), 0, -mm(kPaddingMm)) : inner, font(item.font),
                      item.align, CardData::text(value(item.field)));
        break;
    case Kind::Barcode:
        drawBarcode(item, box, CardData::text(value(item.field)));
        break;
    case Kind::Image:
        drawImage(item, box, value(item.field));
        break;
    }
    if (item.frame) {
        m_painter.setPen(QPen(item.color, mm(kFrameMm)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(box);
    }
    m_painter.restore();
}

void CardPainter::drawLine(const QRectF &box, QFont font, Qt::Alignment align, QString text) const
{
    if (text.isEmpty())
        return;
    const qreal wide = QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    if (wide > box.width() && wide > 0) {
        font.setPointSizeF(font.pointSizeF() * qMax(0.5, box.width() / wide));
        text = QFontMetricsF(font, m_painter.device()).elidedText(text, Qt::ElideRight, box.width());
    }
    m_painter.setFont(font);
    m_painter.drawText(box, int(align) | Qt::TextSingleLine, text);
}

void CardPainter::drawParagraph(const QRectF &box, QFont font, Qt::Alignment align, const QString &text) const
{
    if (text.isEmpty())
        return;
    const int flags = int(align) | Qt::TextWordWrap;
    const qreal size = font.pointSizeF();
    for (int step = 0; step <= 10; ++step) {
        font.setPointSizeF(size * (1.0 - 0.05 * step));
        const QRectF needed = QFontMetricsF(font, m_painter.device()).boundingRect(box, flags, text);
        if (needed.height() <= box.height() && needed.width() <= box.width() + 0.5)
            break;
    }
    m_painter.setFont(font);
    m_painter.drawText(box, flags, text);
}

void CardPainter::drawBarcode(const CardTemplate::Item &item, const QRectF &box, const QString &code) const
{
    const std::optional<Barcode> barcode = Barcode::code128(code);
    if (!barcode)
        return;
    const QFont textFont = font(item.font);
    const qreal textHeight = QFontMetricsF(textFont, m_painter.device()).height();
    const qsizetype modules = barcode->modules().size();
    qreal module = box.width() / qreal(modules + 2 * kQuietModules);
    // Whole dots for every module, so that no bar comes out thinner than its neighbours.
    if (module >= 2)
        module = std::floor(module);
    const qreal width = module * qreal(modules);
    qreal left = box.center().x() - width / 2;
    if (item.align & Qt::AlignLeft)
        left = box.left() + kQuietModules * module;
    else if (item.align & Qt::AlignRight)
        left = box.right() - kQuietModules * module - width;
    const QRectF bars(left, box.top(), width, qMax<qreal>(0, box.height() - textHeight));
    barcode->draw(m_painter, bars);
    drawLine(QRectF(box.left(), bars.bottom(), box.width(), textHeight), textFont,
             (item.align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, code);
}

void CardPainter::drawImage(const CardTemplate::Item &item, const QRectF &box, const QVariant &picture) const
{
    const QImage image = QImage::fromData(picture.toByteArray());
    if (image.isNull()) {
        // Room for a photo still shows where it goes.
        if (!item.frame) {
            m_painter.setPen(QPen(item.color, mm(kFrameMm)));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(box);
        }
        return;
    }
    const QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    qreal x = box.center().x() - size.width() / 2;
    if (item.align & Qt::AlignLeft)
        x = box.left();
    else if (item.align & Qt::AlignRight)
        x = box.right() - size.width();
    qreal y = box.center().y() - size.height() / 2;
    if (item.align & Qt::AlignTop)
        y = box.top();
    else if (item.align & Qt::AlignBottom)
        y = box.bottom() - size.height();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(QPointF(x, y), size), image);
}

} // namespace tarvo::report
