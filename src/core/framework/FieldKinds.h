#pragma once

#include "GridData.h"

namespace tarvo {

// How a field's values are written out, by its column type in the library schema:
// the given table's column first, else the first table that has a column of that
// name; unknown fields are text.
ValueKind kindOfField(const QString &field, const QString &table = QString());

} // namespace tarvo
