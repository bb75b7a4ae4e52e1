#include "CardItem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace tarvo::gui {

namespace {

constexpr qreal kMinimumMm = 1;
constexpr qreal kStepMm = 0.5;
constexpr qreal kHandlePixels = 7;

qreal snapped(qreal mm)
{
    return std::round(mm * 10) / 10;
}

const Qt::CursorShape handleCursors[] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor,
                                         Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                         Qt::SizeBDiagCursor, Qt::SizeHorCursor};

} // namespace

CardItem::CardItem(const report::CardTemplate::Item &item, const QSizeF &cardMm, report::CardPainter::Lookup sample,
                   QGraphicsItem *parent)
    : QGraphicsObject(parent)
    , m_cardMm(cardMm)
    , m_sample(std::move(sample))
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemIsFocusable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setItem(item);
}

report::CardTemplate::Item CardItem::item() const
{
    return m_item;
}

void CardItem::setItem(const report::CardTemplate::Item &item)
{
    prepareGeometryChange();
    m_item = item;
    setPos(item.rect.topLeft() * kUnitsPerMm);
    update();
}

void CardItem::setCardSize(const QSizeF &cardMm)
{
    m_cardMm = cardMm;
}

QRectF CardItem::localRect() const
{
    return QRectF(QPointF(0, 0), m_item.rect.size() * kUnitsPerMm);
}

qreal CardItem::handleSize() const
{
    const QList<QGraphicsView *> views = scene() ? scene()->views() : QList<QGraphicsView *>();
    const qreal zoom = views.isEmpty() ? 1 : views.first()->transform().m11();
    return kHandlePixels / (zoom > 0 ? zoom : 1);
}

QList<QRectF> CardItem::handles(qreal size) const
{
    const QRectF r = localRect();
    const QPointF points[] = {
        r.topLeft(),     {r.center().x(), r.top()},    r.topRight(),   {r.right(), r.center().y()},
        r.bottomRight(), {r.center().x(), r.bottom()}, r.bottomLeft(), {r.left(), r.center().y()}};
    QList<QRectF> result;
    for (const QPointF &p : points)
        result << QRectF(p.x() - size / 2, p.y() - size / 2, size, size);
    return result;
}

int CardItem::handleAt(const QPointF &point) const
{
    if (!isSelected())
        return -1;
    const QList<QRectF> all = handles(handleSize() * 1.6);
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).contains(point))
            return i;
    return -1;
}

bool CardItem::anotherHandleAt(const QPointF &scenePoint) const
{
    for (QGraphicsItem *chosen : scene()->selectedItems()) {
        const auto *other = qobject_cast<CardItem *>(chosen->toGraphicsObject());
        if (other && other != this && other->handleAt(other->mapFromScene(scenePoint)) >= 0)
            return true;
    }
    return false;
}

QPainterPath CardItem::shape() const
{
    QPainterPath path;
    path.addRect(localRect());
    if (isSelected())
        for (const QRectF &handle : handles(handleSize() * 1.6))
            path.addRect(handle);
    return path;
}

QRectF CardItem::boundingRect() const
{
    const qreal margin = handleSize();
    return localRect().adjusted(-margin, -margin, margin, margin);
}

void CardItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    const report::CardPainter card(*painter, kUnitsPerMm);
    // Inside the card's rounded corners, as it prints.
    painter->save();
    painter->setClipPath(card.outline(m_cardMm, -pos()), Qt::IntersectClip);
    card.drawItem(m_item, localRect(), m_sample);
    painter->restore();

    // Where each item lies, even an empty one; the chosen one with its handles.
    const qreal pixel = handleSize() / kHandlePixels;
    painter->setBrush(Qt::NoBrush);
    if (!isSelected()) {
        painter->setPen(QPen(QColor(0, 120, 215, 90), pixel, Qt::DotLine));
        painter->drawRect(localRect());
        return;
    }
    painter->setPen(QPen(QColor(0, 120, 215), pixel * 1.5, Qt::DashLine));
    painter->drawRect(localRect());
    painter->setPen(QPen(QColor(0, 90, 180), pixel));
    painter->setBrush(Qt::white);
    for (const QRectF &handle : handles(handleSize()))
        painter->drawRect(handle);
}

QVariant CardItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange) {
        // Kept on the card, at whole tenths of a millimetre.
        const QPointF mm = value.toPointF() / kUnitsPerMm;
        const qreal x = snapped(qBound(0.0, mm.x(), qMax(0.0, m_cardMm.width() - m_item.rect.width())));
        const qreal y = snapped(qBound(0.0, mm.y(), qMax(0.0, m_cardMm.height() - m_item.rect.height())));
        m_item.rect.moveTopLeft(QPointF(x, y));
        return QPointF(x, y) * kUnitsPerMm;
    }
    if (change == ItemPositionHasChanged)
        emit geometryEdited();
    return QGraphicsObject::itemChange(change, value);
}

void CardItem::setRectMm(QRectF rect)
{
    rect = rect.normalized();
    rect.setLeft(snapped(qMax(0.0, rect.left())));
    rect.setTop(snapped(qMax(0.0, rect.top())));
    rect.setRight(snapped(qMin(m_cardMm.width(), rect.right())));
    rect.setBottom(snapped(qMin(m_cardMm.height(), rect.bottom())));
    if (rect.width() < kMinimumMm || rect.height() < kMinimumMm)
        return;
    prepareGeometryChange();
    m_item.rect = rect;
    // Placed directly: the position rule would measure the new place with the old size.
    setFlag(ItemSendsGeometryChanges, false);
    setPos(rect.topLeft() * kUnitsPerMm);
    setFlag(ItemSendsGeometryChanges, true);
    update();
    emit geometryEdited();
}

void CardItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_handle = event->button() == Qt::LeftButton ? handleAt(event->pos()) : -1;
    if (m_handle < 0 && anotherHandleAt(event->scenePos())) {
        event->ignore();
        return;
    }
    if (m_handle < 0) {
        QGraphicsObject::mousePressEvent(event);
        return;
    }
    m_pressRect = m_item.rect;
    m_pressPoint = event->scenePos() / kUnitsPerMm;
    event->accept();
}

void CardItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_handle < 0) {
        QGraphicsObject::mouseMoveEvent(event);
        return;
    }
    const QPointF delta = event->scenePos() / kUnitsPerMm - m_pressPoint;
    QRectF r = m_pressRect;
    // Handles run clockwise from the top-left corner.
    if (m_handle == 0 || m_handle == 6 || m_handle == 7)
        r.setLeft(r.left() + delta.x());
    if (m_handle >= 2 && m_handle <= 4)
        r.setRight(r.right() + delta.x());
    if (m_handle <= 2)
        r.setTop(r.top() + delta.y());
    if (m_handle >= 4 && m_handle <= 6)
        r.setBottom(r.bottom() + delta.y());
    setRectMm(r);
}

void CardItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    m_handle = -1;
    QGraphicsObject::mouseReleaseEvent(event);
}

void CardItem::hoverMoveEvent(QGraphicsSceneHoverEvent *event)
{
    const int handle = handleAt(event->pos());
    setCursor(handle >= 0 ? handleCursors[handle] : Qt::SizeAllCursor);
    QGraphicsObject::hoverMoveEvent(event);
}

void CardItem::keyPressEvent(QKeyEvent *event)
{
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-kStepMm, 0};
        break;
    case Qt::Key_Right:
        step = {kStepMm, 0};
        break;
    case Qt::Key_Up:
        step = {0, -kStepMm};
        break;
    case Qt::Key_Down:
        step = {0, kStepMm};
        break;
    default:
        QGraphicsObject::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        setRectMm(QRectF(m_item.rect.topLeft(), m_item.rect.size() + QSizeF(step.x(), step.y())));
    } else {
        // Every chosen item moves together, as with the mouse.
        for (QGraphicsItem *chosen : scene()->selectedItems())
            chosen->moveBy(step.x() * kUnitsPerMm, step.y() * kUnitsPerMm);
    }
    event->accept();
}

} // namespace tarvo::gui
