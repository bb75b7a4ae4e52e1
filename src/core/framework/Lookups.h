#pragma once

#include "Lookup.h"
#include "core/db/ConnectionTarget.h"

namespace tarvo::Lookups {

// 选择供应商: the supplier word list as a plain pick list.
LookupDefinition supplier();
// 选择读者: readers by number, by name or its initials, or by department.
LookupDefinition reader();
// 选择出版社: publishers by any part of the name or of its initials, with a way to add one.
LookupDefinition publisher();
// 选择图书: copies by number, by title or its initials, or by class, with the due
// date of an open loan.
LookupDefinition book(Engine engine);

} // namespace tarvo::Lookups
