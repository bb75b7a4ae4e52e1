#include "ReaderFineBase.h"

#include "CirculationGrid.h"
#include "gui/app/Guarded.h"
#include "gui/controls/Colours.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/FieldWidgets.h"
#include "gui/framework/FindReader.h"

#include "core/app/AppState.h"
#include "core/framework/RowViews.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {
QLineEdit *box(QWidget *parent, const QString &name, bool readOnly = true)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    if (readOnly)
        edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}
} // namespace

TFrmReaderFineBase::TFrmReaderFineBase(WindowContext &context, FineDesk::Items items, const QString &formName,
                                       QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel3(new QWidget(this))
    , EditCode(box(Panel3, u"EditCode"_s, false))
    , SbtReader(lookupButton(Panel3, u"SbtReader"_s))
    , EditName(box(Panel3, u"EditName"_s))
    , EditSax(box(Panel3, u"EditSax"_s))
    , EditSortcode(box(Panel3, u"EditSortcode"_s))
    , EditTel(box(Panel3, u"EditTel"_s))
    , EditDept(box(Panel3, u"EditDept"_s))
    , DBGridEh1(new DataGrid(this))
    , EditBCode(box(this, u"EditBCode"_s))
    , EditBName(box(this, u"EditBName"_s))
    , EditExceedDay(box(this, u"EditExceedDay"_s))
    , Editprice(box(this, u"Editprice"_s))
    , EditExceedFund(box(this, u"EditExceedFund"_s))
    , EditMinDay(box(this, u"EditMinDay"_s, false))
    , EditMinFund(box(this, u"EditMinFund"_s))
    , EditRealFund(box(this, u"EditRealFund"_s))
    , EditTotal(box(this, u"EditTotal"_s))
    , BtSave(new QPushButton(u"罚款(&O)"_s, this))
    , BtCancel(new QPushButton(u"退出(&C)"_s, this))
    , m_desk(context.db, context.prompt, context.state.sysParams, items)
{
    const bool books = items == FineDesk::Items::Books;
    setObjectName(formName);
    setWindowTitle(u"罚款管理"_s);
    resize(books ? 660 : 720, 520);
    Panel3->setObjectName(u"Panel3"_s);
    SbtReader->setToolTip(u"点击按钮或按F5键选择读者"_s);
    EditCode->installEventFilter(this);
    EditMinDay->setValidator(new QDoubleValidator(EditMinDay));
    DBGridEh1->setObjectName(u"DBGridEh1"_s);
    BtSave->setObjectName(u"BtSave"_s);
    BtCancel->setObjectName(u"BtCancel"_s);
    for (QPushButton *button : {BtSave, BtCancel})
        button->setAutoDefault(false);

    auto *title = new QLabel(u"罚款管理"_s, this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    auto *reader = new QGridLayout(Panel3);
    reader->addWidget(new QLabel(u"读者编号:"_s, Panel3), 0, 0);
    reader->addWidget(withButton(Panel3, EditCode, SbtReader), 0, 1);
    reader->addWidget(new QLabel(u"(输入编号按回车)"_s, Panel3), 0, 2);
    reader->addWidget(new QLabel(u"读者姓名:"_s, Panel3), 0, 3);
    reader->addWidget(EditName, 0, 4);
    reader->addWidget(new QLabel(u"性  别:"_s, Panel3), 1, 0);
    reader->addWidget(EditSax, 1, 1);
    reader->addWidget(new QLabel(books ? u"读者类别:"_s : u"读者类型:"_s, Panel3), 1, 3);
    reader->addWidget(EditSortcode, 1, 4);
    reader->addWidget(new QLabel(u"电  话:"_s, Panel3), 2, 0);
    reader->addWidget(EditTel, 2, 1);
    reader->addWidget(new QLabel(u"部  门:"_s, Panel3), 2, 3);
    reader->addWidget(EditDept, 2, 4);

    auto *note = new QLabel(books ? u"注意:请选择以上本次要罚款图书,双击!"_s : u"注意:请选择以上本次要罚款期刊,双击!"_s, this);
    note->setStyleSheet(u"color: red"_s);

    auto *fine = new QGridLayout;
    QList<std::pair<QString, QLineEdit *>> boxes{{books ? u"图书编号:"_s : u"期刊编号:"_s, EditBCode},
                                                 {books ? u"图书名称:"_s : u"期刊名称:"_s, EditBName}};
    if (!books) {
        Edityear = box(this, u"Edityear"_s);
        EditNo = box(this, u"EditNo"_s);
        boxes << std::pair(u"年  度:"_s, Edityear) << std::pair(u"期  号:"_s, EditNo);
    }
    boxes << std::pair(u"逾期天数:"_s, EditExceedDay) << std::pair(u"罚款单价:"_s, Editprice)
          << std::pair(u"应罚金额:"_s, EditExceedFund) << std::pair(u"扣减天数:"_s, EditMinDay)
          << std::pair(u"扣减金额:"_s, EditMinFund) << std::pair(u"实际罚金:"_s, EditRealFund)
          << std::pair(u"罚金合计:"_s, EditTotal);
    for (int i = 0; i < boxes.size(); ++i) {
        fine->addWidget(new QLabel(boxes.at(i).first, this), i / 3, (i % 3) * 2);
        fine->addWidget(boxes.at(i).second, i / 3, (i % 3) * 2 + 1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtSave);
    buttons->addWidget(BtCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(Panel3);
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(note);
    layout->addLayout(fine);
    layout->addLayout(buttons);

    connect(EditCode, &QLineEdit::returnPressed, this, &TFrmReaderFineBase::EditCodeReturn);
    connect(SbtReader, &QToolButton::clicked, this, &TFrmReaderFineBase::SbtReaderClick);
    connect(DBGridEh1, &DataGrid::rowActivated, this, &TFrmReaderFineBase::DBGridEh1DblClick);
    connect(EditMinDay, &QLineEdit::editingFinished, this, [this] { EditMinDayExit(); });
    connect(EditMinDay, &QLineEdit::returnPressed, BtSave, [this] { BtSave->setFocus(); });
    connect(BtSave, &QPushButton::clicked, this, &TFrmReaderFineBase::BtSaveClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmReaderFineBase::close);
}

TFrmReaderFineBase::~TFrmReaderFineBase()
{
    DBGridEh1->setRows(nullptr, {});
}

void TFrmReaderFineBase::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, Colours::QueryPanel);
    paint(Panel3, Colours::QueryPanel);
    DBGridEh1->setHeaderColour(Colours::QueryToolBar);
    EditCode->setFocus();
}

bool TFrmReaderFineBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditCode && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F5) {
        SbtReaderClick();
        return true;
    }
    return TFrmBaseD::eventFilter(watched, event);
}

void TFrmReaderFineBase::EditCodeReturn()
{
    LoadReader(EditCode->text());
}

void TFrmReaderFineBase::SbtReaderClick()
{
    TFrmFindReader lookup(context(), this);
    lookup.exec();
    if (lookup.ResultCode.isEmpty())
        return;
    EditCode->setText(lookup.ResultCode);
    LoadReader(lookup.ResultCode);
}

void TFrmReaderFineBase::LoadReader(const QString &code)
{
    Guarded(prompt(), [&] {
        if (!m_desk.loadReader(code)) {
            EditCode->clear();
            return;
        }
        const FineDesk::Reader &reader = *m_desk.reader();
        EditName->setText(reader.Name);
        EditSax->setText(reader.Sax);
        EditTel->setText(reader.TelDay);
        EditSortcode->setText(reader.SortCode);
        EditDept->setText(reader.Department);
        ShowFines();
        ShowSelection();
        DBGridEh1->view()->setFocus();
    });
}

void TFrmReaderFineBase::ShowFines()
{
    auto rows = std::make_unique<ResultSetRows>(m_desk.fines());
    const QStringList fields = rows->result().fieldNames();
    DBGridEh1->setRows(rows.get(), fields);
    if (!m_rows)
        DBGridEh1->setColumns(CirculationColumns(db(), objectName(), fields));
    m_rows = std::move(rows);
}

void TFrmReaderFineBase::ShowSelection()
{
    const std::optional<FineDesk::Selection> &s = m_desk.selection();
    EditBCode->setText(s ? s->Code : QString());
    EditBName->setText(s ? s->Name : QString());
    if (Edityear) {
        Edityear->setText(s ? s->Orderyear : QString());
        EditNo->setText(s ? s->PeriodNo : QString());
    }
    EditExceedDay->setText(s ? number(s->ExceedDay) : QString());
    Editprice->setText(s ? FineDesk::amountText(s->Price) : QString());
    EditExceedFund->setText(s ? FineDesk::amountText(s->ExceedFund) : QString());
    const bool deducted = s && s->MinDay != 0;
    EditMinDay->setText(deducted ? number(s->MinDay) : QString());
    EditMinFund->setText(deducted ? FineDesk::amountText(s->MinFund) : QString());
    EditRealFund->setText(s ? FineDesk::amountText(s->RealFund) : QString());
    const std::optional<double> &total = m_desk.total();
    EditTotal->setText(total ? FineDesk::amountText(*total) : QString());
}

void TFrmReaderFineBase::DBGridEh1DblClick(int row)
{
    if (m_desk.select(row))
        ShowSelection();
}

bool TFrmReaderFineBase::EditMinDayExit()
{
    const std::optional<FineDesk::Selection> &s = m_desk.selection();
    // Unchanged since shown, or the refusal's message box taking the focus.
    if (m_applying || !s || EditMinDay->text() == (s->MinDay != 0 ? number(s->MinDay) : QString()))
        return true;
    m_applying = true;
    const bool applied = m_desk.applyDeduction(QLocale().toDouble(EditMinDay->text()));
    ShowSelection();
    m_applying = false;
    return applied;
}

void TFrmReaderFineBase::BtSaveClick()
{
    if (!EditMinDayExit())
        return;
    Guarded(prompt(), [this] {
        const FineDesk::CollectResult result = m_desk.collect();
        if (result == FineDesk::CollectResult::Collected || result == FineDesk::CollectResult::AlreadyCollected) {
            ShowFines();
            ShowSelection();
        }
    });
}

} // namespace tarvo::gui
