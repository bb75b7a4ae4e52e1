#pragma once

#include "core/db/Database.h"

#include <functional>

namespace tarvo {

class Prompt;

// Brings the data of an older database file of this system into the database in
// use: every table both hold, except the layouts, the classification and the
// stored queries, is emptied and filled from the older file, in one transaction.
class DataUpgrade
{
public:
    // Tables done and tables in the older file.
    using Progress = std::function<void(int done, int total)>;

    explicit DataUpgrade(Database &current)
        : m_current(current)
    {}

    // Opens the older file, only to read it; throws DbError when it is no library
    // database, or is the database in use.
    void openSource(const QString &file);
    bool sourceOpen() const { return m_source.isOpen(); }

    // Whether the upgrade fills a table of the current database.
    static bool fillsTable(const QString &table);

    // "是否要升级。", then the copy and "数据升级成功!"; "请设置右边的原账套数据库"
    // without an older file. A failure rolls everything back and throws DbError.
    // True when the data was copied.
    bool run(Prompt &prompt, const Progress &progress = {});

private:
    void copyTable(const QString &sourceTable, const QString &table);

    Database &m_current;
    Database m_source;
};

} // namespace tarvo
