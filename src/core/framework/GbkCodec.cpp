#include "GbkCodec.h"

#include <QSysInfo>

#include <algorithm>

namespace tarvo {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
// QChar in the machine's own byte order.
const char *const kUtf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";

} // namespace

GbkCodec::GbkCodec()
    : m_cd(iconv_open(kUtf16, "GBK"))
{
}

GbkCodec::~GbkCodec()
{
    if (m_cd != kNoConverter)
        iconv_close(m_cd);
}

QString GbkCodec::toUnicode(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
    if (ascii || m_cd == kNoConverter)
        return ascii ? QString::fromLatin1(bytes) : QString(bytes.size(), QChar::ReplacementCharacter);
    // Every GBK character is one or two bytes and one UTF-16 unit, and a bad byte
    // gives one replacement character: the text is never longer than the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char *out = reinterpret_cast<char *>(text.data());
    size_t outLeft = size_t(text.size()) * sizeof(QChar);
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(m_cd, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        // An invalid or cut-off sequence: replace its first byte and go on after it.
        *reinterpret_cast<QChar *>(out) = QChar::ReplacementCharacter;
        out += sizeof(QChar);
        outLeft -= sizeof(QChar);
        ++in;
        --inLeft;
    }
    text.truncate(text.size() - qsizetype(outLeft / sizeof(QChar)));
    return text;
}

} // namespace tarvo
