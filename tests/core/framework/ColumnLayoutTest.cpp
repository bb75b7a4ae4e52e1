#include "core/db/SeedData.h"
#include "core/db/Transaction.h"
#include "core/framework/ColumnLayout.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class ColumnLayoutTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        test::DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // CodeSet comes before Code, so a prefix search for "Code" would find it first.
        Transaction t(db());
        SeedData::loadLayout(db(), u"Sample"_s,
                             u"modules\tFrmSample\n"
                             "CodeSet\t卷册号\t60\tshown\n"
                             "Code\t编号\t90\tshown\tkey\n"
                             "YName\t原名\t100\thidden\n"
                             "Name\t名称\t160\tshown\n"_s);
        t.commit();
    }

    QStringList fields(const QList<LayoutColumn> &columns)
    {
        QStringList out;
        for (const LayoutColumn &c : columns)
            out << c.field;
        return out;
    }
};

TEST_F(ColumnLayoutTest, readsTheWindowsLayout)
{
    ColumnLayout layout(db());
    EXPECT_FALSE(layout.tableCodeOf(u"FrmNoSuchWindow"_s).has_value());
    ASSERT_EQ(layout.tableCodeOf(u"frmsample"_s), std::optional<QString>(u"Sample"_s));
    EXPECT_EQ(layout.keyFieldOf(u"Sample"_s), u"Code"_s);
    EXPECT_EQ(layout.keyFieldOf(u"Bookposi"_s), u"Code"_s);
    EXPECT_EQ(fields(layout.visibleColumns(u"Sample"_s)), (QStringList{u"CodeSet"_s, u"Code"_s, u"Name"_s}));
    EXPECT_EQ(fields(layout.allColumns(u"Sample"_s)),
              (QStringList{u"CodeSet"_s, u"Code"_s, u"YName"_s, u"Name"_s}));
}

TEST_F(ColumnLayoutTest, findsTheExactFieldBeforeAPrefix)
{
    const QList<LayoutColumn> rows = ColumnLayout(db()).allColumns(u"Sample"_s);
    ASSERT_NE(ColumnLayout::find(rows, u"code"_s), nullptr);
    EXPECT_EQ(ColumnLayout::find(rows, u"code"_s)->title, u"编号"_s);
    ASSERT_NE(ColumnLayout::find(rows, u"YNa"_s), nullptr);
    EXPECT_EQ(ColumnLayout::find(rows, u"YNa"_s)->field, u"YName"_s);
    EXPECT_EQ(ColumnLayout::find(rows, u"Price"_s), nullptr);
}

TEST_F(ColumnLayoutTest, savingTheGridStoresWidthsAndPositionsFromTheLeft)
{
    ColumnLayout layout(db());
    layout.saveGrid(u"Sample"_s, {{u"Name"_s, 200}, {u"Code"_s, 70}, {u"CodeSet"_s, 55}});
    const QList<LayoutColumn> all = layout.allColumns(u"Sample"_s);
    EXPECT_EQ(fields(all), (QStringList{u"Name"_s, u"Code"_s, u"CodeSet"_s, u"YName"_s}));
    EXPECT_EQ(all[0].order, 1);
    EXPECT_EQ(all[0].width, 200);
    EXPECT_EQ(all[1].width, 70);
    EXPECT_EQ(all[2].order, 3);
    // The hidden column keeps what it had.
    EXPECT_EQ(all[3].order, 3);
    EXPECT_EQ(all[3].width, 100);
    EXPECT_FALSE(all[3].visible);
}

TEST_F(ColumnLayoutTest, dialogRowsAreStoredAsEdited)
{
    ColumnLayout layout(db());
    QList<LayoutColumn> rows = layout.allColumns(u"Sample"_s);
    rows[0].visible = false;
    rows[2].visible = true;
    rows[2].title = u"原文名称"_s;
    rows[2].order = 0;
    rows[3].width = 240;
    layout.saveRows(rows);
    const QList<LayoutColumn> shown = layout.visibleColumns(u"Sample"_s);
    EXPECT_EQ(fields(shown), (QStringList{u"YName"_s, u"Code"_s, u"Name"_s}));
    EXPECT_EQ(shown[0].title, u"原文名称"_s);
    EXPECT_EQ(shown[2].width, 240);
}

} // namespace
