#pragma once

#include "core/db/SeedData.h"

#include <QHash>
#include <QString>
#include <array>

namespace tarvo {

class Database;

// What an operator may do: one Boolean per module number in UserModule.
namespace OperatorRights {

constexpr int kModuleCount = SeedData::kModuleCount;
using ModuleRights = std::array<bool, kModuleCount>;

// The rows as stored, module number to right; modules without a row are absent.
QHash<int, bool> stored(Database &db, const QString &code);
// Every module's right, false where the operator has no row.
ModuleRights load(Database &db, const QString &code);
// Replaces the operator's rows by one per module, in one transaction.
void grant(Database &db, const QString &code, const ModuleRights &rights);
// The same rows, written inside the caller's transaction.
void write(Database &db, const QString &code, const ModuleRights &rights);

} // namespace OperatorRights

} // namespace tarvo
