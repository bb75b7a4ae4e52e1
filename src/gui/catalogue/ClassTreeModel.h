#pragma once

#include "core/catalogue/ClassTree.h"

#include <QAbstractItemModel>

namespace tarvo::gui {

// The classification tree as an item model: the root "中图分类简表" on top, each
// class as "SortCode SortName". It follows the core tree, which it does not own.
class ClassTreeModel : public QAbstractItemModel, private ClassTree::Listener
{
    Q_OBJECT
public:
    explicit ClassTreeModel(ClassTree &tree, QObject *parent = nullptr);
    ~ClassTreeModel() override;

    ClassNode *node(const QModelIndex &index) const;
    QModelIndex indexOf(const ClassNode *node) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    void childrenAboutToBeAdded(const ClassNode &parent, int first, int last) override;
    void childrenAdded() override;
    void nodeAboutToBeRemoved(const ClassNode &node) override;
    void nodeRemoved() override;
    void nodeChanged(const ClassNode &node) override;
    void aboutToBeCleared() override;
    void cleared() override;

    ClassTree &m_tree;
};

} // namespace tarvo::gui
