#include "ReportDesigner.h"

#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "report/ListReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

enum ColumnField { Field, Title, Width, Sum };

const std::pair<QPageSize::PageSizeId, QString> kPapers[] = {
    {QPageSize::A4, u"A4"_s}, {QPageSize::A3, u"A3"_s}, {QPageSize::B5, u"B5"_s}, {QPageSize::A5, u"A5"_s},
    {QPageSize::Letter, u"Letter"_s}};

} // namespace

TFrmReportDesigner::TFrmReportDesigner(WindowContext &context, const QString &path, const QString &caption,
                                       const GridData &grid, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_path(path)
    , m_caption(caption)
    , m_grid(grid)
    , m_title(new QLineEdit(this))
    , m_paper(new QComboBox(this))
    , m_orientation(new QComboBox(this))
    , m_columns(new QTableWidget(0, 4, this))
    , m_printer(new QPrinter(QPrinter::HighResolution))
    , m_preview(new QPrintPreviewWidget(m_printer, this))
{
    setObjectName(u"FrmReportDesigner"_s);
    setWindowTitle(u"报表设计 - "_s + QFileInfo(path).fileName());
    resize(1100, 720);

    for (const auto &[id, name] : kPapers)
        m_paper->addItem(name, int(id));
    m_orientation->addItem(u"纵向"_s, int(QPageLayout::Portrait));
    m_orientation->addItem(u"横向"_s, int(QPageLayout::Landscape));

    auto *page = new QFormLayout;
    page->addRow(u"报表标题："_s, m_title);
    page->addRow(u"纸张："_s, m_paper);
    page->addRow(u"方向："_s, m_orientation);
    auto *margins = new QHBoxLayout;
    const QString marginNames[] = {u"左"_s, u"上"_s, u"右"_s, u"下"_s};
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = new QSpinBox(this);
        m_margins[i]->setRange(0, 60);
        m_margins[i]->setSuffix(u" 毫米"_s);
        margins->addWidget(new QLabel(marginNames[i], this));
        margins->addWidget(m_margins[i]);
    }
    page->addRow(u"页边距："_s, margins);

    auto *fonts = new QFormLayout;
    const report::ListTemplate defaults;
    m_titleFont = addFontRow(fonts, u"标题字体："_s, defaults.titleFont);
    m_headerFont = addFontRow(fonts, u"列头字体："_s, defaults.headerFont);
    m_bodyFont = addFontRow(fonts, u"正文字体："_s, defaults.bodyFont);

    m_columns->setObjectName(u"Columns"_s);
    m_columns->setHorizontalHeaderLabels({u"字段"_s, u"列名"_s, u"列宽"_s, u"合计"_s});
    m_columns->horizontalHeader()->setStretchLastSection(true);
    m_columns->verticalHeader()->setDefaultSectionSize(22);
    m_columns->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto *up = new QPushButton(u"上移"_s, this);
    auto *down = new QPushButton(u"下移"_s, this);
    auto *remove = new QPushButton(u"删除列"_s, this);
    auto *reset = new QPushButton(u"按表格重排"_s, this);
    auto *columnButtons = new QHBoxLayout;
    for (QPushButton *b : {up, down, remove, reset})
        columnButtons->addWidget(b);

    auto *pageBox = new QGroupBox(u"页面"_s, this);
    pageBox->setLayout(page);
    auto *fontBox = new QGroupBox(u"字体"_s, this);
    fontBox->setLayout(fonts);
    auto *columnBox = new QGroupBox(u"列（为空时按表格的显示列打印）"_s, this);
    auto *columnLayout = new QVBoxLayout(columnBox);
    columnLayout->addWidget(m_columns);
    columnLayout->addLayout(columnButtons);

    auto *save = new QPushButton(u"保存(&S)"_s, this);
    auto *close = new QPushButton(u"关闭(&E)"_s, this);
    save->setObjectName(u"BtSave"_s);
    for (QPushButton *b : {save, close})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto *form = new QWidget(this);
    auto *formLayout = new QVBoxLayout(form);
    formLayout->addWidget(pageBox);
    formLayout->addWidget(fontBox);
    formLayout->addWidget(columnBox, 1);
    formLayout->addLayout(buttons);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(form);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({420, 680});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    const auto load = report::ListTemplate::load(path);
    report::ListTemplate start = load.value_or(report::ListTemplate());
    if (!load)
        start.title = caption;
    ShowTemplate(start);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        const report::ListReport preview(currentTemplate(), m_grid,
                                         {state().sysParams.CorpName, QString(), QString(), state().BusinessDate});
        preview.print(printer);
    });
    connect(m_title, &QLineEdit::textChanged, this, &TFrmReportDesigner::Changed);
    connect(m_paper, &QComboBox::currentIndexChanged, this, &TFrmReportDesigner::Changed);
    connect(m_orientation, &QComboBox::currentIndexChanged, this, &TFrmReportDesigner::Changed);
    for (QSpinBox *margin : m_margins)
        connect(margin, &QSpinBox::valueChanged, this, &TFrmReportDesigner::Changed);
    connect(m_columns, &QTableWidget::itemChanged, this, &TFrmReportDesigner::Changed);
    connect(up, &QPushButton::clicked, this, [this] { MoveColumn(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveColumn(1); });
    connect(remove, &QPushButton::clicked, this, [this] {
        m_columns->removeRow(m_columns->currentRow());
        Changed();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_loading = true;
        m_columns->setRowCount(0);
        for (const GridColumn &c : m_grid.columns)
            AddColumnRow({c.field, c.title, c.width, c.footerSum});
        m_loading = false;
        Changed();
    });
    connect(save, &QPushButton::clicked, this, &TFrmReportDesigner::Save);
    connect(close, &QPushButton::clicked, this, &TFrmReportDesigner::close);
}

TFrmReportDesigner::~TFrmReportDesigner()
{
    delete m_preview;
    delete m_printer;
}

TFrmReportDesigner::FontControls TFrmReportDesigner::addFontRow(QFormLayout *form, const QString &label,
                                                                 const report::ListTemplate::Font &font)
{
    FontControls controls{new QFontComboBox(this), new QDoubleSpinBox(this), new QCheckBox(u"粗体"_s, this)};
    controls.family->setCurrentFont(QFont(font.family));
    controls.size->setRange(5, 48);
    controls.size->setDecimals(1);
    controls.size->setValue(font.size);
    controls.bold->setChecked(font.bold);
    auto *row = new QHBoxLayout;
    row->addWidget(controls.family, 1);
    row->addWidget(controls.size);
    row->addWidget(controls.bold);
    form->addRow(label, row);
    connect(controls.family, &QFontComboBox::currentFontChanged, this, &TFrmReportDesigner::Changed);
    connect(controls.size, &QDoubleSpinBox::valueChanged, this, &TFrmReportDesigner::Changed);
    connect(controls.bold, &QCheckBox::toggled, this, &TFrmReportDesigner::Changed);
    return controls;
}

void TFrmReportDesigner::ShowTemplate(const report::ListTemplate &t)
{
    m_loading = true;
    m_title->setText(t.title);
    const int paper = m_paper->findData(int(t.paper.id()));
    m_paper->setCurrentIndex(paper >= 0 ? paper : 0);
    m_orientation->setCurrentIndex(t.orientation == QPageLayout::Landscape ? 1 : 0);
    const qreal margins[] = {t.margins.left(), t.margins.top(), t.margins.right(), t.margins.bottom()};
    for (int i = 0; i < 4; ++i)
        m_margins[i]->setValue(int(margins[i]));
    const std::pair<const FontControls *, const report::ListTemplate::Font *> fonts[] = {
        {&m_titleFont, &t.titleFont}, {&m_headerFont, &t.headerFont}, {&m_bodyFont, &t.bodyFont}};
    for (const auto &[controls, font] : fonts) {
        controls->family->setCurrentFont(QFont(font->family));
        controls->size->setValue(font->size);
        controls->bold->setChecked(font->bold);
    }
    m_columns->setRowCount(0);
    for (const report::ListTemplate::Column &c : t.columns)
        AddColumnRow(c);
    m_loading = false;
}

void TFrmReportDesigner::AddColumnRow(const report::ListTemplate::Column &column)
{
    const int row = m_columns->rowCount();
    m_columns->insertRow(row);
    m_columns->setItem(row, Field, new QTableWidgetItem(column.field));
    m_columns->setItem(row, Title, new QTableWidgetItem(column.title));
    auto *width = new QTableWidgetItem;
    width->setData(Qt::EditRole, column.width);
    m_columns->setItem(row, Width, width);
    auto *sum = new QTableWidgetItem;
    sum->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    sum->setCheckState(column.sum.value_or(false) ? Qt::Checked : Qt::Unchecked);
    m_columns->setItem(row, Sum, sum);
}

void TFrmReportDesigner::MoveColumn(int step)
{
    const int row = m_columns->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_columns->rowCount())
        return;
    m_loading = true;
    for (int c = 0; c < m_columns->columnCount(); ++c) {
        QTableWidgetItem *a = m_columns->takeItem(row, c);
        QTableWidgetItem *b = m_columns->takeItem(target, c);
        m_columns->setItem(row, c, b);
        m_columns->setItem(target, c, a);
    }
    m_loading = false;
    m_columns->setCurrentCell(target, m_columns->currentColumn());
    Changed();
}

report::ListTemplate TFrmReportDesigner::currentTemplate() const
{
    report::ListTemplate t;
    t.title = m_title->text().trimmed();
    t.paper = QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt()));
    t.orientation = QPageLayout::Orientation(m_orientation->currentData().toInt());
    t.margins = QMarginsF(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value());
    const auto font = [](const FontControls &c) {
        return report::ListTemplate::Font{c.family->currentFont().family(), c.size->value(), c.bold->isChecked()};
    };
    t.titleFont = font(m_titleFont);
    t.headerFont = font(m_headerFont);
    t.bodyFont = font(m_bodyFont);
    for (int row = 0; row < m_columns->rowCount(); ++row) {
        const QString field = m_columns->item(row, Field)->text().trimmed();
        if (field.isEmpty())
            continue;
        t.columns.append({field, m_columns->item(row, Title)->text().trimmed(),
                          m_columns->item(row, Width)->data(Qt::EditRole).toInt(),
                          m_columns->item(row, Sum)->checkState() == Qt::Checked});
    }
    return t;
}

void TFrmReportDesigner::Changed()
{
    if (m_loading)
        return;
    // A burst of changes (typing a title) redraws the preview once.
    QTimer::singleShot(250, m_preview, &QPrintPreviewWidget::updatePreview);
}

bool TFrmReportDesigner::Save()
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
