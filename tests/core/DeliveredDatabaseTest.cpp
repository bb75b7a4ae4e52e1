#include "core/db/DbError.h"
#include "core/db/DeliveredDatabase.h"
#include "core/db/SeedData.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class DeliveredDatabaseTest : public test::DatabaseTest
{
};

TEST_F(DeliveredDatabaseTest, adminHoldsEveryRightAndNoPassword)
{
    ResultSet admin = db().query(u"select * from SystemUser where UseCode = ?"_s, {u"ADMIN"_s});
    ASSERT_EQ(admin.count(), 1);
    EXPECT_EQ(admin.text(u"Duty"), u"超级用户"_s);
    EXPECT_TRUE(admin.text(u"Passwords").isEmpty());
    ResultSet rights = db().query(u"select ModuleId, IfCheck from UserModule where UseCode = 'admin' order by ModuleId"_s);
    ASSERT_EQ(rights.count(), SeedData::kModuleCount);
    for (int module = 0; !rights.eof(); rights.next(), ++module) {
        EXPECT_EQ(rights.integer(u"ModuleId"), module);
        EXPECT_TRUE(rights.boolean(u"IfCheck"));
    }
}

TEST_F(DeliveredDatabaseTest, classificationKeysFollowTheTree)
{
    ResultSet top = db().query(u"select * from Type where ParentKey = '00' order by sKey"_s);
    ASSERT_EQ(top.count(), 22);
    EXPECT_EQ(top.text(u"SortCode"), u"A"_s);
    EXPECT_EQ(top.text(u"sKey"), u"0001"_s);
    ASSERT_TRUE(top.locate(u"SortCode", u"I"_s));
    const QString literature = top.text(u"sKey");
    EXPECT_EQ(top.text(u"SortName"), u"文学"_s);

    ResultSet chinese = db().query(u"select * from Type where SortCode = 'I2'"_s);
    ASSERT_EQ(chinese.count(), 1);
    EXPECT_EQ(chinese.text(u"SortName"), u"中国文学"_s);
    EXPECT_EQ(chinese.text(u"ParentKey"), literature);
    EXPECT_EQ(chinese.text(u"sKey").size(), 8);
    EXPECT_TRUE(chinese.text(u"sKey").startsWith(literature));
    EXPECT_EQ(db().scalar(u"select SortName from Type where SortCode = 'TP'"_s).toString(),
              u"自动化技术、计算机技术"_s);
    // Every second-level class hangs under an existing top-level class.
    EXPECT_EQ(db().scalar(u"select count(*) from Type c where ParentKey <> '00' and not exists"
                          " (select 1 from Type p where p.sKey = c.ParentKey)"_s)
                  .toInt(),
              0);
    EXPECT_GT(db().scalar(u"select count(*) from Type where ParentKey <> '00'"_s).toInt(), 150);
}

TEST_F(DeliveredDatabaseTest, wordListsReaderTypesAndLayoutsAreFilled)
{
    for (const QString &table : {u"Bookposi"_s, u"BookLang"_s, u"BookPrint"_s, u"BookSize"_s, u"Bookgrade"_s,
                                 u"Bookattch"_s, u"Booksupplier"_s, u"Readerdept"_s, u"ReaderAddr"_s,
                                 u"BookRemark"_s}) {
        EXPECT_GT(db().scalar(u"select count(*) from "_s + table).toInt(), 2) << table.toStdString();
        ResultSet layout = db().query(u"select * from TableStructure where TableCode = ?"_s, {table});
        ASSERT_EQ(layout.count(), 1) << table.toStdString();
        EXPECT_EQ(layout.text(u"ColumnsCode"), u"Code"_s);
        EXPECT_TRUE(layout.boolean(u"IsVisible"));
    }
    EXPECT_EQ(db().scalar(u"select count(*) from BookLang where Code = '中文'"_s).toInt(), 1);
    ResultSet types = db().query(u"select * from ReaderType order by Code"_s);
    EXPECT_GE(types.count(), 3);
    for (; !types.eof(); types.next()) {
        EXPECT_GT(types.integer(u"CeQty"), 0);
        EXPECT_GT(types.integer(u"LimitDay"), 0);
    }
}

TEST_F(DeliveredDatabaseTest, anExistingDatabaseIsNeverOverwritten)
{
    db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '王五')"_s);
    EXPECT_THROW(DeliveredDatabase::create(fresh->target()), DbError);
    EXPECT_EQ(db().scalar(u"select count(*) from ReaderInfo"_s).toInt(), 1);
}

TEST(DeliveredDatabaseFile, aFailedCreationLeavesNoFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Data/tarvo.dat"_s);
    // A folder in the way of the temporary file makes the creation fail half-way.
    ASSERT_TRUE(QDir().mkpath(path + u".building/blocked"_s));
    EXPECT_THROW(DeliveredDatabase::create({Engine::SQLite, path, false}), DbError);
    EXPECT_FALSE(QFile::exists(path));
}

// The seed file readers refuse what they cannot read instead of loading half of it.
TEST_F(DeliveredDatabaseTest, badSeedLinesAreRefused)
{
    const std::pair<QString, QString> badLayouts[] = {
        {u"width"_s, u"Code\t编号\twide\tshown\n"_s},
        {u"visibility"_s, u"Code\t编号\t80\tvisible\n"_s},
        {u"key"_s, u"Code\t编号\t80\tshown\tprimary\n"_s},
        {u"short"_s, u"Code\t编号\n"_s},
    };
    for (const auto &[name, text] : badLayouts) {
        Transaction t(db());
        EXPECT_THROW(SeedData::loadLayout(db(), u"Bad"_s, text), DbError) << name.toStdString();
    }
    Transaction t(db());
    EXPECT_THROW(SeedData::loadClassification(db(), u"A\t马列\n\t\tA11\t太深\n"_s), DbError);
    EXPECT_THROW(SeedData::loadTable(db(), u"Bookposi"_s, u"Name\n一楼\n"_s), DbError);
    EXPECT_THROW(SeedData::loadTable(db(), u"NoTable"_s, u"Code\nx\n"_s), DbError);
}

TEST_F(DeliveredDatabaseTest, layoutFilesBecomeModuleAndColumnRows)
{
    Transaction t(db());
    SeedData::loadLayout(db(), u"Sample"_s,
                         u"# a sample\nmodules\tFrmSampleA\tFrmSampleB\nCode\t编号\t90\tshown\tkey\n"
                         "Name\t名称\t160\tshown\nYName\t原名\t100\thidden\n"_s);
    t.commit();
    EXPECT_EQ(db().scalar(u"select count(*) from ModuleTable where TableCode = 'Sample'"_s).toInt(), 2);
    ResultSet rows = db().query(u"select * from TableStructure where TableCode = 'sample' order by TableOrder"_s);
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.text(u"ColumnsCode"), u"Code"_s);
    EXPECT_TRUE(rows.boolean(u"IsKey"));
    rows.last();
    EXPECT_EQ(rows.text(u"ColumnsName"), u"原名"_s);
    EXPECT_EQ(rows.integer(u"TableOrder"), 3);
    EXPECT_EQ(rows.integer(u"ColumnsLength"), 100);
    EXPECT_FALSE(rows.boolean(u"IsVisible"));
    EXPECT_FALSE(rows.boolean(u"IsKey"));
}

} // namespace
