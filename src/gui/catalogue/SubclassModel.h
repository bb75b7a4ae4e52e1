#pragma once

#include "core/catalogue/Classification.h"
#include "core/framework/GridData.h"

#include <QAbstractTableModel>

namespace tarvo::gui {

// The direct subclasses of one class, as the grid beside the tree shows them. A
// class number or name changed in a cell is written to Type at once; the keys that
// hold the tree together cannot be edited.
class SubclassModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    SubclassModel(Classification &classes, QObject *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    // Shows the subclasses of a class.
    void showChildrenOf(const QString &key);
    // Reads them again.
    void refresh();
    const QString &parentKey() const { return m_parentKey; }
    // The class number of a row; empty for none.
    QString codeAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    QString field(int column) const;
    bool editable(int column) const;
    static QString valueOf(const Classification::Row &row, const QString &field);

    Classification &m_classes;
    QList<GridColumn> m_columns;
    QString m_parentKey;
    QList<Classification::Row> m_rows;
};

} // namespace tarvo::gui
