#include "core/app/Helpers.h"
#include "core/app/Prompt.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

TEST(HelpersTest, isAllDigits)
{
    const std::pair<QString, bool> cases[] = {
        {QString(), true}, {u"0123456789"_s, true}, {u"12a"_s, false}, {u" 12"_s, false},
        {u"１２"_s, false}, // full-width digits are not 0 to 9
        {u"-1"_s, false},  {u"1.5"_s, false},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(IsAllDigits(text), expected) << text.toStdString();
}

TEST(HelpersTest, weekdayNames)
{
    EXPECT_EQ(WeekdayName(QDate(2024, 5, 6).dayOfWeek()), u"一"_s);
    EXPECT_EQ(WeekdayName(QDate(2024, 5, 11).dayOfWeek()), u"六"_s);
    EXPECT_EQ(WeekdayName(QDate(2024, 5, 12).dayOfWeek()), u"日"_s);
    EXPECT_EQ(WeekdayName(0), QString());
}

TEST(HelpersTest, datesAlwaysReadAsYearMonthDay)
{
    EXPECT_EQ(dateText(QDate(2024, 3, 5)), u"2024-03-05"_s);
    EXPECT_EQ(dateText(QDate()), QString());
    EXPECT_EQ(dateFromText(u"2024-03-05"), QDate(2024, 3, 5));
    EXPECT_EQ(dateFromText(u"2024-03-05T00:00:00"), QDate(2024, 3, 5));
    EXPECT_FALSE(dateFromText(u"05/03/2024").isValid());
}

TEST(HelpersTest, confirmDiscardAsksWithNoAsDefault)
{
    test::ScriptedPrompt prompt;
    EXPECT_FALSE(ConfirmDiscard(prompt)); // the default answer is No
    prompt.answers = {Prompt::Button::Yes};
    EXPECT_TRUE(ConfirmDiscard(prompt));
    ASSERT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(prompt.shown[0].text, u"数据未存盘，是否退出？"_s);
    EXPECT_EQ(prompt.shown[0].caption, u"提示！"_s);
    EXPECT_EQ(prompt.shown[0].buttons, Prompt::Button::Yes | Prompt::Button::No);
    EXPECT_EQ(prompt.shown[0].defaultButton, Prompt::Button::No);
}

} // namespace
