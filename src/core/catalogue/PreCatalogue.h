#pragma once

#include "core/framework/SqlCondition.h"

#include <QString>

namespace tarvo {

class Database;
class Prompt;

// The pre-catalogue (BookInfoPre): descriptions waiting to become copies.
namespace PreCatalogue {

enum class TransferResult { Refused, Transferred, Failed };

// "转库": a new copy with the barcode number and the description of the
// pre-catalogued title; the description goes unless a copy of it is kept.
// Refuses an empty or taken number with the system's message; all in one transaction.
TransferResult transfer(Database &db, Prompt &prompt, qint64 preId, const QString &barcode, bool keepCopy);

// "批量删除": after the question, which says how many will go, every description
// the condition finds (all of them without one). Returns how many went; -1 when
// the operator declined.
int bulkDelete(Database &db, Prompt &prompt, const SqlCondition &condition);

} // namespace PreCatalogue

} // namespace tarvo
