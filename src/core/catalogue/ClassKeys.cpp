#include "ClassKeys.h"

using namespace Qt::StringLiterals;

namespace tarvo::ClassKeys {

std::optional<QString> nextChildKey(QStringView parentKey, QStringView greatestChildKey)
{
    int segment = 0;
    if (!greatestChildKey.isEmpty()) {
        const int last = greatestChildKey.right(kSegmentLength).toInt();
        if (last >= kLastSegment)
            return std::nullopt;
        segment = last + 1;
    }
    const QString prefix = parentKey == kRootKey ? QString() : parentKey.toString();
    return prefix + u"%1"_s.arg(segment, int(kSegmentLength), 10, QChar(u'0'));
}

} // namespace tarvo::ClassKeys
