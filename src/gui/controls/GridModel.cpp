#include "GridModel.h"

#include "core/app/Helpers.h"

#include <QDate>
#include <QDateTime>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void GridModel::setRows(const GridRows *rows, const QStringList &fields)
{
    beginResetModel();
    m_rows = rows;
    m_fields = fields;
    setColumns(m_columns);
    endResetModel();
}

void GridModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_sourceColumns.clear();
    for (const GridColumn &c : m_columns) {
        int index = -1;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).compare(c.field, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        }
        m_sourceColumns << index;
    }
    endResetModel();
}

void GridModel::setColumnTitle(int column, const QString &title)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::rowsChanged()
{
    beginResetModel();
    endResetModel();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_rows ? 0 : int(m_rows->count());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int GridModel::sourceColumn(int column) const
{
    return column >= 0 && column < m_sourceColumns.size() ? m_sourceColumns.at(column) : -1;
}

QString GridModel::displayText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'f', 2);
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QDateTime:
        return dateText(value.toDateTime().date());
    case QMetaType::Bool:
        return value.toBool() ? u"是"_s : u"否"_s;
    default:
        return value.toString();
    }
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!m_rows || !index.isValid())
        return {};
    const QVariant value = m_rows->value(index.row(), sourceColumn(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        return displayText(value);
    case Qt::TextAlignmentRole: {
        if (m_columns.at(index.column()).centred)
            return QVariant::fromValue(Qt::AlignCenter);
        const bool number = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
            || value.typeId() == QMetaType::LongLong;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeader(m_columns, section, orientation, role);
}

QVariant GridModel::columnHeader(const QList<GridColumn> &columns, int section, Qt::Orientation orientation,
                                 int role)
{
    // Rows carry no numbers: the narrow row header only marks the current row.
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (section < 0 || section >= columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns.at(section).title.isEmpty() ? columns.at(section).field : columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant GridModel::fieldValue(int row, const QString &field) const
{
    if (!m_rows)
        return {};
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return m_rows->value(row, i);
    }
    return {};
}

} // namespace tarvo::gui
