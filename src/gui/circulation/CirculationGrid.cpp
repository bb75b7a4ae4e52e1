#include "CirculationGrid.h"

#include "core/framework/ColumnLayout.h"
#include "core/framework/FieldKinds.h"

namespace tarvo::gui {

QList<GridColumn> CirculationColumns(Database &db, const QString &formName, const QStringList &fields)
{
    ColumnLayout layout(db);
    QList<GridColumn> columns;
    if (const std::optional<QString> tableCode = layout.tableCodeOf(formName)) {
        for (const LayoutColumn &c : layout.visibleColumns(*tableCode))
            columns.append({c.field, c.title, c.width, kindOfField(c.field)});
    }
    if (columns.isEmpty()) {
        for (const QString &field : fields)
            columns.append({field, field, 90, kindOfField(field)});
    }
    return columns;
}

} // namespace tarvo::gui
