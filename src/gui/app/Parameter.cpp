#include "Parameter.h"

#include "Guarded.h"
#include "core/app/AppState.h"
#include "core/app/InputCodeFill.h"
#include "core/app/Prompt.h"
#include "core/db/Schema.h"
#include "gui/controls/Colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *acctField(QWidget *parent, const QString &column)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(u"Edit"_s + column);
    // As wide as the column takes, so the save never fails on length.
    edit->setMaxLength(Schema::table(u"AcctInfo")->column(column)->size);
    return edit;
}

QDoubleSpinBox *fineField(QWidget *parent, const QString &name)
{
    auto *spin = new QDoubleSpinBox(parent);
    spin->setObjectName(name);
    spin->setDecimals(4);
    spin->setRange(0, 9999);
    spin->setSingleStep(0.1);
    spin->setMinimumWidth(110);
    return spin;
}

// A row of controls with a text after them, e.g. "图书: [0.1000] 元/天".
QHBoxLayout *withUnit(const QString &before, QWidget *field, const QString &after)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(before));
    row->addWidget(field);
    row->addWidget(new QLabel(after));
    row->addStretch();
    return row;
}

} // namespace

TFrmParameter::TFrmParameter(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_upgrade(context.db)
    , PageControl1(new QTabWidget(this))
    , ProgressBar1(new QProgressBar(this))
    , BtOk(new QPushButton(u"确认"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmParameter"_s);
    setWindowTitle(u"系统设置"_s);
    paint(this, Colours::QueryPanel);
    PageControl1->setObjectName(u"PageControl1"_s);
    PageControl1->addTab(BasicPage(), u"基本设置"_s);
    PageControl1->addTab(OtherPage(), u"其他设置"_s);
    PageControl1->addTab(UpgradePage(), u"数据升级"_s);
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(CheckIfFine, &QCheckBox::toggled, EditPerFine, &QWidget::setEnabled);
    connect(BtOk, &QPushButton::clicked, this, &TFrmParameter::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmParameter::reject);
}

QWidget *TFrmParameter::BasicPage()
{
    auto *page = new QWidget(PageControl1);
    EditCorpName = acctField(page, u"CorpName"_s);
    EditTel = acctField(page, u"Tel"_s);
    EditFax = acctField(page, u"Fax"_s);
    EditAddr = acctField(page, u"Addr"_s);
    EditRemarks = acctField(page, u"Remarks"_s);
    auto *form = new QFormLayout(page);
    form->setContentsMargins(24, 20, 24, 20);
    form->setVerticalSpacing(12);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(u"名称："_s, EditCorpName);
    form->addRow(u"电话："_s, EditTel);
    form->addRow(u"传真："_s, EditFax);
    form->addRow(u"地址："_s, EditAddr);
    form->addRow(u"备注："_s, EditRemarks);
    return page;
}

QWidget *TFrmParameter::OtherPage()
{
    auto *page = new QWidget(PageControl1);
    CheckIfFine = new QCheckBox(u"是否超期罚款"_s, page);
    CheckIfFine->setObjectName(u"CheckIfFine"_s);
    EditPerFine = fineField(page, u"EditPerFine"_s);
    EditPerFine1 = fineField(page, u"EditPerFine1"_s);
    CheckIfExcced = new QCheckBox(u"逾期不还警告提示"_s, page);
    CheckIfExcced->setObjectName(u"CheckIfExcced"_s);
    CheckIfrepeat = new QCheckBox(u"图书重借提示"_s, page);
    CheckIfrepeat->setObjectName(u"CheckIfrepeat"_s);
    EditInDay = new QSpinBox(page);
    EditInDay->setObjectName(u"EditInDay"_s);
    EditInDay->setRange(0, 36500);
    EditInDay->setMinimumWidth(80);

    auto *fines = new QGroupBox(u"超期罚款"_s, page);
    auto *fineRows = new QVBoxLayout(fines);
    fineRows->addWidget(CheckIfFine);
    fineRows->addLayout(withUnit(u"图书："_s, EditPerFine, u"元/天"_s));
    fineRows->addLayout(withUnit(u"期刊："_s, EditPerFine1, u"元/天"_s));
    auto *prompts = new QGroupBox(u"提示"_s, page);
    auto *promptRows = new QVBoxLayout(prompts);
    promptRows->addWidget(CheckIfExcced);
    promptRows->addWidget(CheckIfrepeat);
    promptRows->addLayout(withUnit(u"入库时间不超过"_s, EditInDay, u"天,视为新书"_s));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(fines);
    layout->addWidget(prompts);
    layout->addStretch();
    return page;
}

QWidget *TFrmParameter::UpgradePage()
{
    auto *page = new QWidget(PageControl1);
    CheckBooks = new QCheckBox(u"图书信息"_s, page);
    CheckBooks->setObjectName(u"CheckBooks"_s);
    CheckMagazines = new QCheckBox(u"期刊信息"_s, page);
    CheckMagazines->setObjectName(u"CheckMagazines"_s);
    CheckReaders = new QCheckBox(u"读者信息"_s, page);
    CheckReaders->setObjectName(u"CheckReaders"_s);
    auto *BtMakeCodes = new QPushButton(u"生成拼音五笔"_s, page);
    BtMakeCodes->setObjectName(u"BtMakeCodes"_s);
    BtMakeCodes->setAutoDefault(false);
    auto *codes = new QGroupBox(u"生成拼音五笔"_s, page);
    auto *codeRow = new QHBoxLayout(codes);
    codeRow->addWidget(CheckBooks);
    codeRow->addWidget(CheckMagazines);
    codeRow->addWidget(CheckReaders);
    codeRow->addStretch();
    codeRow->addWidget(BtMakeCodes);

    EditPath = new QLineEdit(page);
    EditPath->setObjectName(u"EditPath"_s);
    EditPath->setReadOnly(true);
    auto *BtPick = new QToolButton(page);
    BtPick->setObjectName(u"BtPick"_s);
    BtPick->setText(u"…"_s);
    auto *BtUpgrade = new QPushButton(u"数据升级"_s, page);
    BtUpgrade->setObjectName(u"BtUpgrade"_s);
    BtUpgrade->setAutoDefault(false);
    auto *note = new QLabel(u"注意:请先选择要升级的旧数据库,然后点击数据升级!"_s, page);
    note->setStyleSheet(u"color: #1f3fbf;"_s);
    auto *upgrade = new QGroupBox(u"数据升级"_s, page);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(u"原账套数据库："_s));
    pathRow->addWidget(EditPath, 1);
    pathRow->addWidget(BtPick);
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(note, 1);
    noteRow->addWidget(BtUpgrade);
    auto *upgradeRows = new QVBoxLayout(upgrade);
    upgradeRows->addLayout(pathRow);
    upgradeRows->addLayout(noteRow);

    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setValue(0);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(codes);
    layout->addWidget(upgrade);
    layout->addStretch();
    layout->addWidget(ProgressBar1);

    connect(BtMakeCodes, &QPushButton::clicked, this, &TFrmParameter::BtMakeCodesClick);
    connect(BtPick, &QToolButton::clicked, this, &TFrmParameter::BtPickClick);
    connect(BtUpgrade, &QPushButton::clicked, this, &TFrmParameter::BtUpgradeClick);
    return page;
}

void TFrmParameter::InitForm()
{
    TFrmBaseD::InitForm();
    Guarded(prompt(), [this] { m_row = Parameters::loadOrCreate(db()); });
    ShowRow();
    EditCorpName->setFocus();
}

void TFrmParameter::ShowRow()
{
    EditCorpName->setText(m_row.CorpName);
    EditTel->setText(m_row.Tel);
    EditFax->setText(m_row.Fax);
    EditAddr->setText(m_row.Addr);
    EditRemarks->setText(m_row.Remarks);
    CheckIfFine->setChecked(m_row.IfFine);
    EditPerFine->setValue(m_row.PerFine);
    EditPerFine->setEnabled(m_row.IfFine);
    EditPerFine1->setValue(m_row.PerFine1);
    CheckIfExcced->setChecked(m_row.IfExcced);
    CheckIfrepeat->setChecked(m_row.Ifrepeat);
    EditInDay->setValue(m_row.InDay);
}

void TFrmParameter::TakeInput()
{
    m_row.CorpName = EditCorpName->text();
    m_row.Tel = EditTel->text();
    m_row.Fax = EditFax->text();
    m_row.Addr = EditAddr->text();
    m_row.Remarks = EditRemarks->text();
    m_row.IfFine = CheckIfFine->isChecked();
    m_row.PerFine = EditPerFine->value();
    m_row.PerFine1 = EditPerFine1->value();
    m_row.IfExcced = CheckIfExcced->isChecked();
    m_row.Ifrepeat = CheckIfrepeat->isChecked();
    m_row.InDay = EditInDay->value();
}

void TFrmParameter::BtOkClick()
{
    TakeInput();
    if (Guarded(prompt(), [this] { Parameters::save(db(), m_row); })) {
        state().sysParams = Parameters::toSysParams(m_row);
        accept();
    }
}

void TFrmParameter::ShowProgress(qint64 done, qint64 total)
{
    ProgressBar1->setMaximum(int(std::max<qint64>(total, 1)));
    ProgressBar1->setValue(int(std::min(done, total)));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmParameter::BtMakeCodesClick()
{
    InputCodeFill::Kinds kinds;
    if (CheckBooks->isChecked())
        kinds |= InputCodeFill::Kind::Books;
    if (CheckMagazines->isChecked())
        kinds |= InputCodeFill::Kind::Magazines;
    if (CheckReaders->isChecked())
        kinds |= InputCodeFill::Kind::Readers;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = Guarded(
        prompt(), [&] { InputCodeFill::fill(db(), kinds, [this](qint64 d, qint64 t) { ShowProgress(d, t); }); });
    QApplication::restoreOverrideCursor();
    if (done)
        prompt().info(u"生成成功!"_s);
}

void TFrmParameter::BtPickClick()
{
    const QString file = QFileDialog::getOpenFileName(this, u"选择原账套数据库"_s, QString(),
                                                      u"数据库文件 (*.dat *.TWB *.mdb);;所有文件 (*)"_s);
    if (file.isEmpty())
        return;
    EditPath->setText(file);
    Guarded(prompt(), [&] { m_upgrade.openSource(file); });
}

void TFrmParameter::BtUpgradeClick()
{
    // The hourglass from the first table on: not over the question before it.
    bool busy = false;
    bool upgraded = false;
    Guarded(prompt(), [&] {
        upgraded = m_upgrade.run(prompt(), [&](int d, int t) {
            if (!std::exchange(busy, true))
                QApplication::setOverrideCursor(Qt::WaitCursor);
            ShowProgress(d, t);
        });
    });
    if (busy)
        QApplication::restoreOverrideCursor();
    if (!upgraded)
        return;
    // The parameters came from the older file too.
    Guarded(prompt(), [this] {
        m_row = Parameters::loadOrCreate(db());
        state().sysParams = Parameters::toSysParams(m_row);
    });
    ShowRow();
}

} // namespace tarvo::gui
