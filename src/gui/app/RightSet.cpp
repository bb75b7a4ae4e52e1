#include "RightSet.h"

#include "Guarded.h"
#include "Useradd.h"
#include "core/app/Operators.h"
#include "core/framework/ColumnLayout.h"
#include "gui/controls/Colours.h"
#include "gui/controls/DataGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

struct ModuleBox
{
    int module;
    QString caption;
};

struct RightsPage
{
    QString title;
    QList<ModuleBox> boxes;
};

// The check boxes of the modules, by page; modules 8 and 11 gate nothing and have none.
const QList<RightsPage> &rightsPages()
{
    static const QList<RightsPage> pages{
        {u"基础资料"_s,
         {{0, u"图书编目"_s},
          {1, u"图书类别"_s},
          {2, u"图书词库"_s},
          {34, u"图书预编"_s},
          {7, u"图书征订"_s},
          {6, u"图书报废"_s},
          {23, u"期刊编目"_s},
          {24, u"期刊征订"_s},
          {25, u"期刊报废"_s},
          {3, u"读者管理"_s},
          {4, u"读者类别"_s},
          {5, u"读者词库"_s}}},
        {u"借还管理"_s, {{9, u"借还图书"_s}, {10, u"图书罚款"_s}, {26, u"借还期刊"_s}, {27, u"期刊罚款"_s}}},
        {u"图书报表"_s,
         {{12, u"借书查询"_s},
          {13, u"还书查询"_s},
          {14, u"逾期列表"_s},
          {15, u"借阅排名"_s},
          {16, u"每日盘点"_s},
          {22, u"操作员查询"_s}}},
        {u"期刊报表"_s,
         {{28, u"借书查询"_s},
          {29, u"还书查询"_s},
          {30, u"逾期列表"_s},
          {31, u"借阅排名"_s},
          {32, u"每日盘点"_s},
          {33, u"操作员查询"_s}}},
        {u"系统管理"_s,
         {{17, u"操作员权限"_s}, {18, u"系统设置"_s}, {19, u"数据备份"_s}, {20, u"数据恢复"_s}, {21, u"数据清理"_s}}},
    };
    return pages;
}

constexpr int kSystemPage = 4;

QToolButton *toolButton(QToolBar *bar, const QString &name, const QString &caption)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(64, 24);
    bar->addWidget(button);
    return button;
}

} // namespace

TFrmRightSet::TFrmRightSet(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , DBGrid1(new DataGrid(this))
    , PageControl1(new QTabWidget(this))
{
    setObjectName(u"FrmRightSet"_s);
    setWindowTitle(u"权限设置"_s);
    resize(800, 460);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(u"ToolBar1"_s);
    BtAdd = toolButton(toolBar, u"BtAdd"_s, u"新增(&A)"_s);
    BtEdit = toolButton(toolBar, u"BtEdit"_s, u"修改(&M)"_s);
    BtDelete = toolButton(toolBar, u"BtDelete"_s, u"删除(&D)"_s);
    toolBar->addSeparator();
    BtGrant = toolButton(toolBar, u"BtGrant"_s, u"授权(&R)"_s);
    toolBar->addSeparator();
    BtExit = toolButton(toolBar, u"BtExit"_s, u"退出(&E)"_s);
    paint(toolBar, Colours::ToolBar);

    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setHeaderColour(Colours::ToolBar);
    DBGrid1->setFixedWidth(306);
    PageControl1->setObjectName(u"PageControl1"_s);
    for (const RightsPage &page : rightsPages()) {
        auto *sheet = new QWidget(PageControl1);
        auto *grid = new QGridLayout(sheet);
        grid->setContentsMargins(18, 14, 18, 14);
        grid->setHorizontalSpacing(24);
        grid->setVerticalSpacing(10);
        for (int i = 0; i < page.boxes.size(); ++i) {
            const ModuleBox &box = page.boxes.at(i);
            auto *check = new QCheckBox(box.caption, sheet);
            check->setObjectName(u"CheckBox%1"_s.arg(box.module));
            m_boxes[box.module] = check;
            grid->addWidget(check, i / 2, i % 2);
        }
        grid->setRowStretch(grid->rowCount(), 1);
        PageControl1->addTab(sheet, page.title);
    }
    auto *BtAll = new QPushButton(u"全选"_s, this);
    BtAll->setObjectName(u"BtAll"_s);
    auto *BtNone = new QPushButton(u"全清"_s, this);
    BtNone->setObjectName(u"BtNone"_s);
    for (QPushButton *b : {BtAll, BtNone})
        b->setAutoDefault(false);

    auto *checks = new QHBoxLayout;
    checks->addStretch();
    checks->addWidget(BtAll);
    checks->addWidget(BtNone);
    auto *right = new QVBoxLayout;
    right->addWidget(PageControl1, 1);
    right->addLayout(checks);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->setSpacing(10);
    body->addWidget(DBGrid1);
    body->addLayout(right, 1);
    auto *panel = new QWidget(this);
    paint(panel, Colours::QueryPanel);
    panel->setLayout(body);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(panel, 1);

    connect(BtAdd, &QToolButton::clicked, this, &TFrmRightSet::BtAddClick);
    connect(BtEdit, &QToolButton::clicked, this, &TFrmRightSet::BtEditClick);
    connect(BtDelete, &QToolButton::clicked, this, &TFrmRightSet::BtDeleteClick);
    connect(BtGrant, &QToolButton::clicked, this, &TFrmRightSet::BtGrantClick);
    connect(BtExit, &QToolButton::clicked, this, &TFrmRightSet::close);
    connect(BtAll, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(BtNone, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(DBGrid1->view()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFrmRightSet::LoadRights);
    connect(DBGrid1, &DataGrid::rowActivated, this, &TFrmRightSet::BtEditClick);
}

TFrmRightSet::~TFrmRightSet()
{
    // The grid must let go of the rows before they go.
    DBGrid1->setRows(nullptr, {});
}

void TFrmRightSet::InitForm()
{
    TFrmBaseD::InitForm();
    Guarded(prompt(), [this] {
        ColumnLayout layout(db());
        QList<GridColumn> columns;
        if (const std::optional<QString> table = layout.tableCodeOf(objectName())) {
            for (const LayoutColumn &c : layout.visibleColumns(*table))
                columns.append({c.field, c.title, c.width});
        }
        DBGrid1->setColumns(columns);
    });
    OpenOperators();
}

QString TFrmRightSet::CurrentCode() const
{
    const int row = DBGrid1->currentRow();
    if (!m_operators || row < 0 || row >= m_operators->count())
        return {};
    return m_operators->result().at(row, m_operators->result().fieldIndex(u"UseCode")).toString();
}

void TFrmRightSet::OpenOperators(const QString &code)
{
    Guarded(prompt(), [&] {
        // The old rows live until the grid has let go of them.
        const std::unique_ptr<ResultSetRows> old =
            std::exchange(m_operators, std::make_unique<ResultSetRows>(Operators(db()).list()));
        DBGrid1->setRows(m_operators.get(), m_operators->result().fieldNames());
        if (!code.isEmpty() && m_operators->result().locate(u"UseCode", code))
            DBGrid1->setCurrentRow(int(m_operators->result().position()));
        else
            DBGrid1->setCurrentRow(0);
    });
    PageControl1->setCurrentIndex(kSystemPage);
    LoadRights();
}

void TFrmRightSet::LoadRights()
{
    const QString code = CurrentCode();
    ModuleRights = {};
    if (!code.isEmpty())
        Guarded(prompt(), [&] { ModuleRights = OperatorRights::load(db(), code); });
    for (int module = 0; module < OperatorRights::kModuleCount; ++module) {
        if (m_boxes[module])
            m_boxes[module]->setChecked(ModuleRights[size_t(module)]);
    }
}

void TFrmRightSet::SetAll(bool checked)
{
    for (QCheckBox *box : m_boxes) {
        if (box)
            box->setChecked(checked);
    }
}

void TFrmRightSet::BtAddClick()
{
    TFrmUseradd dialog(context(), TFrmUseradd::Mode::Add, QString(), this);
    dialog.exec();
    OpenOperators(dialog.SavedUserCode);
}

void TFrmRightSet::BtEditClick()
{
    const QString code = CurrentCode();
    if (code.isEmpty())
        return;
    TFrmUseradd dialog(context(), TFrmUseradd::Mode::Edit, code, this);
    dialog.exec();
    OpenOperators(dialog.SavedUserCode.isEmpty() ? code : dialog.SavedUserCode);
}

void TFrmRightSet::BtDeleteClick()
{
    const QString code = CurrentCode();
    if (code.isEmpty())
        return;
    bool deleted = false;
    Guarded(prompt(), [&] { deleted = Operators(db()).remove(prompt(), code) == Operators::DeleteResult::Deleted; });
    if (deleted)
        OpenOperators();
}

void TFrmRightSet::BtGrantClick()
{
    const QString code = CurrentCode();
    if (code.isEmpty())
        return;
    // Modules without a box keep the values last loaded.
    OperatorRights::ModuleRights rights = ModuleRights;
    for (int module = 0; module < OperatorRights::kModuleCount; ++module) {
        if (m_boxes[module])
            rights[size_t(module)] = m_boxes[module]->isChecked();
    }
    if (Guarded(prompt(), [&] { OperatorRights::grant(db(), code, rights); }))
        ModuleRights = rights;
}

} // namespace tarvo::gui
