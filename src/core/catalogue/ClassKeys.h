#pragma once

#include <QString>
#include <optional>

namespace tarvo {

// The keys of the classification tree. A class's key is its parent's key followed
// by a four-digit segment; the root "00" is no row, so a top-level class's key is
// its segment alone, four characters, which the statistics by top-level class rely on.
namespace ClassKeys {

inline constexpr QStringView kRootKey = u"00";
inline constexpr qsizetype kSegmentLength = 4;
inline constexpr int kLastSegment = 9999;

// The key of a new class under the parent, after the greatest key among the parent's
// children (empty when it has none): the next segment, or nothing once 9999 is used.
// Segments freed by deletions below the greatest are not reused.
std::optional<QString> nextChildKey(QStringView parentKey, QStringView greatestChildKey);

} // namespace ClassKeys

} // namespace tarvo
