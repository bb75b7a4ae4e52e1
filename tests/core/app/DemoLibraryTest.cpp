#include "core/app/DemoLibrary.h"
#include "support/RealInputCodes.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using DemoLibraryTest = test::DatabaseTest;

// The desk made every row, so the counters agree with the loan table.
TEST_F(DemoLibraryTest, CountersAgreeWithTheLoans)
{
    test::RealInputCodes inputCodes;
    const QDate today(2024, 6, 30);
    const DemoLibrary::Summary s = DemoLibrary::fill(db(), today, {60, 25, 60, 10});
    EXPECT_EQ(s.books, 60);
    EXPECT_EQ(s.readers, 25);
    EXPECT_GT(s.loans, 50);
    EXPECT_GT(s.openLoans, 0);
    EXPECT_GT(s.loans, s.openLoans); // some came back

    const auto number = [this](const QString &sql) { return db().scalar(sql).toInt(); };
    EXPECT_EQ(number(u"select count(*) from BookInfo where IsOut = '外借'"_s), s.openLoans);
    EXPECT_EQ(number(u"select coalesce(sum(BookQty), 0) from ReaderInfo"_s), s.openLoans);
    // A copy counts its loans and renewals; a reader its late returns.
    EXPECT_EQ(number(u"select coalesce(sum(Times), 0) from BookInfo"_s),
              s.loans + number(u"select coalesce(sum(RenewTimes), 0) from BorrowInfo where State <> '预约'"_s));
    EXPECT_EQ(number(u"select coalesce(sum(Overdue), 0) from ReaderInfo"_s),
              number(u"select count(*) from BorrowInfo where State = '已还' and ExceedDay > 0"_s));
    EXPECT_EQ(number(u"select count(*) from BorrowInfo where BorrowDate > '2024-06-30'"_s), 0);
    EXPECT_EQ(number(u"select count(*) from BookInfo where Py is null"_s), 0);
    // Every copy is numbered within its class: no two share a call number.
    EXPECT_EQ(number(u"select count(distinct Scode) from BookInfo"_s), 60);
}

} // namespace
