#include "MDIBase.h"

#include "LoanGridRows.h"
#include "ReaderDetail.h"
#include "gui/app/Guarded.h"
#include "gui/controls/Colours.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/FieldWidgets.h"
#include "gui/controls/ToolButtons.h"
#include "gui/framework/FindReader.h"
#include "gui/framework/HelpViewer.h"
#include "gui/framework/SetInterface.h"

#include "core/framework/ColumnLayout.h"
#include "core/framework/FieldKinds.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

const QColor kEditing(255, 227, 170);
const QColor kNote(204, 102, 51);

QLineEdit *readOnlyBox(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    // Clicked into, they take Enter and the function keys like the rest of the desk.
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

void setBoxColour(QLineEdit *box, const QColor &colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QRadioButton *modeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TMDIBase::TMDIBase(WindowContext &context, BorrowDeskTables tables, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel5(new QToolBar(this))
    , Panel2(new QWidget(this))
    , Panel1(new QWidget(this))
    , DBGrid1(new DataGrid(this))
    , PopupMenu1(new QMenu(this))
    , Panel6(new QWidget(this))
    , m_desk(context.db, context.prompt, context.state, tables)
    , m_rows(std::make_unique<LoanGridRows>(m_desk.rows(), tables.itemColumns))
{
    resize(800, 560);

    Panel5->setObjectName(u"Panel5"_s);
    BtSave = addToolButton(Panel5, u"BtSave"_s, u" 保存(F2/ENTER)"_s, QString());
    BtClear = addToolButton(Panel5, u"BtClear"_s, u" 清空数据(F3)"_s, u"清空数据,快捷键F3"_s);
    BtExit = addToolButton(Panel5, u"BtExit"_s, u" 取消退出(F4)"_s, u"取消操作并退出,快捷键F4"_s);
    SbtDest = addToolButton(Panel5, u"SbtDest"_s, u" 查看预约(F6)"_s, u"查看预约,快捷键F6"_s);
    SbtReaderinfo = addToolButton(Panel5, u"SbtReaderinfo"_s, u" 读者资料(F7)"_s, u"当前读者资料,快捷键F7"_s);
    BtInterface = addToolButton(Panel5, u"BtInterface"_s, u"界面(F8)"_s, u"表格显示控制,快捷键F8"_s);
    BtHelp = addToolButton(Panel5, u"BtHelp"_s, u"帮助(F1)"_s, u"显示当前帮助,快捷键F1"_s);
    // Hidden: F1 still opens the help.
    for (QAction *action : Panel5->actions()) {
        if (Panel5->widgetForAction(action) == BtHelp)
            action->setVisible(false);
    }
    for (QToolButton *button : {BtSave, BtClear, BtExit, SbtDest, SbtReaderinfo, BtInterface, BtHelp})
        button->setFocusPolicy(Qt::NoFocus);

    Panel2->setObjectName(u"Panel2"_s);
    Rb1 = modeButton(Panel2, u"Rb1"_s, u"借书(F9)"_s);
    Rb2 = modeButton(Panel2, u"Rb2"_s, u"续借(F10)"_s);
    Rb3 = modeButton(Panel2, u"Rb3"_s, u"还书(F11)"_s);
    Rb1->setChecked(true);
    auto *modes = new QHBoxLayout(Panel2);
    modes->setContentsMargins(8, 2, 8, 2);
    for (QRadioButton *button : {Rb1, Rb2, Rb3})
        modes->addWidget(button);
    modes->addStretch();

    Panel1->setObjectName(u"Panel1"_s);
    EditRCode = new QLineEdit(Panel1);
    EditRCode->setObjectName(u"EditRCode"_s);
    SbtReader = lookupButton(Panel1, u"SbtReader"_s);
    SbtReader->setToolTip(u"点击按钮或按F5键选择读者"_s);
    LabelBCode = new QLabel(u"图书编号 (条形码):"_s, Panel1);
    EditBCode = new QLineEdit(Panel1);
    EditBCode->setObjectName(u"EditBCode"_s);
    SbtBook = lookupButton(Panel1, u"SbtBook"_s);
    SbtBook->setToolTip(u"点击按钮或按F5键选择图书"_s);
    LabelNote = new QLabel(u"(输入编码后按回车)"_s, Panel1);
    QFont bold = LabelNote->font();
    bold.setBold(true);
    LabelNote->setFont(bold);
    EditRName = readOnlyBox(Panel1, u"EditRName"_s);
    EditRsort = readOnlyBox(Panel1, u"EditRsort"_s);
    EditDept = readOnlyBox(Panel1, u"EditDept"_s);
    EditCeQty = readOnlyBox(Panel1, u"EditCeQty"_s);
    EditBeQty = readOnlyBox(Panel1, u"EditBeQty"_s);
    EditDepo = readOnlyBox(Panel1, u"EditDepo"_s);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(u"Image1"_s);
    Image1->setFrameShape(QFrame::Box);
    Image1->setFixedSize(80, 96);
    Image1->setAlignment(Qt::AlignCenter);

    auto *reader = new QGridLayout(Panel1);
    reader->addWidget(new QLabel(u"读者编号:"_s, Panel1), 0, 0);
    reader->addWidget(withButton(Panel1, EditRCode, SbtReader), 0, 1);
    reader->addWidget(LabelBCode, 1, 0);
    reader->addWidget(withButton(Panel1, EditBCode, SbtBook), 1, 1);
    reader->addWidget(LabelNote, 2, 1);
    const QList<std::pair<QString, QLineEdit *>> shown{{u"读者姓名:"_s, EditRName}, {u"读者类别:"_s, EditRsort},
                                                       {u"读者部门:"_s, EditDept},  {u"允许借出:"_s, EditCeQty},
                                                       {u"现已借出:"_s, EditBeQty}, {u"押  金:"_s, EditDepo}};
    for (int i = 0; i < shown.size(); ++i) {
        reader->addWidget(new QLabel(shown.at(i).first, Panel1), i % 3, 2 + (i / 3) * 2);
        reader->addWidget(shown.at(i).second, i % 3, 3 + (i / 3) * 2);
    }
    reader->addWidget(Image1, 0, 6, 3, 1);
    reader->setColumnStretch(1, 2);
    reader->setColumnStretch(3, 1);
    reader->setColumnStretch(5, 1);

    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setRows(m_rows.get(), m_rows->fields());
    DBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    N1 = PopupMenu1->addAction(u"删除明细"_s, this, &TMDIBase::N1Click);
    N1->setObjectName(u"N1"_s);

    Panel6->setObjectName(u"Panel6"_s);
    Label6 = new QLabel(u"共计:"_s, Panel6);
    Label6->setObjectName(u"Label6"_s);
    EditQty = new QLineEdit(u"0"_s, Panel6);
    EditQty->setObjectName(u"EditQty"_s);
    EditQty->setReadOnly(true);
    EditQty->setFocusPolicy(Qt::ClickFocus);
    EditQty->setFixedWidth(60);
    Label7 = new QLabel(u"本"_s, Panel6);
    auto *total = new QHBoxLayout(Panel6);
    total->setContentsMargins(8, 2, 8, 2);
    total->addStretch();
    total->addWidget(Label6);
    total->addWidget(EditQty);
    total->addWidget(Label7);

    AtBorrow = new QAction(u"借书"_s, this);
    AtRenew = new QAction(u"续借"_s, this);
    AtReturn = new QAction(u"还书"_s, this);
    AtBorrow->setObjectName(u"AtBorrow"_s);
    AtRenew->setObjectName(u"AtRenew"_s);
    AtReturn->setObjectName(u"AtReturn"_s);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel5);
    layout->addWidget(Panel2);
    layout->addWidget(Panel1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel6);

    for (QWidget *box : {EditRCode, EditBCode})
        box->installEventFilter(this);

    connect(BtSave, &QToolButton::clicked, this, &TMDIBase::BtSaveClick);
    connect(BtClear, &QToolButton::clicked, this, &TMDIBase::BtClearClick);
    connect(BtExit, &QToolButton::clicked, this, &TMDIBase::close);
    connect(SbtDest, &QToolButton::clicked, this, &TMDIBase::SbtDestClick);
    connect(SbtReaderinfo, &QToolButton::clicked, this, &TMDIBase::SbtReaderinfoClick);
    connect(BtInterface, &QToolButton::clicked, this, &TMDIBase::BtInterfaceClick);
    connect(BtHelp, &QToolButton::clicked, this, [this] { ShowHelp(this, HelpTopic); });
    connect(SbtReader, &QToolButton::clicked, this, &TMDIBase::SbtReaderClick);
    connect(SbtBook, &QToolButton::clicked, this, &TMDIBase::SbtBookClick);
    connect(Rb1, &QRadioButton::clicked, AtBorrow, &QAction::trigger);
    connect(Rb2, &QRadioButton::clicked, AtRenew, &QAction::trigger);
    connect(Rb3, &QRadioButton::clicked, AtReturn, &QAction::trigger);
    connect(AtBorrow, &QAction::triggered, this, [this] { SetMode(BorrowDesk::Mode::Borrow); });
    connect(AtRenew, &QAction::triggered, this, [this] { SetMode(BorrowDesk::Mode::Renew); });
    connect(AtReturn, &QAction::triggered, this, [this] { SetMode(BorrowDesk::Mode::Return); });
    connect(DBGrid1, &DataGrid::rowActivated, this, &TMDIBase::DBGrid1DblClick);
    connect(DBGrid1, &DataGrid::enterPressed, this, &TMDIBase::BtSaveClick);
    connect(DBGrid1, &DataGrid::escapePressed, this, &TMDIBase::close);
    connect(DBGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(DBGrid1->view()->viewport()->mapToGlobal(at)); });
}

TMDIBase::~TMDIBase()
{
    DBGrid1->setRows(nullptr, {});
}

void TMDIBase::InitForm()
{
    TFrmBaseD::InitForm();
    for (QWidget *panel : std::initializer_list<QWidget *>{Panel1, Panel5, Panel6, Panel2})
        paint(panel, Colours::ListPanel);
    DBGrid1->setHeaderColour(Colours::ToolBar);
    for (QWidget *widget : std::initializer_list<QWidget *>{LabelNote, Label6, Label7, EditQty})
        setTextColour(widget, kNote);
    TableCode = m_desk.TableCode();
    SetGridColumns(TableCode);
    EditRCode->setFocus();
}

void TMDIBase::SetMode(BorrowDesk::Mode mode)
{
    QRadioButton *button = mode == BorrowDesk::Mode::Borrow ? Rb1 : mode == BorrowDesk::Mode::Renew ? Rb2 : Rb3;
    button->setChecked(true);
    m_desk.setMode(mode);
    TableCode = m_desk.TableCode();
    BtClearClick();
    SetGridColumns(TableCode);
}

void TMDIBase::SetGridColumns(const QString &code)
{
    Guarded(prompt(), [&] {
        ColumnLayout layout(db());
        KeyField = layout.keyFieldOf(code);
        QList<GridColumn> columns;
        for (const LayoutColumn &c : layout.visibleColumns(code)) {
            GridColumn column{c.field, c.title, c.width, kindOfField(c.field)};
            column.centred = c.field.compare(u"State"_s, Qt::CaseInsensitive) == 0;
            columns << column;
        }
        DBGrid1->setColumns(columns);
    });
}

void TMDIBase::ShowReader()
{
    const BorrowDesk::Reader &r = m_desk.reader();
    EditRCode->setText(r.Code);
    EditRName->setText(r.Name);
    EditRsort->setText(r.SortCode);
    EditDept->setText(r.Department);
    EditBeQty->setText(m_desk.hasReader() ? QString::number(r.BookQty) : QString());
    const std::optional<int> ceQty = m_desk.shownCeQty();
    EditCeQty->setText(ceQty ? QString::number(*ceQty) : QString());
    EditDepo->setText(m_desk.hasReader() ? QString::number(r.DepoSum, 'f', 2) : QString());
    // A reader without a picture shows none, not the previous reader's.
    QPixmap picture;
    if (picture.loadFromData(r.PhotoBmp))
        Image1->setPixmap(
            picture.scaled(Image1->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        Image1->clear();
}

void TMDIBase::ShowRows()
{
    const int current = DBGrid1->currentRow();
    DBGrid1->rowsChanged();
    DBGrid1->setCurrentRow(qMin(qMax(current, 0), int(m_desk.rows().size()) - 1));
    EditQty->setText(QString::number(m_desk.EditQty()));
}

void TMDIBase::ShowDesk()
{
    ShowReader();
    ShowRows();
}

void TMDIBase::LoadReader()
{
    Guarded(prompt(), [this] { m_desk.LoadReader(EditRCode->text()); });
    ShowDesk();
}

void TMDIBase::EditRCodeExit()
{
    // Another number loads that reader; the same number again keeps the visit.
    const QString code = EditRCode->text().trimmed();
    if (!code.isEmpty() && code != m_desk.reader().Code)
        LoadReader();
}

void TMDIBase::AddDetail()
{
    const QString code = EditBCode->text();
    EditBCode->clear();
    Guarded(prompt(), [&] { m_desk.AddDetail(code); });
    ShowDesk();
    EditBCode->setFocus();
}

void TMDIBase::BtSaveClick()
{
    bool saved = false;
    std::optional<ReservationList::Query> waiting;
    Guarded(prompt(), [&] {
        saved = m_desk.Confirm();
        if (saved)
            waiting = m_desk.waitingReservations();
    });
    // A refused or failed confirmation keeps the visit for another try.
    if (!saved)
        return;
    // The desk is empty once written; the grid must not show the rows it had.
    ShowDesk();
    if (waiting)
        ShowReservations(*waiting);
    BtClearClick();
}

void TMDIBase::BtClearClick()
{
    m_desk.clear();
    EditBCode->clear();
    ShowDesk();
    if (m_desk.mode() == BorrowDesk::Mode::Borrow)
        EditRCode->setFocus();
    else
        EditBCode->setFocus();
}

void TMDIBase::N1Click()
{
    m_desk.DeleteDetail(DBGrid1->currentRow());
    ShowRows();
}

void TMDIBase::DeleteKey()
{
    m_desk.DeleteRow(DBGrid1->currentRow());
    ShowRows();
}

void TMDIBase::DBGrid1DblClick(int row)
{
    Guarded(prompt(),
            [&] { m_desk.DoubleClick(row, [this](const QDate &current) { return ChooseDueDate(current); }); });
    ShowRows();
}

void TMDIBase::SbtReaderClick()
{
    TFrmFindReader lookup(context(), this);
    lookup.exec();
    if (lookup.ResultCode.isEmpty())
        return;
    EditRCode->setText(lookup.ResultCode);
    LoadReader();
    EditBCode->setFocus();
}

void TMDIBase::SbtBookClick()
{
    if (!m_desk.checkReaderFirst())
        return;
    const QString code = PickItem();
    if (code.isEmpty())
        return;
    EditBCode->setText(code);
    AddDetail();
}

void TMDIBase::SbtDestClick()
{
    ShowReservations(m_desk.reservations());
}

void TMDIBase::SbtReaderinfoClick()
{
    if (!EditRCode->text().isEmpty())
        ShowReaderDetail(context(), EditRCode->text(), this);
}

void TMDIBase::BtInterfaceClick()
{
    if (ShowSetInterface(context(), TableCode, this))
        SetGridColumns(TableCode);
}

bool TMDIBase::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box != EditRCode && box != EditBCode)
        return TFrmBaseD::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn)
        setBoxColour(box, kEditing);
    if (event->type() == QEvent::FocusOut)
        setBoxColour(box, Qt::white);
    if (box == EditRCode && leftBox(this, event))
        EditRCodeExit();
    if (event->type() != QEvent::KeyPress)
        return TFrmBaseD::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_F5) {
        box == EditRCode ? SbtReaderClick() : SbtBookClick();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (box == EditRCode) {
            EditRCodeExit();
            EditBCode->setFocus();
        } else if (EditBCode->text().trimmed().isEmpty()) {
            BtSaveClick();
        } else {
            AddDetail();
        }
        return true;
    }
    if (key == Qt::Key_Up && box == EditBCode) {
        EditRCode->setFocus();
        return true;
    }
    return TFrmBaseD::eventFilter(watched, event);
}

void TMDIBase::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        BtHelp->click();
        return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BtSaveClick();
        return;
    case Qt::Key_F3:
        BtClearClick();
        return;
    case Qt::Key_F4:
        close();
        return;
    case Qt::Key_F6:
        SbtDestClick();
        return;
    case Qt::Key_F7:
        SbtReaderinfoClick();
        return;
    case Qt::Key_F8:
        BtInterfaceClick();
        return;
    case Qt::Key_F9:
        AtBorrow->trigger();
        return;
    case Qt::Key_F10:
        AtRenew->trigger();
        return;
    case Qt::Key_F11:
        AtReturn->trigger();
        return;
    case Qt::Key_Delete:
        if (focusWidget() == DBGrid1->view()) {
            DeleteKey();
            return;
        }
        break;
    default:
        break;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TMDIBase::closeEvent(QCloseEvent *event)
{
    if (!m_desk.canClose()) {
        event->ignore();
        return;
    }
    // The frame closes the window a second time; the answer holds for both.
    m_desk.clear();
    TFrmBaseD::closeEvent(event);
}

} // namespace tarvo::gui
