#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class TransactionTest : public test::DatabaseTest
{
protected:
    int readers() { return db().scalar(u"select count(*) from ReaderInfo"_s).toInt(); }
    void addReader(const QString &code)
    {
        db().exec(u"insert into ReaderInfo (Code, Name) values (?, ?)"_s, {code, u"读者"_s});
    }
};

TEST_F(TransactionTest, committedWorkStays)
{
    {
        Transaction t(db());
        addReader(u"R1"_s);
        addReader(u"R2"_s);
        t.commit();
    }
    EXPECT_EQ(readers(), 2);
    EXPECT_FALSE(db().inTransaction());
}

TEST_F(TransactionTest, aFailingStatementRollsBackEverything)
{
    EXPECT_THROW(
        {
            Transaction t(db());
            addReader(u"R1"_s);
            addReader(u"这个读者编号远远超过了二十个字符的长度限制啊"_s);
            t.commit();
        },
        DbError);
    EXPECT_EQ(readers(), 0);
    EXPECT_FALSE(db().inTransaction());
    // The connection is usable again afterwards.
    Transaction again(db());
    addReader(u"R3"_s);
    again.commit();
    EXPECT_EQ(readers(), 1);
}

TEST_F(TransactionTest, leavingWithoutCommitRollsBack)
{
    {
        Transaction t(db());
        addReader(u"R1"_s);
    }
    EXPECT_EQ(readers(), 0);
}

TEST_F(TransactionTest, transactionsNeverNest)
{
    Transaction outer(db());
    EXPECT_THROW(Transaction inner(db()), DbError);
    addReader(u"R1"_s);
    outer.commit();
    EXPECT_EQ(readers(), 1);
}

// Another desk sees nothing of a transaction until it commits.
TEST_F(TransactionTest, otherConnectionsSeeOnlyCommittedWork)
{
    std::unique_ptr<Database> other = fresh->openAnother();
    Transaction t(db());
    addReader(u"R1"_s);
    EXPECT_EQ(other->scalar(u"select count(*) from ReaderInfo"_s).toInt(), 0);
    t.commit();
    EXPECT_EQ(other->scalar(u"select count(*) from ReaderInfo"_s).toInt(), 1);
}

} // namespace
