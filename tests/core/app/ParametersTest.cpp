#include "core/app/Parameters.h"
#include "core/app/BusinessDate.h"
#include "core/db/DbError.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using ParametersTest = test::DatabaseTest;

TEST_F(ParametersTest, theFirstStartMakesTheRowWithItsDefaults)
{
    ASSERT_EQ(db().scalar(u"select count(*) from AcctInfo"_s).toInt(), 0);
    const AcctInfoRow made = Parameters::loadOrCreate(db());
    const SysParams params = Parameters::toSysParams(made);
    EXPECT_EQ(params.CorpName, u"塔沃图书馆管理系统7"_s);
    EXPECT_FALSE(params.IfFine);
    EXPECT_TRUE(params.IfExcced);
    EXPECT_TRUE(params.Ifrepeat);
    EXPECT_EQ(params.PerFine, 0);
    EXPECT_EQ(params.PerFine1, 0);
    EXPECT_EQ(params.InDay, 30);

    // Later starts read the same single row.
    EXPECT_EQ(Parameters::loadOrCreate(db()).Id, made.Id);
    EXPECT_EQ(db().scalar(u"select count(*) from AcctInfo"_s).toInt(), 1);
    EXPECT_EQ(db().scalar(u"select IfExcced from AcctInfo"_s).toBool(), true);
}

TEST_F(ParametersTest, savedParametersAreReadBack)
{
    AcctInfoRow row = Parameters::loadOrCreate(db());
    row.CorpName = u"城东图书馆"_s;
    row.Tel = u"010-12345678"_s;
    row.Addr = u"北京市东城区"_s;
    row.IfFine = true;
    row.IfExcced = false;
    row.PerFine = 0.1234;
    row.PerFine1 = 0.05;
    row.InDay = 45;
    Parameters::save(db(), row);

    const AcctInfoRow read = Parameters::loadOrCreate(db());
    EXPECT_EQ(read.CorpName, row.CorpName);
    EXPECT_EQ(read.Tel, row.Tel);
    EXPECT_EQ(read.Addr, row.Addr);
    EXPECT_TRUE(read.IfFine);
    EXPECT_FALSE(read.IfExcced);
    EXPECT_DOUBLE_EQ(read.PerFine, 0.1234);
    EXPECT_DOUBLE_EQ(read.PerFine1, 0.05);
    EXPECT_EQ(read.InDay, 45);

    // A name longer than the column is refused and changes nothing.
    row.CorpName = QString(101, u'馆');
    EXPECT_THROW(Parameters::save(db(), row), DbError);
    EXPECT_EQ(Parameters::loadOrCreate(db()).CorpName, u"城东图书馆"_s);
}

TEST(BusinessDateTest, statusLineNamesTheDayAndItsWeekday)
{
    EXPECT_EQ(BusinessDate::statusLine(QDate(2024, 5, 6)), u"今天是 2024年5月6日  星期一"_s);
    EXPECT_EQ(BusinessDate::statusLine(QDate(2024, 5, 12)), u"今天是 2024年5月12日  星期日"_s);
    EXPECT_EQ(BusinessDate::statusLine(QDate(2023, 12, 30)), u"今天是 2023年12月30日  星期六"_s);
}

} // namespace
