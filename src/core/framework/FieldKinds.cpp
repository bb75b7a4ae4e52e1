#include "FieldKinds.h"

#include "core/db/Schema.h"

namespace tarvo {

namespace {

ValueKind kindOf(ColumnType type)
{
    switch (type) {
    case ColumnType::Int16:
    case ColumnType::Int32:
    case ColumnType::AutoNumber:
        return ValueKind::Integer;
    case ColumnType::Double:
    case ColumnType::Money:
        return ValueKind::Float;
    case ColumnType::Date:
        return ValueKind::Date;
    case ColumnType::Bool:
        return ValueKind::Bool;
    default:
        return ValueKind::Text;
    }
}

} // namespace

ValueKind kindOfField(const QString &field, const QString &table)
{
    if (const TableDef *def = Schema::table(table)) {
        if (const ColumnDef *column = def->column(field))
            return kindOf(column->type);
    }
    for (const TableDef &def : Schema::tables()) {
        if (const ColumnDef *column = def.column(field))
            return kindOf(column->type);
    }
    return ValueKind::Text;
}

} // namespace tarvo
