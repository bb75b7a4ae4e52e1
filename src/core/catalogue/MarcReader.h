#pragma once

#include <QByteArrayView>

namespace tarvo {

// Splits the bytes of a MARC file into records. A record ends at the record
// terminator 0x1D or at a line break, so files with one record per line and files
// of records run together both read record by record. Blank pieces (empty lines,
// the line break after a terminator) are not records and are passed over.
class MarcReader
{
public:
    explicit MarcReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    // The next record, without the blanks and control characters around it; false
    // at the end of the file.
    bool next(QByteArrayView &record);

    // The number of the record last returned, from 1.
    qint64 recordNumber() const { return m_number; }
    // Bytes of the file read so far.
    qsizetype position() const { return m_position; }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
    qint64 m_number = 0;
};

} // namespace tarvo
