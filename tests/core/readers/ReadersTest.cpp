#include "core/readers/Readers.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"
#include "core/framework/RecordActions.h"
#include "support/Printers.h"
#include "support/RealInputCodes.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class ReadersTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        for (const auto &[code, name, type, dept] : {std::tuple{u"2001"_s, u"张三"_s, u"学生"_s, u"物理系"_s},
                                                     {u"2002"_s, u"李四"_s, u"教师"_s, u"物理系"_s},
                                                     {u"A-zs1"_s, u"王五"_s, u"学生"_s, u"化学系"_s},
                                                     {u"2003"_s, u"张珊"_s, u"教师"_s, u"化学系"_s}})
            EXPECT_TRUE(save(code, name, type, {{u"Department"_s, dept}}));
        prompt.shown.clear();
    }

    // A reader saved as the dialog saves one: CheckData, then BeforeSave and the post.
    bool save(const QString &code, const QString &name, const QString &type,
              const QList<std::pair<QString, QVariant>> &more = {})
    {
        EditRecord record(db(), u"ReaderInfo"_s);
        record.append(u"Code"_s);
        record.setValue(u"Code"_s, code);
        record.setValue(u"Name"_s, name);
        record.setValue(u"SortCode"_s, type);
        for (const auto &[field, value] : more)
            record.setValue(field, value);
        return saveRecord(record);
    }
    bool saveRecord(EditRecord &record)
    {
        return RecordActions::SaveRecord(
            db(), prompt, record, [&] { return Readers::CheckData(db(), prompt, record) == Readers::Refusal::None; },
            [&] { Readers::BeforeSave(db(), record); });
    }
    void lend(const QString &table, const QString &copy, const QString &reader, const QString &state)
    {
        db().exec(u"insert into "_s + table + u" (Code, Rcode, State) values (?, ?, ?)"_s, {copy, reader, state});
    }
    QStringList found(const SqlCondition &condition)
    {
        const Readers::ListQuery q = Readers::list(condition);
        QStringList out;
        for (ResultSet rs = db().query(q.select + u" order by "_s + q.order, q.params); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
    QStringList loansOf(const QString &table, const QString &reader)
    {
        QStringList out;
        for (ResultSet rs = db().query(u"select Code from "_s + table + u" where Rcode = ? order by Code"_s, {reader});
             !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
    int readers(const QString &code)
    {
        return db().scalar(u"select count(*) from ReaderInfo where Code = ?"_s, {code}).toInt();
    }

    test::RealInputCodes inputCodes;
    test::ScriptedPrompt prompt;
};

TEST_F(ReadersTest, SavingStoresTheInputCodesOfTheName)
{
    const ResultSet rs = db().query(u"select Py, Wb, Wbh from ReaderInfo where Code = '2001'"_s);
    EXPECT_EQ(rs.text(u"Py"), u"zs"_s);
    EXPECT_FALSE(rs.text(u"Wb").isEmpty());
    EXPECT_FALSE(rs.text(u"Wbh").isEmpty());
}

TEST_F(ReadersTest, TheDepositTypedIsStoredAsANumber)
{
    ASSERT_TRUE(save(u"3001"_s, u"赵六"_s, u"学生"_s, {{u"DepoSum"_s, u"12.5"_s}}));
    EXPECT_DOUBLE_EQ(db().scalar(u"select DepoSum * 2 from ReaderInfo where Code = '3001'"_s).toDouble(), 25.0);
}

TEST_F(ReadersTest, QuickSearchByNumberNameOrInitials)
{
    const struct
    {
        QString text;
        QStringList expected;
    } cases[] = {
        {u"zs"_s, {u"2001"_s, u"2003"_s, u"A-zs1"_s}}, // initials of 张三 and 张珊, number of A-zs1
        {u"张"_s, {u"2001"_s, u"2003"_s}},
        {u"2002"_s, {u"2002"_s}},
        {u"  "_s, {u"2001"_s, u"2002"_s, u"2003"_s, u"A-zs1"_s}},
        {u"'%"_s, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(found(Readers::quickSearch(c.text)), c.expected) << c.text.toStdString();
    // Initials are matched from their beginning only: "s" is inside 张三's "zs".
    EXPECT_FALSE(found(Readers::quickSearch(u"s"_s)).contains(u"2001"_s));
}

TEST_F(ReadersTest, SearchDialogRestrictsByEveryFilledBox)
{
    db().exec(u"update ReaderInfo set HandTel = '13900001111', Addr = '北京路1号' where Code = '2003'"_s);
    const struct
    {
        Readers::SearchInput input;
        QStringList expected;
    } cases[] = {
        // 编号, 姓名, 类别, 部门, 电话, 地址
        {{{}, u"zs"_s, u"学生"_s, {}, {}, {}}, {u"2001"_s}},
        {{{}, u"zs"_s, u"教师"_s, {}, {}, {}}, {u"2003"_s}},
        {{{}, u"张"_s, {}, u"化学系"_s, {}, {}}, {u"2003"_s}},
        {{u"200"_s, {}, u"教师"_s, {}, {}, {}}, {u"2002"_s, u"2003"_s}},
        {{{}, {}, {}, {}, u"0001"_s, {}}, {u"2003"_s}},
        {{{}, {}, u"学生"_s, {}, {}, u"北京"_s}, {}},
        {{}, {u"2001"_s, u"2002"_s, u"2003"_s, u"A-zs1"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(found(Readers::searchCondition(c.input)), c.expected)
            << Readers::searchCondition(c.input).sql().toStdString();
}

TEST_F(ReadersTest, NumberTakenIsRefusedOnAddAndOnEdit)
{
    EXPECT_FALSE(save(u"2002"_s, u"赵六"_s, u"学生"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"该读者已有重码！请重新录入"_s});
    EXPECT_EQ(readers(u"2002"_s), 1);

    EditRecord record(db(), u"ReaderInfo"_s);
    ASSERT_TRUE(record.load(u"Code"_s, u"2001"_s));
    EXPECT_TRUE(Readers::checkCode(db(), prompt, u"2001"_s, u"2001"_s)); // its own number
    record.setValue(u"Code"_s, u"2002"_s);
    EXPECT_FALSE(saveRecord(record));
    EXPECT_EQ(readers(u"2001"_s), 1);
    EXPECT_EQ(readers(u"2002"_s), 1);
}

TEST_F(ReadersTest, MissingFieldsAndUnknownTypesAreRefused)
{
    EXPECT_FALSE(save(u"3001"_s, QString(), u"学生"_s));
    EXPECT_FALSE(save(u"3001"_s, u"赵六"_s, u"馆长"_s));
    EXPECT_EQ(prompt.texts(), (QStringList{u"读者编号、姓名和类别必须填写！"_s, u"无此类别!"_s}));
    EXPECT_EQ(readers(u"3001"_s), 0);
    prompt.shown.clear();
    EXPECT_FALSE(Readers::checkType(db(), prompt, QString()));
    EXPECT_EQ(prompt.texts(), QStringList{u"无此类别!"_s});
}

TEST_F(ReadersTest, ANewNumberTakesTheLoansOfBothKindsAlong)
{
    lend(u"BorrowInfo"_s, u"B1"_s, u"2001"_s, u"未还"_s);
    lend(u"BorrowInfo"_s, u"B2"_s, u"2001"_s, u"已还"_s);
    lend(u"BorrowInfo1"_s, u"M1"_s, u"2001"_s, u"未还"_s);
    lend(u"BorrowInfo"_s, u"B3"_s, u"2002"_s, u"未还"_s);

    EditRecord record(db(), u"ReaderInfo"_s);
    ASSERT_TRUE(record.load(u"Code"_s, u"2001"_s));
    record.setValue(u"Code"_s, u"2009"_s);
    ASSERT_TRUE(saveRecord(record));
    EXPECT_EQ(loansOf(u"BorrowInfo"_s, u"2009"_s), (QStringList{u"B1"_s, u"B2"_s}));
    EXPECT_EQ(loansOf(u"BorrowInfo1"_s, u"2009"_s), QStringList{u"M1"_s});
    EXPECT_TRUE(loansOf(u"BorrowInfo"_s, u"2001"_s).isEmpty());
    EXPECT_EQ(loansOf(u"BorrowInfo"_s, u"2002"_s), QStringList{u"B3"_s});

    // Typed twice before saving: the loans still go by the number stored.
    record.setValue(u"Code"_s, u"2010"_s);
    record.setValue(u"Code"_s, u"2011"_s);
    ASSERT_TRUE(saveRecord(record));
    EXPECT_EQ(loansOf(u"BorrowInfo"_s, u"2011"_s), (QStringList{u"B1"_s, u"B2"_s}));
    EXPECT_EQ(loansOf(u"BorrowInfo1"_s, u"2011"_s), QStringList{u"M1"_s});
}

TEST_F(ReadersTest, AFailedSaveLeavesTheReaderAndItsLoans)
{
    lend(u"BorrowInfo"_s, u"B1"_s, u"2001"_s, u"未还"_s);
    lend(u"BorrowInfo1"_s, u"M1"_s, u"2001"_s, u"未还"_s);
    EditRecord record(db(), u"ReaderInfo"_s);
    ASSERT_TRUE(record.load(u"Code"_s, u"2001"_s));
    record.setValue(u"Code"_s, u"2009"_s);
    record.setValue(u"Remarks"_s, QString(201, u'x')); // longer than the column holds
    EXPECT_FALSE(saveRecord(record));
    EXPECT_EQ(prompt.texts(), QStringList{u"存盘失败！"_s});
    EXPECT_EQ(readers(u"2001"_s), 1);
    EXPECT_EQ(readers(u"2009"_s), 0);
    EXPECT_EQ(loansOf(u"BorrowInfo"_s, u"2001"_s), QStringList{u"B1"_s});
    EXPECT_EQ(loansOf(u"BorrowInfo1"_s, u"2001"_s), QStringList{u"M1"_s});
}

TEST_F(ReadersTest, AReaderHoldingBooksOrMagazinesCannotBeDeleted)
{
    lend(u"BorrowInfo"_s, u"B1"_s, u"2001"_s, u"未还"_s);
    lend(u"BorrowInfo1"_s, u"M1"_s, u"2002"_s, u"未还"_s);
    lend(u"BorrowInfo"_s, u"B2"_s, u"2002"_s, u"已还"_s);
    EXPECT_EQ(Readers::DeleteReader(db(), prompt, u"2001"_s), Readers::DeleteResult::Refused);
    EXPECT_EQ(Readers::DeleteReader(db(), prompt, u"2002"_s), Readers::DeleteResult::Refused);
    EXPECT_EQ(prompt.texts(), (QStringList{u"该读者还有未还图书,不能删除!"_s, u"该读者还有未还期刊,不能删除!"_s}));
    EXPECT_EQ(readers(u"2001"_s), 1);
    EXPECT_EQ(readers(u"2002"_s), 1);
}

TEST_F(ReadersTest, AReaderGoesWithItsLoanHistoryOfBothKinds)
{
    lend(u"BorrowInfo"_s, u"B1"_s, u"2001"_s, u"已还"_s);
    lend(u"BorrowInfo"_s, u"B2"_s, u"2001"_s, u"预约"_s);
    lend(u"BorrowInfo1"_s, u"M1"_s, u"2001"_s, u"已还"_s);
    lend(u"BorrowInfo"_s, u"B3"_s, u"2002"_s, u"已还"_s);

    prompt.answers = {Prompt::Button::Cancel};
    EXPECT_EQ(Readers::DeleteReader(db(), prompt, u"2001"_s), Readers::DeleteResult::Cancelled);
    EXPECT_EQ(readers(u"2001"_s), 1);
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown.first().text, u"是否删除此记录,连同读者借书数据一起删除？"_s);
    EXPECT_EQ(prompt.shown.first().caption, u"询问"_s);

    EXPECT_EQ(Readers::DeleteReader(db(), prompt, u"2001"_s), Readers::DeleteResult::Deleted);
    EXPECT_EQ(readers(u"2001"_s), 0);
    EXPECT_TRUE(loansOf(u"BorrowInfo"_s, u"2001"_s).isEmpty());
    EXPECT_TRUE(loansOf(u"BorrowInfo1"_s, u"2001"_s).isEmpty());
    EXPECT_EQ(loansOf(u"BorrowInfo"_s, u"2002"_s), QStringList{u"B3"_s});
}

TEST_F(ReadersTest, APhotoIsLinkedWithItsPictureAndRemoved)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(u"photo.png"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG picture bytes");
    file.close();

    EditRecord record(db(), u"ReaderInfo"_s);
    ASSERT_TRUE(record.load(u"Code"_s, u"2001"_s));
    EXPECT_FALSE(Readers::linkPhoto(record, folder.filePath(u"missing.png"_s)));
    ASSERT_TRUE(Readers::linkPhoto(record, file.fileName()));
    ASSERT_TRUE(saveRecord(record));
    ResultSet rs = db().query(u"select Photo, PhotoBmp from ReaderInfo where Code = '2001'"_s);
    EXPECT_EQ(rs.text(u"Photo"), file.fileName());
    EXPECT_EQ(rs.value(u"PhotoBmp").toByteArray(), QByteArray("\x89PNG picture bytes"));

    Readers::removePhoto(record);
    ASSERT_TRUE(saveRecord(record));
    rs = db().query(u"select Photo, PhotoBmp from ReaderInfo where Code = '2001'"_s);
    EXPECT_TRUE(rs.isNull(u"Photo"));
    EXPECT_TRUE(rs.isNull(u"PhotoBmp"));
}

} // namespace
