#include "core/framework/XlsxExport.h"
#include "support/Printers.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <unzip.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class ListRows : public GridRows
{
public:
    explicit ListRows(QList<QVariantList> rows) : m_rows(std::move(rows)) {}
    qsizetype count() const override { return m_rows.size(); }
    QVariant value(qsizetype row, int column) const override { return m_rows.at(row).at(column); }

private:
    QList<QVariantList> m_rows;
};

// Rows made up on request, for exports too long to list.
class CountingRows : public GridRows
{
public:
    explicit CountingRows(qsizetype n) : m_n(n) {}
    qsizetype count() const override { return m_n; }
    QVariant value(qsizetype row, int) const override { return row; }

private:
    qsizetype m_n;
};

QByteArray zipEntry(const QString &zipPath, const char *name)
{
    unzFile zip = unzOpen64(QFile::encodeName(zipPath).constData());
    if (!zip)
        return {};
    QByteArray data;
    if (unzLocateFile(zip, name, 0) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[8192];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return data;
}

struct Cell
{
    int style = 0;
    QString type; // "s", "inlineStr", "str" or empty for a number
    QString value;
};

struct CellStyle
{
    QString numberFormat;
    bool bold = false;
    QString horizontal;
};

// What the test needs to know of a workbook, read back from its XML parts.
struct Workbook
{
    QHash<QString, Cell> cells; // by reference, "A1"
    QList<int> rowNumbers;
    QHash<int, double> rowHeights;
    double defaultRowHeight = 0;
    QHash<int, double> columnWidths; // 1-based column
    QList<CellStyle> styles;
    QStringList sharedStrings;

    bool has(const QString &ref) const { return cells.contains(ref); }
    QString text(const QString &ref) const
    {
        const Cell c = cells.value(ref);
        return c.type == u"s" ? sharedStrings.value(c.value.toInt()) : c.value;
    }
    bool isString(const QString &ref) const { return !cells.value(ref).type.isEmpty(); }
    CellStyle style(const QString &ref) const { return styles.value(cells.value(ref).style); }
    double height(int row) const { return rowHeights.value(row, defaultRowHeight); }
};

QString builtInFormat(int id)
{
    switch (id) {
    case 0:
        return u"General"_s;
    case 49:
        return u"@"_s;
    default:
        return u"builtin %1"_s.arg(id);
    }
}

void readStyles(const QByteArray &xml, Workbook &book)
{
    QHash<int, QString> customFormats;
    QList<bool> fontBold;
    QXmlStreamReader reader(xml);
    QString section;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && (reader.name() == u"fonts" || reader.name() == u"cellXfs"))
            section.clear();
        if (!reader.isStartElement())
            continue;
        const auto a = reader.attributes();
        const auto name = reader.name();
        if (name == u"fonts" || name == u"cellXfs" || name == u"cellStyleXfs")
            section = name.toString();
        else if (name == u"numFmt")
            customFormats.insert(a.value("numFmtId"_L1).toInt(), a.value("formatCode"_L1).toString());
        else if (name == u"font" && section == u"fonts")
            fontBold << false;
        else if (name == u"b" && section == u"fonts")
            fontBold.last() = true;
        else if (name == u"xf" && section == u"cellXfs") {
            const int format = a.value("numFmtId"_L1).toInt();
            book.styles << CellStyle{customFormats.value(format, builtInFormat(format)),
                                     fontBold.value(a.value("fontId"_L1).toInt()), QString()};
        } else if (name == u"alignment" && section == u"cellXfs")
            book.styles.last().horizontal = a.value("horizontal"_L1).toString();
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

void readSheet(const QByteArray &xml, Workbook &book)
{
    QXmlStreamReader reader(xml);
    QString ref;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto a = reader.attributes();
        const auto name = reader.name();
        if (name == u"sheetFormatPr")
            book.defaultRowHeight = a.value("defaultRowHeight"_L1).toDouble();
        else if (name == u"col") {
            for (int c = a.value("min"_L1).toInt(); c <= a.value("max"_L1).toInt(); ++c)
                book.columnWidths.insert(c, a.value("width"_L1).toDouble());
        } else if (name == u"row") {
            book.rowNumbers << a.value("r"_L1).toInt();
            if (a.hasAttribute("ht"_L1))
                book.rowHeights.insert(a.value("r"_L1).toInt(), a.value("ht"_L1).toDouble());
        } else if (name == u"c") {
            ref = a.value("r"_L1).toString();
            book.cells.insert(ref, Cell{a.value("s"_L1).toInt(), a.value("t"_L1).toString(), QString()});
        } else if (name == u"v" || name == u"t")
            book.cells[ref].value += reader.readElementText();
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

Workbook readWorkbook(const QString &path)
{
    Workbook book;
    const QByteArray sheet = zipEntry(path, "xl/worksheets/sheet1.xml");
    const QByteArray styles = zipEntry(path, "xl/styles.xml");
    EXPECT_FALSE(sheet.isEmpty());
    EXPECT_FALSE(styles.isEmpty());
    readStyles(styles, book);
    readSheet(sheet, book);
    QXmlStreamReader strings(zipEntry(path, "xl/sharedStrings.xml"));
    // Absent when the strings are written inline.
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == u"si")
            book.sharedStrings << QString();
        else if (strings.isStartElement() && strings.name() == u"t")
            book.sharedStrings.last() += strings.readElementText();
    }
    return book;
}

// Excel counts days from 1899-12-30 for every date after February 1900.
QDate excelDate(const QString &serial)
{
    return QDate(1899, 12, 30).addDays(serial.toLongLong());
}

const QList<GridColumn> loanColumns = {
    {u"Code"_s, u"条码号"_s, 100, ValueKind::Text, false},
    {u"Price"_s, u"价格"_s, 75, ValueKind::Float, true},
    {u"BorrowDate"_s, u"借书日期"_s, 90, ValueKind::Date, false},
    {u"LoanCount"_s, u"借阅次数"_s, 64, ValueKind::Integer, true},
    {u"IsLent"_s, u"已借出"_s, 50, ValueKind::Bool, false},
};

class XlsxExportTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }
};

TEST_F(XlsxExportTest, titleRowIsBoldCentredWithWidthsFromPixels)
{
    const ListRows rows({{u"0012"_s, 25.5, QDate(2024, 1, 31), 3, true}});
    const QString file = path(u"loans.xlsx"_s);
    QString error;
    ASSERT_TRUE(XlsxExport::write(file, {loanColumns, &rows}, &error)) << error.toStdString();

    const Workbook book = readWorkbook(file);
    for (int c = 0; c < loanColumns.size(); ++c) {
        const QString ref = QChar(u'A' + c) + u"1"_s;
        SCOPED_TRACE(ref.toStdString());
        EXPECT_TRUE(book.isString(ref));
        EXPECT_EQ(book.text(ref), loanColumns[c].title);
        EXPECT_TRUE(book.style(ref).bold);
        EXPECT_EQ(book.style(ref).horizontal, u"center"_s);
        // Excel stores a width with the cell padding added; its whole part is the width set.
        EXPECT_EQ(int(book.columnWidths.value(c + 1)), loanColumns[c].width / 6);
    }
    EXPECT_EQ(book.height(1), 15.0);
}

TEST_F(XlsxExportTest, cellsAreTypedAndFormattedByColumnKind)
{
    const ListRows rows({
        {u"0012"_s, 1234.5, QDate(2024, 1, 31), 3, true},
        {u"0100"_s, u"12.25"_s, u"2024-02-29"_s, qlonglong(0), false},
        {QVariant(), QVariant(), QVariant(), QVariant(), u"否"_s},
        {u"D-7"_s, -0.5, QDate(1890, 5, 1), u"n/a"_s, 1},
    });
    const QString file = path(u"typed.xlsx"_s);
    ASSERT_TRUE(XlsxExport::write(file, {loanColumns, &rows}));
    const Workbook book = readWorkbook(file);

    struct Expected
    {
        QString ref;
        bool string;
        QString value; // text, or number as written, or a date for date cells
        QString format;
    };
    const QString text = u"@"_s, money = u"#,##0.00_ "_s, date = u"yyyy-mm-dd"_s, general = u"General"_s;
    const Expected cases[] = {
        {u"A2"_s, true, u"0012"_s, text},        {u"A3"_s, true, u"0100"_s, text},
        {u"B2"_s, false, u"1234.5"_s, money},    {u"B3"_s, false, u"12.25"_s, money},
        {u"C2"_s, false, u"2024-01-31"_s, date}, {u"C3"_s, false, u"2024-02-29"_s, date},
        {u"D2"_s, false, u"3"_s, general},       {u"D3"_s, false, u"0"_s, general},
        {u"E2"_s, true, u"是"_s, general},       {u"E3"_s, true, u"否"_s, general},
        {u"E4"_s, true, u"否"_s, general},       {u"E5"_s, true, u"是"_s, general},
        // Empty values leave formatted empty cells, ready for what the operator types.
        {u"A4"_s, false, QString(), text},       {u"B4"_s, false, QString(), money},
        {u"C4"_s, false, QString(), date},       {u"A5"_s, true, u"D-7"_s, text},
        {u"B5"_s, false, u"-0.5"_s, money},
        // What Excel cannot hold as a date or a number is kept as the text it is.
        {u"C5"_s, true, u"1890-05-01"_s, date},  {u"D5"_s, true, u"n/a"_s, general},
    };
    for (const Expected &e : cases) {
        SCOPED_TRACE(e.ref.toStdString());
        ASSERT_TRUE(book.has(e.ref));
        EXPECT_EQ(book.isString(e.ref), e.string);
        EXPECT_EQ(book.style(e.ref).numberFormat, e.format);
        EXPECT_FALSE(book.style(e.ref).bold);
        if (!e.string && e.format == date && !e.value.isEmpty())
            EXPECT_EQ(excelDate(book.text(e.ref)), QDate::fromString(e.value, u"yyyy-MM-dd"));
        else if (!e.string && !e.value.isEmpty())
            EXPECT_DOUBLE_EQ(book.text(e.ref).toDouble(), e.value.toDouble());
        else
            EXPECT_EQ(book.text(e.ref), e.value);
    }
    EXPECT_FALSE(book.has(u"D4"_s)); // an empty Integer needs no format of its own
    EXPECT_EQ(book.rowNumbers, (QList<int>{1, 2, 3, 4, 5}));
}

TEST_F(XlsxExportTest, emptyResultGivesTheTitleRowOnly)
{
    const ListRows none({});
    for (const GridRows *rows : {static_cast<const GridRows *>(&none), static_cast<const GridRows *>(nullptr)}) {
        const QString file = path(u"empty.xlsx"_s);
        ASSERT_TRUE(XlsxExport::write(file, {loanColumns, rows}));
        const Workbook book = readWorkbook(file);
        EXPECT_EQ(book.rowNumbers, QList<int>{1});
        EXPECT_EQ(book.text(u"B1"_s), u"价格"_s);
        EXPECT_EQ(book.cells.size(), loanColumns.size());
    }
}

TEST_F(XlsxExportTest, aFileThatCannotBeWrittenIsReportedAndNotLeftBehind)
{
    const ListRows rows({{u"0012"_s, 1.0, QDate(2024, 1, 31), 3, true}});
    const QString file = path(u"no-such-folder/loans.xlsx"_s);
    QString error;
    EXPECT_FALSE(XlsxExport::write(file, {loanColumns, &rows}, &error));
    EXPECT_TRUE(error.contains(file)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(XlsxExportTest, progressIsToldAndCanStopTheExport)
{
    const CountingRows rows(10000);
    const QList<GridColumn> columns = {{u"Id"_s, u"序号"_s, 60, ValueKind::Integer, false}};

    QList<qsizetype> told;
    const QString whole = path(u"whole.xlsx"_s);
    ASSERT_TRUE(XlsxExport::write(whole, {columns, &rows}, nullptr, [&](qsizetype done, qsizetype total) {
        EXPECT_EQ(total, rows.count());
        told << done;
        return true;
    }));
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.last(), rows.count());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    const Workbook book = readWorkbook(whole);
    EXPECT_EQ(book.rowNumbers.size(), rows.count() + 1);
    EXPECT_EQ(book.text(u"A10001"_s), u"9999"_s);

    const QString stopped = path(u"stopped.xlsx"_s);
    QString error;
    EXPECT_FALSE(XlsxExport::write(stopped, {columns, &rows}, &error, [](qsizetype, qsizetype) { return false; }));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(stopped));
}

} // namespace
