#pragma once

namespace tarvo {

class Database;

// One transaction on the shared connection: begun on construction, rolled back on
// destruction unless commit() was called. Transactions never nest.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_db;
    bool m_open = true;
};

} // namespace tarvo
