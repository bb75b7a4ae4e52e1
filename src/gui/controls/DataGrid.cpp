#include "DataGrid.h"

#include "FooterBar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

DataGrid::DataGrid(QWidget *parent)
    : QWidget(parent)
    , m_view(new QTableView(this))
    , m_model(new GridModel(this))
    , m_footer(new FooterBar(m_view, this))
{
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    // Fixed row heights: a view over a million rows must not measure each one.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->verticalHeader()->setMinimumSectionSize(20);
    m_view->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_view->verticalHeader()->setFixedWidth(14);
    m_view->horizontalHeader()->setSectionsMovable(true);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);

    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::titleClicked);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        emit rowActivated(index.row());
    });
}

void DataGrid::setRows(const GridRows *rows, const QStringList &fields)
{
    // A requery keeps the widths and order the operator gave the columns.
    const QByteArray state = m_view->horizontalHeader()->saveState();
    m_model->setRows(rows, fields);
    m_view->horizontalHeader()->restoreState(state);
    if (m_model->rowCount() > 0)
        setCurrentRow(0);
}

void DataGrid::rowsChanged()
{
    const QByteArray state = m_view->horizontalHeader()->saveState();
    m_model->rowsChanged();
    m_view->horizontalHeader()->restoreState(state);
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    QHeaderView *header = m_view->horizontalHeader();
    // Dragged columns go back to their places before the new set takes them over.
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical != visual)
            header->moveSection(header->visualIndex(visual), visual);
    }
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        m_view->setColumnWidth(i, columns.at(i).width);
    m_footer->setTexts({});
}

QList<GridColumn> DataGrid::shownColumns() const
{
    QList<GridColumn> columns;
    const QHeaderView *header = m_view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical) || logical >= m_model->columns().size())
            continue;
        GridColumn column = m_model->columns().at(logical);
        column.width = header->sectionSize(logical);
        columns << column;
    }
    return columns;
}

GridData DataGrid::shownData()
{
    QList<int> sources;
    const QHeaderView *header = m_view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            sources << m_model->sourceColumn(logical);
    }
    m_shown = MappedRows(m_model->rows(), sources);
    return {shownColumns(), &m_shown};
}

int DataGrid::currentRow() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const int column = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : 0;
    m_view->setCurrentIndex(m_model->index(row, column));
    m_view->scrollTo(m_model->index(row, column));
}

void DataGrid::setHeaderColour(const QColor &colour)
{
    m_view->horizontalHeader()->setStyleSheet(u"QHeaderView::section { background-color: %1; padding: 2px;"
                                              " border: 1px solid #b0a080; }"_s.arg(colour.name()));
}

void DataGrid::setFooter(const QStringList &texts)
{
    m_footer->setTexts(texts);
}

bool DataGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            emit escapePressed();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit enterPressed(currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvo::gui
