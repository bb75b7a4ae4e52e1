#pragma once

#include "core/framework/GbkCodec.h"

#include <QByteArrayView>
#include <QString>

namespace tarvo {

class MarcRecord;

// The character encoding of a MARC file's text: GBK, UTF-8, or found record by record.
enum class MarcEncoding { Auto, Gbk, Utf8 };

// Turns the byte values of a record into text. Left to itself it reads a record as
// UTF-8 when the record says so and its bytes agree, or when its bytes are UTF-8 and
// could not be ordinary GBK text; otherwise as GBK.
class MarcDecoder
{
public:
    explicit MarcDecoder(MarcEncoding encoding = MarcEncoding::Auto)
        : m_encoding(encoding)
    {
    }

    // Chooses the encoding of the record whose values are decoded next.
    void setRecord(const MarcRecord &record);

    // A value as text, without control characters (such as the non-sorting marks
    // around an article) and without blanks at either end.
    QString decode(QByteArrayView value);

    // The encoding the bytes of a record show; `declaredUtf8`: the record says UTF-8.
    static MarcEncoding detect(QByteArrayView bytes, bool declaredUtf8);
    // MARC 21 leader position 9 "a", or UNIMARC/CNMARC field 100 $a positions 26-27 "50"
    // (character set ISO 10646).
    static bool declaresUtf8(const MarcRecord &record);

private:
    MarcEncoding m_encoding;
    MarcEncoding m_recordEncoding = MarcEncoding::Gbk;
    GbkCodec m_gbk;
};

} // namespace tarvo
