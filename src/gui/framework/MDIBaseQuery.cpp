#include "MDIBaseQuery.h"

#include "GridOutput.h"
#include "HelpViewer.h"
#include "SetInterface.h"
#include "gui/controls/Colours.h"
#include "gui/controls/ToolButtons.h"
#include "gui/controls/DataGrid.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/framework/ColumnLayout.h"
#include "core/framework/FieldKinds.h"
#include "core/framework/PagedResult.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TMDIBaseQuery::TMDIBaseQuery(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel1(new QWidget(this))
    , LbCaption(new QLabel(u"日期:"_s, Panel1))
    , ToolBar1(new QToolBar(this))
    , DBGridEh1(new DataGrid(this))
    , Panel2(new QWidget(this))
    , LbQty(new QLabel(Panel2))
    , PopupMenu1(new QMenu(this))
    , PopupMenu2(new QMenu(this))
{
    resize(646, 436);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(35);
    LbCaption->setObjectName(u"LbCaption"_s);
    auto *top = new QHBoxLayout(Panel1);
    top->setContentsMargins(8, 0, 8, 0);
    top->addWidget(LbCaption);
    top->addStretch();
    ToolBar1->setObjectName(u"ToolBar1"_s);
    BtFind = addToolButton(ToolBar1, u"BtFind"_s, u" 查询(&F) "_s, u"按条件进行查询,,快捷键[Alt+F]"_s);
    BtPrint = addToolButton(ToolBar1, u"BtPrint"_s, u" 打印(&P) "_s, u"打印表格数据,快捷键[Alt+P]"_s);
    BtInterface = addToolButton(ToolBar1, u"BtInterface"_s, u" 界面(&I) "_s, u"界面显示控制及保存,,快捷键[Alt+I]"_s);
    BtExit = addToolButton(ToolBar1, u"BtExit"_s, u" 关闭(&E) "_s, u"关闭本窗口,快捷键[Alt+E]"_s);
    BtHelp = addToolButton(ToolBar1, u"BtHelp"_s, u" 帮助(&H) "_s, u"显示当前帮助,快捷键[Alt+H]"_s);
    ToolBar1->actions().last()->setVisible(false);
    DBGridEh1->setObjectName(u"DBGridEh1"_s);
    Panel2->setObjectName(u"Panel2"_s);
    Panel2->setFixedHeight(22);
    LbQty->setObjectName(u"LbQty"_s);
    QFont bold = LbQty->font();
    bold.setBold(true);
    LbQty->setFont(bold);
    auto *bottom = new QHBoxLayout(Panel2);
    bottom->setContentsMargins(8, 0, 8, 0);
    bottom->addWidget(LbQty);
    bottom->addStretch();
    ShowCount();

    PopupMenu2->addAction(u"打印报表"_s, this, [this] {
        PrintReport(this, this->context(), {QString(), windowTitle(), ConditionCaption}, DBGridEh1->shownData());
    })->setObjectName(u"N1"_s);
    PopupMenu2->addAction(u"打印预览"_s, this, [this] {
        PreviewReport(this, this->context(), {QString(), windowTitle(), ConditionCaption}, DBGridEh1->shownData());
    })->setObjectName(u"N4"_s);
    PopupMenu2->addAction(u"导出Excel"_s, this, [this] {
        ExportToExcel(this, this->context(), windowTitle(), DBGridEh1->shownData());
    })->setObjectName(u"N7"_s);
    PopupMenu1->addAction(u"界面保存"_s, this, &TMDIBaseQuery::SaveLayout)->setObjectName(u"N2"_s);
    PopupMenu1->addAction(u"界面控制"_s, this, [this] {
        if (ShowSetInterface(this->context(), TableCode, this))
            LoadColumns();
    })->setObjectName(u"N3"_s);

    paint(Panel1, Colours::QueryPanel);
    paint(Panel2, Colours::QueryPanel);
    paint(ToolBar1, Colours::QueryToolBar);
    DBGridEh1->setHeaderColour(Colours::QueryToolBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(ToolBar1);
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(Panel2);

    connect(BtFind, &QToolButton::clicked, this, [this] { BtFindClick(); });
    connect(BtPrint, &QToolButton::clicked, this, [this] { PopupMenu2->popup(QCursor::pos()); });
    connect(BtInterface, &QToolButton::clicked, this, [this] { PopupMenu1->popup(QCursor::pos()); });
    connect(BtExit, &QToolButton::clicked, this, &TMDIBaseQuery::close);
    connect(BtHelp, &QToolButton::clicked, this, [this] { ShowHelp(this, HelpTopic); });
    connect(DBGridEh1, &DataGrid::escapePressed, this, &TMDIBaseQuery::close);
    // A title click sorts ascending, every time, without a marker.
    connect(DBGridEh1, &DataGrid::titleClicked, this, [this](int column) {
        const QList<GridColumn> &columns = DBGridEh1->model()->columns();
        if (!ADOQueryBill || column < 0 || column >= columns.size())
            return;
        try {
            ADOQueryBill->sortBy(columns.at(column).field, false);
        } catch (const DbError &e) {
            prompt().error(e.message());
            return;
        }
        DBGridEh1->rowsChanged();
        DBGridEh1->setCurrentRow(0);
    });
}

TMDIBaseQuery::~TMDIBaseQuery()
{
    // The grid must let go of the rows before they go.
    DBGridEh1->setRows(nullptr, {});
}

void TMDIBaseQuery::InitForm()
{
    TFrmBaseD::InitForm();
    if (const std::optional<QString> tableCode = ColumnLayout(db()).tableCodeOf(objectName()))
        TableCode = *tableCode;
    LoadColumns();
}

void TMDIBaseQuery::LoadColumns()
{
    DBGridEh1->setEnabled(false);
    QList<GridColumn> columns;
    const QList<LayoutColumn> layout = TableCode.isEmpty() ? QList<LayoutColumn>()
                                                           : ColumnLayout(db()).visibleColumns(TableCode);
    for (const LayoutColumn &c : layout)
        columns.append({c.field, c.title, c.width, kindOfField(c.field), SumFields.contains(c.field, Qt::CaseInsensitive)});
    // Without a layout the grid shows every field of the result.
    if (columns.isEmpty()) {
        for (const QString &field : m_fields)
            columns.append({field, field, 90, kindOfField(field), SumFields.contains(field, Qt::CaseInsensitive)});
    }
    DBGridEh1->setColumns(columns);
    ShowSums();
    DBGridEh1->setEnabled(true);
}

void TMDIBaseQuery::OpenQuery(const QString &select, const SqlCondition &condition, const QString &order)
{
    try {
        auto result = std::make_unique<PagedResult>(db(), select + condition.whereClause(), condition.params(), order);
        const bool firstResult = m_fields.isEmpty();
        m_fields = result->fieldNames();
        DBGridEh1->setRows(result.get(), m_fields);
        ADOQueryBill = std::move(result);
        if (firstResult && TableCode.isEmpty())
            LoadColumns();
    } catch (const DbError &e) {
        prompt().error(e.message());
        DBGridEh1->setRows(nullptr, {});
        ADOQueryBill.reset();
    }
    ShowCount();
    ShowSums();
}

void TMDIBaseQuery::SetConditionCaption(const QString &caption)
{
    ConditionCaption = caption;
    LbCaption->setText(caption);
}

void TMDIBaseQuery::ShowCount()
{
    LbQty->setText(u"共 %1 条记录"_s.arg(ADOQueryBill ? ADOQueryBill->count() : 0));
}

void TMDIBaseQuery::ShowSums()
{
    const QList<GridColumn> &columns = DBGridEh1->model()->columns();
    QStringList texts;
    bool any = false;
    for (const GridColumn &c : columns) {
        if (c.footerSum && ADOQueryBill) {
            const double sum = ADOQueryBill->sum(c.field);
            texts << (c.kind == ValueKind::Integer ? QString::number(qint64(sum)) : QString::number(sum, 'f', 2));
            any = true;
        } else {
            texts << QString();
        }
    }
    DBGridEh1->setFooter(any ? texts : QStringList());
}

void TMDIBaseQuery::SaveLayout()
{
    if (TableCode.isEmpty())
        return;
    QList<std::pair<QString, int>> columns;
    for (const GridColumn &c : DBGridEh1->shownColumns())
        columns.append({c.field, c.width});
    try {
        ColumnLayout(db()).saveGrid(TableCode, columns);
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TMDIBaseQuery::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp(this, HelpTopic);
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

} // namespace tarvo::gui
