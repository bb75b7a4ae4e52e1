#include "core/circulation/FineDesk.h"
#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using Items = FineDesk::Items;

// The same rules over the book and the magazine loan table.
class FineDeskTest : public test::DatabaseTest, public ::testing::WithParamInterface<Items>
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        params.PerFine = 0.10;
        params.PerFine1 = 0.10;
        db().exec(u"insert into ReaderInfo (Code, Name, Sax, SortCode) values ('R1', '张三', '男', '学生'),"
                  " ('R2', '李四', '女', '教师')"_s);
        db().exec(u"insert into "_s + itemTable() + u" (Code, Name) values ('B1', '红楼梦'), ('B2', '水浒传')"_s);
    }

    QString loanTable() const { return GetParam() == Items::Books ? u"BorrowInfo"_s : u"BorrowInfo1"_s; }
    QString itemTable() const { return GetParam() == Items::Books ? u"BookInfo"_s : u"MagzInfo"_s; }

    qint64 returned(const QString &copy, const QString &reader, double days, double fund, bool paid = false,
                    const QString &state = u"已还"_s)
    {
        return db().insertReturningId(u"insert into "_s + loanTable()
                                          + u" (Code, Rcode, State, BorrowDate, ReturnDate, ExceedDay, ExceedFund,"
                                            " IsPay) values (?, ?, ?, ?, ?, ?, ?, ?)"_s,
                                      {copy, reader, state, QDate(2024, 2, 1), QDate(2024, 3, 5), days, fund, paid});
    }
    std::pair<bool, double> stored(qint64 id)
    {
        ResultSet rs = db().query(u"select IsPay, ExceedFund from "_s + loanTable() + u" where Id = ?"_s, {id});
        return {rs.boolean(u"IsPay"), rs.money(u"ExceedFund")};
    }
    QStringList listed(const FineDesk &desk)
    {
        QStringList out;
        ResultSet rs = desk.fines();
        for (rs.first(); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }

    SysParams params;
    test::ScriptedPrompt prompt;
};

TEST_P(FineDeskTest, DeductionIsWaivedAndTheRestCollectedAndTotalled)
{
    const qint64 first = returned(u"B1"_s, u"R1"_s, 4, 0.40);
    const qint64 second = returned(u"B2"_s, u"R1"_s, 2, 0.20);
    FineDesk desk(db(), prompt, params, GetParam());
    ASSERT_TRUE(desk.loadReader(u" R1 "_s));
    ASSERT_EQ(listed(desk), (QStringList{u"B1"_s, u"B2"_s}));

    ASSERT_TRUE(desk.select(0));
    EXPECT_EQ(desk.selection()->Id, first);
    EXPECT_DOUBLE_EQ(desk.selection()->ExceedFund, 0.40);
    ASSERT_TRUE(desk.applyDeduction(1));
    EXPECT_DOUBLE_EQ(desk.selection()->MinFund, 0.10);
    EXPECT_DOUBLE_EQ(desk.selection()->RealFund, 0.30);
    EXPECT_EQ(desk.collect(), FineDesk::CollectResult::Collected);
    EXPECT_EQ(prompt.texts(), QStringList{u"罚款成功!"_s});
    EXPECT_EQ(stored(first), std::pair(true, 0.30));
    EXPECT_DOUBLE_EQ(*desk.total(), 0.30);
    EXPECT_FALSE(desk.selection());
    EXPECT_EQ(listed(desk), QStringList{u"B2"_s});

    ASSERT_TRUE(desk.select(0));
    EXPECT_EQ(desk.collect(), FineDesk::CollectResult::Collected);
    EXPECT_EQ(stored(second), std::pair(true, 0.20));
    EXPECT_DOUBLE_EQ(*desk.total(), 0.50);

    // Another reader starts another total.
    ASSERT_TRUE(desk.loadReader(u"R2"_s));
    EXPECT_FALSE(desk.total());
}

TEST_P(FineDeskTest, AmountDueFollowsTodaysDailyFine)
{
    returned(u"B1"_s, u"R1"_s, 4, 0.40);
    params.PerFine = params.PerFine1 = 0.25;
    FineDesk desk(db(), prompt, params, GetParam());
    ASSERT_TRUE(desk.loadReader(u"R1"_s));
    ASSERT_TRUE(desk.select(0));
    EXPECT_DOUBLE_EQ(desk.selection()->ExceedFund, 1.00);
}

TEST_P(FineDeskTest, ListsOnlyTheReadersUnpaidFines)
{
    returned(u"B1"_s, u"R1"_s, 4, 0.40);
    returned(u"B2"_s, u"R1"_s, 3, 0.30, true);                // paid
    returned(u"B2"_s, u"R1"_s, 3, 0);                         // returned while fines were off
    returned(u"B2"_s, u"R2"_s, 3, 0.30);                      // another reader's
    returned(u"B2"_s, u"R1"_s, 0, 0.30, false, u"预约"_s);    // not a returned loan
    FineDesk desk(db(), prompt, params, GetParam());
    ASSERT_TRUE(desk.loadReader(u"R1"_s));
    EXPECT_EQ(listed(desk), QStringList{u"B1"_s});
}

TEST_P(FineDeskTest, UnknownReaderAndMissingFineAreRefused)
{
    FineDesk desk(db(), prompt, params, GetParam());
    EXPECT_EQ(desk.collect(), FineDesk::CollectResult::Refused);
    EXPECT_FALSE(desk.loadReader(u"R9"_s));
    ASSERT_TRUE(desk.loadReader(u"R1"_s));
    EXPECT_FALSE(desk.select(0));
    EXPECT_EQ(desk.collect(), FineDesk::CollectResult::Refused);
    EXPECT_EQ(prompt.texts(), (QStringList{u"会员卡号必须填写！"_s, u"没有此读者,请重新输入!"_s, u"书籍编码必须填写！"_s}));
}

TEST_P(FineDeskTest, FineCollectedAtAnotherDeskIsReportedNotTakenAgain)
{
    const qint64 id = returned(u"B1"_s, u"R1"_s, 4, 0.40);
    FineDesk here(db(), prompt, params, GetParam());
    ASSERT_TRUE(here.loadReader(u"R1"_s));
    ASSERT_TRUE(here.select(0));

    std::unique_ptr<Database> other = fresh->openAnother();
    test::ScriptedPrompt otherPrompt;
    FineDesk there(*other, otherPrompt, params, GetParam());
    ASSERT_TRUE(there.loadReader(u"R1"_s));
    ASSERT_TRUE(there.select(0));
    ASSERT_TRUE(there.applyDeduction(2));
    ASSERT_EQ(there.collect(), FineDesk::CollectResult::Collected);
    other.reset();

    EXPECT_EQ(here.collect(), FineDesk::CollectResult::AlreadyCollected);
    EXPECT_EQ(prompt.texts(), QStringList{u"这笔罚款已在别处收取，本次未收款！"_s});
    EXPECT_FALSE(here.total());
    EXPECT_EQ(stored(id), std::pair(true, 0.20));
    EXPECT_TRUE(here.fines().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Loans, FineDeskTest, ::testing::Values(Items::Books, Items::Magazines),
                         [](const auto &info) { return info.param == Items::Books ? "Books" : "Magazines"; });

// Deductions that would leave less than nothing, or add to the fine, are refused.
struct Deduction
{
    double days;
    bool accepted;
    double realFund;
};

class FineDeductionTest : public test::DatabaseTest, public ::testing::WithParamInterface<Deduction>
{
};

TEST_P(FineDeductionTest, DeductionStaysWithinTheAmountDue)
{
    db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '张三')"_s);
    db().exec(u"insert into BorrowInfo (Code, Rcode, State, ExceedDay, ExceedFund, IsPay)"
              " values ('B1', 'R1', '已还', 4, 0.40, ?)"_s,
              {false});
    SysParams params;
    params.PerFine = 0.10;
    test::ScriptedPrompt prompt;
    FineDesk desk(db(), prompt, params, FineDesk::Items::Books);
    ASSERT_TRUE(desk.loadReader(u"R1"_s));
    ASSERT_TRUE(desk.select(0));
    EXPECT_EQ(desk.applyDeduction(GetParam().days), GetParam().accepted);
    EXPECT_DOUBLE_EQ(desk.selection()->RealFund, GetParam().realFund);
    EXPECT_EQ(prompt.shown.size(), GetParam().accepted ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Days, FineDeductionTest,
                         ::testing::Values(Deduction{0, true, 0.40}, Deduction{4, true, 0}, Deduction{5, false, 0.40},
                                           Deduction{-1, false, 0.40}));

TEST(FineAmountTest, TwoDecimalsUnlessTheAmountHasMore)
{
    EXPECT_EQ(FineDesk::amountText(0.3), u"0.30"_s);
    EXPECT_EQ(FineDesk::amountText(0.0375), u"0.0375"_s);
}

} // namespace
