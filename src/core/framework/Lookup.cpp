#include "Lookup.h"

#include "core/db/Database.h"

using namespace Qt::StringLiterals;

namespace tarvo {

ResultSet Lookup::open()
{
    if (!m_definition.openAll)
        return narrow(-1, {});
    return m_db.query(m_definition.select + u" order by "_s + m_definition.order);
}

ResultSet Lookup::narrow(int mode, const QString &text)
{
    SqlCondition condition;
    if (mode >= 0 && mode < m_definition.modes.size())
        condition = m_definition.modes.at(mode).condition(text);
    return m_db.query(m_definition.select + condition.whereClause() + u" order by "_s + m_definition.order
                          + m_db.dialect().limitClause(m_definition.top),
                      condition.params());
}

} // namespace tarvo
