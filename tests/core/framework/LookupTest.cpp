#include "core/db/Transaction.h"
#include "core/framework/Lookups.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class LookupTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Transaction t(db());
        for (int i = 0; i < 30; ++i)
            db().exec(u"insert into ReaderInfo (Code, Name, Department) values (?, ?, ?)"_s,
                      {u"20%1"_s.arg(29 - i, 2, 10, QLatin1Char('0')), u"读者%1"_s.arg(i), u"初一(1)班"_s});
        db().exec(u"insert into ReaderInfo (Code, Name, Py, Wb, Wbh, Department) values"
                  " ('3001', '张三', 'zs', 'xd', 'zh', '语文组'), ('2999', '李四', 'ls', 'sl', 'hs', '数学组')"_s);
        t.commit();
    }

    static QStringList codes(ResultSet rs)
    {
        QStringList out;
        for (; !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
};

TEST_F(LookupTest, narrowsByCodeToTheFirstTwentyInOrder)
{
    Lookup readers(db(), Lookups::reader());
    EXPECT_EQ(readers.open().count(), 32);
    const QStringList preset = codes(readers.narrow(0, u"20"_s));
    ASSERT_EQ(preset.size(), 20);
    EXPECT_EQ(preset.first(), u"2000"_s);
    EXPECT_EQ(preset.last(), u"2019"_s);
    EXPECT_EQ(codes(readers.narrow(0, QString())).size(), 20);
    EXPECT_TRUE(codes(readers.narrow(0, u"9"_s)).isEmpty());
}

TEST_F(LookupTest, nameModeFindsByNameOrInitials)
{
    Lookup readers(db(), Lookups::reader());
    EXPECT_EQ(codes(readers.narrow(1, u"zs"_s)), QStringList{u"3001"_s});  // pinyin initials
    EXPECT_EQ(codes(readers.narrow(1, u"XD"_s)), QStringList{u"3001"_s});  // wubi, any case
    EXPECT_EQ(codes(readers.narrow(1, u"hs"_s)), QStringList{u"2999"_s});  // strokes
    EXPECT_EQ(codes(readers.narrow(1, u"四"_s)), QStringList{u"2999"_s});  // one character of the name
    EXPECT_EQ(codes(readers.narrow(2, u"数学"_s)), QStringList{u"2999"_s}); // department
    EXPECT_TRUE(codes(readers.narrow(1, u"'"_s)).isEmpty());               // a quote is just text
}

TEST_F(LookupTest, supplierListIsAPlainPickList)
{
    db().exec(u"delete from Booksupplier"_s);
    db().exec(u"insert into Booksupplier (Code) values ('新华书店'), ('人天书店')"_s);
    Lookup suppliers(db(), Lookups::supplier());
    EXPECT_TRUE(suppliers.definition().modes.isEmpty());
    EXPECT_EQ(suppliers.definition().columns.size(), 1);
    EXPECT_EQ(codes(suppliers.open()).size(), 2);
}

} // namespace
