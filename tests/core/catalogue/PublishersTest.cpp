#include "core/catalogue/Publishers.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"
#include "core/framework/InputCodes.h"
#include "core/framework/Lookups.h"
#include "core/framework/RecordActions.h"
#include "support/Printers.h"
#include "support/RealInputCodes.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

QString sourceFile(const QString &path)
{
    return QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(path);
}

class PublishersTest : public test::DatabaseTest
{
protected:
    QStringList codes(const QString &select, const QVariantList &params = {})
    {
        QStringList out;
        for (ResultSet rs = db().query(select, params); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
    QStringList found(const QString &text)
    {
        const SqlCondition condition = Publishers::quickSearch(text);
        return codes(u"select Code from Bookpub"_s + condition.whereClause() + u" order by Isbn"_s,
                     condition.params());
    }
    bool save(EditRecord &record, Publishers::Refusal *refusal = nullptr)
    {
        return RecordActions::SaveRecord(
            db(), prompt, record,
            [&] {
                const Publishers::Refusal r = Publishers::CheckData(db(), prompt, record);
                if (refusal)
                    *refusal = r;
                return r == Publishers::Refusal::None;
            },
            [&] { Publishers::BeforeSave(record); });
    }

    test::ScriptedPrompt prompt;
};

TEST_F(PublishersTest, deliveredWithPrefixesAndTheirInputCodes)
{
    const std::pair<QString, QString> known[] = {
        {u"人民文学出版社"_s, u"978702"_s}, {u"科学出版社"_s, u"978703"_s},
        {u"高等教育出版社"_s, u"978704"_s}, {u"商务印书馆"_s, u"9787100"_s},
        {u"中华书局"_s, u"9787101"_s},       {u"机械工业出版社"_s, u"9787111"_s},
        {u"电子工业出版社"_s, u"9787121"_s}, {u"清华大学出版社"_s, u"9787302"_s},
        {u"上海译文出版社"_s, u"97875327"_s},
    };
    for (const auto &[name, isbn] : known)
        EXPECT_EQ(codes(u"select Code from Bookpub where Isbn = ?"_s, {isbn}), QStringList{name});
    EXPECT_EQ(db().scalar(u"select PY from Bookpub where Code = '人民文学出版社'"_s).toString(), u"rmwxcbs"_s);
    EXPECT_EQ(db().scalar(u"select WB from Bookpub where Code = '人民文学出版社'"_s).toString(), u"wnyibtp"_s);

    // Every stored code is what the delivered character table gives for the name.
    InputCodeTable table(sourceFile(u"resources/Ime.DCT"_s));
    ResultSet all = db().query(u"select * from Bookpub"_s);
    EXPECT_GT(all.count(), 50);
    for (; !all.eof(); all.next()) {
        const QString name = all.text(u"Code");
        const InputCodes expected = table.codes(name);
        EXPECT_EQ(all.text(u"PY"), expected.Py) << name.toStdString();
        EXPECT_EQ(all.text(u"WB"), expected.Wb) << name.toStdString();
        EXPECT_EQ(all.text(u"WBH"), expected.Wbh) << name.toStdString();
        EXPECT_TRUE(all.text(u"Isbn").startsWith(u"9787"_s)) << name.toStdString();
    }
    EXPECT_EQ(db().scalar(u"select count(*) from (select Isbn from Bookpub group by Isbn having count(*) > 1) d"_s)
                  .toInt(),
              0);
}

TEST_F(PublishersTest, savingComputesTheInputCodesOfTheName)
{
    test::RealInputCodes real;
    EditRecord publisher(db(), u"Bookpub"_s);
    publisher.append(u"Code"_s);
    publisher.setValue(u"Code"_s, u"海天出版社"_s);
    publisher.setValue(u"Isbn"_s, u"97875507"_s);
    ASSERT_TRUE(save(publisher));
    ResultSet row = db().query(u"select * from Bookpub where Code = '海天出版社'"_s);
    ASSERT_EQ(row.count(), 1);
    EXPECT_EQ(row.text(u"PY"), u"htcbs"_s);
    EXPECT_EQ(row.text(u"WB"), u"igbtp"_s);
    EXPECT_EQ(row.text(u"WBH"), u"nhzpn"_s);

    // Editing the prefix of a stored publisher keeps its codes right.
    db().exec(u"update Bookpub set PY = null where Code = '海天出版社'"_s);
    EditRecord again(db(), u"Bookpub"_s);
    ASSERT_TRUE(again.load(u"Code"_s, u"海天出版社"_s));
    again.setValue(u"Isbn"_s, u"97875508"_s);
    ASSERT_TRUE(save(again));
    EXPECT_EQ(db().scalar(u"select PY from Bookpub where Isbn = '97875508'"_s).toString(), u"htcbs"_s);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(PublishersTest, aPrefixBelongsToOnePublisher)
{
    EXPECT_TRUE(Publishers::isbnTaken(db(), u"978702"_s));
    EXPECT_TRUE(Publishers::isbnTaken(db(), u" 978702 "_s));
    EXPECT_FALSE(Publishers::isbnTaken(db(), u"978702"_s, u"人民文学出版社"_s)); // its own
    EXPECT_FALSE(Publishers::isbnTaken(db(), u"97870"_s));                     // a part is not the prefix
    EXPECT_FALSE(Publishers::isbnTaken(db(), QString()));
    EXPECT_FALSE(Publishers::checkIsbn(db(), prompt, u"978702"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"该出版社Isbn已有重复！请重新录入"_s});
    prompt.shown.clear();

    // The save checks it as well, whichever way the dialog was left: a new publisher
    // and a changed one alike.
    EditRecord added(db(), u"Bookpub"_s);
    added.append(u"Code"_s);
    added.setValue(u"Code"_s, u"海天出版社"_s);
    added.setValue(u"Isbn"_s, u"978702"_s);
    Publishers::Refusal refusal = Publishers::Refusal::None;
    EXPECT_FALSE(save(added, &refusal));
    EXPECT_EQ(refusal, Publishers::Refusal::IsbnTaken);
    EditRecord changed(db(), u"Bookpub"_s);
    ASSERT_TRUE(changed.load(u"Code"_s, u"科学出版社"_s));
    changed.setValue(u"Isbn"_s, u"978702"_s);
    EXPECT_FALSE(save(changed, &refusal));
    EXPECT_EQ(prompt.texts(), QStringList(2, u"该出版社Isbn已有重复！请重新录入"_s));
    EXPECT_EQ(db().scalar(u"select Isbn from Bookpub where Code = '科学出版社'"_s).toString(), u"978703"_s);
    EXPECT_EQ(db().scalar(u"select count(*) from Bookpub where Code = '海天出版社'"_s).toInt(), 0);
}

TEST_F(PublishersTest, aNameIsRequiredAndANewOneMustBeNew)
{
    struct Case
    {
        QString name;
        QString isbn;
        Publishers::Refusal refusal;
        QString message;
    };
    const Case cases[] = {
        {QString(), u"97875507"_s, Publishers::Refusal::NoName, u"名称必须填写！"_s},
        {u"中华书局"_s, u"97875507"_s, Publishers::Refusal::NameTaken, u"该出版社名称已有重复！请重新录入"_s},
        {u"海天出版社"_s, QString(), Publishers::Refusal::None, QString()}, // no prefix is fine
    };
    for (const Case &c : cases) {
        prompt.shown.clear();
        EditRecord record(db(), u"Bookpub"_s);
        record.append(u"Code"_s);
        record.setValue(u"Code"_s, c.name);
        record.setValue(u"Isbn"_s, c.isbn);
        EXPECT_EQ(Publishers::CheckData(db(), prompt, record), c.refusal) << c.name.toStdString();
        EXPECT_EQ(prompt.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(PublishersTest, aPublisherThatBooksNameCannotBeDeleted)
{
    db().exec(u"insert into BookInfo (Code, Name, Publisher) values ('T0001', '红楼梦', '人民文学出版社')"_s);
    EXPECT_FALSE(Publishers::CheckDelete(db(), prompt, u"人民文学出版社"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"该出版社还有图书数据,不能删除!"_s});
    prompt.shown.clear();
    EXPECT_TRUE(Publishers::CheckDelete(db(), prompt, u"中华书局"_s));
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(PublishersTest, quickSearchByNamePrefixOrInitials)
{
    EXPECT_EQ(found(u"译文"_s), QStringList{u"上海译文出版社"_s});
    EXPECT_EQ(found(u"9787100"_s), QStringList{u"商务印书馆"_s});
    EXPECT_TRUE(found(u"978710"_s).isEmpty()); // the prefix is compared whole
    EXPECT_EQ(found(u"ZHSJ"_s), QStringList{u"中华书局"_s}); // pinyin initials, any case
    EXPECT_EQ(found(u"kwnn"_s), QStringList{u"中华书局"_s}); // wubi
    EXPECT_TRUE(found(u"%"_s).isEmpty());
    EXPECT_EQ(found(QString()).size(), db().scalar(u"select count(*) from Bookpub"_s).toInt());
}

TEST_F(PublishersTest, lookupFindsByAnyPartOfNameOrInitials)
{
    Lookup publishers(db(), Lookups::publisher());
    EXPECT_EQ(publishers.definition().caption, u"选择出版社"_s);
    const ResultSet first = publishers.open();
    EXPECT_EQ(first.text(u"Isbn"), u"978701"_s); // in prefix order

    const auto codesOf = [](ResultSet rs) {
        QStringList out;
        for (; !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    };
    EXPECT_EQ(codesOf(publishers.narrow(0, u"译"_s)), (QStringList{u"上海译文出版社"_s, u"译林出版社"_s}));
    EXPECT_EQ(codesOf(publishers.narrow(0, u"mwxc"_s)), QStringList{u"人民文学出版社"_s}); // inside the initials
    const QStringList many = codesOf(publishers.narrow(0, u"cbs"_s));
    EXPECT_EQ(many.size(), 30);
    EXPECT_EQ(many.first(), u"人民出版社"_s);
}

} // namespace
