#include "core/framework/EditRecord.h"
#include "core/framework/RecordActions.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using RecordActions::DeleteResult;

namespace {

class RecordActionsTest : public test::DatabaseTest
{
protected:
    test::ScriptedPrompt prompt;

    int count(const QString &sql) { return db().scalar(sql).toInt(); }
    void addReader(const QString &code)
    {
        db().exec(u"insert into ReaderInfo (Code, Name) values (?, '读者')"_s, {code});
        db().exec(u"insert into BorrowInfo (Code, Rcode, State) values ('B1', ?, '已还')"_s, {code});
    }
};

TEST_F(RecordActionsTest, savesANewRecordThenEditsIt)
{
    EditRecord reader(db(), u"ReaderInfo"_s);
    reader.append(u"Code"_s);
    reader.setValue(u"code"_s, u"R1"_s);
    reader.setValue(u"Name"_s, u"张三"_s);
    reader.setValue(u"RegDate"_s, QDate(2024, 5, 6));
    reader.setValue(u"Remarks"_s, QString()); // an empty text is stored as null
    bool beforeSaveRan = false;
    ASSERT_TRUE(RecordActions::SaveRecord(db(), prompt, reader, [] { return true; },
                                          [&] { beforeSaveRan = true; }));
    EXPECT_TRUE(beforeSaveRan);
    EXPECT_EQ(reader.mode(), EditRecord::Mode::Edit);
    EXPECT_EQ(count(u"select count(*) from ReaderInfo where Code = 'R1' and RegDate = '2024-05-06' and Remarks is null"_s),
              1);

    // A changed key is written to the row it came from.
    reader.setValue(u"Code"_s, u"R2"_s);
    ASSERT_TRUE(RecordActions::SaveRecord(db(), prompt, reader, {}, {}));
    EditRecord again(db(), u"ReaderInfo"_s);
    ASSERT_TRUE(again.load(u"Code"_s, u"r2"_s));
    EXPECT_EQ(again.text(u"Name"_s), u"张三"_s);
    EXPECT_EQ(count(u"select count(*) from ReaderInfo"_s), 1);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(RecordActionsTest, refusedDataSavesNothingAndKeepsTheInput)
{
    EditRecord reader(db(), u"ReaderInfo"_s);
    reader.setValue(u"Code"_s, u"R1"_s);
    EXPECT_FALSE(RecordActions::SaveRecord(db(), prompt, reader, [] { return false; }, {}));
    EXPECT_EQ(count(u"select count(*) from ReaderInfo"_s), 0);
    EXPECT_EQ(reader.text(u"Code"_s), u"R1"_s);
    EXPECT_TRUE(prompt.shown.isEmpty()); // the check itself says why
}

TEST_F(RecordActionsTest, aFailedPostRollsBackEverythingAndStaysEditable)
{
    EditRecord book(db(), u"BookInfo"_s);
    book.append(u"Code"_s);
    book.setValue(u"Code"_s, u"B1"_s);
    book.setValue(u"Name"_s, QString(101, QChar(u'书'))); // one character too long
    const auto sideWrite = [&] { db().exec(u"insert into Bookposi (Code) values ('新架')"_s); };

    EXPECT_FALSE(RecordActions::SaveRecord(db(), prompt, book, {}, sideWrite));
    EXPECT_EQ(prompt.texts(), QStringList{u"存盘失败！"_s});
    EXPECT_EQ(count(u"select count(*) from BookInfo"_s), 0);
    EXPECT_EQ(count(u"select count(*) from Bookposi where Code = '新架'"_s), 0);
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(book.mode(), EditRecord::Mode::Add);

    book.setValue(u"Name"_s, u"红楼梦"_s); // corrected, saved again
    EXPECT_TRUE(RecordActions::SaveRecord(db(), prompt, book, {}, sideWrite));
    EXPECT_EQ(count(u"select count(*) from BookInfo where Name = '红楼梦'"_s), 1);
    EXPECT_EQ(count(u"select count(*) from Bookposi where Code = '新架'"_s), 1);
}

TEST_F(RecordActionsTest, deletesWithDependentRowsAfterAsking)
{
    addReader(u"R1"_s);
    addReader(u"R2"_s);
    prompt.answers = {test::ScriptedPrompt::Button::Ok};
    const auto dependents = [&] { db().exec(u"delete from BorrowInfo where Rcode = 'R1'"_s); };
    EXPECT_EQ(RecordActions::DeleteRecord(db(), prompt, u"ReaderInfo"_s, u"Code"_s, u"r1"_s, {}, dependents),
              DeleteResult::Deleted);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown[0].text, u"是否删除此记录？"_s);
    EXPECT_EQ(prompt.shown[0].caption, u"询问"_s);
    EXPECT_EQ(prompt.shown[0].buttons, Prompt::Button::Ok | Prompt::Button::Cancel);
    EXPECT_EQ(count(u"select count(*) from ReaderInfo"_s), 1);
    EXPECT_EQ(count(u"select count(*) from BorrowInfo"_s), 1);
}

TEST_F(RecordActionsTest, refusalCancelAndEmptyListDeleteNothing)
{
    addReader(u"R1"_s);
    EXPECT_EQ(RecordActions::DeleteRecord(db(), prompt, u"ReaderInfo"_s, u"Code"_s, u"R1"_s,
                                          [] { return false; }, {}),
              DeleteResult::Refused);
    EXPECT_TRUE(prompt.shown.isEmpty());
    prompt.answers = {test::ScriptedPrompt::Button::Cancel};
    EXPECT_EQ(RecordActions::DeleteRecord(db(), prompt, u"ReaderInfo"_s, u"Code"_s, u"R1"_s, {}, {}),
              DeleteResult::Cancelled);
    // An empty list still asks, then deletes nothing.
    prompt.answers = {test::ScriptedPrompt::Button::Ok};
    EXPECT_EQ(RecordActions::DeleteRecord(db(), prompt, u"ReaderInfo"_s, u"Code"_s, QVariant(), {}, {}),
              DeleteResult::NothingToDelete);
    EXPECT_EQ(prompt.shown.size(), 2);
    EXPECT_EQ(count(u"select count(*) from ReaderInfo"_s), 1);
}

TEST_F(RecordActionsTest, aFailedDeleteRollsBackTheDependentRows)
{
    addReader(u"R1"_s);
    prompt.answers = {test::ScriptedPrompt::Button::Ok};
    const auto failing = [&] {
        db().exec(u"delete from BorrowInfo where Rcode = 'R1'"_s);
        db().exec(u"insert into ReaderType (CeQty) values (99999)"_s); // out of range
    };
    EXPECT_EQ(RecordActions::DeleteRecord(db(), prompt, u"ReaderInfo"_s, u"Code"_s, u"R1"_s, {}, failing),
              DeleteResult::Failed);
    EXPECT_EQ(prompt.shown.last().text, u"删除出错！"_s);
    EXPECT_EQ(count(u"select count(*) from ReaderInfo"_s), 1);
    EXPECT_EQ(count(u"select count(*) from BorrowInfo"_s), 1);
}

} // namespace
