#include "SortSet.h"

#include "ClassTreeModel.h"
#include "SortSetEdit.h"
#include "SubclassModel.h"
#include "gui/controls/Colours.h"
#include "gui/framework/HelpViewer.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/framework/ColumnLayout.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QToolButton *toolButton(QToolBar *bar, const QString &name, const QString &caption)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(61, 24);
    bar->addWidget(button);
    return button;
}

// The hourglass while a level loads.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace

TFrmSortSet::TFrmSortSet(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , ToolBar1(new QToolBar(this))
    , Tvtemp(new QTreeView(this))
    , DBGrid1(new QTableView(this))
    , LabelHint(new QLabel(u"说明：双击所选类别或按确定选定退出！"_s, this))
    , m_classes(context.db, context.prompt)
    , m_treeModel(new ClassTreeModel(m_classes.tree(), this))
    , m_gridModel(new SubclassModel(m_classes, this))
{
    setObjectName(u"FrmSortSet"_s);
    setWindowTitle(u"中图分类简表"_s);
    resize(760, 540);
    ToolBar1->setObjectName(u"ToolBar1"_s);
    TbtAdd = toolButton(ToolBar1, u"TbtAdd"_s, u"新增(&A)"_s);
    TbtEdit = toolButton(ToolBar1, u"TbtEdit"_s, u"修改(&E)"_s);
    TbtDelete = toolButton(ToolBar1, u"TbtDelete"_s, u"删除(&D)"_s);
    ToolBar1->addSeparator();
    TbtOk = toolButton(ToolBar1, u"TbtOk"_s, u"确定(&O)"_s);
    TbtExit = toolButton(ToolBar1, u"TbtExit"_s, u"取消(&C)"_s);
    TbtHelp = toolButton(ToolBar1, u"TbtHelp"_s, u"帮助(&H)"_s);

    Tvtemp->setObjectName(u"Tvtemp"_s);
    Tvtemp->setModel(m_treeModel);
    Tvtemp->setHeaderHidden(true);
    Tvtemp->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tvtemp->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click chooses; it must not fold the node first.
    Tvtemp->setExpandsOnDoubleClick(false);
    Tvtemp->setUniformRowHeights(true);
    Tvtemp->installEventFilter(this);

    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setModel(m_gridModel);
    DBGrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    DBGrid1->verticalHeader()->setFixedWidth(14);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->horizontalHeader()->setStyleSheet(
        u"QHeaderView::section { background-color: %1; padding: 2px; border: 1px solid #b0a080; }"_s.arg(
            Colours::ToolBar.name()));

    auto *splitter = new QSplitter(this);
    splitter->addWidget(Tvtemp);
    splitter->addWidget(DBGrid1);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({370, 370});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(ToolBar1);
    layout->addWidget(splitter, 1);
    layout->addWidget(LabelHint);

    paint(this, Colours::EditDialog);
    paint(ToolBar1, Colours::EditDialog);

    connect(TbtAdd, &QToolButton::clicked, this, &TFrmSortSet::TbtAddClick);
    connect(TbtEdit, &QToolButton::clicked, this, &TFrmSortSet::TbtEditClick);
    connect(TbtDelete, &QToolButton::clicked, this, &TFrmSortSet::TbtDeleteClick);
    connect(TbtOk, &QToolButton::clicked, this, &TFrmSortSet::ChooseWithKey);
    connect(TbtExit, &QToolButton::clicked, this, &TFrmSortSet::reject);
    connect(TbtHelp, &QToolButton::clicked, this, [this] { ShowHelp(this, u"lbxz.htm"_s); });
    connect(Tvtemp, &QTreeView::expanded, this, &TFrmSortSet::TvtempExpanding);
    connect(Tvtemp, &QTreeView::doubleClicked, this, &TFrmSortSet::ChooseWithKey);
    connect(Tvtemp->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFrmSortSet::TvtempClick);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TFrmSortSet::ChooseGridRow);
}

TFrmSortSet::~TFrmSortSet()
{
    // The views let go of the models before the tree they show goes.
    Tvtemp->setModel(nullptr);
    DBGrid1->setModel(nullptr);
}

void TFrmSortSet::InitForm()
{
    TFrmBaseD::InitForm();
    ChosenCode.clear();
    ChosenKey.clear();
    try {
        ColumnLayout layout(db());
        QList<GridColumn> columns;
        if (const std::optional<QString> tableCode = layout.tableCodeOf(objectName())) {
            for (const LayoutColumn &c : layout.visibleColumns(*tableCode))
                columns.append({c.field, c.title, c.width, ValueKind::Text, false});
        }
        m_gridModel->setColumns(columns);
        for (int i = 0; i < columns.size(); ++i)
            DBGrid1->setColumnWidth(i, columns.at(i).width);
        m_classes.load();
        m_gridModel->showChildrenOf(m_classes.tree().root()->key);
    } catch (const DbError &e) {
        prompt().error(e.message());
        return;
    }
    Tvtemp->expand(m_treeModel->indexOf(m_classes.tree().root()));
    Tvtemp->setFocus();
}

ClassNode *TFrmSortSet::SelectedNode() const
{
    const QModelIndexList selected = Tvtemp->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : m_treeModel->node(selected.first());
}

void TFrmSortSet::TvtempExpanding(const QModelIndex &index)
{
    const WaitCursor wait;
    try {
        m_classes.loadBelow(m_treeModel->node(index));
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TFrmSortSet::TvtempClick(const QModelIndex &index)
{
    const ClassNode *node = m_treeModel->node(index);
    if (!node)
        return;
    try {
        m_gridModel->showChildrenOf(node->key);
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

std::optional<Classification::Row> TFrmSortSet::ReadRow(const ClassNode *node)
{
    if (!node)
        return std::nullopt;
    try {
        return m_classes.read(node->key);
    } catch (const DbError &e) {
        prompt().error(e.message());
        return std::nullopt;
    }
}

void TFrmSortSet::RefreshGrid()
{
    try {
        m_gridModel->refresh();
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TFrmSortSet::TbtAddClick()
{
    ClassNode *parent = SelectedNode();
    if (!m_classes.checkParent(parent))
        return;
    TFrmSortSetEdit dialog(context(), this);
    if (dialog.exec() != QDialog::Accepted || !m_classes.addClass(parent, dialog.CodeText, dialog.NameText))
        return;
    Tvtemp->expand(m_treeModel->indexOf(parent));
    RefreshGrid();
}

void TFrmSortSet::TbtEditClick()
{
    ClassNode *node = SelectedNode();
    if (!node || node == m_classes.tree().root())
        return;
    const std::optional<Classification::Row> row = ReadRow(node);
    TFrmSortSetEdit dialog(context(), this);
    dialog.CodeText = row ? row->code : QString();
    dialog.NameText = row ? row->name : QString();
    if (dialog.exec() == QDialog::Accepted && m_classes.changeClass(node, dialog.CodeText, dialog.NameText))
        RefreshGrid();
}

void TFrmSortSet::TbtDeleteClick()
{
    ClassNode *node = SelectedNode();
    if (!node || node == m_classes.tree().root())
        return;
    if (m_classes.deleteClass(node))
        RefreshGrid();
}

void TFrmSortSet::ChooseWithKey()
{
    const std::optional<Classification::Row> row = ReadRow(SelectedNode());
    ChosenCode = row ? row->code : QString();
    ChosenKey = row ? row->key : QString();
    accept();
}

void TFrmSortSet::ChooseCode()
{
    const std::optional<Classification::Row> row = ReadRow(SelectedNode());
    ChosenCode = row ? row->code : QString();
    accept();
}

void TFrmSortSet::ChooseGridRow()
{
    ChosenCode = m_gridModel->codeAt(DBGrid1->currentIndex().row());
    accept();
}

bool TFrmSortSet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Tvtemp && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChooseCode();
            return true;
        }
    }
    return TFrmBaseD::eventFilter(watched, event);
}

} // namespace tarvo::gui
