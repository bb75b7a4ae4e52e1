#include "core/app/Maintenance.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using Button = Prompt::Button;

namespace {

const QDate kToday(2024, 5, 6);

class MaintenanceTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '张三')"_s);
    }

    test::ScriptedPrompt prompt;
    QStringList asked; // the folder and proposed name of every file dialog

    QString dataFolder() const { return QFileInfo(fresh->target().location).absolutePath(); }
    QString programFolder() const { return QDir(dataFolder()).absoluteFilePath(u".."_s); }
    QString databaseFile() const { return fresh->target().location; }
    QString compactionFile() const { return QDir(dataFolder()).filePath(u"DBtmp.mdb"_s); }
    Maintenance maintenance() { return Maintenance(db(), prompt, programFolder()); }
    Maintenance::ChooseFile choose(const QString &file)
    {
        return [this, file](const QString &folder, const QString &proposed) {
            asked << QDir(folder).absolutePath() << proposed;
            return file;
        };
    }
    QStringList readers() const
    {
        auto other = fresh->openAnother();
        ResultSet rows = other->query(u"select Code from ReaderInfo order by Code"_s);
        QStringList codes;
        for (rows.first(); !rows.eof(); rows.next())
            codes << rows.text(u"Code");
        return codes;
    }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

// Backup, restore and compaction work on SQLite files.
class SqliteMaintenanceTest : public MaintenanceTest
{
protected:
    void SetUp() override
    {
        if (test::testEngine() != Engine::SQLite)
            GTEST_SKIP() << "file maintenance works on SQLite files";
        MaintenanceTest::SetUp();
    }
};

TEST_F(SqliteMaintenanceTest, aBackupRestoredBringsTheDataBack)
{
    const QString backupFile = QDir(programFolder()).filePath(u"Backup/"_s + Maintenance::proposedBackupName(kToday));
    prompt.answers = {Button::Ok};
    maintenance().backup(choose(backupFile), kToday);
    EXPECT_EQ(prompt.texts(), (QStringList{u"是否确定备份数据？"_s, u"备份成功！"_s}));
    EXPECT_EQ(prompt.shown.first().caption, u"提示！"_s);
    EXPECT_EQ(prompt.shown.first().buttons, Button::Ok | Button::Cancel);
    EXPECT_EQ(prompt.shown.first().defaultButton, Button::Cancel);
    EXPECT_EQ(asked, (QStringList{QDir(programFolder()).absoluteFilePath(u"Backup"_s), u"Bck20240506.TWB"_s}));
    ASSERT_TRUE(QFileInfo::exists(backupFile));
    EXPECT_TRUE(db().isOpen());

    // Work goes on after the backup, then the backup comes back.
    db().exec(u"delete from ReaderInfo"_s);
    db().exec(u"insert into ReaderInfo (Code, Name) values ('R2', '李四')"_s);
    prompt.shown.clear();
    prompt.answers = {Button::Ok};
    maintenance().restore(choose(backupFile));

    EXPECT_EQ(prompt.texts(), (QStringList{u"恢复前,用户不能进行任何操作,\n\n是否现在恢复数据？"_s, u"恢复成功！"_s}));
    EXPECT_EQ(prompt.shown.first().defaultButton, Button::Cancel);
    ASSERT_TRUE(db().isOpen());
    EXPECT_EQ(db().scalar(u"select Name from ReaderInfo where Code = 'R1'"_s).toString(), u"张三"_s);
    EXPECT_EQ(readers(), QStringList{u"R1"_s});
    EXPECT_FALSE(QFileInfo::exists(compactionFile()));
    EXPECT_EQ(db().scalar(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
}

TEST_F(SqliteMaintenanceTest, aBackupOverwritesAChosenFileAndACancelWritesNothing)
{
    const QString file = QDir(programFolder()).filePath(u"mine.TWB"_s);
    write(file, "old contents");

    prompt.answers = {Button::Cancel, Button::Ok};
    maintenance().backup(choose(file), kToday);      // the question is declined
    maintenance().backup(choose(QString()), kToday); // the file dialog is cancelled
    EXPECT_EQ(contents(file), QByteArray("old contents"));
    EXPECT_EQ(prompt.texts(), (QStringList{u"是否确定备份数据？"_s, u"是否确定备份数据？"_s}));
    EXPECT_EQ(asked.size(), 2); // one file dialog, after the second question

    prompt.shown.clear();
    maintenance().backupOnExit(choose(file), kToday);
    EXPECT_TRUE(prompt.shown.isEmpty()); // no message when it worked
    EXPECT_TRUE(contents(file).startsWith("SQLite format 3"));
    Database copy;
    copy.open({Engine::SQLite, file, false}, Database::OpenMode::ReadOnly);
    EXPECT_EQ(copy.scalar(u"select Name from ReaderInfo"_s).toString(), u"张三"_s);
}

TEST_F(SqliteMaintenanceTest, aStaleCompactionFileMakesTheRepairFail)
{
    write(compactionFile(), "left by an earlier failure");
    QList<int> progress;
    bool finished = false;
    const auto record = [&](int value) { progress << value; };
    const auto finish = [&] { finished = true; };

    maintenance().repair(record, finish);
    EXPECT_EQ(prompt.texts(), QStringList{u"数据整理出错！"_s});
    EXPECT_EQ(progress, QList<int>{20});
    EXPECT_TRUE(finished);
    EXPECT_EQ(contents(compactionFile()), QByteArray("left by an earlier failure"));
    ASSERT_TRUE(db().isOpen());
    EXPECT_EQ(readers(), QStringList{u"R1"_s});

    // Once it is gone the repair compacts the file in place.
    ASSERT_TRUE(QFile::remove(compactionFile()));
    {
        Transaction transaction(db());
        for (int i = 0; i < 3000; ++i)
            db().exec(u"insert into ReaderInfo (Code, Name, Remarks) values (?, '王五', ?)"_s,
                      {QString(u"X"_s + QString::number(i)), QString(150, u'备')});
        transaction.commit();
    }
    db().exec(u"delete from ReaderInfo where Code like 'X%'"_s);
    db().execDirect(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
    const qint64 before = QFileInfo(databaseFile()).size();
    prompt.shown.clear();
    progress.clear();
    maintenance().repair(record, finish);
    EXPECT_EQ(prompt.texts(), QStringList{u"数据整理成功！"_s});
    EXPECT_EQ(progress, (QList<int>{20, 100}));
    EXPECT_FALSE(QFileInfo::exists(compactionFile()));
    EXPECT_LT(QFileInfo(databaseFile()).size(), before / 2);
    ASSERT_TRUE(db().isOpen());
    EXPECT_EQ(readers(), QStringList{u"R1"_s});
}

TEST_F(SqliteMaintenanceTest, aRestoreThatCannotBeDoneChangesNothing)
{
    const QString backupFile = QDir(programFolder()).filePath(u"good.TWB"_s);
    maintenance().backupOnExit(choose(backupFile), kToday);
    db().exec(u"insert into ReaderInfo (Code, Name) values ('R2', '李四')"_s);
    const QString notADatabase = QDir(programFolder()).filePath(u"bad.TWB"_s);
    write(notADatabase, "not a database");

    struct Case
    {
        const char *why;
        QString file;
        std::function<void()> before;
        std::function<void()> after;
    };
    std::unique_ptr<Database> otherDesk;
    const Case cases[] = {
        {"not a library database", notADatabase, [] {}, [] {}},
        {"another desk has the database open", backupFile, [&] { otherDesk = fresh->openAnother(); },
         [&] { otherDesk.reset(); }},
        {"a stale compaction file", backupFile, [&] { write(compactionFile(), "stale"); },
         [&] {
             EXPECT_EQ(contents(compactionFile()), QByteArray("stale"));
             QFile::remove(compactionFile());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        c.before();
        prompt.shown.clear();
        prompt.answers = {Button::Ok};
        maintenance().restore(choose(c.file));
        EXPECT_EQ(prompt.texts().last(), u"恢复不成功！"_s);
        c.after();
        ASSERT_TRUE(db().isOpen());
        EXPECT_EQ(readers(), (QStringList{u"R1"_s, u"R2"_s}));
        EXPECT_FALSE(QFileInfo::exists(compactionFile()));
    }
}

TEST_F(SqliteMaintenanceTest, theCompactionAtExitLeavesTheConnectionClosed)
{
    maintenance().compactAtExit();
    EXPECT_FALSE(db().isOpen());
    EXPECT_FALSE(QFileInfo::exists(compactionFile()));
    EXPECT_FALSE(QFileInfo::exists(databaseFile() + u"-wal"_s));
    EXPECT_EQ(readers(), QStringList{u"R1"_s});
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(MaintenanceTest, aServerDatabaseIsLeftToTheServersOwnTools)
{
    if (test::testEngine() != Engine::PostgreSQL)
        GTEST_SKIP() << "runs on PostgreSQL";
    prompt.answers = {Button::Ok, Button::Ok};
    maintenance().backup(choose(u"/tmp/never.TWB"_s), kToday);
    maintenance().restore(choose(u"/tmp/never.TWB"_s));
    maintenance().repair([](int) {}, [] {});
    EXPECT_EQ(prompt.texts(), (QStringList{u"数据库在PostgreSQL服务器上，请在服务器上用 pg_dump 备份。"_s,
                                           u"数据库在PostgreSQL服务器上，请在服务器上用 pg_restore 恢复。"_s,
                                           u"数据库在PostgreSQL服务器上，由服务器自行整理，无需修复。"_s}));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(db().isOpen());
    EXPECT_EQ(readers(), QStringList{u"R1"_s});
}

} // namespace
