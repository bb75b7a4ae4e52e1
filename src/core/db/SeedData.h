#pragma once

#include <QString>

namespace tarvo {

class Database;

// The rows a delivered database starts with and the program reads but never writes:
// the Admin operator with every right, the classification scheme, the word lists,
// the reader types and the column layouts of the windows. The files are compiled in
// from resources/seed and resources/layouts.
namespace SeedData {
void load(Database &db);

// The number of modules that carry a right (0 .. count - 1).
constexpr int kModuleCount = 35;

// Loaders for one kind of file each, exposed for checking the files themselves.
void loadClassification(Database &db, const QString &treeText);
void loadTable(Database &db, const QString &table, const QString &tsvText);
void loadLayout(Database &db, const QString &tableCode, const QString &layoutText);
} // namespace SeedData

} // namespace tarvo
