#include "MarcReader.h"

#include <algorithm>

namespace tarvo {

namespace {

constexpr char kRecordTerminator = 0x1D;

bool endsRecord(char c)
{
    return c == kRecordTerminator || c == '\n' || c == '\r';
}

// Blanks and control characters, but not the field terminator and subfield
// delimiter, which belong to the record.
bool isPadding(char c)
{
    return uchar(c) <= 0x20 && c != 0x1E && c != 0x1F;
}

QByteArrayView trimmed(QByteArrayView piece)
{
    while (!piece.isEmpty() && isPadding(piece.front()))
        piece = piece.sliced(1);
    while (!piece.isEmpty() && isPadding(piece.back()))
        piece.chop(1);
    return piece;
}

} // namespace

bool MarcReader::next(QByteArrayView &record)
{
    while (m_position < m_bytes.size()) {
        const auto begin = m_bytes.begin() + m_position;
        const auto end = std::find_if(begin, m_bytes.end(), endsRecord);
        const QByteArrayView piece = trimmed(QByteArrayView(begin, end));
        m_position = std::min<qsizetype>(end - m_bytes.begin() + 1, m_bytes.size());
        if (!piece.isEmpty()) {
            record = piece;
            ++m_number;
            return true;
        }
    }
    return false;
}

} // namespace tarvo
