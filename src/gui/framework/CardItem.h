#pragma once

#include "report/CardPainter.h"
#include "report/CardTemplate.h"

#include <QGraphicsObject>

namespace tarvo::gui {

// One item of a card template on the designer's card: drawn as it will print, moved
// with the mouse or the arrow keys, resized by its handles (Shift with the arrow keys).
// The scene's units are tenths of a millimetre, and positions keep to them.
class CardItem : public QGraphicsObject
{
    Q_OBJECT
public:
    static constexpr qreal kUnitsPerMm = 10;

    CardItem(const report::CardTemplate::Item &item, const QSizeF &cardMm, report::CardPainter::Lookup sample,
             QGraphicsItem *parent = nullptr);

    // The item with its place and size as they now are on the card.
    report::CardTemplate::Item item() const;
    void setItem(const report::CardTemplate::Item &item);
    void setCardSize(const QSizeF &cardMm);

    QRectF boundingRect() const override;
    // The item's rectangle, and its handles while it is chosen.
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    // Moved or resized by the operator.
    void geometryEdited();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF localRect() const;
    // The handle under a point of the item (0..7, clockwise from top-left), or -1.
    int handleAt(const QPointF &point) const;
    QList<QRectF> handles(qreal size) const;
    // Whether another chosen item has a handle at a point of the scene: a press there
    // is its, even where this item lies above it.
    bool anotherHandleAt(const QPointF &scenePoint) const;
    // The size of a handle in item units, a few screen pixels whatever the zoom.
    qreal handleSize() const;
    // Sets the item's rectangle in millimetres, kept on the card and at least 1 mm.
    void setRectMm(QRectF rect);

    report::CardTemplate::Item m_item;
    QSizeF m_cardMm;
    report::CardPainter::Lookup m_sample;
    int m_handle = -1;
    QRectF m_pressRect;
    QPointF m_pressPoint;
};

} // namespace tarvo::gui
