#pragma once

#include "GridData.h"
#include "SqlCondition.h"
#include "core/db/ResultSet.h"

#include <functional>

namespace tarvo {

class Database;

// One way of narrowing a lookup list by the typed text.
struct LookupMode
{
    QString caption;   // "按编码查找"
    QString sortField; // the rows on screen are sorted by it when the mode is chosen
    std::function<SqlCondition(const QString &text)> condition;
};

// What a lookup dialog lists and how it narrows: a concrete lookup is one of these.
struct LookupDefinition
{
    QString caption;
    QString select; // the rows and their columns, without where or order
    QString order;  // "Code"
    int top = 20;   // rows listed after each keystroke
    QList<GridColumn> columns;
    QList<LookupMode> modes; // none: a plain pick list without a search bar
    bool presetSearch = false;
    bool canAdd = false;
    // A table too large to list whole (the copies of a library) opens with its first
    // rows only, as an empty search would list them.
    bool openAll = true;
};

// The rows of a lookup: all of them at open, the first few that match as the
// operator types.
class Lookup
{
public:
    Lookup(Database &db, LookupDefinition definition)
        : m_db(db)
        , m_definition(std::move(definition))
    {
    }

    const LookupDefinition &definition() const { return m_definition; }
    ResultSet open();
    ResultSet narrow(int mode, const QString &text);

private:
    Database &m_db;
    LookupDefinition m_definition;
};

} // namespace tarvo
