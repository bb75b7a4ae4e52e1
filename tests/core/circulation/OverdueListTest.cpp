#include "core/circulation/OverdueList.h"
#include "core/db/Database.h"
#include "core/framework/PagedResult.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using Items = OverdueList::Items;

class OverdueListTest : public test::DatabaseTest, public ::testing::WithParamInterface<Items>
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        const bool books = GetParam() == Items::Books;
        db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '张三'), ('R2', '李四')"_s);
        db().exec(u"insert into "_s + (books ? u"BookInfo"_s : u"MagzInfo"_s)
                  + u" (Code, Name) values ('B1', '红楼梦'), ('B2', '水浒传'), ('B3', '西游记'), ('B4', '三国演义')"_s);
    }

    void loan(const QString &copy, const QString &reader, const QString &state, const QDate &due)
    {
        db().exec(u"insert into "_s + (GetParam() == Items::Books ? u"BorrowInfo"_s : u"BorrowInfo1"_s)
                      + u" (Code, Rcode, State, BorrowDate, ReturnDate) values (?, ?, ?, ?, ?)"_s,
                  {copy, reader, state, QDate(2024, 2, 1), due});
    }
    QStringList listed(const QDate &businessDate)
    {
        const OverdueList::Query q = OverdueList::overdue(GetParam(), businessDate);
        PagedResult rows(db(), q.select, q.params, q.order, q.rowKey);
        QStringList out;
        for (qsizetype r = 0; r < rows.count(); ++r)
            out << rows.value(r, u"Code"_s).toString() + u'/' + rows.value(r, u"RName"_s).toString() + u'/'
                       + rows.value(r, u"BName"_s).toString();
        return out;
    }
};

TEST_P(OverdueListTest, DueBeforeTheBusinessDateIsListedDueOnItIsNot)
{
    loan(u"B1"_s, u"R1"_s, u"未还"_s, QDate(2024, 3, 5));
    loan(u"B2"_s, u"R2"_s, u"未还"_s, QDate(2024, 3, 4));
    loan(u"B3"_s, u"R1"_s, u"未还"_s, QDate(2024, 2, 20));
    loan(u"B4"_s, u"R2"_s, u"已还"_s, QDate(2024, 2, 20));
    loan(u"B4"_s, u"R1"_s, u"预约"_s, QDate(2024, 2, 20));
    EXPECT_EQ(listed(QDate(2024, 3, 5)), (QStringList{u"B3/张三/西游记"_s, u"B2/李四/水浒传"_s}));
    EXPECT_EQ(listed(QDate(2024, 3, 6)).size(), 3);
}

TEST_P(OverdueListTest, MagazinesCarryTheirIssue)
{
    const OverdueList::Query q = OverdueList::overdue(GetParam(), QDate(2024, 3, 5));
    PagedResult rows(db(), q.select, q.params, q.order, q.rowKey);
    EXPECT_EQ(rows.fieldIndex(u"PeriodNo"_s) >= 0, GetParam() == Items::Magazines);
}

INSTANTIATE_TEST_SUITE_P(Loans, OverdueListTest, ::testing::Values(Items::Books, Items::Magazines),
                         [](const auto &info) { return info.param == Items::Books ? "Books" : "Magazines"; });

} // namespace
