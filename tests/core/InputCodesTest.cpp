#include "core/framework/InputCodes.h"
#include "support/Printers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iconv.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

// Converts between Unicode and a legacy code page, for writing fixture tables
// and walking the real one.
QByteArray convert(const QByteArray &bytes, const char *from, const char *to)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray in = bytes;
    QByteArray out(in.size() * 4 + 4, '\0');
    char *inPtr = in.data();
    char *outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    return ok ? out.left(out.size() - qsizetype(outLeft)) : QByteArray();
}

QByteArray toGbk(const QString &text)
{
    return convert(text.toUtf8(), "UTF-8", "GBK");
}

// One line of a table: the character, then each key in its byte column
// (7 Wubi, 13 stroke, 37 pinyin); a blank key leaves its column blank.
QByteArray tableLine(const QString &character, char wb, char wbh, char py)
{
    QByteArray line = toGbk(character);
    line = line.leftJustified(37, ' ');
    line[6] = wb;
    line[12] = wbh;
    line[36] = py;
    return line;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// 张 and 三 with their real keys; 书 is missing; a line of two Latin letters
// that only a reader pairing bytes would ever match.
QByteArray smallTable()
{
    return tableLine(u"张"_s, 'x', 'z', 'z') + '\n' + tableLine(u"三"_s, 'd', 'h', 's') + '\n'
        + "ab    q     q                       q\n";
}

class ProgramFolderOverride
{
public:
    explicit ProgramFolderOverride(const QString &folder)
        : m_had(qEnvironmentVariableIsSet("TARVO_HOME"))
        , m_old(qgetenv("TARVO_HOME"))
    {
        qputenv("TARVO_HOME", QFile::encodeName(folder));
    }
    ~ProgramFolderOverride()
    {
        if (m_had)
            qputenv("TARVO_HOME", m_old);
        else
            qunsetenv("TARVO_HOME");
    }

private:
    bool m_had;
    QByteArray m_old;
};

struct CodesCase
{
    QString text;
    QString py;
    QString wbh;
    QString wb;
};

TEST(InputCodesTest, oneLetterPerKnownCharacterInOrder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Ime.DCT"_s);
    writeFile(path, smallTable());
    InputCodeTable table(path);

    const CodesCase cases[] = {
        {u"张三"_s, u"zs"_s, u"zh"_s, u"xd"_s},
        {u"三张"_s, u"sz"_s, u"hz"_s, u"dx"_s},
        {u"张书三"_s, u"zs"_s, u"zh"_s, u"xd"_s}, // 书 is not in the table
        // Single-byte characters add nothing and shift nothing after them.
        {u"A张三"_s, u"zs"_s, u"zh"_s, u"xd"_s},
        {u"张A三"_s, u"zs"_s, u"zh"_s, u"xd"_s},
        {u"ab张 3三"_s, u"zs"_s, u"zh"_s, u"xd"_s},
        {u"\U00020000张"_s, u"z"_s, u"z"_s, u"x"_s}, // beyond the BMP, beyond GBK
        {u"ABC"_s, QString(), QString(), QString()},
        {QString(), QString(), QString(), QString()},
    };
    for (const auto &c : cases) {
        const InputCodes codes = table.codes(c.text);
        EXPECT_EQ(codes.Py, c.py) << c.text.toStdString();
        EXPECT_EQ(codes.Wbh, c.wbh) << c.text.toStdString();
        EXPECT_EQ(codes.Wb, c.wb) << c.text.toStdString();
    }
}

TEST(InputCodesTest, firstLineWinsAndBlankOrMissingColumnsAddNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Ime.DCT"_s);
    // 三 has a blank Wubi column and ends before the pinyin column; the second
    // line of 张 is never read.
    const QByteArray shortLine = tableLine(u"三"_s, ' ', 'h', ' ').left(13);
    writeFile(path, tableLine(u"张"_s, 'x', 'z', 'z') + "\r\n" + shortLine + "\r\n"
                        + tableLine(u"张"_s, 'a', 'b', 'c') + "\r\n");
    InputCodeTable table(path);

    const InputCodes codes = table.codes(u"张三");
    EXPECT_EQ(codes.Py, u"z"_s);
    EXPECT_EQ(codes.Wbh, u"zh"_s);
    EXPECT_EQ(codes.Wb, u"x"_s);
}

TEST(InputCodesTest, withoutTableEveryCodeIsEmpty)
{
    QTemporaryDir folder;
    InputCodeTable table(folder.filePath(u"Ime.DCT"_s));
    const InputCodes codes = table.codes(u"张三");
    EXPECT_TRUE(codes.Py.isEmpty());
    EXPECT_TRUE(codes.Wbh.isEmpty());
    EXPECT_TRUE(codes.Wb.isEmpty());
}

TEST(InputCodesTest, codesAreCutToTheFieldWidth)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Ime.DCT"_s);
    writeFile(path, smallTable());
    InputCodeTable table(path);

    for (const qsizetype length : {kInputCodeWidth - 1, kInputCodeWidth, kInputCodeWidth + 1, qsizetype(120)}) {
        QString name;
        QString py;
        for (qsizetype i = 0; i < length; ++i) {
            name += i % 2 ? u"三"_s : u"张"_s;
            py += i % 2 ? u's' : u'z';
        }
        py.truncate(kInputCodeWidth);
        const InputCodes codes = table.codes(name);
        EXPECT_EQ(codes.Py, py) << length;
        EXPECT_EQ(codes.Wbh.size(), py.size()) << length;
        EXPECT_EQ(codes.Wb.size(), py.size()) << length;
    }
}

TEST(InputCodesTest, tableIsKeptUntilTheFileChanges)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Ime.DCT"_s);
    const QDateTime written = QDateTime::currentDateTime().addSecs(-60);
    writeFile(path, tableLine(u"张"_s, 'x', 'z', 'z'));
    setModified(path, written);
    InputCodeTable table(path);
    EXPECT_EQ(table.codes(u"张").Py, u"z"_s);

    // Same size, same time: the table in memory is used, the file is not read again.
    writeFile(path, tableLine(u"张"_s, 'x', 'z', 'Z'));
    setModified(path, written);
    EXPECT_EQ(table.codes(u"张").Py, u"z"_s);

    // Same size, later time: read again.
    setModified(path, written.addSecs(10));
    EXPECT_EQ(table.codes(u"张").Py, u"Z"_s);

    // Another size.
    writeFile(path, smallTable());
    setModified(path, written.addSecs(10));
    EXPECT_EQ(table.codes(u"张三").Py, u"zs"_s);

    // Gone, then back.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(table.codes(u"张三").Py.isEmpty());
    writeFile(path, smallTable());
    EXPECT_EQ(table.codes(u"张三").Py, u"zs"_s);
}

TEST(InputCodesTest, makeInputCodesReadsTheTableInTheProgramFolder)
{
    QTemporaryDir folder;
    const ProgramFolderOverride home(folder.path());
    EXPECT_TRUE(MakeInputCodes(u"张三").Py.isEmpty());

    writeFile(QDir(folder.path()).filePath(u"Ime.DCT"_s), smallTable());
    const InputCodes codes = MakeInputCodes(u"张三");
    EXPECT_EQ(codes.Py, u"zs"_s);
    EXPECT_EQ(codes.Wbh, u"zh"_s);
    EXPECT_EQ(codes.Wb, u"xd"_s);

    QTemporaryDir other;
    const ProgramFolderOverride elsewhere(other.path());
    EXPECT_TRUE(MakeInputCodes(u"张三").Py.isEmpty());
}

// The delivered table, made by tools/make-ime-dct.py.
QString deliveredTable()
{
    return QStringLiteral(TARVO_SOURCE_DIR "/resources/Ime.DCT");
}

TEST(InputCodesTest, deliveredTableGivesTheExpectedKeys)
{
    ASSERT_TRUE(QFile::exists(deliveredTable()));
    InputCodeTable table(deliveredTable());
    const CodesCase cases[] = {
        {u"张"_s, u"z"_s, u"z"_s, u"x"_s}, {u"三"_s, u"s"_s, u"h"_s, u"d"_s},
        {u"图"_s, u"t"_s, u"s"_s, u"l"_s}, {u"书"_s, u"s"_s, u"z"_s, u"n"_s},
        {u"馆"_s, u"g"_s, u"p"_s, u"q"_s}, {u"中"_s, u"z"_s, u"s"_s, u"k"_s},
        {u"国"_s, u"g"_s, u"s"_s, u"l"_s}, {u"借"_s, u"j"_s, u"p"_s, u"w"_s},
        // Readings chosen for titles and names over the dictionaries' first one.
        {u"长"_s, u"c"_s, u"p"_s, u"t"_s}, {u"重"_s, u"c"_s, u"p"_s, u"t"_s},
        {u"曾"_s, u"z"_s, u"n"_s, u"u"_s}, {u"厦"_s, u"x"_s, u"h"_s, u"d"_s},
        // A one-letter Wubi short code is not the first key (不 is "i", fully "gii").
        {u"不"_s, u"b"_s, u"h"_s, u"g"_s},
        {u"中国图书馆"_s, u"zgtsg"_s, u"ssszp"_s, u"kllnq"_s},
    };
    for (const auto &c : cases) {
        const InputCodes codes = table.codes(c.text);
        EXPECT_EQ(codes.Py, c.py) << c.text.toStdString();
        EXPECT_EQ(codes.Wbh, c.wbh) << c.text.toStdString();
        EXPECT_EQ(codes.Wb, c.wb) << c.text.toStdString();
    }
}

TEST(InputCodesTest, deliveredTableCoversEveryGb2312Character)
{
    ASSERT_EQ(QString::fromUtf8(convert("\xB0\xA1", "GB2312", "UTF-8")), u"啊"_s);
    InputCodeTable table(deliveredTable());
    QStringList uncovered;
    // The Chinese characters of GB2312 occupy rows 16 to 87 (lead bytes B0 to F7).
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const QByteArray bytes{char(lead), char(trail)};
            const QString character = QString::fromUtf8(convert(bytes, "GB2312", "UTF-8"));
            if (character.isEmpty())
                continue; // unassigned (the end of row 55)
            const InputCodes codes = table.codes(character);
            if (codes.Py.size() != 1 || codes.Wbh.size() != 1 || codes.Wb.size() != 1)
                uncovered << character;
        }
    }
    EXPECT_TRUE(uncovered.isEmpty()) << uncovered.join(u' ').toStdString();
}

} // namespace
