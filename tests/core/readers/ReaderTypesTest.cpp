#include "core/readers/ReaderTypes.h"
#include "core/framework/EditRecord.h"
#include "core/framework/Lookup.h"
#include "core/framework/RecordActions.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class ReaderTypesTest : public test::DatabaseTest
{
protected:
    bool save(EditRecord &record)
    {
        return RecordActions::SaveRecord(
            db(), prompt, record,
            [&] { return ReaderTypes::CheckData(db(), prompt, record) == ReaderTypes::Refusal::None; }, {});
    }
    bool add(const QString &code)
    {
        EditRecord record(db(), u"ReaderType"_s);
        record.append(u"Code"_s);
        record.setValue(u"Code"_s, code);
        return save(record);
    }
    int types(const QString &code)
    {
        return db().scalar(u"select count(*) from ReaderType where Code = ?"_s, {code}).toInt();
    }

    test::ScriptedPrompt prompt;
};

TEST_F(ReaderTypesTest, ANameIsRequiredAndANewNameMustBeNew)
{
    EXPECT_FALSE(add(QString()));
    EXPECT_FALSE(add(u"学生"_s));
    EXPECT_EQ(prompt.texts(), (QStringList{u"类型名称必须填写！"_s, u"该类别已有重码！请重新录入"_s}));
    EXPECT_EQ(types(u"学生"_s), 1);

    EditRecord record(db(), u"ReaderType"_s);
    ASSERT_TRUE(record.load(u"Code"_s, u"学生"_s));
    record.setValue(u"LimitDay"_s, 45);
    EXPECT_TRUE(save(record));
    EXPECT_EQ(ReaderTypes::limits(db(), u"学生"_s)->bookDays, 45);
}

TEST_F(ReaderTypesTest, NumbersTypedInTextBoxesAreStoredAsNumbers)
{
    EditRecord record(db(), u"ReaderType"_s);
    record.append(u"Code"_s);
    record.setValue(u"Code"_s, u"研究生"_s);
    record.setValue(u"CeQty"_s, u"8"_s); // as the dialog's text boxes give them
    record.setValue(u"LimitDay"_s, u"45"_s);
    record.setValue(u"RenewTime"_s, QString());
    ASSERT_TRUE(save(record));
    const ResultSet rs =
        db().query(u"select CeQty + LimitDay as Total, RenewTime from ReaderType where Code = '研究生'"_s);
    EXPECT_EQ(rs.integer(u"Total"), 53);
    EXPECT_TRUE(rs.isNull(u"RenewTime"));
}

TEST_F(ReaderTypesTest, ATypeInUseCannotBeDeleted)
{
    db().exec(u"insert into ReaderInfo (Code, Name, SortCode) values ('2001', '张三', '学生')"_s);
    const auto remove = [&](const QString &code) {
        return RecordActions::DeleteRecord(db(), prompt, u"ReaderType"_s, u"Code"_s, code,
                                           [&] { return ReaderTypes::CheckDelete(db(), prompt, code); }, {});
    };
    EXPECT_EQ(remove(u"学生"_s), RecordActions::DeleteResult::Refused);
    EXPECT_EQ(prompt.texts(), QStringList{u"该类型还有读者数据,不能删除!"_s});
    EXPECT_EQ(types(u"学生"_s), 1);
    EXPECT_EQ(remove(u"教师"_s), RecordActions::DeleteResult::Deleted);
    EXPECT_EQ(types(u"教师"_s), 0);
}

TEST_F(ReaderTypesTest, EmptyNumbersReadAsZero)
{
    ASSERT_TRUE(add(u"访客"_s));
    const std::optional<ReaderTypes::Limits> visitor = ReaderTypes::limits(db(), u"访客"_s);
    ASSERT_TRUE(visitor);
    EXPECT_EQ(visitor->books, 0);
    EXPECT_EQ(visitor->bookDays, 0);
    EXPECT_EQ(visitor->renewals, 0);
    EXPECT_EQ(visitor->magazines, 0);
    EXPECT_FALSE(visitor->limited);

    const std::optional<ReaderTypes::Limits> teacher = ReaderTypes::limits(db(), u"教师"_s);
    ASSERT_TRUE(teacher);
    EXPECT_EQ(teacher->books, 10);
    EXPECT_EQ(teacher->magazineDays, 15);
    EXPECT_FALSE(ReaderTypes::limits(db(), u"馆长"_s));
}

TEST_F(ReaderTypesTest, TheLookupListsEveryTypeAndOffersToAddOne)
{
    Lookup lookup(db(), ReaderTypes::lookup());
    EXPECT_TRUE(lookup.definition().canAdd);
    EXPECT_TRUE(lookup.definition().modes.isEmpty());
    QStringList listed;
    for (ResultSet rs = lookup.open(); !rs.eof(); rs.next())
        listed << rs.text(u"Code");
    EXPECT_EQ(listed, ReaderTypes::codes(db()));
    EXPECT_EQ(listed.size(), 4);
}

} // namespace
