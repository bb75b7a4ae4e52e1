#pragma once

#include "core/framework/GridData.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace tarvo::gui {

// The rows of a grid as a table model: the grid's columns over any rows of the
// core (a paged result of a million rows, or a held result), read as they come
// into view.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    // The rows to show and the names of their fields; columns are matched to fields by name.
    void setRows(const GridRows *rows, const QStringList &fields);
    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    void setColumnTitle(int column, const QString &title);
    // Rows changed underneath (a requery or a sort): the views read them again.
    void rowsChanged();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The value of a field in a row, whether or not a column shows it.
    QVariant fieldValue(int row, const QString &field) const;
    const GridRows *rows() const { return m_rows; }
    // The column of the rows that a grid column shows; -1 when the rows lack its field.
    int sourceColumn(int column) const;

    static QString displayText(const QVariant &value);
    // The header of grid columns as every grid of the system shows it: centred titles
    // (the field when a column has none), and no row numbers, only the row marker.
    static QVariant columnHeader(const QList<GridColumn> &columns, int section, Qt::Orientation orientation,
                                 int role);

private:
    const GridRows *m_rows = nullptr;
    QStringList m_fields;
    QList<GridColumn> m_columns;
    QList<int> m_sourceColumns;
};

} // namespace tarvo::gui
