#include "core/app/DataUpgrade.h"
#include "core/db/DbError.h"
#include "core/db/DeliveredDatabase.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using Button = Prompt::Button;

namespace {

// An older database file of the system: the delivered schema, some columns fewer,
// a table the current one does not know, and its own rows.
class DataUpgradeTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        oldFile = QDir(folder.path()).filePath(u"old.dat"_s);
        DeliveredDatabase::create({Engine::SQLite, oldFile, false});
        old.open({Engine::SQLite, oldFile, false});
        old.execDirect(u"ALTER TABLE BookInfo DROP COLUMN Remarks1"_s);
        old.execDirect(u"CREATE TABLE OldOnly (Code TEXT)"_s);
        old.exec(u"insert into BookInfo (Code, Name, RegDate, Py) values ('OB1', '红楼梦', '2020-01-02', 'hlm')"_s);
        old.exec(u"insert into BookInfo (Code, Name) values ('OB2', '水浒传')"_s);
        old.exec(u"insert into ReaderInfo (Code, Name, Isstop, RegDate) values ('OR1', '张三', 1, '2019-09-01')"_s);
        old.exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values ('9999', '00', 'OLD', '旧类')"_s);
        old.close();

        db().exec(u"insert into BookInfo (Code, Name, Remarks1) values ('NB1', '新书', '附注')"_s);
        layouts = count(u"select count(*) from TableStructure"_s);
        classes = count(u"select count(*) from Type"_s);
    }

    int count(const QString &sql) { return db().scalar(sql).toInt(); }
    QString text(const QString &sql) { return db().scalar(sql).toString(); }

    QTemporaryDir folder;
    QString oldFile;
    Database old;
    test::ScriptedPrompt prompt;
    int layouts = 0;
    int classes = 0;
};

TEST_F(DataUpgradeTest, replacesTheSharedTablesWithTheOlderRows)
{
    DataUpgrade upgrade(db());
    upgrade.openSource(oldFile);
    QList<std::pair<int, int>> progress;
    prompt.answers = {Button::Ok};

    ASSERT_TRUE(upgrade.run(prompt, [&](int done, int total) { progress.append({done, total}); }));

    EXPECT_EQ(prompt.texts(), (QStringList{u"是否要升级。"_s, u"数据升级成功!"_s}));
    EXPECT_EQ(count(u"select count(*) from BookInfo"_s), 2);
    EXPECT_EQ(count(u"select count(*) from BookInfo where Code = 'NB1'"_s), 0);
    EXPECT_EQ(text(u"select Py from BookInfo where Code = 'OB1'"_s), u"hlm"_s);
    EXPECT_EQ(db().query(u"select RegDate from BookInfo where Code = 'OB1'"_s).date(u"RegDate"), QDate(2020, 1, 2));
    const ResultSet reader = db().query(u"select Name, Isstop, RegDate from ReaderInfo where Code = 'OR1'"_s);
    ASSERT_EQ(reader.count(), 1);
    EXPECT_EQ(reader.text(u"Name"), u"张三"_s);
    EXPECT_TRUE(reader.boolean(u"Isstop"));
    EXPECT_EQ(reader.date(u"RegDate"), QDate(2019, 9, 1));
    // The operators came from the older file too; layouts and classes stay.
    EXPECT_EQ(count(u"select count(*) from SystemUser"_s), 1);
    EXPECT_EQ(count(u"select count(*) from TableStructure"_s), layouts);
    EXPECT_EQ(count(u"select count(*) from Type"_s), classes);
    EXPECT_EQ(count(u"select count(*) from Type where SortCode = 'OLD'"_s), 0);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().first, progress.last().second);
}

TEST_F(DataUpgradeTest, aFailureHalfWayLeavesTheCurrentDataAsItWas)
{
    // A shelf longer than the current column allows, in a table filled after the books.
    old.open({Engine::SQLite, oldFile, false});
    old.execDirect(u"DROP TABLE Bookposi"_s);
    old.execDirect(u"CREATE TABLE Bookposi (Code TEXT)"_s);
    old.exec(u"insert into Bookposi (Code) values (?)"_s, {QString(31, u'架')});
    old.close();

    DataUpgrade upgrade(db());
    upgrade.openSource(oldFile);
    prompt.answers = {Button::Ok};
    EXPECT_THROW(upgrade.run(prompt), DbError);
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(count(u"select count(*) from BookInfo where Code = 'NB1'"_s), 1);
    EXPECT_EQ(count(u"select count(*) from BookInfo"_s), 1);
    EXPECT_GT(count(u"select count(*) from Bookposi"_s), 0);
}

TEST_F(DataUpgradeTest, needsAnOlderFileThatIsNotTheDatabaseInUse)
{
    DataUpgrade upgrade(db());
    prompt.answers = {Button::Cancel, Button::Ok};
    EXPECT_FALSE(upgrade.run(prompt)); // declined
    EXPECT_FALSE(upgrade.run(prompt)); // no older file chosen
    EXPECT_EQ(prompt.texts(), (QStringList{u"是否要升级。"_s, u"是否要升级。"_s, u"请设置右边的原账套数据库"_s}));
    EXPECT_EQ(prompt.shown.first().buttons, Button::Ok | Button::Cancel);

    EXPECT_THROW(upgrade.openSource(QDir(folder.path()).filePath(u"missing.dat"_s)), DbError);
    EXPECT_FALSE(upgrade.sourceOpen());
    if (db().engine() == Engine::SQLite) {
        EXPECT_THROW(upgrade.openSource(fresh->target().location), DbError);
        EXPECT_FALSE(upgrade.sourceOpen());
    }
    EXPECT_EQ(count(u"select count(*) from BookInfo"_s), 1);
}

} // namespace
