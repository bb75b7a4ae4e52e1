#pragma once

#include "ConnectionTarget.h"

namespace tarvo {

// Makes a new library database as the program expects to find it: every table,
// index and view, and the starting rows. Never overwrites: an existing SQLite file
// or a PostgreSQL database that already holds tables is refused.
namespace DeliveredDatabase {
void create(const ConnectionTarget &target);
} // namespace DeliveredDatabase

} // namespace tarvo
