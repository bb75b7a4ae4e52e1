#include "report/Barcode.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using tarvo::report::Barcode;

namespace {

QString pattern(const Barcode &barcode)
{
    QString bits;
    for (bool dark : barcode.modules())
        bits += dark ? u'1' : u'0';
    return bits;
}

// Code 128 symbols begin with a start character and end with the stop pattern;
// these are the published patterns of the symbology.
TEST(BarcodeTest, code128HasStartAndStopPatterns)
{
    const auto letters = Barcode::code128(u"TARVO"_s);
    ASSERT_TRUE(letters.has_value());
    EXPECT_TRUE(pattern(*letters).startsWith(u"11010010000"_s)) << pattern(*letters).toStdString(); // start B
    EXPECT_TRUE(pattern(*letters).endsWith(u"1100011101011"_s));
    // 5 data characters, start, check and stop: 11 modules each, 13 for the stop.
    EXPECT_EQ(letters->modules().size(), 7 * 11 + 13);

    const auto digits = Barcode::code128(u"00012345"_s);
    ASSERT_TRUE(digits.has_value());
    EXPECT_TRUE(pattern(*digits).startsWith(u"11010011100"_s)); // start C packs digit pairs
    EXPECT_EQ(digits->modules().size(), 6 * 11 + 13);

    EXPECT_FALSE(Barcode::code128(QString()).has_value());
}

TEST(BarcodeTest, drawsEveryModuleAcrossTheArea)
{
    const auto barcode = Barcode::code128(u"R0001"_s);
    ASSERT_TRUE(barcode.has_value());
    const int scale = 3;
    QImage image(int(barcode->modules().size()) * scale, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        barcode->draw(painter, QRectF(0, 0, image.width(), image.height()));
    }
    for (qsizetype i = 0; i < barcode->modules().size(); ++i) {
        const bool dark = qGray(image.pixel(int(i) * scale + 1, 10)) < 128;
        EXPECT_EQ(dark, barcode->modules().at(i)) << "module " << i;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
