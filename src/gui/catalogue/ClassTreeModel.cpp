#include "ClassTreeModel.h"

#include <QFont>
#include <QColor>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

ClassTreeModel::ClassTreeModel(ClassTree &tree, QObject *parent)
    : QAbstractItemModel(parent)
    , m_tree(tree)
{
    m_tree.setListener(this);
}

ClassTreeModel::~ClassTreeModel()
{
    m_tree.setListener(nullptr);
}

ClassNode *ClassTreeModel::node(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<ClassNode *>(index.internalPointer()) : nullptr;
}

QModelIndex ClassTreeModel::indexOf(const ClassNode *node) const
{
    if (!node)
        return {};
    return createIndex(node->parent ? node->row : 0, 0, const_cast<ClassNode *>(node));
}

QModelIndex ClassTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? indexOf(m_tree.root()) : QModelIndex();
    const ClassNode *p = node(parent);
    if (row >= int(p->children.size()))
        return {};
    return createIndex(row, 0, p->children[row].get());
}

QModelIndex ClassTreeModel::parent(const QModelIndex &child) const
{
    const ClassNode *n = node(child);
    return n ? indexOf(n->parent) : QModelIndex();
}

int ClassTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    return parent.column() == 0 ? int(node(parent)->children.size()) : 0;
}

int ClassTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool ClassTreeModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant ClassTreeModel::data(const QModelIndex &index, int role) const
{
    const ClassNode *n = node(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return n->text();
    case Qt::ToolTipRole:
        // Long names are cut short in the tree; the tip shows them whole.
        return n->orphan ? QString(n->text() + u"（上级类目不存在）"_s) : n->text();
    case Qt::FontRole:
        if (n->orphan || !n->parent) {
            QFont font;
            font.setItalic(n->orphan);
            font.setBold(!n->parent);
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        return n->orphan ? QVariant(QColor(Qt::darkGray)) : QVariant();
    default:
        return {};
    }
}

void ClassTreeModel::childrenAboutToBeAdded(const ClassNode &parent, int first, int last)
{
    beginInsertRows(indexOf(&parent), first, last);
}

void ClassTreeModel::childrenAdded()
{
    endInsertRows();
}

void ClassTreeModel::nodeAboutToBeRemoved(const ClassNode &node)
{
    beginRemoveRows(indexOf(node.parent), node.row, node.row);
}

void ClassTreeModel::nodeRemoved()
{
    endRemoveRows();
}

void ClassTreeModel::nodeChanged(const ClassNode &node)
{
    const QModelIndex index = indexOf(&node);
    emit dataChanged(index, index);
}

void ClassTreeModel::aboutToBeCleared()
{
    beginResetModel();
}

void ClassTreeModel::cleared()
{
    endResetModel();
}

} // namespace tarvo::gui
