#include "MarcDecoder.h"

#include "MarcRecord.h"

namespace tarvo {

namespace {

bool isContinuation(uchar b)
{
    return (b & 0xC0) == 0x80;
}

bool isValidUtf8(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        // The shortest form only, no surrogates, nothing beyond U+10FFFF.
        qsizetype length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF)
            length = 2;
        else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (i + length > n)
            return false;
        const uchar second = uchar(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (qsizetype k = 2; k < length; ++k)
            if (!isContinuation(uchar(bytes[i + k])))
                return false;
        i += length;
    }
    return true;
}

// True when the bytes read as GBK double-byte characters; with `gb2312`, only as
// characters of GB 2312 (symbols and the 6,763 common hanzi), which is what ordinary
// Chinese bibliographic text is made of.
bool readsAsGbk(QByteArrayView bytes, bool gb2312)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= n)
            return false;
        const uchar trail = uchar(bytes[i + 1]);
        const bool ok = gb2312 ? lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE
                               : lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
        if (!ok)
            return false;
        i += 2;
    }
    return true;
}

} // namespace

MarcEncoding MarcDecoder::detect(QByteArrayView bytes, bool declaredUtf8)
{
    const bool utf8 = isValidUtf8(bytes);
    // What the bytes are outweighs what the record says about them.
    if (declaredUtf8)
        return utf8 || !readsAsGbk(bytes, false) ? MarcEncoding::Utf8 : MarcEncoding::Gbk;
    // UTF-8 Chinese read as GBK pairs its lead and continuation bytes into characters
    // outside GB 2312 almost at once, while GBK text is seldom valid UTF-8: text that
    // is both is GBK only when it stays within GB 2312 throughout.
    return utf8 && !readsAsGbk(bytes, true) ? MarcEncoding::Utf8 : MarcEncoding::Gbk;
}

bool MarcDecoder::declaresUtf8(const MarcRecord &record)
{
    if (record.leader().at(9) == 'a')
        return true;
    for (const MarcRecord::Field &field : record.fields()) {
        if (field.tag == "100") {
            const QByteArrayView general = MarcRecord::subfield(field.data, 'a');
            return general.size() >= 28 && general.sliced(26, 2) == "50";
        }
    }
    return false;
}

void MarcDecoder::setRecord(const MarcRecord &record)
{
    m_recordEncoding = m_encoding != MarcEncoding::Auto ? m_encoding : detect(record.data(), declaresUtf8(record));
}

QString MarcDecoder::decode(QByteArrayView value)
{
    QString text = m_recordEncoding == MarcEncoding::Utf8 ? QString::fromUtf8(value) : m_gbk.toUnicode(value);
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text.trimmed();
}

} // namespace tarvo
