#pragma once

#include <QString>

namespace tarvo {

class Database;

// Consistent copies of a SQLite library database, taken through a connection
// (VACUUM INTO), never by copying a file another desk may be writing.
namespace SqliteSnapshot {

// Writes the copy to a new file; throws DbError when the file exists or cannot be written.
void writeNew(Database &db, const QString &file);
// Puts the copy in place of the file: written beside it first, so a failure leaves
// an existing file as it was.
void writeReplacing(Database &db, const QString &file);
// Flushes a file, or a folder's entries, to the disk.
void syncToDisk(const QString &path);

} // namespace SqliteSnapshot

} // namespace tarvo
