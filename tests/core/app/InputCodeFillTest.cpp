#include "core/app/InputCodeFill.h"
#include "core/framework/InputCodes.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using Kind = InputCodeFill::Kind;

namespace {

class InputCodeFillTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (HasFatalFailure() || IsSkipped())
            return;
        ASSERT_EQ(MakeInputCodes(u"张三").Py, u"zs"_s) << "Ime.DCT is not beside the tests";
        const QVariant none(QMetaType::fromType<QString>());
        for (const auto &[code, name, py] :
             {std::tuple{u"B1"_s, u"张三"_s, none}, std::tuple{u"B2"_s, u"张三"_s, QVariant(u""_s)},
              std::tuple{u"B3"_s, u"红楼梦"_s, none}, std::tuple{u"B4"_s, u"红楼梦"_s, QVariant(u"keep"_s)},
              std::tuple{u"B5"_s, u""_s, none}, std::tuple{u"B6"_s, u"Qt 6 编程"_s, none}}) {
            db().exec(u"insert into BookInfo (Code, Name, Py, Wb, Wbh) values (?, ?, ?, ?, ?)"_s,
                      {code, name, py, py, py});
        }
        db().exec(u"insert into MagzInfo (Code, Name) values ('M1', '读者')"_s);
        db().exec(u"insert into ReaderInfo (Code, Name) values ('R1', '李四')"_s);
    }

    QStringList codesOf(const QString &table, const QString &code)
    {
        const ResultSet row = db().query(u"select Py, Wb, Wbh from "_s + table + u" where Code = ?"_s, {code});
        return {row.text(u"Py"), row.text(u"Wb"), row.text(u"Wbh")};
    }
    static QStringList expected(const QString &name)
    {
        const InputCodes codes = MakeInputCodes(name);
        return {codes.Py, codes.Wb, codes.Wbh};
    }
};

TEST_F(InputCodeFillTest, fillsOnlyNamesWithoutCodesInTheChosenTables)
{
    QList<std::pair<qint64, qint64>> seen;
    const qint64 written = InputCodeFill::fill(db(), Kind::Books | Kind::Readers, [&](qint64 done, qint64 total) {
        seen.append({done, total});
    });

    EXPECT_EQ(written, 5); // B1, B2, B3, B6 and R1
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B1"_s), expected(u"张三"_s));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B1"_s).first(), u"zs"_s);
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B2"_s), expected(u"张三"_s));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B3"_s), expected(u"红楼梦"_s));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B4"_s), (QStringList{u"keep"_s, u"keep"_s, u"keep"_s}));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B5"_s), (QStringList{u""_s, u""_s, u""_s}));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B6"_s), expected(u"编程"_s));
    EXPECT_EQ(codesOf(u"ReaderInfo"_s, u"R1"_s), expected(u"李四"_s));
    EXPECT_EQ(codesOf(u"MagzInfo"_s, u"M1"_s), (QStringList{u""_s, u""_s, u""_s})); // not chosen
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), (std::pair<qint64, qint64>{1, 1})); // readers last, complete
    EXPECT_TRUE(seen.contains(std::pair<qint64, qint64>{4, 4}));

    // A second run writes only the magazine, which was not chosen before; codes once
    // written stay, even when the name changes.
    db().exec(u"update BookInfo set Name = '西游记' where Code in ('B1', 'B4')"_s);
    EXPECT_EQ(InputCodeFill::fill(db(), Kind::Books | Kind::Magazines | Kind::Readers), 1);
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B1"_s), expected(u"张三"_s));
    EXPECT_EQ(codesOf(u"BookInfo"_s, u"B4"_s).first(), u"keep"_s);
    EXPECT_EQ(codesOf(u"MagzInfo"_s, u"M1"_s), expected(u"读者"_s));
}

} // namespace
