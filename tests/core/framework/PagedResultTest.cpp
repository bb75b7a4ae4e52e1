#include "core/db/Transaction.h"
#include "core/framework/PagedResult.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

// Enough rows for several pages; prices fall as codes rise, so sorting reverses them.
class PagedResultTest : public test::DatabaseTest
{
protected:
    static constexpr int kRows = PagedResult::kPageSize * 3 + 17;

    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Transaction t(db());
        for (int i = 0; i < kRows; ++i)
            db().exec(u"insert into BookInfo (Code, Name, BookPrice, SortCode) values (?, ?, ?, ?)"_s,
                      {u"B%1"_s.arg(i, 4, 10, QLatin1Char('0')), u"书%1"_s.arg(i % 10), 1000.0 - i,
                       i % 2 ? u"I2"_s : u"TP"_s});
        t.commit();
    }

    static QString code(const PagedResult &r, qsizetype row) { return r.value(row, u"Code"_s).toString(); }
};

TEST_F(PagedResultTest, countsAndReadsEveryPageInOrder)
{
    PagedResult books(db(), u"select * from BookInfo"_s, {}, u"Id"_s, u"Id"_s);
    ASSERT_EQ(books.count(), kRows);
    EXPECT_EQ(code(books, 0), u"B0000"_s);
    EXPECT_EQ(code(books, kRows - 1), u"B%1"_s.arg(kRows - 1, 4, 10, QLatin1Char('0')));
    EXPECT_EQ(code(books, PagedResult::kPageSize), u"B0256"_s);
    EXPECT_FALSE(books.value(kRows, 0).isValid());
    EXPECT_GE(books.fieldIndex(u"bookprice"_s), 0);
}

TEST_F(PagedResultTest, sortsByAnyFieldWithAndWithoutARowKey)
{
    for (const QString &rowKey : {u"Id"_s, QString()}) {
        PagedResult books(db(), u"select * from BookInfo where SortCode = ?"_s, {u"TP"_s}, u"Id"_s, rowKey);
        const qsizetype n = books.count();
        ASSERT_EQ(n, (kRows + 1) / 2);
        books.sortBy(u"BookPrice"_s, false);
        EXPECT_EQ(books.count(), n);
        EXPECT_EQ(code(books, 0), code(books, 0)); // pages read twice agree
        EXPECT_LT(books.value(0, u"BookPrice"_s).toDouble(), books.value(n - 1, u"BookPrice"_s).toDouble());
        for (qsizetype i = 1; i < n; ++i)
            ASSERT_LE(books.value(i - 1, u"BookPrice"_s).toDouble(), books.value(i, u"BookPrice"_s).toDouble());
        books.sortBy(u"BookPrice"_s, true);
        EXPECT_EQ(code(books, 0), u"B0000"_s);
        // Equal names keep the statement's order among themselves.
        books.sortBy(u"Name"_s, false);
        EXPECT_EQ(books.value(0, u"Name"_s).toString(), u"书0"_s);
        EXPECT_LT(code(books, 0), code(books, 1));
        books.clearSort();
        EXPECT_EQ(code(books, 0), u"B0000"_s);
    }
}

TEST_F(PagedResultTest, locatesARowAndSeesChangesAfterRequery)
{
    PagedResult books(db(), u"select * from BookInfo"_s, {}, u"Id"_s, u"Id"_s);
    EXPECT_EQ(books.locate(u"Code"_s, u"b0700"_s), 700);
    books.sortBy(u"BookPrice"_s, false);
    EXPECT_EQ(books.locate(u"Code"_s, u"B%1"_s.arg(kRows - 1, 4, 10, QLatin1Char('0'))), 0);
    EXPECT_EQ(books.locate(u"Code"_s, u"none"_s), -1);

    db().exec(u"insert into BookInfo (Code, BookPrice) values ('NEW', -5)"_s);
    EXPECT_EQ(books.count(), kRows);
    books.requery(); // keeps the sort, so the new cheapest copy comes first
    EXPECT_EQ(books.count(), kRows + 1);
    EXPECT_EQ(code(books, 0), u"NEW"_s);
    PagedResult unsorted(db(), u"select * from BookInfo"_s, {}, u"Code desc"_s);
    EXPECT_EQ(unsorted.locate(u"Code"_s, u"new"_s), 0);
    EXPECT_EQ(unsorted.locate(u"Code"_s, u"B0000"_s), kRows);
}

} // namespace
