#include "Transaction.h"

#include "Database.h"

namespace tarvo {

Transaction::Transaction(Database &db)
    : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (m_open)
        m_db.rollback();
}

void Transaction::commit()
{
    m_db.commit();
    m_open = false;
}

} // namespace tarvo
