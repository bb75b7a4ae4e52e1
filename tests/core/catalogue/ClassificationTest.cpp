#include "core/catalogue/Classification.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

// A small scheme in place of the delivered one:
//   A 0001 > A1 00010001 > A11 000100010001 > A111 0001000100010001
//   B 0002 (no subclasses)
//   X1 00050001, whose parent 0005 is missing, > X11 000500010001
class ClassificationTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Transaction t(db());
        db().exec(u"delete from Type"_s);
        const QStringList rows[] = {
            {u"0001"_s, u"00"_s, u"A"_s, u"马列主义"_s},
            {u"00010001"_s, u"0001"_s, u"A1"_s, u"马恩著作"_s},
            {u"000100010001"_s, u"00010001"_s, u"A11"_s, u"选集"_s},
            {u"0001000100010001"_s, u"000100010001"_s, u"A111"_s, u"单行本"_s},
            {u"0002"_s, u"00"_s, u"B"_s, u"哲学"_s},
            {u"00050001"_s, u"0005"_s, u"X1"_s, u"无上级"_s},
            {u"000500010001"_s, u"00050001"_s, u"X11"_s, u"无上级之下"_s},
        };
        for (const QStringList &r : rows)
            db().exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values (?, ?, ?, ?)"_s,
                      {r.at(0), r.at(1), r.at(2), r.at(3)});
        db().exec(u"insert into BookInfo (Code, Name, SortCode) values ('B0001', '选集', 'A11')"_s);
        t.commit();
        classes = std::make_unique<Classification>(db(), prompt);
        classes->load();
    }

    QStringList codesUnder(const QString &key)
    {
        QStringList codes;
        if (const ClassNode *node = classes->tree().findNode(key)) {
            for (const auto &child : node->children)
                codes << child->code;
        }
        return codes;
    }
    int count(const QString &sql) { return db().scalar(sql).toInt(); }
    QString keyOf(const QString &code)
    {
        return db().scalar(u"select sKey from Type where SortCode = ?"_s, {code}).toString();
    }

    test::ScriptedPrompt prompt;
    std::unique_ptr<Classification> classes;
};

TEST_F(ClassificationTest, loadsTwoLevelsAndOneMoreBelowWhatIsOpened)
{
    EXPECT_EQ(codesUnder(u"00"_s), (QStringList{u"A"_s, u"B"_s, u"X1"_s}));
    EXPECT_EQ(codesUnder(u"0001"_s), QStringList{u"A1"_s});
    EXPECT_TRUE(codesUnder(u"00010001"_s).isEmpty()); // the third level waits
    EXPECT_TRUE(classes->tree().findNode(u"00050001"_s)->orphan);
    EXPECT_FALSE(classes->tree().findNode(u"0001"_s)->orphan);

    classes->loadBelow(classes->tree().root()); // the root opens when the window shows
    EXPECT_TRUE(codesUnder(u"00010001"_s).isEmpty());
    EXPECT_EQ(codesUnder(u"00050001"_s), QStringList{u"X11"_s});

    classes->loadBelow(classes->tree().findNode(u"0001"_s));
    EXPECT_EQ(codesUnder(u"00010001"_s), QStringList{u"A11"_s});
    classes->loadBelow(classes->tree().findNode(u"00010001"_s));
    EXPECT_EQ(codesUnder(u"000100010001"_s), QStringList{u"A111"_s});
    // Opening again adds nothing twice.
    classes->loadBelow(classes->tree().findNode(u"0001"_s));
    EXPECT_EQ(codesUnder(u"00010001"_s), QStringList{u"A11"_s});
}

TEST_F(ClassificationTest, addsUnderTheParentWithTheNextSegment)
{
    ClassTree &tree = classes->tree();
    ClassNode *a1 = tree.findNode(u"00010001"_s);
    ASSERT_TRUE(classes->addClass(a1, u"A12"_s, u"文集"_s));
    EXPECT_EQ(keyOf(u"A12"_s), u"000100010002"_s);

    ClassNode *b = tree.findNode(u"0002"_s);
    ClassNode *first = classes->addClass(b, u" B0 "_s, u"哲学理论"_s);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->key, u"00020000"_s);
    EXPECT_EQ(first->text(), u"B0 哲学理论"_s);
    EXPECT_EQ(classes->addClass(b, u"B1"_s, u"世界哲学"_s)->key, u"00020001"_s);
    EXPECT_EQ(codesUnder(u"0002"_s), (QStringList{u"B0"_s, u"B1"_s}));
    EXPECT_EQ(db().scalar(u"select ParentKey from Type where SortCode = 'B1'"_s).toString(), u"0002"_s);

    // Directly under the root: a four-character key, as every top-level class has.
    EXPECT_EQ(classes->addClass(tree.root(), u"C"_s, u"社会科学总论"_s)->key, u"0003"_s);
    EXPECT_EQ(classes->addClass(tree.root(), u"D"_s, u"政治、法律"_s)->key, u"0004"_s);
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(ClassificationTest, aDeletedSegmentIsNotReused)
{
    ClassNode *b = classes->tree().findNode(u"0002"_s);
    for (const QString &code : {u"B0"_s, u"B1"_s, u"B2"_s})
        classes->addClass(b, code, u"类"_s);
    prompt.answers = {Prompt::Button::Ok};
    ASSERT_TRUE(classes->deleteClass(classes->tree().findNode(u"00020001"_s)));
    EXPECT_EQ(classes->addClass(b, u"B3"_s, u"类"_s)->key, u"00020003"_s);
}

TEST_F(ClassificationTest, refusesWithoutParentAndWhenTheSegmentIsUsedUp)
{
    EXPECT_FALSE(classes->checkParent(nullptr));
    EXPECT_EQ(prompt.texts(), QStringList{u"请选择左边父类别名称!"_s});
    prompt.shown.clear();

    // An empty code adds nothing and says nothing.
    const int before = count(u"select count(*) from Type"_s);
    EXPECT_EQ(classes->addClass(classes->tree().root(), u"  "_s, u"名称"_s), nullptr);
    EXPECT_TRUE(prompt.shown.isEmpty());

    db().exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values ('00029999', '0002', 'B9', '末类')"_s);
    ClassNode *b = classes->tree().findNode(u"0002"_s);
    EXPECT_EQ(classes->addClass(b, u"B10"_s, u"多余"_s), nullptr);
    EXPECT_EQ(prompt.texts(), QStringList{u"该分类已用完,请重建分类!"_s});
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(count(u"select count(*) from Type"_s), before + 1);
    EXPECT_TRUE(b->children.empty());
}

TEST_F(ClassificationTest, aFailedWriteSaysSoAndLeavesTheTree)
{
    ClassNode *b = classes->tree().findNode(u"0002"_s);
    const QString tooLong(21, u'B'); // SortCode holds 20 characters
    EXPECT_EQ(classes->addClass(b, tooLong, u"过长"_s), nullptr);
    EXPECT_FALSE(classes->changeClass(b, tooLong, u"过长"_s));
    EXPECT_EQ(prompt.texts(), (QStringList{u"保存失败！"_s, u"保存失败！"_s}));
    EXPECT_TRUE(b->children.empty());
    EXPECT_EQ(b->text(), u"B 哲学"_s);
    EXPECT_EQ(count(u"select count(*) from Type where SortCode = 'B'"_s), 1);
}

TEST_F(ClassificationTest, changesCodeAndNameInTableAndTree)
{
    ClassNode *a1 = classes->tree().findNode(u"00010001"_s);
    ASSERT_TRUE(classes->changeClass(a1, u"A1-"_s, u"马克思、恩格斯著作"_s));
    EXPECT_EQ(a1->text(), u"A1- 马克思、恩格斯著作"_s);
    EXPECT_EQ(classes->read(u"00010001"_s)->name, u"马克思、恩格斯著作"_s);
    // The grid writes one field at a time.
    ASSERT_TRUE(classes->setField(u"00010001"_s, u"SortName"_s, u"马恩著作"_s));
    EXPECT_EQ(classes->read(u"00010001"_s)->code, u"A1-"_s);
    EXPECT_EQ(a1->text(), u"A1- 马恩著作"_s);
    EXPECT_FALSE(classes->setField(u"00010001"_s, u"sKey"_s, u"9999"_s));
    EXPECT_FALSE(classes->changeClass(classes->tree().root(), u"X"_s, u"根"_s));
    EXPECT_FALSE(classes->read(u"00"_s));

    // A class another desk deleted meanwhile is not saved as if it were there.
    db().exec(u"delete from Type where sKey = '00010001'"_s);
    EXPECT_FALSE(classes->changeClass(a1, u"A1"_s, u"马恩著作"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"保存失败！"_s});
}

TEST_F(ClassificationTest, deletesAClassWithItsWholeSubtreeAfterAsking)
{
    ClassNode *a = classes->tree().findNode(u"0001"_s);
    prompt.answers = {Prompt::Button::Cancel};
    EXPECT_FALSE(classes->deleteClass(a));
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown.first().text, u"请不要随意删除,否则会影响正常运行,是否确定删除此类及其所有子类？"_s);
    EXPECT_EQ(prompt.shown.first().caption, u"提示！"_s);
    EXPECT_EQ(prompt.shown.first().defaultButton, Prompt::Button::Cancel);
    EXPECT_EQ(count(u"select count(*) from Type where sKey like '0001%'"_s), 4);

    prompt.answers = {Prompt::Button::Ok};
    EXPECT_TRUE(classes->deleteClass(a));
    // The levels never loaded go too.
    EXPECT_EQ(count(u"select count(*) from Type where sKey like '0001%'"_s), 0);
    EXPECT_EQ(codesUnder(u"00"_s), (QStringList{u"B"_s, u"X1"_s}));
    EXPECT_EQ(classes->tree().findNode(u"00010001"_s), nullptr);
    EXPECT_EQ(count(u"select count(*) from Type"_s), 3);
    // Books keep their class numbers.
    EXPECT_EQ(db().scalar(u"select SortCode from BookInfo where Code = 'B0001'"_s).toString(), u"A11"_s);
    EXPECT_FALSE(classes->deleteClass(classes->tree().root()));
}

TEST_F(ClassificationTest, subclassesAreTheDirectChildrenInKeyOrder)
{
    classes->addClass(classes->tree().findNode(u"00010001"_s), u"A10"_s, u"全集"_s);
    const QList<Classification::Row> rows = classes->subclasses(u"00010001"_s);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).code, u"A11"_s);
    EXPECT_EQ(rows.at(1).code, u"A10"_s);
    EXPECT_EQ(rows.at(1).parentKey, u"00010001"_s);
    EXPECT_EQ(classes->subclasses(u"00"_s).size(), 2);
}

} // namespace
