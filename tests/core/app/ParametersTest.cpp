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

TEST_F(ParametersTest, cardRulesAreTheDesignedLinesUntilSomeAreStored)
{
    const QString designed = u"1、此证仅限个人使用，不得转于他人使\n用，一经发现立即没收。\n"
                             "2、此证仅作借阅凭证，不具有其它功能。\n3、此证遗失请立即挂失，否则一切后果自\n负。"_s;
    EXPECT_EQ(Parameters::cardRules(db()), designed); // no row yet
    Parameters::loadOrCreate(db());
    EXPECT_EQ(Parameters::cardRules(db()), designed); // a row made without rules
}

TEST_F(ParametersTest, storedCardRulesAreReadBackAndKeptBySavingTheOtherParameters)
{
    // The first save makes the row when the table is still empty.
    const QString rules = u"1、凭证借书。\r\n2、爱护图书，不得在书上'涂写'或划线。\n\n3、遗失请挂失。"_s;
    Parameters::saveCardRules(db(), rules);
    EXPECT_EQ(db().scalar(u"select count(*) from AcctInfo"_s).toInt(), 1);
    EXPECT_EQ(Parameters::cardRules(db()), rules);

    AcctInfoRow row = Parameters::loadOrCreate(db());
    EXPECT_EQ(row.CorpName, u"塔沃图书馆管理系统7"_s);
    row.CorpName = u"城东图书馆"_s;
    row.InDay = 20;
    Parameters::save(db(), row);
    EXPECT_EQ(Parameters::cardRules(db()), rules);
    EXPECT_EQ(Parameters::loadOrCreate(db()).CorpName, u"城东图书馆"_s);

    // Rules the operator has emptied stay empty.
    Parameters::saveCardRules(db(), QString());
    EXPECT_TRUE(Parameters::cardRules(db()).isEmpty());
    EXPECT_EQ(db().scalar(u"select count(*) from AcctInfo"_s).toInt(), 1);
}

TEST(BusinessDateTest, statusLineNamesTheDayAndItsWeekday)
{
    EXPECT_EQ(BusinessDate::statusLine(QDate(2024, 5, 6)), u"今天是 2024年5月6日  星期一"_s);
    EXPECT_EQ(BusinessDate::statusLine(QDate(2024, 5, 12)), u"今天是 2024年5月12日  星期日"_s);
    EXPECT_EQ(BusinessDate::statusLine(QDate(2023, 12, 30)), u"今天是 2023年12月30日  星期六"_s);
}

} // namespace
