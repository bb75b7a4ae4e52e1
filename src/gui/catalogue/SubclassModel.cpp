#include "SubclassModel.h"

#include "gui/controls/GridModel.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

SubclassModel::SubclassModel(Classification &classes, QObject *parent)
    : QAbstractTableModel(parent)
    , m_classes(classes)
{
}

void SubclassModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void SubclassModel::showChildrenOf(const QString &key)
{
    beginResetModel();
    m_parentKey = key;
    m_rows = m_classes.subclasses(key);
    endResetModel();
}

void SubclassModel::refresh()
{
    showChildrenOf(m_parentKey);
}

QString SubclassModel::codeAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).code : QString();
}

QString SubclassModel::field(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns.at(column).field : QString();
}

bool SubclassModel::editable(int column) const
{
    const QString f = field(column);
    return f.compare(u"SortCode"_s, Qt::CaseInsensitive) == 0 || f.compare(u"SortName"_s, Qt::CaseInsensitive) == 0;
}

QString SubclassModel::valueOf(const Classification::Row &row, const QString &field)
{
    if (field.compare(u"SortCode"_s, Qt::CaseInsensitive) == 0)
        return row.code;
    if (field.compare(u"SortName"_s, Qt::CaseInsensitive) == 0)
        return row.name;
    if (field.compare(u"sKey"_s, Qt::CaseInsensitive) == 0)
        return row.key;
    if (field.compare(u"ParentKey"_s, Qt::CaseInsensitive) == 0)
        return row.parentKey;
    return {};
}

int SubclassModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SubclassModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SubclassModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return valueOf(m_rows.at(index.row()), field(index.column()));
}

QVariant SubclassModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return GridModel::columnHeader(m_columns, section, orientation, role);
}

Qt::ItemFlags SubclassModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && editable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool SubclassModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !editable(index.column()))
        return false;
    Classification::Row &row = m_rows[index.row()];
    const QString f = field(index.column());
    const QString text = value.toString().trimmed();
    if (text == valueOf(row, f))
        return false;
    if (!m_classes.setField(row.key, f, text))
        return false;
    if (f.compare(u"SortCode"_s, Qt::CaseInsensitive) == 0)
        row.code = text;
    else
        row.name = text;
    emit dataChanged(index, index);
    return true;
}

} // namespace tarvo::gui
