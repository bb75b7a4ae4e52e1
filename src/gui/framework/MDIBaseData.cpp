#include "MDIBaseData.h"

#include "GridOutput.h"
#include "HelpViewer.h"
#include "SetInterface.h"
#include "gui/controls/Colours.h"
#include "gui/controls/ToolButtons.h"
#include "gui/controls/DataGrid.h"

#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/framework/ColumnLayout.h"
#include "core/framework/FieldKinds.h"
#include "core/framework/PagedResult.h"
#include "core/framework/RecordActions.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TMDIBaseData::TMDIBaseData(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel2(new QLabel(this))
    , Panel1(new QWidget(this))
    , DBGrid1(new DataGrid(this))
    , Panel3(new QWidget(this))
    , ToolBar1(new QToolBar(this))
    , PopupMenu1(new QMenu(this))
    , PopupMenu2(new QMenu(this))
{
    resize(687, 493);
    Panel2->setObjectName(u"Panel2"_s);
    Panel2->setFixedHeight(34);
    Panel2->setAlignment(Qt::AlignCenter);
    QFont titleFont = Panel2->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    Panel2->setFont(titleFont);
    QPalette titlePalette = Panel2->palette();
    titlePalette.setColor(QPalette::WindowText, Colours::TitleNavy);
    Panel2->setPalette(titlePalette);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(33);
    Panel3->setObjectName(u"Panel3"_s);
    Panel3->setFixedHeight(17);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    ToolBar1->setObjectName(u"ToolBar1"_s);

    BtHelp = addToolButton(ToolBar1, u"BtHelp"_s, u" 帮助(F1)"_s, QString());
    ToolBar1->actions().last()->setVisible(false);
    BtAdd = addToolButton(ToolBar1, u"BtAdd"_s, u" 新增(&A)"_s, u"新增记录,快捷键[Alt+A]"_s);
    BtEdit = addToolButton(ToolBar1, u"BtEdit"_s, u" 修改(&M)"_s, u"修改当前记录,快捷键[Alt+M]"_s);
    BtDelete = addToolButton(ToolBar1, u"BtDelete"_s, u" 删除(&D)"_s, u"删除当前记录,快捷键[Alt+D]"_s);
    BtFind = addToolButton(ToolBar1, u"BtFind"_s, u" 查找(&F)"_s, u"查找符合条件的记录,快捷键[Alt+F]"_s);
    BtPrint = addToolButton(ToolBar1, u"BtPrint"_s, u"打印(&P)"_s, u"打印当前资料,快捷键[Alt+P]"_s);
    BtInterface = addToolButton(ToolBar1, u"BtInterface"_s, u"界面(&I)"_s, u"调整表格大小及显示控制,快捷键[Alt+I]"_s);
    BtExit = addToolButton(ToolBar1, u"BtExit"_s, u"关闭(E)"_s, u"退出本窗口,快捷键[Alt+E]"_s);
    BtExit->setShortcut(QKeySequence(u"Alt+E"_s));

    PopupMenu1->addAction(u"保存界面"_s, this, &TMDIBaseData::SaveLayout)->setObjectName(u"N1"_s);
    PopupMenu1->addAction(u"显示控制"_s, this, &TMDIBaseData::ShowLayoutDialog)->setObjectName(u"N2"_s);
    const auto report = [this] { return ReportRequest{ReportFile, Panel2->text(), QString()}; };
    PopupMenu2->addAction(u"报表预览"_s, this, [=, this] { PreviewReport(this, this->context(), report(), DBGrid1->shownData()); })
        ->setObjectName(u"N4"_s);
    PopupMenu2->addAction(u"报表打印"_s, this, [=, this] { PrintReport(this, this->context(), report(), DBGrid1->shownData()); })
        ->setObjectName(u"N3"_s);
    PopupMenu2->addAction(u"报表设计"_s, this, [=, this] { DesignReport(this, this->context(), report(), DBGrid1->shownData()); })
        ->setObjectName(u"N5"_s);
    PopupMenu2->addAction(u"导出Excel"_s, this, [this] { ExportToExcel(this, this->context(), Panel2->text(), DBGrid1->shownData()); })
        ->setObjectName(u"NExcel"_s);

    paint(Panel1, Colours::ListPanel);
    paint(Panel2, Colours::ListPanel);
    paint(Panel3, Colours::ListPanel);
    paint(ToolBar1, Colours::ToolBar);
    DBGrid1->setHeaderColour(Colours::ToolBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Panel1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel3);
    layout->addWidget(ToolBar1);

    connect(BtHelp, &QToolButton::clicked, this, &TMDIBaseData::ShowHelpTopic);
    connect(BtAdd, &QToolButton::clicked, this, [this] { BtAddClick(); });
    connect(BtEdit, &QToolButton::clicked, this, [this] { BtEditClick(); });
    connect(BtDelete, &QToolButton::clicked, this, [this] { BtDeleteClick(); });
    connect(BtFind, &QToolButton::clicked, this, [this] { BtFindClick(); });
    connect(BtExit, &QToolButton::clicked, this, &TMDIBaseData::close);
    connect(BtPrint, &QToolButton::clicked, this, [this] { PopupMenu2->popup(QCursor::pos()); });
    connect(BtInterface, &QToolButton::clicked, this, [this] { PopupMenu1->popup(QCursor::pos()); });
    connect(DBGrid1, &DataGrid::titleClicked, this, &TMDIBaseData::TitleClick);
    connect(DBGrid1, &DataGrid::rowActivated, this, [this] { BtEdit->click(); });
    connect(DBGrid1, &DataGrid::escapePressed, this, &TMDIBaseData::close);
}

TMDIBaseData::~TMDIBaseData()
{
    // The grid must let go of the rows before they go.
    DBGrid1->setRows(nullptr, {});
}

void TMDIBaseData::InitForm()
{
    TFrmBaseD::InitForm();
    ColumnLayout layout(db());
    const std::optional<QString> tableCode = layout.tableCodeOf(objectName());
    if (!tableCode) {
        m_setUpStopped = true;
        return;
    }
    TableCode = *tableCode;
    KeyField = layout.keyFieldOf(TableCode);
    LoadColumns();
}

void TMDIBaseData::LoadColumns()
{
    QList<GridColumn> columns;
    for (const LayoutColumn &c : ColumnLayout(db()).visibleColumns(TableCode))
        columns.append({c.field, c.title, c.width, kindOfField(c.field, DataTable), false});
    DBGrid1->setColumns(columns);
    SortField.clear();
}

void TMDIBaseData::OpenData(const QString &select, const QVariantList &params, const QString &order,
                            const QString &rowKey)
{
    try {
        auto rows = std::make_unique<PagedResult>(db(), select, params, order, rowKey);
        DBGrid1->setRows(rows.get(), rows->fieldNames());
        ADOqData = std::move(rows);
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TMDIBaseData::Requery(const QString &field, const QVariant &value)
{
    if (!ADOqData)
        return;
    ADOqData->requery();
    DBGrid1->rowsChanged();
    const qsizetype row = field.isEmpty() ? -1 : ADOqData->locate(field, value);
    DBGrid1->setCurrentRow(int(row >= 0 ? row : 0));
}

QVariant TMDIBaseData::CurrentValue(const QString &field) const
{
    const int row = DBGrid1->currentRow();
    return row < 0 || !ADOqData ? QVariant() : ADOqData->value(row, field);
}

void TMDIBaseData::BtAddClick()
{
    Requery();
}

void TMDIBaseData::BtEditClick()
{
    Requery();
}

void TMDIBaseData::BtDeleteClick()
{
    const int row = DBGrid1->currentRow();
    const QVariant key = CurrentValue(DeleteKeyField);
    const auto result = RecordActions::DeleteRecord(
        db(), prompt(), DataTable, DeleteKeyField, row < 0 ? QVariant() : key, [this] { return CheckDelete(); },
        [this] { BeforeDelete(); });
    if (result == RecordActions::DeleteResult::Refused || result == RecordActions::DeleteResult::Cancelled
        || result == RecordActions::DeleteResult::Failed)
        return;
    // Back to the row that took the deleted one's place (the new last row at the end).
    QVariant next;
    if (ADOqData && row >= 0) {
        const qsizetype after = row + 1 < ADOqData->count() ? row + 1 : row - 1;
        next = after >= 0 ? ADOqData->value(after, DeleteKeyField) : QVariant();
    }
    CurrentKey = next.toString();
    Requery(DeleteKeyField, next);
}

void TMDIBaseData::TitleClick(int column)
{
    GridModel *model = DBGrid1->model();
    if (!ADOqData || column < 0 || column >= model->columns().size())
        return;
    const QString field = model->columns().at(column).field;
    const auto stripMarker = [](QString title) {
        if (title.endsWith(u'▲') || title.endsWith(u'▼'))
            title.chop(1);
        return title;
    };
    if (field.compare(SortField, Qt::CaseInsensitive) != 0) {
        for (int c = 0; c < model->columns().size(); ++c) {
            if (model->columns().at(c).field.compare(SortField, Qt::CaseInsensitive) == 0)
                model->setColumnTitle(c, stripMarker(model->columns().at(c).title));
        }
        SortField = field;
    }
    const QString title = model->columns().at(column).title.trimmed();
    const bool ascending = !title.endsWith(u'▲');
    try {
        ADOqData->sortBy(field, !ascending);
    } catch (const DbError &e) {
        prompt().error(e.message());
        return;
    }
    model->setColumnTitle(column, stripMarker(title) + (ascending ? u"▲"_s : u"▼"_s));
    DBGrid1->rowsChanged();
    DBGrid1->setCurrentRow(0);
}

void TMDIBaseData::SaveLayout()
{
    QList<std::pair<QString, int>> columns;
    for (const GridColumn &c : DBGrid1->shownColumns())
        columns.append({c.field, c.width});
    try {
        ColumnLayout(db()).saveGrid(TableCode, columns);
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TMDIBaseData::ShowLayoutDialog()
{
    if (!ShowSetInterface(this->context(), TableCode, this))
        return;
    LoadColumns();
}

void TMDIBaseData::ShowHelpTopic()
{
    ShowHelp(this, HelpTopic);
}

void TMDIBaseData::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        BtHelp->click();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TMDIBaseData::closeEvent(QCloseEvent *event)
{
    DBGrid1->setRows(nullptr, {});
    ADOqData.reset();
    TFrmBaseD::closeEvent(event);
}

} // namespace tarvo::gui
