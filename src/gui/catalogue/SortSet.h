#pragma once

#include "gui/framework/BaseD.h"

#include "core/catalogue/Classification.h"

class QLabel;
class QModelIndex;
class QTableView;
class QToolBar;
class QToolButton;
class QTreeView;

namespace tarvo::gui {

class ClassTreeModel;
class SubclassModel;

// 中图分类简表: the classification scheme as a tree, with the direct subclasses of
// the clicked class in an editable grid. It keeps the scheme (图书分类) and is the
// class picker of the editors and condition dialogs: the caller runs it modally and
// reads ChosenCode (empty: nothing chosen) and, where it needs it, ChosenKey.
class TFrmSortSet : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmSortSet(WindowContext &context, QWidget *parent = nullptr);
    ~TFrmSortSet() override;

    QString ChosenCode;
    QString ChosenKey; // set by 确定 and a double click on the tree only

    QTreeView *tree() const { return Tvtemp; }
    QTableView *grid() const { return DBGrid1; }

protected:
    void InitForm() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QToolBar *ToolBar1;
    QToolButton *TbtAdd;
    QToolButton *TbtEdit;
    QToolButton *TbtDelete;
    QToolButton *TbtOk;
    QToolButton *TbtExit;
    QToolButton *TbtHelp;
    QTreeView *Tvtemp;
    QTableView *DBGrid1;
    QLabel *LabelHint;

private:
    void TbtAddClick();
    void TbtEditClick();
    void TbtDeleteClick();
    // 确定 and a double click: the class number and the key.
    void ChooseWithKey();
    // Enter in the tree: the class number alone.
    void ChooseCode();
    // A double click on the grid: the class number of its row.
    void ChooseGridRow();
    void TvtempExpanding(const QModelIndex &index);
    void TvtempClick(const QModelIndex &index);

    ClassNode *SelectedNode() const;
    // The stored row of a node; nothing for none, the root, or a failed read (said).
    std::optional<Classification::Row> ReadRow(const ClassNode *node);
    void RefreshGrid();

    Classification m_classes;
    ClassTreeModel *m_treeModel;
    SubclassModel *m_gridModel;
};

} // namespace tarvo::gui
