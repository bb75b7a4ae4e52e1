#include "InputCodes.h"

#include "core/app/ProgramFolder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <iconv.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

// Byte columns (1-based) of the three keys on a line of the table.
constexpr qsizetype kWbColumn = 7;
constexpr qsizetype kWbhColumn = 13;
constexpr qsizetype kPyColumn = 37;

// Decodes one GBK double-byte character at a time (Qt 6 has no GBK codec).
class GbkDecoder
{
public:
    GbkDecoder() : m_cd(iconv_open("UTF-32LE", "GBK")) {}
    ~GbkDecoder()
    {
        if (isValid())
            iconv_close(m_cd);
    }
    Q_DISABLE_COPY_MOVE(GbkDecoder)

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // The character of a lead and trail byte, or 0 when they are not one GBK character.
    char32_t decode(char lead, char trail)
    {
        char in[2] = {lead, trail};
        unsigned char out[8];
        char *inPtr = in;
        char *outPtr = reinterpret_cast<char *>(out);
        size_t inLeft = sizeof in;
        size_t outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0
            || outLeft != sizeof out - 4)
            return 0;
        const char32_t ch = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
        return ch < 0x80 ? 0 : ch;
    }

private:
    iconv_t m_cd;
};

bool isGbkLeadByte(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}

bool isGbkTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

// The letter in a byte column; a blank, a line too short or a byte that is
// not a printable ASCII character gives no key.
char16_t keyAt(QByteArrayView line, qsizetype column)
{
    if (line.size() < column)
        return 0;
    const auto b = static_cast<unsigned char>(line.at(column - 1));
    return b > 0x20 && b < 0x7F ? char16_t(b) : 0;
}

void appendKey(QString &code, char16_t key)
{
    if (key)
        code.append(QChar(key));
}

} // namespace

InputCodeTable::InputCodeTable(QString path)
    : m_path(std::move(path))
{
}

void InputCodeTable::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_loaded = false;
    m_fileSize = -1;
    m_fileTime = -1;
    m_keys.clear();
}

void InputCodeTable::refresh()
{
    const QFileInfo info(m_path);
    if (m_path.isEmpty() || !info.isFile()) {
        m_keys.clear();
        m_fileSize = -1;
        m_fileTime = -1;
        m_loaded = true;
        return;
    }
    const qint64 size = info.size();
    const qint64 time = info.lastModified().toMSecsSinceEpoch();
    if (m_loaded && size == m_fileSize && time == m_fileTime)
        return;
    // Taken before reading, so a change while we read is seen on the next lookup.
    m_fileSize = size;
    m_fileTime = time;
    load();
    m_loaded = true;
}

void InputCodeTable::load()
{
    m_keys.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << u"cannot read the character table"_s << m_path << file.errorString();
        return;
    }
    const QByteArray data = file.readAll();
    GbkDecoder gbk;
    if (!gbk.isValid()) {
        qWarning("iconv has no GBK converter; input codes stay empty");
        return;
    }
    m_keys.reserve(data.count('\n') + 1);
    // GBK trail bytes never take the values of CR or LF, so lines split on bytes.
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArrayView line(data.constData() + start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() < 2 || !isGbkLeadByte(line.at(0)) || !isGbkTrailByte(line.at(1)))
            continue;
        const char32_t ch = gbk.decode(line.at(0), line.at(1));
        if (ch == 0 || m_keys.contains(ch))
            continue;
        m_keys.insert(ch, Keys{keyAt(line, kWbColumn), keyAt(line, kWbhColumn), keyAt(line, kPyColumn)});
    }
}

InputCodes InputCodeTable::codes(QStringView text)
{
    refresh();
    InputCodes result;
    if (m_keys.isEmpty())
        return result;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t ch = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const auto it = m_keys.constFind(ch);
        if (it == m_keys.cend())
            continue;
        appendKey(result.Wb, it->wb);
        appendKey(result.Wbh, it->wbh);
        appendKey(result.Py, it->py);
    }
    // Cut rather than refuse: a long title still saves and is found by its beginning.
    result.Py.truncate(kInputCodeWidth);
    result.Wbh.truncate(kInputCodeWidth);
    result.Wb.truncate(kInputCodeWidth);
    return result;
}

InputCodes MakeInputCodes(QStringView text)
{
    // One table for the program, read on the first save; saves may come from any thread.
    static QMutex mutex;
    static InputCodeTable table;
    const QMutexLocker lock(&mutex);
    table.setPath(QDir(programFolder()).filePath(u"Ime.DCT"_s));
    return table.codes(text);
}

} // namespace tarvo
