#include "report/CardReport.h"
#include "report/CardPainter.h"
#include "support/Printers.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using tarvo::report::CardData;
using tarvo::report::CardPainter;
using tarvo::report::CardReport;
using tarvo::report::CardTemplate;

namespace {

class ListRows : public GridRows
{
public:
    explicit ListRows(QList<QVariantList> rows)
        : m_rows(std::move(rows))
    {}
    qsizetype count() const override { return m_rows.size(); }
    QVariant value(qsizetype row, int column) const override { return m_rows.at(row).at(column); }

private:
    QList<QVariantList> m_rows;
};

const QStringList readerFields = {u"Code"_s,       u"Name"_s,    u"Sax"_s,     u"SortCode"_s,
                                  u"Department"_s, u"RegDate"_s, u"PhotoBmp"_s};

QByteArray png(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QList<QVariantList> readers(int n)
{
    const QStringList names = {u"张三"_s, u"欧阳明月"_s, u"李四"_s};
    QList<QVariantList> rows;
    for (int i = 0; i < n; ++i)
        rows << QVariantList{u"R%1"_s.arg(2024001 + i * 37),
                             QString(names.at(i % names.size()) + QString::number(i + 1)),
                             u"男"_s,
                             u"学生"_s,
                             u"计算机系"_s,
                             QDate(2024, 3, 1 + i % 28),
                             i == 0 ? QVariant(png({300, 400}, Qt::darkCyan)) : QVariant()};
    return rows;
}

CardTemplate delivered(const QString &name)
{
    QString error;
    const auto layout =
        CardTemplate::load(QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(u"resources/report/"_s + name), &error);
    EXPECT_TRUE(layout.has_value()) << error.toStdString();
    return layout.value_or(CardTemplate());
}

const QHash<QString, QString> named = {{u"CorpName"_s, u"南山区图书馆"_s},
                                       {u"Rcardmemo"_s, u"1、此证仅限本人使用。\n2、遗失请立即挂失。"_s}};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    EXPECT_TRUE(tool.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit) << program.toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QStringList pdfPages(const QString &pdf)
{
    QStringList pages = run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString squeezed(QString text)
{
    return text.remove(QRegularExpression(u"\\s"_s));
}

class CardReportTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QString path(const QString &name) const { return folder.filePath(name); }
};

TEST_F(CardReportTest, frontsCarryNamesAndNumbersInOrderAndTheBarcodesScanBack)
{
    const ListRows rows(readers(3));
    const CardReport report(delivered(u"ReaderCard.rmf"_s), CardData(&rows, readerFields, named));
    const QString pdf = path(u"fronts.pdf"_s);
    QString error;
    ASSERT_TRUE(report.writePdf(pdf, &error)) << error.toStdString();

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString text = squeezed(pages.first());
    EXPECT_EQ(text.count(u"南山区图书馆"_s), 3) << text.toStdString();
    EXPECT_EQ(text.count(u"借书证"_s), 3);
    qsizetype previous = -1;
    QStringList codes;
    for (qsizetype r = 0; r < rows.count(); ++r) {
        const QString code = rows.value(r, 0).toString(), name = rows.value(r, 1).toString();
        codes << code;
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
        // The number under the bars and beside 编号.
        EXPECT_EQ(text.count(code), 2) << code.toStdString();
        EXPECT_GT(text.indexOf(name), previous) << "cards follow the rows' order";
        previous = text.indexOf(name);
    }

    // The bars themselves, read by a scanner from the printed page.
    run(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-gray"_s, u"-png"_s, pdf, path(u"fronts"_s)});
    const QString page = path(u"fronts-1.png"_s);
    ASSERT_TRUE(QFile::exists(page));
    QStringList scanned = run(u"zbarimg"_s, {u"--quiet"_s, u"--raw"_s, u"-Sdisable"_s, u"-Scode128.enable"_s, page})
                              .split(u'\n', Qt::SkipEmptyParts);
    scanned.sort();
    codes.sort();
    EXPECT_EQ(scanned, codes);
}

TEST_F(CardReportTest, tenCardsFillAnA4SheetAndTheBacksRunMirrored)
{
    const ListRows rows(readers(11));
    const CardReport fronts(delivered(u"ReaderCard.rmf"_s), CardData(&rows, readerFields, named));
    const QString pdf = path(u"eleven.pdf"_s);
    ASSERT_TRUE(fronts.writePdf(pdf));
    QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(squeezed(pages.at(0)).count(u"借书证"_s), 10);
    EXPECT_EQ(squeezed(pages.at(1)).count(u"借书证"_s), 1);
    EXPECT_TRUE(pages.at(1).contains(rows.value(10, 1).toString()));

    // A single card: on the left of its sheet, and its back on the right, behind it
    // when the sheet is turned over.
    const auto leftOfPage = [this](const CardReport &report, const QString &word) {
        const QString file = path(u"one.pdf"_s);
        EXPECT_TRUE(report.writePdf(file));
        const QString html = run(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
        const auto page = QRegularExpression(u"<page width=\"([\\d.]+)\""_s).match(html);
        const auto found = QRegularExpression(u"<word xMin=\"([\\d.]+)\"[^>]*>"_s + word).match(html);
        EXPECT_TRUE(page.hasMatch() && found.hasMatch()) << word.toStdString();
        return found.captured(1).toDouble() < page.captured(1).toDouble() / 2;
    };
    const ListRows one(readers(1));
    EXPECT_TRUE(leftOfPage(CardReport(delivered(u"ReaderCard.rmf"_s), CardData(&one, readerFields, named)), u"借"_s));
    EXPECT_FALSE(
        leftOfPage(CardReport(delivered(u"ReaderCardB.rmf"_s), CardData(&one, readerFields, named)), u"使用须知"_s));
}

TEST_F(CardReportTest, theBackCarriesTheRulesWithinTheirBox)
{
    const QString rules =
        u"1、此证仅限个人使用，不得转于他人使\n用，一经发现立即没收。\n2、此证仅作借阅凭证，不具有其它功能。\n"
        "3、此证遗失请立即挂失，否则一切后果自\n负。\n4、借阅图书须按期归还，逾期按日收取滞纳金，"
        "损坏或遗失图书照价赔偿。"_s;
    const ListRows rows(readers(1));
    const CardReport back(delivered(u"ReaderCardB.rmf"_s),
                          CardData(&rows, readerFields, {{u"Rcardmemo"_s, rules}, {u"CorpName"_s, u"南山区图书馆"_s}}));
    const QString pdf = path(u"back.pdf"_s);
    ASSERT_TRUE(back.writePdf(pdf));
    const QString text = squeezed(pdfPages(pdf).join(QString()));
    EXPECT_TRUE(text.contains(u"使用须知"_s));
    EXPECT_TRUE(text.contains(squeezed(rules))) << text.toStdString();

    // Every word of the rules stays inside the box the template gives them.
    const CardTemplate layout = delivered(u"ReaderCardB.rmf"_s);
    const auto memo = std::find_if(layout.items.begin(), layout.items.end(),
                                   [](const CardTemplate::Item &i) { return i.field == u"Rcardmemo"_s; });
    ASSERT_NE(memo, layout.items.end());
    constexpr qreal pxPerMm = 12;
    QImage card(int(layout.card.width() * pxPerMm), int(layout.card.height() * pxPerMm), QImage::Format_RGB32);
    card.fill(Qt::white);
    CardTemplate only = layout;
    only.items = {*memo};
    only.items.first().frame = false;
    only.border = false;
    {
        QPainter painter(&card);
        CardPainter(painter, pxPerMm).drawCard(only, {}, [&](const QString &field) {
            return field == u"Rcardmemo"_s ? QVariant(rules) : QVariant();
        });
    }
    const QRect box = QRectF(memo->rect.topLeft() * pxPerMm, memo->rect.size() * pxPerMm).toAlignedRect();
    int inked = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGray(card.pixel(x, y)) < 160) {
                ++inked;
                ASSERT_TRUE(box.contains(x, y)) << "ink at " << x << "," << y;
            }
    EXPECT_GT(inked, 1000);
}

TEST(CardPainterTest, aPhotoKeepsItsShapeAndAMissingOneLeavesAnEmptyFrame)
{
    CardTemplate layout;
    layout.border = false;
    CardTemplate::Item photo;
    photo.kind = CardTemplate::Item::Kind::Image;
    photo.field = u"PhotoBmp"_s;
    photo.rect = QRectF(10, 10, 20, 30);
    photo.align = Qt::AlignCenter;
    layout.items = {photo};

    constexpr qreal pxPerMm = 10;
    const auto paint = [&](const QVariant &picture) {
        QImage card(int(layout.card.width() * pxPerMm), int(layout.card.height() * pxPerMm), QImage::Format_RGB32);
        card.fill(Qt::white);
        QPainter painter(&card);
        CardPainter(painter, pxPerMm).drawCard(layout, {}, [&](const QString &) { return picture; });
        return card;
    };
    const auto inkedArea = [](const QImage &image, auto isInk) {
        QRect area;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isInk(image.pixelColor(x, y)))
                    area |= QRect(x, y, 1, 1);
        return area;
    };

    // A square photo in a 20 x 30 mm box: 20 x 20 mm in the middle of it.
    const QImage square = paint(png({200, 200}, Qt::red));
    const QRect red = inkedArea(square, [](const QColor &c) { return c.red() > 200 && c.green() < 60; });
    EXPECT_NEAR(red.left(), 100, 1);
    EXPECT_NEAR(red.width(), 200, 2);
    EXPECT_NEAR(red.top(), 150, 1);
    EXPECT_NEAR(red.height(), 200, 2);

    // No photo: the box's frame, nothing inside it.
    const QImage none = paint(QVariant());
    const QRect ink = inkedArea(none, [](const QColor &c) { return c.lightness() < 128; });
    EXPECT_NEAR(ink.left(), 100, 2);
    EXPECT_NEAR(ink.top(), 100, 2);
    EXPECT_NEAR(ink.width(), 200, 3);
    EXPECT_NEAR(ink.height(), 300, 3);
    EXPECT_EQ(inkedArea(none.copy(ink.adjusted(5, 5, -5, -5)), [](const QColor &c) { return c.lightness() < 250; }),
              QRect());
}

TEST(CardTemplateTest, readsWhatItWrites)
{
    CardTemplate layout;
    layout.card = QSizeF(70, 40);
    layout.paper = QPageSize(QSizeF(100, 150), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    layout.margins = QMarginsF(5, 6, 7, 8);
    layout.gap = 3.5;
    layout.border = false;
    layout.mirror = true;
    CardTemplate::Item memo;
    memo.kind = CardTemplate::Item::Kind::Memo;
    memo.rect = QRectF(1.5, 2.5, 60, 20);
    memo.field = u"Rcardmemo"_s;
    memo.font = {u"宋体"_s, 8.5, true};
    memo.align = Qt::AlignRight | Qt::AlignBottom;
    memo.color = QColor(u"#123456"_s);
    memo.background = QColor(u"#fedcba"_s);
    memo.frame = true;
    CardTemplate::Item title;
    title.text = u"借书证"_s;
    title.rect = QRectF(0, 0, 70, 8);
    layout.items = {memo, title};

    QString error;
    const auto read = CardTemplate::fromJson(layout.toJson(), &error);
    ASSERT_TRUE(read.has_value()) << error.toStdString();
    EXPECT_EQ(read->card, layout.card);
    EXPECT_TRUE(read->paper.isEquivalentTo(layout.paper));
    EXPECT_EQ(read->margins, layout.margins);
    EXPECT_EQ(read->gap, layout.gap);
    EXPECT_FALSE(read->border);
    EXPECT_TRUE(read->mirror);
    ASSERT_EQ(read->items.size(), 2);
    const CardTemplate::Item &m = read->items.at(0);
    EXPECT_EQ(m.kind, memo.kind);
    EXPECT_EQ(m.rect, memo.rect);
    EXPECT_EQ(m.field, memo.field);
    EXPECT_EQ(m.font.family, memo.font.family);
    EXPECT_EQ(m.font.size, memo.font.size);
    EXPECT_TRUE(m.font.bold);
    EXPECT_EQ(m.align, memo.align);
    EXPECT_EQ(m.color, memo.color);
    EXPECT_EQ(m.background, memo.background);
    EXPECT_TRUE(m.frame);
    const CardTemplate::Item &t = read->items.at(1);
    EXPECT_EQ(t.kind, CardTemplate::Item::Kind::Text);
    EXPECT_EQ(t.text, title.text);
    EXPECT_EQ(t.align, Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(t.background.isValid());
}

TEST(CardTemplateTest, refusesWhatIsNotACardTemplate)
{
    const char *const broken[] = {
        "{",
        R"({"kind": "list"})",
        R"({"card": {"width": 0}})",
        R"({"gap": "narrow"})",
        R"({"items": {"kind": "text"}})",
        R"({"items": [{"kind": "sticker"}]})",
        R"({"items": [{"kind": "field"}]})",
        R"({"items": [{"kind": "text", "align": "middle"}]})",
        R"({"items": [{"kind": "text", "color": "nocolour"}]})",
        R"({"items": [{"kind": "barcode", "width": -3}]})",
    };
    for (const char *json : broken) {
        QString error;
        EXPECT_FALSE(CardTemplate::fromJson(json, &error).has_value()) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
    // A barcode and a photo read the reader's number and picture unless told otherwise.
    const auto minimal = CardTemplate::fromJson(R"({"items": [{"kind": "barcode"}, {"kind": "image"}]})");
    ASSERT_TRUE(minimal.has_value());
    EXPECT_EQ(minimal->items.at(0).field, u"Code"_s);
    EXPECT_EQ(minimal->items.at(1).field, u"PhotoBmp"_s);
    EXPECT_EQ(minimal->card, QSizeF(85.6, 54));
}

} // namespace
