#include "core/catalogue/MarcImport.h"
#include "core/db/Database.h"
#include "support/MarcBuilder.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using test::gbk;
using test::MarcBuilder;
using test::sub;

namespace {

// A small GBK record whose title tells records apart.
QByteArray titled(const QString &name)
{
    return MarcBuilder().field("200", "1 " + sub('a', gbk(name)) + sub('f', gbk(u"佚名"_s))).record();
}

QByteArray withoutTerminator(QByteArray record)
{
    record.chop(1);
    return record;
}

QString fixture(const QString &name)
{
    return QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(u"tests/fixtures/marc/"_s + name);
}

class MarcImportTest : public test::DatabaseTest
{
protected:
    MarcImport::Result import(const QByteArray &bytes, MarcEncoding encoding = MarcEncoding::Auto,
                              const MarcImport::ProgressFunction &progress = {})
    {
        return MarcImport(db(), encoding).importBytes(bytes, progress);
    }

    ResultSet rows() { return db().query(u"select * from BookInfoPre order by Id"_s); }

    QStringList column(const QString &field)
    {
        QStringList values;
        for (ResultSet rs = rows(); !rs.eof(); rs.next())
            values << rs.text(field);
        return values;
    }
};

TEST_F(MarcImportTest, aRecordFillsTheMappedColumnsOfOneRow)
{
    const QByteArray record =
        MarcBuilder()
            .field("001", "CAL 012000123456")
            .field("010", "  " + sub('a', "978-7-02-000220-7") + sub('b', gbk(u"精装"_s)) + sub('d', "CNY59.70"))
            .field("100", "  " + sub('a', "20240105d1996    em y0chiy0110    ea"))
            .field("101", "0 " + sub('a', "chi"))
            .field("200", "1 " + sub('a', gbk(u"红楼梦"_s)) + sub('e', "The Story of the Stone")
                              + sub('f', gbk(u"曹雪芹著"_s)) + sub('g', gbk(u"高鹗续"_s)))
            .field("210", "  " + sub('a', gbk(u"北京"_s)) + sub('c', gbk(u"人民文学出版社"_s)) + sub('d', "1996"))
            .field("215", "  " + sub('a', gbk(u"1606页"_s)) + sub('d', "20cm") + sub('e', gbk(u"光盘1张"_s)))
            .field("330", "  " + sub('a', gbk(u"中国古典长篇小说。"_s)))
            .field("690", "  " + sub('a', "I242.4") + sub('v', "4"))
            .field("701", " 0" + sub('a', gbk(u"不读此字段"_s)))
            .record();
    const MarcImport::Result result = import(record);
    EXPECT_EQ(result.imported, 1);
    EXPECT_TRUE(result.skipped.isEmpty());
    EXPECT_TRUE(result.error.isEmpty());

    ResultSet rs = rows();
    ASSERT_EQ(rs.count(), 1);
    const QList<std::pair<QString, QString>> expected = {
        {u"BookIsbn"_s, u"978-7-02-000220-7"_s}, {u"Grade"_s, u"精装"_s},
        {u"language"_s, u"chi"_s},               {u"Name"_s, u"红楼梦"_s},
        {u"YName"_s, u"The Story of the Stone"_s}, {u"Writer"_s, u"曹雪芹著"_s},
        {u"Translator"_s, u"高鹗续"_s},           {u"Publisher"_s, u"人民文学出版社"_s},
        {u"PubDate"_s, u"1996"_s},               {u"BookPage"_s, u"1606页"_s},
        {u"Size"_s, u"20cm"_s},                  {u"Attach"_s, u"光盘1张"_s},
        {u"Remarks1"_s, u"中国古典长篇小说。"_s}, {u"SortCode"_s, u"I242.4"_s},
        {u"PubNum"_s, u"4"_s},
    };
    for (const auto &[field, value] : expected)
        EXPECT_EQ(rs.text(field), value) << field.toStdString();
    EXPECT_DOUBLE_EQ(rs.real(u"BookPrice"), 59.7);
    EXPECT_EQ(rs.date(u"RegDate"), QDate::currentDate());
    // Imported rows get no input codes, copy number or call number.
    for (const QString &field : {u"Py"_s, u"Wb"_s, u"Wbh"_s, u"SortNum"_s, u"Scode"_s, u"AvePrice"_s})
        EXPECT_TRUE(rs.isNull(field)) << field.toStdString();
}

TEST_F(MarcImportTest, thePriceIsTheFirstNumberOfDollarD)
{
    struct Case
    {
        QString text;
        std::optional<double> price;
    };
    const Case cases[] = {
        {u"CNY25.00"_s, 25.0},
        {u"12.5.3"_s, 12.5},
        {u"价格不详"_s, std::nullopt},
        {u"CNY25.00(全2册)"_s, 25.0},
        {u"CNY1,280.00"_s, 1280.0},
        {u"￥12.34567元"_s, 12.3457},
        {u".50元"_s, 0.5},
        {u"２８元"_s, 28.0},
    };
    QByteArray file;
    for (const Case &c : cases)
        file += MarcBuilder().field("010", "  " + sub('a', "7-02-000220-X") + sub('d', gbk(c.text))).record();
    ASSERT_EQ(import(file).imported, qint64(std::size(cases)));

    ResultSet rs = rows();
    for (const Case &c : cases) {
        ASSERT_FALSE(rs.eof());
        if (c.price)
            EXPECT_DOUBLE_EQ(rs.real(u"BookPrice"), *c.price) << c.text.toStdString();
        else
            EXPECT_TRUE(rs.isNull(u"BookPrice")) << c.text.toStdString();
        rs.next();
    }
}

TEST_F(MarcImportTest, subfieldsAreFoundByTheirCodeWithinTheirField)
{
    struct Case
    {
        const char *what;
        QList<std::pair<QByteArray, QByteArray>> fields;
        QString column;
        QVariant expected; // null: the column stays empty
    };
    const QByteArray fs(1, 0x1F);
    const Case cases[] = {
        {"690 $a before $v", {{"690", "  " + fs + "aI247.5" + fs + "v4"}}, u"SortCode"_s, u"I247.5"_s},
        {"690 $v last", {{"690", "  " + fs + "aI247.5" + fs + "v4"}}, u"PubNum"_s, u"4"_s},
        {"$a last in 200", {{"200", "1 " + sub('f', "Writer") + sub('a', "Last")}}, u"Name"_s, u"Last"_s},
        {"empty $a", {{"200", "1 " + sub('a', "") + sub('e', "Other")}}, u"Name"_s, QVariant()},
        {"first $a of two", {{"200", "1 " + sub('a', "First") + sub('a', "Second")}}, u"Name"_s, u"First"_s},
        {"later tag replaces", {{"200", "1 " + sub('a', "Old") + sub('f', "Kept")}, {"200", "1 " + sub('a', "New")}},
         u"Name"_s, u"New"_s},
        {"later tag keeps what it lacks",
         {{"200", "1 " + sub('a', "Old") + sub('f', "Kept")}, {"200", "1 " + sub('a', "New")}}, u"Writer"_s,
         u"Kept"_s},
        {"price of an earlier 010",
         {{"010", "  " + sub('a', "7-111") + sub('d', "CNY30.00")}, {"010", "  " + sub('a', "7-222")}},
         u"BookPrice"_s, 30.0},
        {"other tags not read", {{"701", " 0" + sub('a', "Author")}}, u"Name"_s, QVariant()},
        {"blanks around a value", {{"200", "1 " + sub('a', "  Spaced  ")}}, u"Name"_s, u"Spaced"_s},
    };
    for (const Case &c : cases) {
        db().exec(u"delete from BookInfoPre"_s);
        MarcBuilder record;
        for (const auto &[tag, content] : c.fields)
            record.field(tag, content);
        ASSERT_EQ(import(record.record()).imported, 1) << c.what;
        ResultSet rs = rows();
        if (c.expected.isNull())
            EXPECT_TRUE(rs.isNull(c.column)) << c.what;
        else
            EXPECT_EQ(rs.value(c.column).toString(), c.expected.toString()) << c.what;
    }
}

TEST_F(MarcImportTest, recordsEndAtTheTerminatorAsWellAsAtLineBreaks)
{
    const QByteArray a = titled(u"甲"_s), b = titled(u"乙"_s), c = titled(u"丙"_s);
    struct Case
    {
        const char *what;
        QByteArray file;
    };
    const Case cases[] = {
        {"run together, no line breaks", a + b + c},
        {"terminator and CRLF, blank lines, padding", "\r\n" + a + "\r\n\r\n" + b + "  \r\n" + c + "\r\n\x1A"},
        {"one per line without terminators",
         withoutTerminator(a) + '\n' + withoutTerminator(b) + '\n' + withoutTerminator(c)},
    };
    for (const Case &cs : cases) {
        db().exec(u"delete from BookInfoPre"_s);
        const MarcImport::Result result = import(cs.file);
        EXPECT_EQ(result.imported, 3) << cs.what;
        EXPECT_TRUE(result.skipped.isEmpty()) << cs.what;
        EXPECT_EQ(column(u"Name"_s), (QStringList{u"甲"_s, u"乙"_s, u"丙"_s})) << cs.what;
    }
}

TEST_F(MarcImportTest, textIsGbkOrUtf8AsTheRecordSaysOrItsBytesShow)
{
    const QString title = u"中华人民共和国图书馆史"_s;
    const auto record = [](const QByteArray &name, const char *general, char leaderCoding = ' ') {
        return MarcBuilder()
            .leaderCoding(leaderCoding)
            .field("100", "  " + sub('a', general))
            .field("200", "1 " + sub('a', name))
            .record();
    };
    const char *unimarcUtf8 = "20240105d1996    em y0chiy50      ea";
    const char *unimarcOther = "20240105d1996    em y0chiy0110    ea";
    struct Case
    {
        const char *what;
        QByteArray bytes;
        MarcEncoding encoding;
        QString name;
    };
    const Case cases[] = {
        {"GBK", record(gbk(title), unimarcOther), MarcEncoding::Auto, title},
        {"UTF-8, field 100 says 50", record(title.toUtf8(), unimarcUtf8), MarcEncoding::Auto, title},
        {"UTF-8, MARC 21 leader says a", record(title.toUtf8(), unimarcOther, 'a'), MarcEncoding::Auto, title},
        {"UTF-8, said nowhere", record(title.toUtf8(), unimarcOther), MarcEncoding::Auto, title},
        {"GBK bytes though 100 says UTF-8", record(gbk(title), unimarcUtf8), MarcEncoding::Auto, title},
        {"a stray byte in GBK", record(gbk(u"书名"_s) + '\xFF' + gbk(u"续"_s), unimarcOther), MarcEncoding::Auto,
         u"书名\uFFFD续"_s},
        // Bytes that read both ways (short UTF-8 that looks like GB 2312 text, GBK
        // characters outside GB 2312 that are valid UTF-8): the operator's choice settles it.
        {"UTF-8 chosen", record(u"书书"_s.toUtf8(), unimarcOther), MarcEncoding::Utf8, u"书书"_s},
        {"GBK chosen", record(gbk(u"讓車"_s), unimarcOther), MarcEncoding::Gbk, u"讓車"_s},
    };
    for (const Case &c : cases) {
        db().exec(u"delete from BookInfoPre"_s);
        ASSERT_EQ(import(c.bytes, c.encoding).imported, 1) << c.what;
        EXPECT_EQ(column(u"Name"_s), QStringList{c.name}) << c.what;
    }
}

TEST_F(MarcImportTest, aCorruptRecordIsReportedAndTheRecordsAroundItImported)
{
    const QByteArray good = titled(u"中间"_s);
    QByteArray badDigit = good;
    badDigit[24 + 5] = 'x'; // inside the length of the first directory entry
    QByteArray wrongLength = good;
    wrongLength[24 + 6] = char(wrongLength[24 + 6] - 1); // the field is one byte shorter than said
    QByteArray oddDirectory = good;
    oddDirectory.insert(24 + 12, '0');
    struct Case
    {
        const char *what;
        QByteArray bad;
        QString reason;
    };
    const Case cases[] = {
        {"cut in its data", good.left(good.size() - 8) + '\x1D', u"记录不完整：字段200超出记录末尾"_s},
        {"cut in its directory", good.left(30) + '\x1D', u"记录不完整：目录没有结束符"_s},
        {"cut in its leader", good.left(10) + '\x1D', u"记录不完整：不足24字节的记录头"_s},
        {"letter in the directory", badDigit, u"目录中字段200的长度或起始位置不是数字"_s},
        {"directory not in entries", oddDirectory, u"目录长度13不是12的倍数"_s},
        {"length off by one", wrongLength, u"字段200的长度或起始位置与数据不符"_s},
    };
    for (const Case &c : cases) {
        db().exec(u"delete from BookInfoPre"_s);
        // Blank lines between records are not records and do not count.
        const QByteArray file = titled(u"之前"_s) + "\r\n\r\n" + c.bad + "\r\n" + titled(u"之后"_s);
        const MarcImport::Result result = import(file);
        EXPECT_TRUE(result.error.isEmpty()) << c.what;
        EXPECT_EQ(column(u"Name"_s), (QStringList{u"之前"_s, u"之后"_s})) << c.what;
        ASSERT_EQ(result.skipped.size(), 1) << c.what;
        EXPECT_EQ(result.skipped[0].record, 2) << c.what;
        EXPECT_EQ(result.skipped[0].reason, c.reason) << c.what;
        EXPECT_TRUE(MarcImport::summary(result).startsWith(u"导入 2 条\n跳过 1 条：\n第2条记录："_s)) << c.what;
    }
}

TEST_F(MarcImportTest, aValueLongerThanItsColumnIsCutAndReported)
{
    const QString longName = QString(120, u'书');
    // 29 ordinary characters and two outside the BMP: 31 characters in 33 UTF-16 units.
    const QString writer = QString(29, u'作') + u"\U00020000\U00020001"_s;
    const QByteArray record = MarcBuilder()
                                  .field("100", "  " + sub('a', "20240105d1996    em y0chiy50      ea"))
                                  .field("200", "1 " + sub('a', longName.toUtf8()) + sub('f', writer.toUtf8()))
                                  .record();
    const MarcImport::Result result = import(titled(u"第一"_s) + record);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.warnings,
              (QStringList{u"第2条记录：中文名称超过100个字，已截断"_s, u"第2条记录：作者超过30个字，已截断"_s}));
    ResultSet rs = rows();
    rs.next();
    EXPECT_EQ(rs.text(u"Name"), longName.left(100));
    EXPECT_EQ(rs.text(u"Writer"), QString(29, u'作') + u"\U00020000"_s);
    EXPECT_TRUE(MarcImport::summary(result).contains(u"截断 2 处："_s));
}

TEST_F(MarcImportTest, aFileThatCannotBeOpenedIsAnError)
{
    QTemporaryDir folder;
    const MarcImport::Result missing = MarcImport(db()).importFile(folder.filePath(u"none.iso"_s));
    EXPECT_TRUE(missing.error.startsWith(u"无法打开文件"_s)) << missing.error.toStdString();
    EXPECT_EQ(missing.imported, 0);

    QFile empty(folder.filePath(u"empty.iso"_s));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const MarcImport::Result nothing = MarcImport(db()).importFile(empty.fileName());
    EXPECT_TRUE(nothing.error.isEmpty());
    EXPECT_EQ(nothing.imported, 0);
    EXPECT_EQ(rows().count(), 0);
}

TEST_F(MarcImportTest, progressComesAfterEachBatchAndCanStopTheImport)
{
    const qint64 total = 2 * MarcImport::kBatchSize + 200;
    QByteArray file;
    for (qint64 i = 1; i <= total; ++i)
        file += titled(u"书%1"_s.arg(i));

    QList<MarcImport::Progress> seen;
    const MarcImport::Result all = import(file, MarcEncoding::Auto, [&seen](const MarcImport::Progress &p) {
        seen << p;
        return true;
    });
    EXPECT_EQ(all.imported, total);
    EXPECT_FALSE(all.cancelled);
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0].records, MarcImport::kBatchSize);
    EXPECT_LT(seen[0].bytesRead, seen[1].bytesRead);
    EXPECT_EQ(seen[2].records, total);
    EXPECT_EQ(seen[2].bytesRead, file.size());
    EXPECT_EQ(seen[2].bytesTotal, file.size());

    db().exec(u"delete from BookInfoPre"_s);
    const MarcImport::Result stopped = import(file, MarcEncoding::Auto, [](const MarcImport::Progress &) {
        return false;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.imported, MarcImport::kBatchSize);
    EXPECT_EQ(rows().count(), MarcImport::kBatchSize);
    EXPECT_TRUE(MarcImport::summary(stopped).startsWith(u"导入 500 条（已取消"_s));
}

TEST_F(MarcImportTest, aFailedWriteStopsTheImportAndKeepsTheEarlierBatches)
{
    QByteArray file;
    for (int i = 0; i < MarcImport::kBatchSize + 10; ++i)
        file += titled(u"书"_s);
    const MarcImport::Result result = import(file, MarcEncoding::Auto, [this](const MarcImport::Progress &) {
        db().execDirect(u"alter table BookInfoPre rename to BookInfoPreOld"_s);
        return true;
    });
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(result.imported, MarcImport::kBatchSize);
    EXPECT_EQ(db().scalar(u"select count(*) from BookInfoPreOld"_s).toInt(), MarcImport::kBatchSize);
}

TEST_F(MarcImportTest, readsRealExchangeFiles)
{
    // MARC 21, UTF-8, records run together: one row each, no UNIMARC fields to fill.
    const MarcImport::Result marc21 = MarcImport(db()).importFile(fixture(u"yaz_marccol1.u8.marc"_s));
    EXPECT_TRUE(marc21.error.isEmpty()) << marc21.error.toStdString();
    EXPECT_EQ(marc21.imported, 19);
    EXPECT_TRUE(marc21.skipped.isEmpty());
    EXPECT_EQ(rows().count(), 19);

    db().exec(u"delete from BookInfoPre"_s);
    const MarcImport::Result unimarc = MarcImport(db()).importFile(fixture(u"pymarc_testunimarc.dat"_s));
    EXPECT_EQ(unimarc.imported, 1);
    ResultSet rs = rows();
    ASSERT_EQ(rs.count(), 1);
    // The title's non-sorting marks around "L'" are control characters and are dropped.
    EXPECT_EQ(rs.text(u"Name"), u"L'altra faccia della spirale"_s);
    EXPECT_EQ(rs.text(u"Writer"), u"Isaac Asimov"_s);
    EXPECT_EQ(rs.text(u"Translator"), u"traduzione di Cesare Scaglia"_s);
    EXPECT_EQ(rs.text(u"BookIsbn"), u"88-04-40682-8"_s);
    EXPECT_EQ(rs.text(u"language"), u"ita"_s);
    EXPECT_EQ(rs.text(u"Publisher"), u"A. Mondadori"_s);
    EXPECT_EQ(rs.text(u"PubDate"), u"1996"_s);
    EXPECT_EQ(rs.text(u"BookPage"), u"V, 201 p."_s);
    EXPECT_EQ(rs.text(u"Size"), u"20 cm."_s);
}

} // namespace
