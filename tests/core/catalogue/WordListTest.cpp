#include "core/catalogue/WordList.h"
#include "core/db/Database.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

// The suppliers reduced to three words.
class WordListTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        db().exec(u"delete from Booksupplier"_s);
        for (const QString &word : {u"新华书店"_s, u"当当网"_s, u"京东图书"_s})
            db().exec(u"insert into Booksupplier (Code) values (?)"_s, {word});
        words = std::make_unique<WordList>(db(), prompt);
        ASSERT_TRUE(words->open(u"Booksupplier"_s));
    }

    QStringList stored()
    {
        QStringList out;
        for (ResultSet rs = db().query(u"select Code from Booksupplier order by Code"_s); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
    QStringList shown()
    {
        QStringList out;
        for (int row = 0; row < words->count(); ++row)
            out << words->value(row, u"Code"_s).toString();
        return out;
    }

    test::ScriptedPrompt prompt;
    std::unique_ptr<WordList> words;
};

TEST_F(WordListTest, listsAWordTableInCodeOrder)
{
    EXPECT_EQ(words->fields(), QStringList{u"Code"_s});
    EXPECT_EQ(shown(), stored());
    EXPECT_EQ(words->current(), 0);
    EXPECT_EQ(words->maxLength(u"code"_s), 100);
    EXPECT_FALSE(words->open(u"NoSuchTable"_s));
    EXPECT_FALSE(words->open(u"Booksupplier; drop table Type"_s));
    EXPECT_EQ(words->table(), u"Booksupplier"_s);
    ASSERT_TRUE(words->open(u"booklang"_s));
    EXPECT_EQ(words->table(), u"BookLang"_s);
    EXPECT_EQ(WordList::bookTables().size(), 7);
}

TEST_F(WordListTest, aRowIsPostedOnlyWithItsCodeFilled)
{
    struct Case
    {
        QString typed; // nothing typed when null
        bool append;
        bool posted;
    };
    const Case cases[] = {
        {u"人天书店"_s, true, true},
        {u"  "_s, true, false},     // blanks are no word
        {QString(), true, false},   // a new row left empty
        {QString(), false, false},  // a row not being edited
        {u"邮局"_s, false, true},   // the current row changed
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(words->open(u"Booksupplier"_s));
        const QStringList before = stored();
        if (c.append) {
            ASSERT_TRUE(words->append());
        }
        if (!c.typed.isNull())
            words->setValue(u"Code"_s, c.typed);
        EXPECT_EQ(words->post(), c.posted) << c.typed.toStdString();
        EXPECT_EQ(stored().size(), before.size() + (c.posted && c.append ? 1 : 0)) << c.typed.toStdString();
        EXPECT_EQ(stored().contains(c.typed.trimmed()), c.posted) << c.typed.toStdString();
    }
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(WordListTest, leavingARowPostsAWordAndDropsAnEmptyRow)
{
    ASSERT_TRUE(words->append());
    EXPECT_EQ(words->count(), 4);
    ASSERT_TRUE(words->setCurrent(0)); // the empty new row goes
    EXPECT_EQ(words->count(), 3);
    EXPECT_EQ(words->state(), WordList::State::Browse);

    words->setValue(u"Code"_s, QString()); // a word cleared and left is not written
    ASSERT_TRUE(words->setCurrent(1));
    EXPECT_EQ(words->value(0, u"Code"_s).toString(), stored().at(0));
    EXPECT_EQ(stored().size(), 3);

    ASSERT_TRUE(words->append());
    words->setValue(u"Code"_s, u"人天书店"_s);
    ASSERT_TRUE(words->setCurrent(0)); // a filled row is posted on leaving
    EXPECT_TRUE(stored().contains(u"人天书店"_s));

    // A changed word replaces that word alone.
    ASSERT_TRUE(words->setCurrent(words->count() - 1));
    words->setValue(u"Code"_s, u"人天书店（北京）"_s);
    ASSERT_TRUE(words->post());
    EXPECT_EQ(stored().size(), 4);
    EXPECT_TRUE(stored().contains(u"人天书店（北京）"_s));
    EXPECT_FALSE(stored().contains(u"人天书店"_s));
}

TEST_F(WordListTest, aWordTheListHoldsIsRefused)
{
    ASSERT_TRUE(words->append());
    words->setValue(u"Code"_s, u"新华书店"_s);
    EXPECT_FALSE(words->post());
    EXPECT_FALSE(words->setCurrent(0)); // and the row cannot be left with it
    EXPECT_EQ(words->current(), 3);
    EXPECT_EQ(prompt.texts(), QStringList(2, u"该词条已有重复！请重新录入"_s));
    EXPECT_EQ(stored().count(u"新华书店"_s), 1);

    words->cancel();
    EXPECT_EQ(words->count(), 3);

    // Its own word, in other letters' case, is no duplicate of itself.
    db().exec(u"insert into Booksupplier (Code) values ('abc books')"_s);
    ASSERT_TRUE(words->open(u"Booksupplier"_s));
    prompt.shown.clear();
    ASSERT_TRUE(words->setCurrent(0));
    EXPECT_EQ(words->value(0, u"Code"_s).toString(), u"abc books"_s);
    words->setValue(u"Code"_s, u"ABC Books"_s);
    EXPECT_TRUE(words->post());
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(WordListTest, enterWalksTheColumnsThenPostsAndGoesOn)
{
    const QStringList columns{u"Code"_s, u"Remark"_s};
    ASSERT_TRUE(words->setCurrent(2));
    EXPECT_EQ(words->enter(columns, 0), 1); // not the last column: the next one
    words->setValue(u"Code"_s, u"京东"_s);
    EXPECT_EQ(words->enter(columns, 1), 0); // the last column: post, next row, first column
    EXPECT_TRUE(stored().contains(u"京东"_s));
    EXPECT_EQ(words->current(), 3); // past the end: a new row
    EXPECT_EQ(words->state(), WordList::State::Insert);
    EXPECT_EQ(words->count(), 4);

    // An empty Code sends the walk back to the Code column, wherever that is.
    EXPECT_EQ(words->enter(columns, 1), 0);
    EXPECT_EQ(words->enter({u"Remark"_s, u"Code"_s}, 1), 1);
    EXPECT_EQ(words->count(), 4);
    EXPECT_EQ(stored().size(), 3);

    words->setValue(u"Code"_s, u"孔夫子旧书网"_s);
    EXPECT_EQ(words->enter({u"Code"_s}, 0), 0);
    EXPECT_TRUE(stored().contains(u"孔夫子旧书网"_s));
    EXPECT_EQ(words->current(), 4);
    EXPECT_EQ(words->count(), 5);
}

TEST_F(WordListTest, deletesWithOrWithoutAsking)
{
    const QString first = words->value(0, u"Code"_s).toString();
    prompt.answers = {Prompt::Button::Cancel};
    EXPECT_FALSE(words->removeAsking());
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown.first().text, u"是否删除此记录？"_s);
    EXPECT_EQ(prompt.shown.first().caption, u"询问"_s);
    EXPECT_EQ(stored().size(), 3);

    prompt.answers = {Prompt::Button::Ok};
    EXPECT_TRUE(words->removeAsking());
    EXPECT_FALSE(stored().contains(first));
    prompt.shown.clear();
    ASSERT_TRUE(words->setCurrent(1));
    EXPECT_TRUE(words->remove()); // F4 asks nothing
    EXPECT_TRUE(prompt.shown.isEmpty());
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(words->current(), 0);
    EXPECT_EQ(shown(), stored());

    // A new row is only dropped.
    ASSERT_TRUE(words->append());
    EXPECT_TRUE(words->remove());
    EXPECT_EQ(words->count(), 1);
    EXPECT_EQ(stored().size(), 1);
}

} // namespace
