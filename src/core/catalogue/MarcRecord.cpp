#include "MarcRecord.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

constexpr qsizetype kLeaderSize = 24;
// A directory entry: tag (3), field length (4), start in the data (5).
constexpr qsizetype kEntrySize = 12;

bool readNumber(QByteArrayView digits, qsizetype &value)
{
    value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

std::optional<MarcRecord> MarcRecord::parse(QByteArrayView bytes, QString &reason)
{
    if (bytes.size() <= kLeaderSize) {
        reason = u"记录不完整：不足24字节的记录头"_s;
        return std::nullopt;
    }
    // The leader's own lengths and base address are not trusted: the directory ends at
    // the first field terminator and the data starts right after it.
    const QByteArrayView rest = bytes.sliced(kLeaderSize);
    const qsizetype directoryEnd = rest.indexOf(kFieldTerminator);
    if (directoryEnd < 0) {
        reason = u"记录不完整：目录没有结束符"_s;
        return std::nullopt;
    }
    if (directoryEnd % kEntrySize != 0) {
        reason = u"目录长度%1不是12的倍数"_s.arg(directoryEnd);
        return std::nullopt;
    }
    MarcRecord record;
    record.m_leader = bytes.first(kLeaderSize);
    record.m_data = rest.sliced(directoryEnd + 1);
    const QByteArrayView data = record.m_data;
    record.m_fields.reserve(directoryEnd / kEntrySize);
    for (qsizetype at = 0; at < directoryEnd; at += kEntrySize) {
        const QByteArrayView tag = rest.sliced(at, 3);
        const QString tagText = QString::fromLatin1(tag);
        qsizetype length = 0;
        qsizetype start = 0;
        if (!readNumber(rest.sliced(at + 3, 4), length) || !readNumber(rest.sliced(at + 7, 5), start)) {
            reason = u"目录中字段%1的长度或起始位置不是数字"_s.arg(tagText);
            return std::nullopt;
        }
        // The last field may lack its terminator: the end of the record ends it then.
        const qsizetype end = start + length;
        if (start > data.size() || end > data.size() + 1) {
            reason = u"记录不完整：字段%1超出记录末尾"_s.arg(tagText);
            return std::nullopt;
        }
        QByteArrayView field = data.sliced(start, std::min(length, data.size() - start));
        if (field.endsWith(kFieldTerminator))
            field.chop(1);
        else if (end <= data.size()) {
            // The directory does not match the data (lengths counted in other units, a
            // record edited by hand): its values would be cut from the wrong places.
            reason = u"字段%1的长度或起始位置与数据不符"_s.arg(tagText);
            return std::nullopt;
        }
        record.m_fields.append({tag, field});
    }
    return record;
}

QByteArrayView MarcRecord::subfield(QByteArrayView field, char code)
{
    const char marker[] = {kSubfieldDelimiter, code};
    const qsizetype at = field.indexOf(QByteArrayView(marker, 2));
    if (at < 0)
        return {};
    const QByteArrayView value = field.sliced(at + 2);
    const auto end = std::find_if(value.begin(), value.end(),
                                  [](char c) { return c == kSubfieldDelimiter || c == kFieldTerminator; });
    return value.first(end - value.begin());
}

} // namespace tarvo
