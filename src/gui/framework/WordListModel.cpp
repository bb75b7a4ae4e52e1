#include "WordListModel.h"

#include "gui/controls/GridModel.h"

namespace tarvo::gui {

WordListModel::WordListModel(WordList &words, QObject *parent)
    : QAbstractTableModel(parent)
    , m_words(words)
{
    m_words.setListener(this);
}

WordListModel::~WordListModel()
{
    m_words.setListener(nullptr);
}

void WordListModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

QStringList WordListModel::fields() const
{
    QStringList out;
    for (const GridColumn &c : m_columns)
        out << c.field;
    return out;
}

int WordListModel::maxLength(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_words.maxLength(m_columns.at(column).field) : 0;
}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_words.count();
}

int WordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_words.value(index.row(), m_columns.at(index.column()).field);
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return GridModel::columnHeader(m_columns, section, orientation, role);
}

Qt::ItemFlags WordListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_words.fields().contains(m_columns.at(index.column()).field, Qt::CaseInsensitive))
        f |= Qt::ItemIsEditable;
    return f;
}

bool WordListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_words.setCurrent(index.row()))
        return false;
    return m_words.setValue(m_columns.at(index.column()).field, value);
}

void WordListModel::aboutToBeReset()
{
    m_changing = true;
    beginResetModel();
}

void WordListModel::reset()
{
    endResetModel();
    m_changing = false;
}

void WordListModel::rowAboutToBeAdded(int row)
{
    m_changing = true;
    beginInsertRows({}, row, row);
}

void WordListModel::rowAdded()
{
    endInsertRows();
    m_changing = false;
}

void WordListModel::rowAboutToBeRemoved(int row)
{
    m_changing = true;
    beginRemoveRows({}, row, row);
}

void WordListModel::rowRemoved()
{
    endRemoveRows();
    m_changing = false;
}

void WordListModel::rowChanged(int row)
{
    if (!m_columns.isEmpty())
        emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

} // namespace tarvo::gui
