#pragma once

#include <QString>

namespace tarvo {

// A SQLite library file held by this program alone while it is compacted or
// replaced. Every open connection (another desk's included, idle or not) holds
// a shared lock on a file in WAL mode, so getting the exclusive lock proves that
// nobody has the file open, and keeps everybody out until this object goes.
// The program's own connection must be closed first.
class ExclusiveSqliteFile
{
public:
    // Throws DbError when the file is in use elsewhere.
    explicit ExclusiveSqliteFile(const QString &file);
    ~ExclusiveSqliteFile();
    ExclusiveSqliteFile(const ExclusiveSqliteFile &) = delete;
    ExclusiveSqliteFile &operator=(const ExclusiveSqliteFile &) = delete;

    // A compacted copy in a new file; throws DbError when that file exists.
    void snapshot(const QString &newFile);
    // Puts a complete database file in place of this one, which is given up.
    void replaceWith(const QString &newFile);

private:
    void exec(const QString &sql, const QVariant &value = {});

    QString m_file;
    QString m_connectionName;
};

} // namespace tarvo
