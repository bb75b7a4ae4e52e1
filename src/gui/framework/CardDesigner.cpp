#include "CardDesigner.h"

#include "CardItem.h"
#include "CardItemEditor.h"
#include "core/app/Prompt.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

using Kind = report::CardTemplate::Item::Kind;
constexpr qreal u = CardItem::kUnitsPerMm;

QDoubleSpinBox *millimetres(QWidget *parent, qreal min, qreal max)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(min, max);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(u" 毫米"_s);
    // A value counts once typed in full, not at every keystroke.
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

TFrmCardDesigner::TFrmCardDesigner(WindowContext &context, const report::CardTemplate &layout, const QString &path,
                                   const report::CardData &samples, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_path(path)
    , m_samples(samples)
    , m_layout(layout)
    , m_scene(new QGraphicsScene(this))
    , m_view(new QGraphicsView(m_scene, this))
    , m_card(new QGraphicsPathItem)
    , m_editor(new CardItemEditor(samples.fieldNames(), this))
    , m_gap(millimetres(this, 0, 100))
    , m_border(new QCheckBox(u"卡片轮廓线"_s, this))
    , m_mirror(new QCheckBox(u"从右向左排（背面）"_s, this))
{
    setObjectName(u"FrmCardDesigner"_s);
    setWindowTitle(u"报表设计 - "_s + QFileInfo(path).fileName());
    resize(1160, 640);

    m_view->setObjectName(u"CardView"_s);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    m_view->setBackgroundBrush(QColor(0xd8, 0xdc, 0xe0));
    m_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_card->setBrush(Qt::white);
    m_card->setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    m_card->setZValue(-1);
    m_scene->addItem(m_card);

    // The card and the sheet it is printed on.
    auto *card = new QFormLayout;
    auto *size = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        m_cardSize[i] = millimetres(this, 10, 1000);
        size->addWidget(new QLabel(i == 0 ? u"宽"_s : u"高"_s, this));
        size->addWidget(m_cardSize[i], 1);
    }
    card->addRow(u"卡片："_s, size);
    const QString marginNames[] = {u"左"_s, u"上"_s, u"右"_s, u"下"_s};
    auto *sheet = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = millimetres(this, 0, 100);
        m_margins[i]->setSuffix(QString());
        sheet->addWidget(new QLabel(marginNames[i], this));
        sheet->addWidget(m_margins[i], 1);
    }
    card->addRow(u"页边距(毫米)："_s, sheet);
    card->addRow(u"卡片间距："_s, m_gap);
    auto *flags = new QHBoxLayout;
    flags->addWidget(m_border);
    flags->addWidget(m_mirror);
    card->addRow(QString(), flags);
    auto *cardBox = new QGroupBox(u"卡片与纸张"_s, this);
    cardBox->setLayout(card);

    auto *itemBox = new QGroupBox(u"选中的项目"_s, this);
    auto *itemLayout = new QVBoxLayout(itemBox);
    itemLayout->addWidget(m_editor);

    auto *add = new QToolButton(this);
    add->setObjectName(u"BtAddItem"_s);
    add->setText(u"添加项目"_s);
    add->setPopupMode(QToolButton::InstantPopup);
    auto *kinds = new QMenu(add);
    const std::pair<Kind, QString> addable[] = {{Kind::Text, u"文字"_s},
                                                {Kind::Field, u"字段"_s},
                                                {Kind::Memo, u"多行字段"_s},
                                                {Kind::Barcode, u"条码"_s},
                                                {Kind::Image, u"相片"_s}};
    for (const auto &[kind, caption] : addable)
        connect(kinds->addAction(caption), &QAction::triggered, this, [this, kind] { AddItem(kind); });
    add->setMenu(kinds);
    auto *remove = new QPushButton(u"删除项目"_s, this);
    remove->setObjectName(u"BtDeleteItem"_s);
    auto *save = new QPushButton(u"保存(&S)"_s, this);
    save->setObjectName(u"BtSave"_s);
    auto *close = new QPushButton(u"关闭(&E)"_s, this);
    close->setObjectName(u"BtClose"_s);
    for (QPushButton *b : {remove, save, close})
        b->setAutoDefault(false);
    auto *itemButtons = new QHBoxLayout;
    itemButtons->addWidget(add);
    itemButtons->addWidget(remove);
    itemButtons->addStretch(1);
    itemLayout->addLayout(itemButtons);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(cardBox);
    sideLayout->addWidget(itemBox);
    sideLayout->addStretch(1);
    sideLayout->addWidget(new QLabel(u"方向键移动选中的项目，Shift+方向键改变大小，Delete 删除。"_s, this));
    sideLayout->addLayout(buttons);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_view);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({740, 420});
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(splitter);

    m_cardSize[0]->setValue(layout.card.width());
    m_cardSize[1]->setValue(layout.card.height());
    const qreal margin[] = {layout.margins.left(), layout.margins.top(), layout.margins.right(),
                            layout.margins.bottom()};
    for (int i = 0; i < 4; ++i)
        m_margins[i]->setValue(margin[i]);
    m_gap->setValue(layout.gap);
    m_border->setChecked(layout.border);
    m_mirror->setChecked(layout.mirror);
    for (const report::CardTemplate::Item &item : layout.items)
        AddCardItem(item);
    CardChanged();

    connect(m_scene, &QGraphicsScene::selectionChanged, this, &TFrmCardDesigner::SelectionChanged);
    connect(m_editor, &CardItemEditor::edited, this, &TFrmCardDesigner::ItemEdited);
    for (QDoubleSpinBox *box : {m_cardSize[0], m_cardSize[1]})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TFrmCardDesigner::CardChanged);
    connect(remove, &QPushButton::clicked, this, &TFrmCardDesigner::DeleteChosen);
    connect(save, &QPushButton::clicked, this, &TFrmCardDesigner::Save);
    connect(close, &QPushButton::clicked, this, &TFrmCardDesigner::close);
}

QVariant TFrmCardDesigner::SampleValue(const QString &field) const
{
    // Without a row to show, a field shows its name where its value would stand.
    const QVariant value = m_samples.value(0, field);
    if (value.isNull() && m_samples.count() == 0)
        return u"〔%1〕"_s.arg(field);
    return value;
}

CardItem *TFrmCardDesigner::AddCardItem(const report::CardTemplate::Item &item)
{
    auto *added = new CardItem(item, m_layout.card, [this](const QString &field) { return SampleValue(field); });
    added->setZValue(items().size());
    m_scene->addItem(added);
    connect(added, &CardItem::geometryEdited, this, [this, added] {
        if (added == Chosen())
            m_editor->setItem(added->item());
    });
    return added;
}

QList<CardItem *> TFrmCardDesigner::items() const
{
    QList<CardItem *> result;
    for (QGraphicsItem *item : m_scene->items(Qt::AscendingOrder))
        if (auto *card = qobject_cast<CardItem *>(item->toGraphicsObject()))
            result << card;
    return result;
}

CardItem *TFrmCardDesigner::Chosen() const
{
    const QList<QGraphicsItem *> chosen = m_scene->selectedItems();
    return chosen.size() == 1 ? qobject_cast<CardItem *>(chosen.first()->toGraphicsObject()) : nullptr;
}

void TFrmCardDesigner::SelectionChanged()
{
    CardItem *chosen = Chosen();
    m_editor->setItem(chosen ? std::optional(chosen->item()) : std::nullopt);
    if (chosen)
        chosen->setFocus();
}

void TFrmCardDesigner::ItemEdited()
{
    if (CardItem *chosen = Chosen())
        chosen->setItem(m_editor->item());
}

void TFrmCardDesigner::CardChanged()
{
    m_layout.card = QSizeF(m_cardSize[0]->value(), m_cardSize[1]->value());
    QPainterPath shape;
    const qreal radius = qMin(3.18, qMin(m_layout.card.width(), m_layout.card.height()) / 8) * u;
    shape.addRoundedRect(QRectF(QPointF(0, 0), m_layout.card * u), radius, radius);
    m_card->setPath(shape);
    for (CardItem *item : items())
        item->setCardSize(m_layout.card);
    m_scene->setSceneRect(QRectF(QPointF(0, 0), m_layout.card * u).adjusted(-30, -30, 30, 30));
    FitCard();
}

void TFrmCardDesigner::FitCard()
{
    m_view->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
}

void TFrmCardDesigner::resizeEvent(QResizeEvent *event)
{
    TFrmBaseD::resizeEvent(event);
    FitCard();
}

void TFrmCardDesigner::showEvent(QShowEvent *event)
{
    TFrmBaseD::showEvent(event);
    FitCard();
}

void TFrmCardDesigner::AddItem(Kind kind)
{
    report::CardTemplate::Item item;
    item.kind = kind;
    item.field = report::CardTemplate::Item::defaultField(kind);
    if (kind == Kind::Text)
        item.text = u"文字"_s;
    else if (item.field.isEmpty())
        item.field = u"Name"_s;
    const QSizeF size = kind == Kind::Image     ? QSizeF(20, 26)
                        : kind == Kind::Barcode ? QSizeF(50, 12)
                        : kind == Kind::Memo    ? QSizeF(60, 20)
                                                : QSizeF(30, 6);
    const QSizeF fitted = size.boundedTo(m_layout.card);
    item.rect = QRectF(
        QPointF((m_layout.card.width() - fitted.width()) / 2, (m_layout.card.height() - fitted.height()) / 2), fitted);
    if (kind == Kind::Memo)
        item.align = Qt::AlignLeft | Qt::AlignTop;
    CardItem *added = AddCardItem(item);
    m_scene->clearSelection();
    added->setSelected(true);
}

void TFrmCardDesigner::DeleteChosen()
{
    const QList<QGraphicsItem *> chosen = m_scene->selectedItems();
    for (QGraphicsItem *item : chosen) {
        m_scene->removeItem(item);
        delete item;
    }
}

void TFrmCardDesigner::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && m_view->hasFocus()) {
        DeleteChosen();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

report::CardTemplate TFrmCardDesigner::currentTemplate() const
{
    report::CardTemplate t = m_layout;
    t.margins = QMarginsF(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value());
    t.gap = m_gap->value();
    t.border = m_border->isChecked();
    t.mirror = m_mirror->isChecked();
    t.items.clear();
    for (const CardItem *item : items())
        t.items << item->item();
    return t;
}

bool TFrmCardDesigner::Save()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString error;
    if (!currentTemplate().save(m_path, &error)) {
        prompt().info(u"报表保存失败：\n"_s + error);
        return false;
    }
    prompt().info(u"报表已保存。"_s);
    return true;
}

} // namespace tarvo::gui
