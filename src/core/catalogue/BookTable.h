#pragma once

#include <QString>

namespace tarvo {

// The two tables of book descriptions: the catalogue of copies on the shelf
// (BookInfo) and the pre-catalogue of titles not yet copies (BookInfoPre).
enum class BookTable { Catalogue, PreCatalogue };

inline QString tableName(BookTable table)
{
    return table == BookTable::Catalogue ? QStringLiteral("BookInfo") : QStringLiteral("BookInfoPre");
}

} // namespace tarvo
