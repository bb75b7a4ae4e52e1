#include "core/framework/SqlCondition.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

TEST(SqlConditionTest, emptyInputsAddNothing)
{
    SqlCondition c;
    c.contains(u"Name"_s, QString()).beginsWith(u"Code"_s, QString()).equals(u"Department"_s, QString());
    EXPECT_TRUE(c.isEmpty());
    EXPECT_EQ(c.whereClause(), QString());
    c.anyOf({SqlCondition(), SqlCondition()});
    EXPECT_TRUE(c.isEmpty());
}

TEST(SqlConditionTest, partsAreJoinedWithAndAndAlternativesWithOr)
{
    SqlCondition c;
    c.dateRange(u"BorrowDate"_s, QDate(2005, 1, 1), QDate(2005, 1, 31))
        .equals(u"Department"_s, u"语文组"_s)
        .anyOf({SqlCondition().contains(u"Name"_s, u"张"_s), SqlCondition().beginsWith(u"Py"_s, u"zs"_s)})
        .fixed(u"State = '已还'"_s);
    EXPECT_EQ(c.sql(), u"BorrowDate >= ? and BorrowDate <= ? and Department = ? and ((Name like ? escape '\\') or "
                       "(Py like ? escape '\\')) and State = '已还'"_s);
    EXPECT_EQ(c.params(), (QVariantList{QDate(2005, 1, 1), QDate(2005, 1, 31), u"语文组"_s, u"%张%"_s, u"zs%"_s}));
    EXPECT_EQ(c.whereClause(), u" where "_s + c.sql());
}

class SqlConditionSearch : public test::DatabaseTest
{
protected:
    QStringList codes(const SqlCondition &c)
    {
        QStringList out;
        for (ResultSet rs = db().query(u"select Code from ReaderInfo"_s + c.whereClause() + u" order by Code"_s,
                                       c.params());
             !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
};

TEST_F(SqlConditionSearch, typedWildcardsAndQuotesAreSearchedForThemselves)
{
    const QString sql = u"insert into ReaderInfo (Code, Name, RegDate) values (?, ?, ?)"_s;
    db().exec(sql, {u"A1"_s, u"100%满意"_s, QDate(2024, 1, 1)});
    db().exec(sql, {u"A2"_s, u"1000分"_s, QDate(2024, 1, 31)});
    db().exec(sql, {u"A3"_s, u"O'Neil_x"_s, QDate(2024, 2, 1)});
    db().exec(sql, {u"A4"_s, u"OXNeilYx"_s, QDate(2023, 12, 31)});

    EXPECT_EQ(codes(SqlCondition().contains(u"Name"_s, u"100%"_s)), QStringList{u"A1"_s});
    EXPECT_EQ(codes(SqlCondition().contains(u"Name"_s, u"'Neil_"_s)), QStringList{u"A3"_s});
    EXPECT_EQ(codes(SqlCondition().beginsWith(u"Name"_s, u"o'"_s)), QStringList{u"A3"_s});
    // A range of one month includes its first and last day.
    EXPECT_EQ(codes(SqlCondition().dateRange(u"RegDate"_s, QDate(2024, 1, 1), QDate(2024, 1, 31))),
              (QStringList{u"A1"_s, u"A2"_s}));
    EXPECT_EQ(codes(SqlCondition().dateRange(u"RegDate"_s, QDate(2024, 2, 1), QDate(2024, 2, 1))),
              QStringList{u"A3"_s});
}

} // namespace
