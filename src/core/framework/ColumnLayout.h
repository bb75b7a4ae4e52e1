#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tarvo {

class Database;

// One row of a window's stored column layout.
struct LayoutColumn
{
    qint64 id = 0;
    QString field;
    QString title;
    int order = 0;
    int width = 80;
    bool key = false;
    bool visible = true;
};

// The column layouts of the grids, kept in ModuleTable (which layout a window
// uses) and TableStructure (its columns).
class ColumnLayout
{
public:
    explicit ColumnLayout(Database &db)
        : m_db(db)
    {
    }

    // The table code of a window, by its form name; nothing when the window has no layout.
    std::optional<QString> tableCodeOf(const QString &formName);
    // The field of the layout's key column; empty when none is marked.
    QString keyFieldOf(const QString &tableCode);
    // The shown columns in their order.
    QList<LayoutColumn> visibleColumns(const QString &tableCode);
    // Every column, hidden ones too, in their order.
    QList<LayoutColumn> allColumns(const QString &tableCode);

    // Stores the grid as the operator left it: widths, and positions 1, 2, 3 ...
    // from the left. Hidden columns keep their values. One transaction.
    void saveGrid(const QString &tableCode, const QList<std::pair<QString, int>> &fieldsAndWidths);
    // Stores the rows as edited in the layout dialog: title, shown, width, position.
    void saveRows(const QList<LayoutColumn> &rows);

    // The layout row of a field: an exact match first, else the first whose field
    // begins with it.
    static const LayoutColumn *find(const QList<LayoutColumn> &rows, const QString &field);

private:
    QList<LayoutColumn> read(const QString &tableCode, bool visibleOnly);

    Database &m_db;
};

} // namespace tarvo
