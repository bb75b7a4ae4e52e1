#pragma once

#include <QFlags>
#include <functional>

namespace tarvo {

class Database;

// Fills the input codes (Py, Wb, Wbh) that books, magazines and readers lack.
namespace InputCodeFill {

enum class Kind { Books = 0x1, Magazines = 0x2, Readers = 0x4 };
Q_DECLARE_FLAGS(Kinds, Kind)

// Rows done and rows to do in the table being filled; called now and then and at its end.
using Progress = std::function<void(qint64 done, qint64 total)>;

// For each chosen kind, in the order books, magazines, readers: every row with a
// name and no Py gets the codes of its name (MakeInputCodes). One transaction per
// table; rows that have a Py keep their codes. Returns the number of rows written.
qint64 fill(Database &db, Kinds kinds, const Progress &progress = {});

} // namespace InputCodeFill

Q_DECLARE_OPERATORS_FOR_FLAGS(InputCodeFill::Kinds)

} // namespace tarvo
