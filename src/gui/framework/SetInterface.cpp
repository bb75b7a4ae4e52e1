#include "SetInterface.h"

#include "gui/controls/Colours.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {
enum Column { Title, Shown, Width, Order };
}

TFrmSetInterface::TFrmSetInterface(WindowContext &context, const QString &tableCode, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_tableCode(tableCode)
    , m_grid(new QTableWidget(0, 4, this))
{
    setObjectName(u"FrmSetInterface"_s);
    setWindowTitle(u"界面设置"_s);
    resize(380, 380);
    paint(this, Colours::QueryPanel);
    m_grid->setObjectName(u"DBGrid1"_s);
    m_grid->setHorizontalHeaderLabels({u"列名"_s, u"显示否"_s, u"列宽"_s, u"列序"_s});
    m_grid->setColumnWidth(Title, 92);
    m_grid->setColumnWidth(Shown, 66);
    m_grid->setColumnWidth(Width, 71);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setStyleSheet(
        u"QHeaderView::section { background-color: %1; }"_s.arg(Colours::QueryToolBar.name()));
    m_grid->verticalHeader()->setDefaultSectionSize(20);

    auto *note = new QLabel(u"注意:以上各列允许修改!"_s, this);
    auto *ok = new QPushButton(u"确定"_s, this);
    auto *cancel = new QPushButton(u"取消"_s, this);
    ok->setObjectName(u"BtOk"_s);
    cancel->setObjectName(u"BtCancel"_s);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(note);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TFrmSetInterface::Confirm);
    connect(cancel, &QPushButton::clicked, this, &TFrmSetInterface::reject);
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_loading)
            m_editedRows.insert(item->row());
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (previousRow != row && m_editedRows.contains(previousRow))
            WriteRow(previousRow);
    });
}

void TFrmSetInterface::InitForm()
{
    TFrmBaseD::InitForm();
    m_rows = ColumnLayout(db()).allColumns(m_tableCode);
    m_loading = true;
    m_grid->setRowCount(int(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const LayoutColumn &c = m_rows.at(r);
        m_grid->setItem(r, Title, new QTableWidgetItem(c.title));
        auto *shown = new QTableWidgetItem;
        shown->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        shown->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
        m_grid->setItem(r, Shown, shown);
        auto *width = new QTableWidgetItem;
        width->setData(Qt::EditRole, c.width);
        m_grid->setItem(r, Width, width);
        auto *order = new QTableWidgetItem;
        order->setData(Qt::EditRole, c.order);
        m_grid->setItem(r, Order, order);
    }
    m_loading = false;
    if (!m_rows.isEmpty())
        m_grid->setCurrentCell(0, Title);
}

void TFrmSetInterface::WriteRow(int row)
{
    m_editedRows.remove(row);
    if (row < 0 || row >= m_rows.size())
        return;
    LayoutColumn c = m_rows.at(row);
    c.title = m_grid->item(row, Title)->text();
    c.visible = m_grid->item(row, Shown)->checkState() == Qt::Checked;
    c.width = m_grid->item(row, Width)->data(Qt::EditRole).toInt();
    c.order = m_grid->item(row, Order)->data(Qt::EditRole).toInt();
    try {
        ColumnLayout(db()).saveRows({c});
        m_rows[row] = c;
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TFrmSetInterface::Confirm()
{
    // An edit still open in a cell is committed before the row is written.
    if (QWidget *editor = m_grid->focusWidget(); editor && editor != m_grid)
        m_grid->setFocus();
    const QList<int> rows(m_editedRows.cbegin(), m_editedRows.cend());
    for (int row : rows)
        WriteRow(row);
    accept();
}

bool ShowSetInterface(WindowContext &context, const QString &tableCode, QWidget *parent)
{
    TFrmSetInterface dialog(context, tableCode, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tarvo::gui
