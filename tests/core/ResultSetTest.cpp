#include "core/db/DbError.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class ResultSetTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        const QString sql = u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ExceedDay, ExceedFund, IsPay)"
                            " values (?, ?, ?, ?, ?, ?, ?)"_s;
        db().exec(sql, {u"b-10"_s, u"张三"_s, u"已还"_s, QDate(2024, 3, 5), 2.0, 0.2, true});
        db().exec(sql, {u"B-2"_s, u"李四"_s, u"未还"_s, QDate(2024, 1, 9), 0.0, 0.0, false});
        db().exec(sql, {u"B-3"_s, u"阿五"_s, u"未还"_s, QDate(), QVariant(), QVariant(), QVariant()});
    }

    ResultSet all() { return db().query(u"select * from BorrowInfo order by Id"_s); }
};

TEST_F(ResultSetTest, countsAndMovesLikeAStaticCursor)
{
    ResultSet rs = all();
    EXPECT_EQ(rs.count(), 3);
    EXPECT_FALSE(rs.isEmpty());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.text(u"Code"), u"b-10"_s);
    rs.next();
    EXPECT_EQ(rs.text(u"code"), u"B-2"_s);
    rs.last();
    EXPECT_EQ(rs.text(u"CODE"), u"B-3"_s);
    rs.next();
    EXPECT_TRUE(rs.eof());
    rs.moveBy(-2);
    EXPECT_EQ(rs.text(u"Code"), u"B-2"_s);
    rs.prior();
    rs.prior();
    EXPECT_EQ(rs.position(), 0);
    EXPECT_TRUE(db().query(u"select * from BorrowInfo where Code = ?"_s, {u"none"_s}).isEmpty());
}

TEST_F(ResultSetTest, readsTypedValuesAndNulls)
{
    ResultSet rs = all();
    EXPECT_EQ(rs.date(u"BorrowDate"), QDate(2024, 3, 5));
    EXPECT_EQ(rs.text(u"BorrowDate"), u"2024-03-05"_s);
    EXPECT_DOUBLE_EQ(rs.real(u"ExceedDay"), 2.0);
    EXPECT_DOUBLE_EQ(rs.money(u"ExceedFund"), 0.2);
    EXPECT_TRUE(rs.boolean(u"IsPay"));
    EXPECT_GT(rs.integer(u"Id"), 0);
    rs.last();
    EXPECT_TRUE(rs.isNull(u"BorrowDate"));
    EXPECT_FALSE(rs.date(u"BorrowDate").isValid());
    EXPECT_TRUE(rs.isNull(u"IsPay"));
    EXPECT_FALSE(rs.boolean(u"IsPay"));
    EXPECT_EQ(rs.text(u"ExceedFund"), QString());
}

TEST_F(ResultSetTest, anAbsentFieldIsAnErrorOnlyWhenAskedForStrictly)
{
    ResultSet rs = all();
    EXPECT_THROW(rs.value(u"NoSuchField"), DbError);
    EXPECT_FALSE(rs.valueIfPresent(u"NoSuchField").isValid());
    EXPECT_FALSE(rs.hasField(u"NoSuchField"));
    EXPECT_TRUE(rs.hasField(u"rcode"));
}

TEST_F(ResultSetTest, locatesWithoutRegardToCase)
{
    ResultSet rs = all();
    EXPECT_TRUE(rs.locate(u"Code", u"B-10"_s));
    EXPECT_EQ(rs.text(u"Rcode"), u"张三"_s);
    EXPECT_TRUE(rs.locate(u"Code", u"b-3"_s));
    EXPECT_EQ(rs.position(), 2);
    EXPECT_FALSE(rs.locate(u"Code", u"B-"_s));
    EXPECT_EQ(rs.position(), 2); // stays where it was
    EXPECT_TRUE(rs.locate(u"Code", u"B-"_s, true));
    EXPECT_EQ(rs.position(), 0);
    EXPECT_TRUE(rs.locate(u"BorrowDate", u"2024-01-09"_s));
    EXPECT_EQ(rs.text(u"Code"), u"B-2"_s);
}

TEST_F(ResultSetTest, sortsOnTheClient)
{
    ResultSet rs = all();
    const auto codes = [&rs] {
        QStringList out;
        for (rs.first(); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    };
    rs.sort(u"Code"_s);
    EXPECT_EQ(codes(), (QStringList{u"B-2"_s, u"B-3"_s, u"b-10"_s})); // numbers in text by value, no case
    rs.sort(u"ExceedDay desc, Code"_s);
    EXPECT_EQ(codes(), (QStringList{u"b-10"_s, u"B-2"_s, u"B-3"_s})); // nulls last when descending
    rs.sort(u"BorrowDate"_s);
    EXPECT_EQ(codes(), (QStringList{u"B-3"_s, u"B-2"_s, u"b-10"_s}));
    rs.sort(u"Rcode"_s); // Chinese in pinyin order: a(阿) l(李) z(张)
    EXPECT_EQ(codes(), (QStringList{u"B-3"_s, u"B-2"_s, u"b-10"_s}));
    EXPECT_THROW(rs.sort(u"Nothing"_s), DbError);
}

TEST_F(ResultSetTest, requeryReadsTheTableAgain)
{
    ResultSet rs = all();
    rs.next();
    db().exec(u"insert into BorrowInfo (Code, State) values ('B-4', '已还')"_s);
    rs.requery();
    EXPECT_EQ(rs.count(), 4);
    EXPECT_EQ(rs.position(), 1);
}

TEST_F(ResultSetTest, countsAndPagesLargeStatements)
{
    const QString select = u"select Code from BorrowInfo where State = ? order by Code"_s;
    EXPECT_EQ(db().countRows(select, {u"未还"_s}), 2);
    ResultSet second = db().page(select, {u"未还"_s}, 1, 10);
    ASSERT_EQ(second.count(), 1);
    EXPECT_EQ(second.text(u"Code"), u"B-3"_s);
    EXPECT_EQ(db().page(select, {u"未还"_s}, 0, 1).text(u"Code"), u"B-2"_s);
}

TEST_F(ResultSetTest, typedTextIsSearchedForNotExecuted)
{
    const QString hostile = u"x' or '1'='1"_s;
    EXPECT_EQ(db().countRows(u"select * from BorrowInfo where Code = ?"_s, {hostile}), 0);
    db().exec(u"insert into BorrowInfo (Code, State) values (?, '已还')"_s, {u"50%'"_s});
    EXPECT_EQ(db().countRows(u"select * from BorrowInfo where Code like ?"_s, {u"50%'"_s}), 1);
}

} // namespace
