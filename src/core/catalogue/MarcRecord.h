#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tarvo {

// One record of an ISO 2709 exchange file (CNMARC, UNIMARC, MARC 21), read from its
// bytes: the leader, the directory and the fields it points to. Lengths and starts in
// the directory count bytes, so the record is taken apart as bytes and its values are
// decoded afterwards. The views point into the caller's buffer.
class MarcRecord
{
public:
    static constexpr char kFieldTerminator = 0x1E;
    static constexpr char kSubfieldDelimiter = 0x1F;

    struct Field
    {
        QByteArrayView tag;
        QByteArrayView data; // indicators and subfields, without the field terminator
    };

    // Reads a record; a truncated or inconsistent one gives nothing and `reason` says why.
    static std::optional<MarcRecord> parse(QByteArrayView bytes, QString &reason);

    QByteArrayView leader() const { return m_leader; }
    // Everything after the directory: the bytes of all fields.
    QByteArrayView data() const { return m_data; }
    const QList<Field> &fields() const { return m_fields; }

    // Subfield `code` of a field: the bytes after the first 0x1F + code, up to the
    // next subfield delimiter or field terminator, or to the end of the field.
    // Empty when the field has no such subfield.
    static QByteArrayView subfield(QByteArrayView field, char code);

private:
    QByteArrayView m_leader;
    QByteArrayView m_data;
    QList<Field> m_fields;
};

} // namespace tarvo
