#include "core/app/ClearData.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using ClearData::Choice;

namespace {

class ClearDataTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        db().exec(u"insert into ReaderInfo (Code, Name, Times, BookQty, BookQty1) values ('R1', '张三', 9, 2, 1)"_s);
        db().exec(
            u"insert into BookInfo (Code, Name, IsOut, Borrowman, Times) values ('B1', '红楼梦', '外借', '张三', 4)"_s);
        db().exec(u"insert into BookInfo (Code, Name, IsOut) values ('B2', '水浒传', '报废')"_s);
        db().exec(u"insert into MagzInfo (Code, Name, IsOut, Borrowman) values ('M1', '读者', '外借', '张三')"_s);
        for (const QString &table : {u"BorrowInfo"_s, u"BorrowInfo1"_s}) {
            const QString insert = u"insert into "_s + table +
                                   u" (Code, Rcode, State, BorrowDate, ReturnDate) values (?, 'R1', ?, ?, ?)"_s;
            // Returned on the day before, the first day, the last day and the day after the range.
            for (const auto &[code, state, returned] :
                 {std::tuple{u"L1"_s, u"已还"_s, QDate(2024, 3, 30)},
                  std::tuple{u"L2"_s, u"已还"_s, QDate(2024, 3, 31)},
                  std::tuple{u"L3"_s, u"已还"_s, QDate(2024, 4, 30)}, std::tuple{u"L4"_s, u"已还"_s, QDate(2024, 5, 1)},
                  std::tuple{u"L5"_s, u"未还"_s, QDate(2024, 4, 10)},
                  std::tuple{u"L6"_s, u"预约"_s, QDate(2024, 4, 10)}})
                db().exec(insert, {code, state, returned.addDays(-10), returned});
        }
    }

    test::ScriptedPrompt prompt;
    QList<int> progress;
    std::function<void(int)> record()
    {
        return [this](int value) { progress << value; };
    }
    QStringList codes(const QString &sql)
    {
        ResultSet rows = db().query(sql);
        QStringList result;
        for (rows.first(); !rows.eof(); rows.next())
            result << rows.text(rows.fieldNames().first());
        return result;
    }
    int count(const QString &table) { return db().scalar(u"select count(*) from "_s + table).toInt(); }
};

TEST(ClearDataRangeTest, theOfferedRangeEndsWithThePreviousMonth)
{
    const ClearData::Range range = ClearData::defaultRange(QDate(2024, 5, 6));
    EXPECT_EQ(range.from, QDate(2024, 3, 31));
    EXPECT_EQ(range.to, QDate(2024, 4, 30));
    EXPECT_EQ(ClearData::defaultRange(QDate(2024, 3, 1)).to, QDate(2024, 2, 29));
}

TEST_F(ClearDataTest, aPeriodClearsOnlyReturnedLoansWithBothEndsIncluded)
{
    EXPECT_TRUE(
        ClearData::run(db(), prompt, Choice::ReturnedBetween, ClearData::defaultRange(QDate(2024, 5, 6)), record()));
    for (const QString &table : {u"BorrowInfo"_s, u"BorrowInfo1"_s})
        EXPECT_EQ(codes(u"select Code from "_s + table + u" order by Code"_s),
                  (QStringList{u"L1"_s, u"L4"_s, u"L5"_s, u"L6"_s}));
    EXPECT_EQ(prompt.texts(), QStringList{u"清理成功!"_s});
    EXPECT_EQ(progress, (QList<int>{0, 40, 100}));
}

TEST_F(ClearDataTest, circulationClearingPutsEveryCopyBackAndKeepsTheHistoryCounts)
{
    EXPECT_TRUE(ClearData::run(db(), prompt, Choice::Circulation, {}, record()));
    EXPECT_EQ(count(u"BorrowInfo"_s) + count(u"BorrowInfo1"_s), 0);
    EXPECT_EQ(codes(u"select Code from BookInfo where IsOut = '' and Borrowman = ''"_s), QStringList{u"B1"_s});
    EXPECT_EQ(codes(u"select Code from BookInfo where IsOut = '报废'"_s), QStringList{u"B2"_s});
    EXPECT_EQ(codes(u"select Code from MagzInfo where IsOut = ''"_s), QStringList{u"M1"_s});
    EXPECT_EQ(codes(u"select Code from ReaderInfo where BookQty = 0 and BookQty1 = 0 and Times = 9"_s),
              QStringList{u"R1"_s});
    EXPECT_EQ(codes(u"select Code from BookInfo where Times = 4"_s), QStringList{u"B1"_s});
    EXPECT_EQ(progress, (QList<int>{0, 40, 100}));
}

TEST_F(ClearDataTest, clearingEverythingKeepsOperatorsParametersLayoutsAndClasses)
{
    const int layouts = count(u"TableStructure"_s);
    const int classes = count(u"Type"_s);
    db().exec(u"insert into Bookpub (Code, Isbn) values ('某出版社', '7-999')"_s);
    const int publishers = count(u"Bookpub"_s);
    ASSERT_GT(count(u"ReaderType"_s), 0);
    EXPECT_TRUE(ClearData::run(db(), prompt, Choice::Everything, {}, record()));
    for (const QString &table : {u"BookInfo"_s, u"MagzInfo"_s, u"ReaderInfo"_s, u"ReaderType"_s, u"BorrowInfo"_s,
                                 u"BorrowInfo1"_s, u"Bookposi"_s, u"Readerdept"_s})
        EXPECT_EQ(count(table), 0) << qPrintable(table);
    EXPECT_EQ(count(u"SystemUser"_s), 1);
    EXPECT_EQ(count(u"UserModule"_s), 35);
    EXPECT_EQ(count(u"Bookpub"_s), publishers);
    EXPECT_EQ(count(u"TableStructure"_s), layouts);
    EXPECT_EQ(count(u"Type"_s), classes);
    EXPECT_EQ(progress, (QList<int>{0, 20, 40, 60, 100}));
}

TEST_F(ClearDataTest, aFailureRollsEverythingBack)
{
    // The engine refuses to delete magazine loans, after the book loans are gone.
    if (db().engine() == Engine::SQLite) {
        db().execDirect(u"CREATE TEMP TRIGGER keep BEFORE DELETE ON main.BorrowInfo1"
                        " BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    } else {
        db().execDirect(u"CREATE FUNCTION refuse() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'refused'; END $$"
                        " LANGUAGE plpgsql"_s);
        db().execDirect(u"CREATE TRIGGER keep BEFORE DELETE ON BorrowInfo1 FOR EACH ROW EXECUTE FUNCTION refuse()"_s);
    }
    EXPECT_FALSE(ClearData::run(db(), prompt, Choice::Circulation, {}, record()));
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown.first().kind, test::ScriptedPrompt::Kind::Error);
    EXPECT_TRUE(prompt.shown.first().text.contains(u"refused"_s));
    EXPECT_EQ(count(u"BorrowInfo"_s), 6);
    EXPECT_EQ(codes(u"select Code from BookInfo where IsOut = '外借'"_s), QStringList{u"B1"_s});
    EXPECT_FALSE(db().inTransaction());
}

} // namespace
