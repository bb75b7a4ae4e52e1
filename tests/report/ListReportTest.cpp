#include "report/ListReport.h"

#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using tarvo::report::ListReport;
using tarvo::report::ListTemplate;

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

const QList<GridColumn> loanColumns = {
    {u"BarCode"_s, u"条码号"_s, 80, ValueKind::Text, false},
    {u"Name"_s, u"题名"_s, 220, ValueKind::Text, false},
    {u"Price"_s, u"单价"_s, 70, ValueKind::Float, true},
    {u"LoanCount"_s, u"借阅次数"_s, 60, ValueKind::Integer, true},
    {u"BorrowDate"_s, u"借书日期"_s, 90, ValueKind::Date, false},
};

const QStringList names = {u"红楼梦"_s, u"中国图书馆分类法（第五版）"_s, u"数据库系统概论"_s, u"平凡的世界"_s,
                           u"三体"_s};

QList<QVariantList> loans(int n)
{
    QList<QVariantList> rows;
    for (int i = 0; i < n; ++i)
        rows << QVariantList{u"B%1"_s.arg(i + 1, 5, 10, QChar(u'0')), names.at(i % names.size()),
                             12.5 + (i % 9) * 7.35, i % 4, QDate(2024, 1, 1).addDays(i % 31)};
    return rows;
}

const ListReport::Header header{u"南山区图书馆"_s, u"图书借阅清单"_s, u"借书日期: 2024-01-01 至 2024-01-31"_s,
                                QDate(2024, 2, 1)};

QString squeezed(QString text)
{
    return text.remove(QRegularExpression(u"\\s"_s));
}

// The text of every page, as poppler reads it back from the file.
QStringList pdfPages(const QString &pdf)
{
    QProcess tool;
    tool.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int pdfPageCount(const QString &pdf)
{
    QProcess tool;
    tool.start(u"pdfinfo"_s, {pdf});
    EXPECT_TRUE(tool.waitForFinished(60000));
    const auto match = QRegularExpression(u"^Pages:\\s+(\\d+)"_s, QRegularExpression::MultilineOption)
                           .match(QString::fromUtf8(tool.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Pages the report takes on A4 in its template's layout, as the PDF writer sees it.
int expectedPages(const ListReport &report)
{
    QPdfWriter probe(QString{});
    probe.setPageLayout(report.layout().pageLayout());
    probe.setResolution(600);
    return report.pageCount(&probe);
}

class ListReportTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }
};

TEST_F(ListReportTest, everyPageHasTheHeaderTitlesAndItsNumber)
{
    const ListRows rows(loans(90));
    const ListReport report({}, {loanColumns, &rows}, header);
    const QString pdf = path(u"loans.pdf"_s);
    QString error;
    ASSERT_TRUE(report.writePdf(pdf, &error)) << error.toStdString();

    const int pages = pdfPageCount(pdf);
    ASSERT_GE(pages, 2);
    EXPECT_EQ(pages, expectedPages(report));
    const QStringList text = pdfPages(pdf);
    ASSERT_EQ(text.size(), pages);

    QStringList codesSeen;
    for (int p = 0; p < pages; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const QString page = squeezed(text.at(p));
        for (const QString &expected : {header.corpName, header.title, header.condition,
                                        u"第%1页/共%2页"_s.arg(p + 1).arg(pages), u"制表日期:2024-02-01"_s})
            EXPECT_TRUE(page.contains(squeezed(expected))) << expected.toStdString();
        for (const GridColumn &column : loanColumns)
            EXPECT_TRUE(page.contains(column.title)) << column.title.toStdString();
        for (const auto &match : QRegularExpression(u"B\\d{5}"_s).globalMatch(page))
            codesSeen << match.captured();
    }
    // Every row printed once, in order, across the page breaks.
    QStringList codes;
    for (qsizetype r = 0; r < rows.count(); ++r)
        codes << rows.value(r, 0).toString();
    EXPECT_EQ(codesSeen, codes);
    EXPECT_TRUE(text.last().contains(u"共 %1 条记录"_s.arg(rows.count())));
    EXPECT_FALSE(text.first().contains(u"条记录"_s));
}

TEST_F(ListReportTest, totalsFollowTheLastRow)
{
    const ListRows rows(loans(90));
    double price = 0;
    qint64 count = 0;
    for (qsizetype r = 0; r < rows.count(); ++r) {
        price += rows.value(r, 2).toDouble();
        count += rows.value(r, 3).toLongLong();
    }
    const QString priceText = QLocale(QLocale::Chinese, QLocale::China).toString(price, 'f', 2);
    ASSERT_TRUE(priceText.contains(u',')) << "the sum should show thousands";

    const ListReport report({}, {loanColumns, &rows}, header);
    EXPECT_EQ(report.totals(), (QStringList{QString(), QString(), priceText, QString::number(count), QString()}));

    const QString pdf = path(u"totals.pdf"_s);
    ASSERT_TRUE(report.writePdf(pdf));
    const QStringList pages = pdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    const QString lastLine = [&] {
        for (const QString &line : pages.last().split(u'\n'))
            if (line.contains(u"合计"_s))
                return line;
        return QString();
    }();
    EXPECT_TRUE(lastLine.contains(priceText)) << lastLine.toStdString();
    EXPECT_TRUE(lastLine.contains(QString::number(count))) << lastLine.toStdString();
    for (qsizetype p = 0; p + 1 < pages.size(); ++p)
        EXPECT_FALSE(pages.at(p).contains(u"合计"_s));
}

TEST_F(ListReportTest, aTotalWiderThanItsColumnIsShownWhole)
{
    QList<GridColumn> narrow = loanColumns;
    narrow[2].width = 40;
    QList<QVariantList> amounts = loans(3);
    double price = 0;
    for (QVariantList &row : amounts)
        price += (row[2] = row[2].toDouble() * 1e6).toDouble();
    const ListRows rows(amounts);
    const ListReport report({}, {narrow, &rows}, header);
    const QString pdf = path(u"narrow.pdf"_s);
    ASSERT_TRUE(report.writePdf(pdf));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.first().contains(QLocale(QLocale::Chinese, QLocale::China).toString(price, 'f', 2)))
        << pages.first().toStdString();
}

TEST_F(ListReportTest, emptyResultPrintsOnePageOfHeadings)
{
    const ListRows none({});
    const ListReport report({}, {loanColumns, &none}, header);
    const QString pdf = path(u"empty.pdf"_s);
    ASSERT_TRUE(report.writePdf(pdf));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString page = squeezed(pages.first());
    for (const QString &expected : {header.corpName, header.title, header.condition, u"共0条记录"_s, u"第1页/共1页"_s,
                                    loanColumns.first().title})
        EXPECT_TRUE(page.contains(squeezed(expected))) << expected.toStdString();
    EXPECT_EQ(report.totals(), (QStringList{QString(), QString(), u"0.00"_s, u"0"_s, QString()}));
}

TEST_F(ListReportTest, totalsLineNeedsRoomOnThePage)
{
    // The most rows that, with their totals line, still fill one page.
    int fit = 1;
    while (true) {
        const ListRows rows(loans(fit + 1));
        if (expectedPages(ListReport({}, {loanColumns, &rows}, header)) > 1)
            break;
        ++fit;
    }
    const ListRows full(loans(fit + 1));
    const ListReport report({}, {loanColumns, &full}, header);
    const QString pdf = path(u"full.pdf"_s);
    ASSERT_TRUE(report.writePdf(pdf));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    // The first page is all rows; the totals go over to the next, under its own titles.
    EXPECT_EQ(squeezed(pages.at(0)).count(QRegularExpression(u"B\\d{5}"_s)), fit + 1);
    EXPECT_FALSE(pages.at(1).contains(u"B0"_s));
    EXPECT_TRUE(pages.at(1).contains(u"合计"_s));
    EXPECT_TRUE(pages.at(1).contains(u"借阅次数"_s));

    // Without a summed column the same rows fit on one page.
    QList<GridColumn> unsummed = loanColumns;
    for (GridColumn &column : unsummed)
        column.footerSum = false;
    EXPECT_EQ(expectedPages(ListReport({}, {unsummed, &full}, header)), 1);
}

TEST_F(ListReportTest, printerDrawsOnlyTheChosenPages)
{
    const ListRows rows(loans(90));
    const ListReport report({}, {loanColumns, &rows}, header);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = path(u"printed.pdf"_s);
    printer.setOutputFileName(pdf);
    report.applyPageLayout(&printer);
    const int pages = report.pageCount(&printer);
    ASSERT_GE(pages, 2);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    ASSERT_TRUE(report.print(&printer));

    const QStringList text = pdfPages(pdf);
    ASSERT_EQ(text.size(), 1);
    EXPECT_TRUE(squeezed(text.first()).contains(u"第2页/共%1页"_s.arg(pages)));
    EXPECT_FALSE(text.first().contains(u"B00001"_s));
}

TEST_F(ListReportTest, templateChoosesAndNamesTheColumns)
{
    // Listed in the template's order, renamed; a column the grid does not show is left out.
    const auto layout = ListTemplate::fromJson(R"({
        "title": "图书资料清单",
        "orientation": "landscape",
        "columns": [
            {"field": "name", "title": "书名", "width": 200},
            {"field": "Hidden", "title": "隐藏列"},
            {"field": "BarCode"},
            {"field": "LoanCount", "sum": false}
        ]
    })");
    ASSERT_TRUE(layout.has_value());
    const ListRows rows(loans(3));
    const ListReport report(*layout, {loanColumns, &rows}, {u"南山区图书馆"_s, QString(), QString(), QDate()});
    EXPECT_TRUE(report.totals().join(QString()).isEmpty()); // nothing summed any more
    const QString pdf = path(u"chosen.pdf"_s);
    ASSERT_TRUE(report.writePdf(pdf));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString page = pages.first();
    EXPECT_TRUE(page.contains(u"图书资料清单"_s)); // the template's title when the caller gives none
    EXPECT_FALSE(page.contains(u"隐藏列"_s));
    EXPECT_FALSE(page.contains(u"单价"_s));
    EXPECT_FALSE(page.contains(u"合计"_s));
    const QString titles = [&] {
        for (const QString &line : page.split(u'\n'))
            if (line.contains(u"书名"_s))
                return line;
        return QString();
    }();
    EXPECT_LT(titles.indexOf(u"书名"_s), titles.indexOf(u"条码号"_s)) << titles.toStdString();
    EXPECT_LT(titles.indexOf(u"条码号"_s), titles.indexOf(u"借阅次数"_s)) << titles.toStdString();
}

TEST(ListTemplateTest, readsWhatItWrites)
{
    ListTemplate layout;
    layout.title = u"读者清单"_s;
    layout.orientation = QPageLayout::Landscape;
    layout.paper = QPageSize(QSizeF(241, 280), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    layout.margins = QMarginsF(10, 8, 10, 8);
    layout.bodyFont = {u"宋体"_s, 10.5, false};
    layout.columns = {{u"Code"_s, u"读者证号"_s, 90, std::nullopt}, {u"Fine"_s, QString(), 0, true}};

    QString error;
    const auto read = ListTemplate::fromJson(layout.toJson(), &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    EXPECT_EQ(read->title, layout.title);
    EXPECT_EQ(read->orientation, layout.orientation);
    EXPECT_TRUE(read->paper.isEquivalentTo(layout.paper));
    EXPECT_EQ(read->margins, layout.margins);
    EXPECT_EQ(read->bodyFont.family, layout.bodyFont.family);
    EXPECT_EQ(read->bodyFont.size, layout.bodyFont.size);
    EXPECT_EQ(read->titleFont.bold, layout.titleFont.bold);
    ASSERT_EQ(read->columns.size(), 2);
    EXPECT_EQ(read->columns[0].title, u"读者证号"_s);
    EXPECT_EQ(read->columns[0].width, 90);
    EXPECT_FALSE(read->columns[0].sum.has_value());
    EXPECT_EQ(read->columns[1].sum, std::optional<bool>(true));

    // A face the machine lacks, asked for by its old name, is set in the Chinese serif face.
    EXPECT_EQ(read->bodyFont.font().families().value(0), u"Noto Serif CJK SC"_s);
}

TEST(ListTemplateTest, refusesWhatIsNotAListTemplate)
{
    const char *const broken[] = {
        "not json",
        "[1, 2]",
        R"({"kind": "label"})",
        R"({"paper": "B99"})",
        R"({"paper": {"width": 241}})",
        R"({"orientation": "sideways"})",
        R"({"margins": {"left": -5}})",
        R"({"fonts": {"body": {"size": "big"}}})",
        R"({"columns": [{"title": "没有字段"}]})",
        R"({"columns": {"field": "Code"}})",
    };
    for (const char *json : broken) {
        QString error;
        EXPECT_FALSE(ListTemplate::fromJson(json, &error).has_value()) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
    const auto minimal = ListTemplate::fromJson("{}");
    ASSERT_TRUE(minimal.has_value());
    EXPECT_TRUE(minimal->columns.isEmpty());
    EXPECT_EQ(minimal->paper.id(), QPageSize::A4);

    QString error;
    EXPECT_FALSE(ListTemplate::load(u"/no/such/report/BookData.rmf"_s, &error).has_value());
    EXPECT_TRUE(error.contains(u"BookData.rmf"_s));
}

} // namespace
