#pragma once

// Builds ISO 2709 records byte by byte, for tests and benchmarks of the MARC import.

#include <QByteArray>
#include <QList>
#include <QString>

#include <iconv.h>

namespace tarvo::test {

// Text in GBK, as Chinese MARC files carry it.
inline QByteArray gbk(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out(utf8.size() * 2 + 4, '\0');
    iconv_t cd = iconv_open("GBK", "UTF-8");
    char *in = const_cast<char *>(utf8.data());
    char *outPtr = out.data();
    size_t inLeft = size_t(utf8.size());
    size_t outLeft = size_t(out.size());
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return out.left(out.size() - qsizetype(outLeft));
}

// A subfield: delimiter 0x1F, its code and value.
inline QByteArray sub(char code, const QByteArray &value)
{
    return QByteArray(1, 0x1F) + code + value;
}

// A record: fields added as tag and content (indicators and subfields, without the
// field terminator); record() writes leader, directory, terminators and lengths.
class MarcBuilder
{
public:
    MarcBuilder &field(const QByteArray &tag, const QByteArray &content)
    {
        m_fields.append({tag, content});
        return *this;
    }
    // Leader position 9: "a" marks a MARC 21 record as UTF-8.
    MarcBuilder &leaderCoding(char coding)
    {
        m_coding = coding;
        return *this;
    }

    QByteArray record() const
    {
        QByteArray directory;
        QByteArray data;
        for (const auto &[tag, content] : m_fields) {
            const QByteArray stored = content + '\x1E';
            directory += tag + QByteArray::number(stored.size()).rightJustified(4, '0')
                + QByteArray::number(data.size()).rightJustified(5, '0');
            data += stored;
        }
        directory += '\x1E';
        const qsizetype base = 24 + directory.size();
        const qsizetype length = base + data.size() + 1;
        const QByteArray leader = QByteArray::number(length).rightJustified(5, '0') + "nam " + m_coding + "22"
            + QByteArray::number(base).rightJustified(5, '0') + "   450 ";
        return leader + directory + data + '\x1D';
    }

private:
    QList<std::pair<QByteArray, QByteArray>> m_fields;
    char m_coding = ' ';
};

} // namespace tarvo::test
