#pragma once

#include "GridModel.h"
#include "core/framework/RowViews.h"

#include <QWidget>

class QTableView;

namespace tarvo::gui {

class FooterBar;

// The grid of the list, query and desk windows: read-only rows over a grid model,
// titles centred, columns that the operator can resize and move, an optional footer
// of sums, and the title clicks, double clicks and Esc the windows act on.
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    QTableView *view() const { return m_view; }
    GridModel *model() const { return m_model; }

    void setRows(const GridRows *rows, const QStringList &fields);
    // The same rows read again (after a requery or a sort).
    void rowsChanged();
    void setColumns(const QList<GridColumn> &columns);
    // The columns as the operator sees them now: left to right, at their current widths.
    QList<GridColumn> shownColumns() const;
    // What the grid shows, for export and printing; valid until the grid changes.
    GridData shownData();

    int currentRow() const;
    void setCurrentRow(int row);

    void setHeaderColour(const QColor &colour);
    // Texts under the columns (by column), or no footer when empty.
    void setFooter(const QStringList &texts);

signals:
    void titleClicked(int column);
    void rowActivated(int row); // double click
    void enterPressed(int row);
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView *m_view;
    GridModel *m_model;
    FooterBar *m_footer;
    MappedRows m_shown{nullptr, {}};
};

} // namespace tarvo::gui
