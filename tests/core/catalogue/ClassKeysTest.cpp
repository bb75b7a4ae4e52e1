#include "core/catalogue/ClassKeys.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

struct KeyCase
{
    QString parent;
    QString greatest; // greatest key among the parent's children, empty for none
    std::optional<QString> next;
};

TEST(ClassKeysTest, nextSegmentAfterTheGreatestChild)
{
    const KeyCase cases[] = {
        {u"0001"_s, QString(), u"00010000"_s}, // the first child
        {u"0001"_s, u"00010000"_s, u"00010001"_s},
        {u"0001"_s, u"00010008"_s, u"00010009"_s},
        {u"0001"_s, u"00010009"_s, u"00010010"_s},
        {u"0001"_s, u"00010098"_s, u"00010099"_s},
        {u"0001"_s, u"00010099"_s, u"00010100"_s},
        {u"0001"_s, u"00010998"_s, u"00010999"_s},
        {u"0001"_s, u"00010999"_s, u"00011000"_s},
        {u"0001"_s, u"00019998"_s, u"00019999"_s},
        {u"0001"_s, u"00019999"_s, std::nullopt}, // the segment is used up
        {u"00010002"_s, u"000100020041"_s, u"000100020042"_s},
        // Under the root the segment alone is the key: top-level keys stay four long.
        {u"00"_s, QString(), u"0000"_s},
        {u"00"_s, u"0022"_s, u"0023"_s},
        {u"00"_s, u"9999"_s, std::nullopt},
    };
    for (const KeyCase &c : cases) {
        EXPECT_EQ(ClassKeys::nextChildKey(c.parent, c.greatest), c.next)
            << c.parent.toStdString() << " after " << c.greatest.toStdString();
    }
}

} // namespace
