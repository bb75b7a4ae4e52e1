#pragma once

#include "BaseD.h"
#include "report/CardData.h"
#include "report/CardTemplate.h"

class QCheckBox;
class QDoubleSpinBox;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsView;

namespace tarvo::gui {

class CardItem;
class CardItemEditor;

// 报表设计 for cards (reader cards, labels): one card drawn at its size with the data of
// the first sample row; items are chosen, moved, resized, edited, added and deleted,
// and the template is saved back to its file.
class TFrmCardDesigner : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmCardDesigner(WindowContext &context, const report::CardTemplate &layout, const QString &path,
                     const report::CardData &samples, QWidget *parent = nullptr);

    // The template as the designer now shows it.
    report::CardTemplate currentTemplate() const;
    bool Save();
    // Adds an item of a kind in the middle of the card and chooses it.
    void AddItem(report::CardTemplate::Item::Kind kind);
    void DeleteChosen();
    QList<CardItem *> items() const;
    QGraphicsView *view() const { return m_view; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    CardItem *AddCardItem(const report::CardTemplate::Item &item);
    QVariant SampleValue(const QString &field) const;
    void SelectionChanged();
    void ItemEdited();
    void CardChanged();
    void FitCard();
    CardItem *Chosen() const;

    QString m_path;
    report::CardData m_samples;
    report::CardTemplate m_layout; // the card and sheet; the items live in the scene
    QGraphicsScene *m_scene;
    QGraphicsView *m_view;
    QGraphicsPathItem *m_card;
    CardItemEditor *m_editor;
    QDoubleSpinBox *m_cardSize[2];
    QDoubleSpinBox *m_gap;
    QDoubleSpinBox *m_margins[4];
    QCheckBox *m_border;
    QCheckBox *m_mirror;
};

} // namespace tarvo::gui
