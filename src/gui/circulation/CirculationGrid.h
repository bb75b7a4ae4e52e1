#pragma once

#include "core/framework/GridData.h"

#include <QStringList>

namespace tarvo {
class Database;
}

namespace tarvo::gui {

// The columns a circulation window's grid shows: its stored layout (found by the
// form name), or every field of the rows when the database has none for it.
QList<GridColumn> CirculationColumns(Database &db, const QString &formName, const QStringList &fields);

} // namespace tarvo::gui
