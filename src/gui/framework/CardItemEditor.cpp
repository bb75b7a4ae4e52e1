#include "CardItemEditor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

using Kind = report::CardTemplate::Item::Kind;

QString kindCaption(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return u"文字"_s;
    case Kind::Field:
        return u"字段"_s;
    case Kind::Memo:
        return u"多行字段"_s;
    case Kind::Barcode:
        return u"条码"_s;
    case Kind::Image:
        return u"相片"_s;
    }
    return {};
}

const char *const kColourProperty = "cardColour";

} // namespace

CardItemEditor::CardItemEditor(const QStringList &fields, QWidget *parent)
    : QWidget(parent)
    , m_kind(new QLabel(this))
    , m_text(new QLineEdit(this))
    , m_field(new QComboBox(this))
    , m_family(new QFontComboBox(this))
    , m_size(new QDoubleSpinBox(this))
    , m_bold(new QCheckBox(u"粗体"_s, this))
    , m_align(new QComboBox(this))
    , m_valign(new QComboBox(this))
    , m_color(new QToolButton(this))
    , m_filled(new QCheckBox(u"底色"_s, this))
    , m_background(new QToolButton(this))
    , m_frame(new QCheckBox(u"边框"_s, this))
{
    m_text->setObjectName(u"ItemText"_s);
    m_field->setObjectName(u"ItemField"_s);
    m_field->setEditable(true);
    m_field->addItems(fields);
    m_size->setObjectName(u"ItemSize"_s);
    m_size->setRange(4, 72);
    m_size->setDecimals(1);
    m_size->setSuffix(u" 磅"_s);
    m_bold->setObjectName(u"ItemBold"_s);
    m_align->addItems({u"居左"_s, u"居中"_s, u"居右"_s});
    m_align->setObjectName(u"ItemAlign"_s);
    m_valign->addItems({u"靠上"_s, u"居中"_s, u"靠下"_s});
    m_valign->setObjectName(u"ItemVAlign"_s);
    m_frame->setObjectName(u"ItemFrame"_s);
    m_filled->setObjectName(u"ItemFilled"_s);

    auto *font = new QHBoxLayout;
    font->addWidget(m_size);
    font->addWidget(m_bold);
    auto *alignment = new QHBoxLayout;
    alignment->addWidget(m_align);
    alignment->addWidget(m_valign);
    auto *colours = new QHBoxLayout;
    colours->addWidget(new QLabel(u"文字"_s, this));
    colours->addWidget(m_color);
    colours->addWidget(m_filled);
    colours->addWidget(m_background);
    colours->addWidget(m_frame);
    colours->addStretch(1);

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(u"项目："_s, m_kind);
    form->addRow(u"文字："_s, m_text);
    form->addRow(u"字段："_s, m_field);
    form->addRow(u"字体："_s, m_family);
    form->addRow(u"字号："_s, font);
    form->addRow(u"对齐："_s, alignment);
    form->addRow(u"颜色："_s, colours);
    const QString names[] = {u"左"_s, u"上"_s, u"宽"_s, u"高"_s};
    auto *place = new QHBoxLayout;
    auto *size = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_geometry[i] = new QDoubleSpinBox(this);
        m_geometry[i]->setObjectName(u"ItemGeometry"_s + QString::number(i));
        m_geometry[i]->setDecimals(1);
        m_geometry[i]->setSingleStep(0.5);
        m_geometry[i]->setRange(i < 2 ? 0 : 1, 1000);
        m_geometry[i]->setSuffix(u" 毫米"_s);
        // A value counts once typed in full, not at every keystroke.
        m_geometry[i]->setKeyboardTracking(false);
        (i < 2 ? place : size)->addWidget(new QLabel(names[i], this));
        (i < 2 ? place : size)->addWidget(m_geometry[i], 1);
        connect(m_geometry[i], &QDoubleSpinBox::valueChanged, this, &CardItemEditor::Changed);
    }
    form->addRow(u"位置："_s, place);
    form->addRow(u"大小："_s, size);

    connect(m_text, &QLineEdit::textChanged, this, &CardItemEditor::Changed);
    connect(m_field, &QComboBox::currentTextChanged, this, &CardItemEditor::Changed);
    connect(m_family, &QFontComboBox::currentFontChanged, this, &CardItemEditor::Changed);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &CardItemEditor::Changed);
    connect(m_bold, &QCheckBox::toggled, this, &CardItemEditor::Changed);
    connect(m_align, &QComboBox::currentIndexChanged, this, &CardItemEditor::Changed);
    connect(m_valign, &QComboBox::currentIndexChanged, this, &CardItemEditor::Changed);
    connect(m_frame, &QCheckBox::toggled, this, &CardItemEditor::Changed);
    connect(m_filled, &QCheckBox::toggled, this, &CardItemEditor::Changed);
    connect(m_color, &QToolButton::clicked, this, [this] { ChooseColour(m_color); });
    connect(m_background, &QToolButton::clicked, this, [this] { ChooseColour(m_background); });
    setItem(std::nullopt);
}

void CardItemEditor::setItem(const std::optional<report::CardTemplate::Item> &item)
{
    m_loading = true;
    setEnabled(item.has_value());
    m_item = item.value_or(report::CardTemplate::Item());
    m_kind->setText(item ? kindCaption(m_item.kind) : QString());
    m_text->setText(m_item.text);
    m_field->setCurrentText(m_item.field);
    m_text->setEnabled(m_item.kind == Kind::Text);
    m_field->setEnabled(m_item.kind != Kind::Text);
    m_family->setCurrentFont(QFont(m_item.font.family));
    m_size->setValue(m_item.font.size);
    m_bold->setChecked(m_item.font.bold);
    const Qt::Alignment h = m_item.align & Qt::AlignHorizontal_Mask;
    m_align->setCurrentIndex(h & Qt::AlignHCenter ? 1 : h & Qt::AlignRight ? 2 : 0);
    const Qt::Alignment v = m_item.align & Qt::AlignVertical_Mask;
    m_valign->setCurrentIndex(v & Qt::AlignTop ? 0 : v & Qt::AlignBottom ? 2 : 1);
    ShowColour(m_color, m_item.color);
    m_filled->setChecked(m_item.background.isValid());
    ShowColour(m_background, m_item.background.isValid() ? m_item.background : QColor(Qt::white));
    m_frame->setChecked(m_item.frame);
    const qreal geometry[] = {m_item.rect.x(), m_item.rect.y(), m_item.rect.width(), m_item.rect.height()};
    for (int i = 0; i < 4; ++i)
        m_geometry[i]->setValue(geometry[i]);
    m_loading = false;
}

report::CardTemplate::Item CardItemEditor::item() const
{
    report::CardTemplate::Item item = m_item;
    item.text = m_text->text();
    item.field = m_field->currentText().trimmed();
    item.font = {m_family->currentFont().family(), m_size->value(), m_bold->isChecked()};
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    item.align = horizontal[qMax(0, m_align->currentIndex())] | vertical[qMax(0, m_valign->currentIndex())];
    item.color = m_color->property(kColourProperty).value<QColor>();
    item.background = m_filled->isChecked() ? m_background->property(kColourProperty).value<QColor>() : QColor();
    item.frame = m_frame->isChecked();
    item.rect = QRectF(m_geometry[0]->value(), m_geometry[1]->value(), m_geometry[2]->value(), m_geometry[3]->value());
    return item;
}

void CardItemEditor::Changed()
{
    if (!m_loading)
        emit edited();
}

void CardItemEditor::ShowColour(QToolButton *button, const QColor &colour)
{
    button->setProperty(kColourProperty, colour);
    QPixmap swatch(28, 14);
    swatch.fill(colour);
    button->setIcon(swatch);
    button->setToolTip(colour.name());
}

void CardItemEditor::ChooseColour(QToolButton *button)
{
    QColorDialog dialog(button->property(kColourProperty).value<QColor>(), this);
    dialog.setWindowTitle(u"颜色"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ShowColour(button, dialog.currentColor());
    m_loading = true;
    if (button == m_background)
        m_filled->setChecked(true);
    m_loading = false;
    Changed();
}

} // namespace tarvo::gui
