#include "core/circulation/ReaderDetail.h"
#include "core/circulation/ReservationList.h"
#include "core/db/Database.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using Items = ReservationList::Items;

class ReservationListTest : public test::DatabaseTest, public ::testing::WithParamInterface<Items>
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '张三'), ('R2', '李四'), ('R3', '王五')"_s);
        db().exec(u"insert into "_s + (GetParam() == Items::Books ? u"BookInfo"_s : u"MagzInfo"_s)
                  + u" (Code, Name) values ('B1', '红楼梦'), ('B2', '红楼梦B1评注'), ('B3', '50%的人')"_s);
    }

    qint64 reserve(const QString &copy, const QString &reader, const QDate &day, const QString &state = u"预约"_s)
    {
        return db().insertReturningId(u"insert into "_s + (GetParam() == Items::Books ? u"BorrowInfo"_s : u"BorrowInfo1"_s)
                                          + u" (Code, Rcode, State, BorrowDate) values (?, ?, ?, ?)"_s,
                                      {copy, reader, state, day});
    }
    QStringList listed(const ReservationList::Query &q)
    {
        QStringList out;
        for (ResultSet rs = db().query(q.select, q.params); !rs.eof(); rs.next())
            out << rs.text(u"Code") + u'/' + rs.text(u"ReaderName") + u'/' + rs.text(u"BookName");
        return out;
    }
};

TEST_P(ReservationListTest, EarliestReservationFirst)
{
    reserve(u"B1"_s, u"R2"_s, QDate(2024, 3, 3));
    reserve(u"B1"_s, u"R1"_s, QDate(2024, 3, 1));
    reserve(u"B2"_s, u"R3"_s, QDate(2024, 3, 2));
    reserve(u"B3"_s, u"R3"_s, QDate(2024, 3, 1), u"未还"_s);
    EXPECT_EQ(listed(ReservationList::all(GetParam())),
              (QStringList{u"B1/张三/红楼梦"_s, u"B2/王五/红楼梦B1评注"_s, u"B1/李四/红楼梦"_s}));
    EXPECT_EQ(listed(ReservationList::ofReader(GetParam(), u"R3"_s)), QStringList{u"B2/王五/红楼梦B1评注"_s});
    EXPECT_EQ(listed(ReservationList::ofItems(GetParam(), {u"B2"_s, u"B3"_s})), QStringList{u"B2/王五/红楼梦B1评注"_s});
}

TEST_P(ReservationListTest, SearchMatchesNumberOrPartOfNameAsTyped)
{
    reserve(u"B1"_s, u"R1"_s, QDate(2024, 3, 1));
    reserve(u"B2"_s, u"R2"_s, QDate(2024, 3, 2));
    reserve(u"B3"_s, u"R3"_s, QDate(2024, 3, 3));
    // "B1" is one copy's number and part of another's name.
    EXPECT_EQ(listed(ReservationList::matching(GetParam(), u"b1"_s)),
              (QStringList{u"B1/张三/红楼梦"_s, u"B2/李四/红楼梦B1评注"_s}));
    // A percent sign is looked for, not a wildcard.
    EXPECT_EQ(listed(ReservationList::matching(GetParam(), u"0%"_s)), QStringList{u"B3/王五/50%的人"_s});
}

TEST_P(ReservationListTest, DeletingMakesTheNextReservationTheEarliest)
{
    const qint64 first = reserve(u"B1"_s, u"R1"_s, QDate(2024, 3, 1));
    reserve(u"B1"_s, u"R2"_s, QDate(2024, 3, 2));
    EXPECT_TRUE(ReservationList::remove(db(), GetParam(), first));
    EXPECT_EQ(listed(ReservationList::matching(GetParam(), u"B1"_s)), QStringList{u"B1/李四/红楼梦"_s});
    // Gone already: nothing more to delete.
    EXPECT_FALSE(ReservationList::remove(db(), GetParam(), first));
}

INSTANTIATE_TEST_SUITE_P(Loans, ReservationListTest, ::testing::Values(Items::Books, Items::Magazines),
                         [](const auto &info) { return info.param == Items::Books ? "Books" : "Magazines"; });

TEST(ReaderDetailTest, ReaderWithoutRowShowsCaptionsAndEmptyMailto)
{
    const ReaderDetail none;
    EXPECT_EQ(none.phoneLines(), (QStringList{u"电话(日):"_s, u"电话(夜):"_s, u"手机:"_s}));
    EXPECT_EQ(none.mailUrl().toString(), u"mailto:"_s);
}

class ReaderDetailDbTest : public test::DatabaseTest
{
};

TEST_F(ReaderDetailDbTest, ReadsTheReadersContacts)
{
    db().exec(u"insert into ReaderInfo (Code, Name, E_mail, TelDay, HandTel) values ('R1', '张三', 'zs@example.org',"
              " '010-1234', '13900000000')"_s);
    const ReaderDetail d = ReaderDetail::read(db(), u"r1"_s);
    EXPECT_EQ(d.Name, u"张三"_s);
    EXPECT_EQ(d.phoneLines(), (QStringList{u"电话(日):010-1234"_s, u"电话(夜):"_s, u"手机:13900000000"_s}));
    EXPECT_EQ(d.mailUrl().toString(), u"mailto:zs@example.org"_s);
    EXPECT_TRUE(ReaderDetail::read(db(), u"R9"_s).Name.isEmpty());
}

} // namespace
