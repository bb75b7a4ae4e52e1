#include "core/app/AppState.h"
#include "core/circulation/BorrowDesk.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

using Mode = BorrowDesk::Mode;
using Button = Prompt::Button;

const QDate kToday(2024, 3, 5);

// A small library on business day 2024-03-05. Type 普通 lends 5 books for 30 days,
// one renewal, no restricted books; 满额 lends 1.
//   R0001 张三 holds B0001;  R0002 李四 holds B0002 (due today), B0003 (renewed once),
//   B0004, B0005 (reserved by R0001), B0008;  R0003 王五 is suspended and holds B0006;
//   R0004 赵六 (满额) holds B0009;  R0005 钱七 holds nothing.
//   In the library: B0101, B0102 (限制), B0103 (报废), B0104 (reserved by R0002), B0105.
class BorrowDeskTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        app.BusinessDate = kToday;
        app.OperatorName = u"管理员"_s;
        app.sysParams.IfFine = true;
        app.sysParams.PerFine = 0.10;
        db().exec(u"insert into ReaderType (Code, CeQty, LimitDay, IsLimit, RenewTime) values"
                  " ('普通', 5, 30, ?, 1), ('满额', 1, 30, ?, 1)"_s,
                  {true, false});
        addReader(u"R0001"_s, u"张三"_s, u"普通"_s);
        addReader(u"R0002"_s, u"李四"_s, u"普通"_s);
        addReader(u"R0003"_s, u"王五"_s, u"普通"_s, true);
        addReader(u"R0004"_s, u"赵六"_s, u"满额"_s);
        addReader(u"R0005"_s, u"钱七"_s, u"普通"_s);
        for (const QString &code : {u"B0001"_s, u"B0002"_s, u"B0003"_s, u"B0004"_s, u"B0005"_s, u"B0006"_s,
                                    u"B0008"_s, u"B0009"_s, u"B0101"_s, u"B0104"_s, u"B0105"_s})
            addBook(code);
        addBook(u"B0102"_s, QString(), u"限制"_s);
        addBook(u"B0103"_s, u"报废"_s);
        lend(u"B0001"_s, u"R0001"_s, QDate(2024, 3, 20));
        lend(u"B0002"_s, u"R0002"_s, kToday);
        lend(u"B0003"_s, u"R0002"_s, QDate(2024, 3, 20), 1);
        lend(u"B0004"_s, u"R0002"_s, QDate(2024, 3, 20));
        lend(u"B0005"_s, u"R0002"_s, QDate(2024, 3, 20));
        lend(u"B0006"_s, u"R0003"_s, QDate(2024, 3, 20));
        lend(u"B0008"_s, u"R0002"_s, QDate(2024, 3, 20));
        lend(u"B0009"_s, u"R0004"_s, QDate(2024, 3, 20));
        reserve(u"B0005"_s, u"R0001"_s, QDate(2024, 3, 1));
        reserve(u"B0104"_s, u"R0002"_s, QDate(2024, 3, 1));
    }

    void addReader(const QString &code, const QString &name, const QString &type, bool stopped = false)
    {
        db().exec(u"insert into ReaderInfo (Code, Name, SortCode, Isstop, Times, BookQty, Overdue)"
                  " values (?, ?, ?, ?, 3, 0, 0)"_s,
                  {code, name, type, stopped});
    }
    void addBook(const QString &code, const QString &isOut = {}, const QString &isLimit = {})
    {
        db().exec(u"insert into BookInfo (Code, Name, SortCode, Publisher, BookPrice, IsOut, IsLimit, Times)"
                  " values (?, ?, 'I247', '中华书局', 20.5, ?, ?, 2)"_s,
                  {code, QString(u"书"_s + code), isOut, isLimit});
    }
    void lend(const QString &code, const QString &reader, const QDate &due, int renewTimes = 0)
    {
        db().exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ReturnDate, RenewTimes)"
                  " values (?, ?, '未还', ?, ?, ?)"_s,
                  {code, reader, due.addDays(-30), due, renewTimes});
        db().exec(u"update BookInfo set IsOut = '外借', Borrowman = (select Name from ReaderInfo where Code = ?)"
                  " where Code = ?"_s,
                  {reader, code});
        db().exec(u"update ReaderInfo set BookQty = BookQty + 1 where Code = ?"_s, {reader});
    }
    void reserve(const QString &code, const QString &reader, const QDate &day)
    {
        db().exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate) values (?, ?, '预约', ?)"_s,
                  {code, reader, day});
    }

    std::unique_ptr<BorrowDesk> desk(Mode mode, const QString &reader, Database *on = nullptr)
    {
        auto d = std::make_unique<BorrowDesk>(on ? *on : db(), prompt, app);
        d->setMode(mode);
        if (!reader.isEmpty())
            d->LoadReader(reader);
        return d;
    }

    qint64 count(const QString &sql, const QVariantList &params = {})
    {
        return db().scalar(u"select count(*) from "_s + sql, params).toLongLong();
    }
    qint64 readerCounter(const QString &reader, const QString &column)
    {
        return db().scalar(u"select "_s + column + u" from ReaderInfo where Code = ?"_s, {reader}).toLongLong();
    }
    QStringList states(const BorrowDesk &d)
    {
        QStringList s;
        for (const LoanRow &row : d.rows())
            s << row.Code + u':' + row.State;
        return s;
    }

    AppState app;
    test::ScriptedPrompt prompt;
};

TEST_F(BorrowDeskTest, BorrowingVisitEndToEnd)
{
    auto d = desk(Mode::Borrow, u"R0001"_s);
    ASSERT_EQ(d->rows().size(), 1);
    EXPECT_EQ(d->rows().first().State, u"未还"_s);
    EXPECT_EQ(d->LoanCount(), 1);
    EXPECT_EQ(d->shownCeQty(), 5);

    ASSERT_TRUE(d->AddDetail(u"B0101"_s));
    EXPECT_EQ(states(*d), (QStringList{u"B0101:新借"_s, u"B0001:未还"_s}));
    const LoanRow &row = d->rows().first();
    EXPECT_EQ(row.BorrowDate, kToday);
    EXPECT_EQ(row.ReturnDate, QDate(2024, 4, 4));
    EXPECT_EQ(row.value(u"publisher"_s), u"中华书局"_s);
    EXPECT_EQ(d->LoanCount(), 2);
    EXPECT_EQ(d->EditQty(), 1);
    EXPECT_TRUE(prompt.shown.isEmpty());

    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(prompt.texts(), QStringList{u"张三借书成功,本次借出1本！"_s});
    EXPECT_FALSE(d->hasReader());
    EXPECT_TRUE(d->rows().isEmpty());

    ResultSet loan = db().query(u"select * from BorrowInfo where Code = 'B0101'"_s);
    ASSERT_EQ(loan.count(), 1);
    EXPECT_EQ(loan.text(u"Rcode"), u"R0001"_s);
    EXPECT_EQ(loan.text(u"State"), u"未还"_s);
    EXPECT_EQ(loan.date(u"BorrowDate"), kToday);
    EXPECT_EQ(loan.date(u"ReturnDate"), QDate(2024, 4, 4));
    EXPECT_EQ(loan.text(u"Operator"), u"管理员"_s);
    ResultSet book = db().query(u"select * from BookInfo where Code = 'B0101'"_s);
    EXPECT_EQ(book.text(u"IsOut"), u"外借"_s);
    EXPECT_EQ(book.integer(u"Times"), 3);
    EXPECT_EQ(book.text(u"Borrowman"), u"张三"_s);
    EXPECT_EQ(book.date(u"BorrowDate"), kToday);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"BookQty"_s), 2);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"Times"_s), 4);
    EXPECT_EQ(db().query(u"select BorrowDate from ReaderInfo where Code = 'R0001'"_s).date(u"BorrowDate"), kToday);
}

// Every refusal of an item entered: the texts shown, and nothing pending afterwards.
struct Refusal
{
    const char *name;
    Mode mode;
    QString reader;
    QString book;
    QStringList texts;
};

void PrintTo(const Refusal &c, std::ostream *os)
{
    *os << c.name;
}

class BorrowDeskRefusalTest : public BorrowDeskTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(BorrowDeskRefusalTest, RefusesAndAddsNothing)
{
    const Refusal &c = GetParam();
    auto d = desk(c.mode, c.reader);
    EXPECT_FALSE(d->AddDetail(c.book));
    EXPECT_EQ(prompt.texts(), c.texts);
    for (const LoanRow &row : d->rows())
        EXPECT_EQ(row.State, u"未还"_s) << row.Code.toStdString();
    EXPECT_EQ(d->EditQty(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BorrowDeskRefusalTest,
    ::testing::Values(
        Refusal{"NoReader", Mode::Borrow, {}, u"B0101"_s, {u"请先输入读者编号!"_s}},
        Refusal{"Suspended", Mode::Borrow, u"R0003"_s, u"B0101"_s, {u"此读者已经被停用!"_s, u"请先输入读者编号!"_s}},
        Refusal{"LimitReached", Mode::Borrow, u"R0004"_s, u"B0101"_s, {u"借书数量超出1本,不能再借!"_s}},
        Refusal{"ReservationAtLimit", Mode::Borrow, u"R0004"_s, u"B0001"_s, {u"借书数量超出1本,不能再借!"_s}},
        Refusal{"UnknownBook", Mode::Borrow, u"R0001"_s, u"B9999"_s, {u"无此编号图书,请重新输入!"_s}},
        Refusal{"Restricted", Mode::Borrow, u"R0001"_s, u"B0102"_s, {u"此读者被限制借出此书!"_s}},
        Refusal{"Discarded", Mode::Borrow, u"R0001"_s, u"B0103"_s, {u"此书已经报废,不能借出!"_s}},
        Refusal{"ReservedByOther", Mode::Borrow, u"R0001"_s, u"B0104"_s, {u"此书已经被他人预约,不能借出!"_s}},
        Refusal{"RenewNotHeld", Mode::Renew, u"R0001"_s, u"B0002"_s, {u"此读者还未借出此书,请重新输入!"_s}},
        Refusal{"RenewNotLent", Mode::Renew, {}, u"B0101"_s, {u"此书未被借出,请重新输入!"_s}},
        Refusal{"RenewSuspendedBorrower", Mode::Renew, {}, u"B0006"_s, {u"此读者已经被停用!"_s}},
        Refusal{"RenewReservedByOther", Mode::Renew, u"R0002"_s, u"B0005"_s, {u"此书已经被他人预约,不能续借!"_s}},
        Refusal{"RenewDueToday", Mode::Renew, u"R0002"_s, u"B0002"_s, {u"此书已经超期,不能续借!"_s}},
        Refusal{"RenewLimit", Mode::Renew, u"R0002"_s, u"B0003"_s, {u"此书已经续借1次,不能续借了!"_s}},
        Refusal{"ReturnNotHeld", Mode::Return, u"R0001"_s, u"B0002"_s, {u"此读者还未借出此书,请重新输入!"_s}},
        Refusal{"ReturnNotLent", Mode::Return, {}, u"B0101"_s, {u"此书还未借出,请重新输入!"_s}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BorrowDeskTest, ConfirmationNeedsReaderAndRows)
{
    auto none = desk(Mode::Borrow, {});
    EXPECT_FALSE(none->Confirm());
    auto empty = desk(Mode::Return, u"R0005"_s);
    EXPECT_FALSE(empty->Confirm());
    EXPECT_EQ(prompt.texts(), (QStringList{u"请输入读者编号,否则不能存盘!"_s, u"请输入借书明细资料,否则不能存盘!"_s}));
}

TEST_F(BorrowDeskTest, ClosingAsksWhileTheGridShowsRows)
{
    auto d = desk(Mode::Borrow, u"R0005"_s);
    EXPECT_TRUE(d->canClose());
    EXPECT_TRUE(prompt.shown.isEmpty());
    ASSERT_TRUE(d->LoadReader(u"R0001"_s));
    prompt.answers = {Button::No, Button::Yes};
    EXPECT_FALSE(d->canClose());
    EXPECT_TRUE(d->canClose());
    EXPECT_EQ(prompt.texts(), QStringList(2, u"数据未存盘，是否退出？"_s));
}

TEST_F(BorrowDeskTest, EnteringARowTwiceDoesNothing)
{
    for (const auto &[mode, reader, book] : {std::tuple{Mode::Borrow, u"R0001"_s, u"B0101"_s},
                                             {Mode::Borrow, u"R0001"_s, u"b0001"_s},
                                             {Mode::Renew, u"R0002"_s, u"B0004"_s},
                                             {Mode::Return, u"R0002"_s, u"B0004"_s}}) {
        auto d = desk(mode, reader);
        const bool first = d->AddDetail(book);
        const QStringList before = states(*d);
        EXPECT_FALSE(d->AddDetail(book.toLower()));
        EXPECT_EQ(states(*d), before);
        EXPECT_EQ(d->EditQty(), first ? 1 : 0);
    }
    EXPECT_TRUE(prompt.shown.isEmpty());
}

TEST_F(BorrowDeskTest, DeleteDetailFreesAPlaceTheDeleteKeyDoesNot)
{
    db().exec(u"update ReaderType set CeQty = 2 where Code = '满额'"_s);
    auto d = desk(Mode::Borrow, u"R0004"_s);
    ASSERT_TRUE(d->AddDetail(u"B0101"_s));
    EXPECT_FALSE(d->AddDetail(u"B0105"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"借书数量超出2本,不能再借!"_s});

    d->DeleteDetail(0);
    EXPECT_EQ(d->LoanCount(), 1);
    EXPECT_EQ(d->EditQty(), 0);
    ASSERT_TRUE(d->AddDetail(u"B0105"_s));
    ASSERT_EQ(d->rows().first().Code, u"B0105"_s);

    d->DeleteRow(0);
    EXPECT_EQ(d->LoanCount(), 2);
    EXPECT_FALSE(d->AddDetail(u"B0101"_s));
    EXPECT_EQ(states(*d), QStringList{u"B0009:未还"_s});
}

TEST_F(BorrowDeskTest, BorrowingOnesOwnReservationDeletesIt)
{
    reserve(u"B0105"_s, u"R0005"_s, QDate(2024, 3, 1));
    auto d = desk(Mode::Borrow, u"R0005"_s);
    prompt.answers = {Button::Cancel};
    EXPECT_FALSE(d->AddDetail(u"B0105"_s));
    ASSERT_EQ(prompt.shown.size(), 1);
    EXPECT_EQ(prompt.shown.first().text, u"这本书已经借过了,是否再借一次？"_s);
    EXPECT_EQ(prompt.shown.first().caption, u"提示！"_s);
    EXPECT_EQ(prompt.shown.first().buttons, Button::Ok | Button::Cancel);

    prompt.answers = {Button::Ok};
    ASSERT_TRUE(d->AddDetail(u"B0105"_s));
    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(count(u"BorrowInfo where Code = 'B0105' and State = '预约'"_s), 0);
    EXPECT_EQ(count(u"BorrowInfo where Code = 'B0105' and State = '未还' and Rcode = 'R0005'"_s), 1);
    EXPECT_EQ(count(u"BorrowInfo where Code = 'B0104' and State = '预约'"_s), 1);
}

TEST_F(BorrowDeskTest, BookOnLoanElsewhereCanBeReserved)
{
    auto d = desk(Mode::Borrow, u"R0005"_s);
    prompt.answers = {Button::No};
    EXPECT_FALSE(d->AddDetail(u"B0004"_s));
    ASSERT_TRUE(d->AddDetail(u"B0004"_s));
    EXPECT_EQ(prompt.texts(), QStringList(2, u"这本书被借出了,应还日为2024-03-20,是否预约？"_s));
    EXPECT_EQ(states(*d), QStringList{u"B0004:预约"_s});
    EXPECT_EQ(d->EditQty(), 0);
    EXPECT_EQ(d->LoanCount(), 0);

    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(prompt.texts().last(), u"钱七借书成功,本次借出0本！"_s);
    ResultSet r = db().query(u"select * from BorrowInfo where Rcode = 'R0005'"_s);
    ASSERT_EQ(r.count(), 1);
    EXPECT_EQ(r.text(u"State"), u"预约"_s);
    EXPECT_EQ(r.date(u"BorrowDate"), kToday);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"BookQty"_s), 0);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"Times"_s), 4);
}

TEST_F(BorrowDeskTest, ChangedDueDateIsStored)
{
    auto d = desk(Mode::Borrow, u"R0001"_s);
    ASSERT_TRUE(d->AddDetail(u"B0101"_s));
    QDate offered;
    d->DoubleClick(0, [&](const QDate &current) {
        offered = current;
        return std::optional<QDate>(QDate(2024, 5, 1));
    });
    EXPECT_EQ(offered, QDate(2024, 4, 4));
    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(db().query(u"select ReturnDate from BorrowInfo where Code = 'B0101'"_s).date(u"ReturnDate"),
              QDate(2024, 5, 1));
}

TEST_F(BorrowDeskTest, RenewalCountsFromTheRenewalDay)
{
    auto d = desk(Mode::Renew, {});
    ASSERT_TRUE(d->AddDetail(u"B0004"_s));
    EXPECT_EQ(d->reader().Code, u"R0002"_s);
    const LoanRow &row = d->rows().first();
    EXPECT_EQ(row.State, u"续借"_s);
    EXPECT_EQ(row.RenewDate, kToday);
    EXPECT_EQ(row.ReturnDate, QDate(2024, 4, 4));

    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(prompt.texts(), QStringList{u"李四续借成功,本次续借1本！"_s});
    ResultSet loan = db().query(u"select * from BorrowInfo where Code = 'B0004' and State = '未还'"_s);
    EXPECT_EQ(loan.integer(u"RenewTimes"), 1);
    EXPECT_EQ(loan.date(u"RenewDate"), kToday);
    EXPECT_EQ(loan.date(u"ReturnDate"), QDate(2024, 4, 4));
    EXPECT_EQ(db().scalar(u"select Times from BookInfo where Code = 'B0004'"_s).toInt(), 3);
    EXPECT_EQ(readerCounter(u"R0002"_s, u"Times"_s), 3);
    EXPECT_EQ(readerCounter(u"R0002"_s, u"BookQty"_s), 5);
}

TEST_F(BorrowDeskTest, RenewalAllowedWhenTheEarliestReservationIsTheBorrowers)
{
    reserve(u"B0004"_s, u"R0001"_s, QDate(2024, 3, 3));
    reserve(u"B0004"_s, u"R0002"_s, QDate(2024, 3, 2));
    auto d = desk(Mode::Renew, u"R0002"_s);
    EXPECT_TRUE(d->AddDetail(u"B0004"_s));
    // By double click the refusal does not say "他人".
    const int i = int(std::find_if(d->rows().begin(), d->rows().end(),
                                   [](const LoanRow &r) { return r.Code == u"B0005"_s; })
                      - d->rows().begin());
    d->DoubleClick(i, {});
    EXPECT_EQ(prompt.texts(), QStringList{u"此书已经被预约,不能续借!"_s});
    EXPECT_EQ(d->EditQty(), 1);
}

// RenewTime of the type, renewals of the loan so far, and the refusal (empty: renewed).
class BorrowDeskRenewLimitTest : public BorrowDeskTest,
                                 public ::testing::WithParamInterface<std::tuple<int, int, const char *>>
{
};

TEST_P(BorrowDeskRenewLimitTest, RenewTimeBoundsRenewals)
{
    const auto [allowed, done, refusal] = GetParam();
    db().exec(u"update ReaderType set RenewTime = ? where Code = '普通'"_s, {allowed});
    db().exec(u"update BorrowInfo set RenewTimes = ? where Code = 'B0004'"_s, {done});
    auto d = desk(Mode::Renew, u"R0002"_s);
    const QString expected = QString::fromUtf8(refusal);
    EXPECT_EQ(d->AddDetail(u"B0004"_s), expected.isEmpty());
    EXPECT_EQ(prompt.texts(), expected.isEmpty() ? QStringList() : QStringList{expected});
}

INSTANTIATE_TEST_SUITE_P(Table, BorrowDeskRenewLimitTest,
                         ::testing::Values(std::tuple{0, 0, "此书已经续借0次,不能续借了!"}, std::tuple{2, 1, ""},
                                           std::tuple{2, 2, "此书已经续借2次,不能续借了!"}));

// Fines on or off, the due date of B0008, and what the return stores.
struct ReturnCase
{
    const char *name;
    bool finesOn;
    QDate due;
    int days;
    double fine;
};

void PrintTo(const ReturnCase &c, std::ostream *os)
{
    *os << c.name;
}

class BorrowDeskReturnTest : public BorrowDeskTest, public ::testing::WithParamInterface<ReturnCase>
{
};

TEST_P(BorrowDeskReturnTest, OverdueDaysAndFine)
{
    const ReturnCase &c = GetParam();
    app.sysParams.IfFine = c.finesOn;
    db().exec(u"update BorrowInfo set ReturnDate = ? where Code = 'B0008' and State = '未还'"_s, {c.due});
    auto d = desk(Mode::Return, u"R0002"_s);
    ASSERT_TRUE(d->AddDetail(u"B0008"_s));
    const LoanRow &row = d->rows().first();
    EXPECT_EQ(row.State, u"新还"_s);
    EXPECT_EQ(row.ExceedDay, c.days);
    EXPECT_DOUBLE_EQ(row.ExceedFund, c.fine);
    EXPECT_EQ(row.ReturnDate, kToday);

    ASSERT_TRUE(d->Confirm());
    EXPECT_EQ(prompt.texts(), QStringList{u"李四还书成功,本次还书1本！"_s});
    ResultSet loan = db().query(u"select * from BorrowInfo where Code = 'B0008'"_s);
    ASSERT_EQ(loan.count(), 1);
    EXPECT_EQ(loan.text(u"State"), u"已还"_s);
    EXPECT_EQ(loan.date(u"ReturnDate"), kToday);
    EXPECT_EQ(loan.real(u"ExceedDay"), c.days);
    EXPECT_DOUBLE_EQ(loan.money(u"ExceedFund"), c.fine);
    ResultSet book = db().query(u"select IsOut, Borrowman from BookInfo where Code = 'B0008'"_s);
    EXPECT_TRUE(book.text(u"IsOut").isEmpty());
    EXPECT_TRUE(book.text(u"Borrowman").isEmpty());
    EXPECT_EQ(readerCounter(u"R0002"_s, u"BookQty"_s), 4);
    EXPECT_EQ(readerCounter(u"R0002"_s, u"Overdue"_s), c.days > 0 ? 1 : 0);
    EXPECT_FALSE(d->waitingReservations());
}

INSTANTIATE_TEST_SUITE_P(Table, BorrowDeskReturnTest,
                         ::testing::Values(ReturnCase{"Late", true, QDate(2024, 3, 1), 4, 0.4},
                                           ReturnCase{"OnTheDueDate", true, kToday, 0, 0},
                                           ReturnCase{"LateFinesOff", false, QDate(2024, 3, 1), 4, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BorrowDeskTest, ReturnByBookAloneLoadsTheBorrower)
{
    auto d = desk(Mode::Return, {});
    ASSERT_TRUE(d->AddDetail(u"B0006"_s));
    EXPECT_EQ(d->reader().Code, u"R0003"_s);
    EXPECT_FALSE(d->AddDetail(u"B0004"_s));
    EXPECT_EQ(prompt.texts(), QStringList{u"此读者还未借出此书,请重新输入!"_s});
}

TEST_F(BorrowDeskTest, ReturnShowsTheWaitingReadersInReservationOrder)
{
    reserve(u"B0008"_s, u"R0004"_s, QDate(2024, 3, 3));
    reserve(u"B0008"_s, u"R0005"_s, QDate(2024, 3, 1));
    reserve(u"B0004"_s, u"R0001"_s, QDate(2024, 3, 2));
    auto d = desk(Mode::Return, u"R0002"_s);
    ASSERT_TRUE(d->AddDetail(u"B0008"_s));
    ASSERT_TRUE(d->AddDetail(u"B0003"_s));
    ASSERT_TRUE(d->Confirm());
    const auto waiting = d->waitingReservations();
    ASSERT_TRUE(waiting);
    QStringList queue;
    for (ResultSet rs = db().query(waiting->select, waiting->params); !rs.eof(); rs.next())
        queue << rs.text(u"Code") + u':' + rs.text(u"Rcode") + u':' + rs.text(u"ReaderName");
    EXPECT_EQ(queue, (QStringList{u"B0008:R0005:钱七"_s, u"B0008:R0004:赵六"_s}));
}

// What changes under a scanned copy before the confirmation, and the refusal naming it.
struct Meanwhile
{
    const char *name;
    QString sql;
    QString text;
};

void PrintTo(const Meanwhile &c, std::ostream *os)
{
    *os << c.name;
}

class BorrowDeskMeanwhileTest : public BorrowDeskTest, public ::testing::WithParamInterface<Meanwhile>
{
};

TEST_P(BorrowDeskMeanwhileTest, RefusedConfirmationKeepsRowsAndChangesNothing)
{
    auto d = desk(Mode::Borrow, u"R0001"_s);
    ASSERT_TRUE(d->AddDetail(u"B0105"_s));
    ASSERT_TRUE(d->AddDetail(u"B0101"_s));
    const QStringList before = states(*d);
    fresh->openAnother()->exec(GetParam().sql);

    EXPECT_FALSE(d->Confirm());
    EXPECT_EQ(prompt.texts(), QStringList{GetParam().text});
    EXPECT_EQ(states(*d), before);
    EXPECT_EQ(d->LoanCount(), 3);
    EXPECT_EQ(count(u"BorrowInfo where Rcode = 'R0001' and State = '未还'"_s), 1);
    EXPECT_EQ(count(u"BookInfo where Code = 'B0105' and IsOut = '外借'"_s), 0);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"BookQty"_s), 1);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"Times"_s), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BorrowDeskMeanwhileTest,
    ::testing::Values(
        Meanwhile{"Lent", u"insert into BorrowInfo (Code, Rcode, State) values ('B0101', 'R0005', '未还')"_s,
                  u"图书B0101已经被借出,不能借出!"_s},
        Meanwhile{"Discarded", u"update BookInfo set IsOut = '报废' where Code = 'B0101'"_s,
                  u"图书B0101已经报废,不能借出!"_s},
        Meanwhile{"Reserved", u"insert into BorrowInfo (Code, Rcode, State) values ('B0101', 'R0005', '预约')"_s,
                  u"图书B0101已经被他人预约,不能借出!"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BorrowDeskTest, TwoDesksLendingOneCopyLendItOnce)
{
    std::unique_ptr<Database> second = fresh->openAnother();
    auto first = desk(Mode::Borrow, u"R0001"_s);
    auto other = desk(Mode::Borrow, u"R0005"_s, second.get());
    ASSERT_TRUE(first->AddDetail(u"B0101"_s));
    ASSERT_TRUE(other->AddDetail(u"B0101"_s));

    EXPECT_TRUE(first->Confirm());
    EXPECT_FALSE(other->Confirm());
    EXPECT_EQ(prompt.texts(), (QStringList{u"张三借书成功,本次借出1本！"_s, u"图书B0101已经被借出,不能借出!"_s}));
    EXPECT_EQ(states(*other), QStringList{u"B0101:新借"_s});

    ResultSet open = db().query(u"select Rcode from BorrowInfo where Code = 'B0101' and State = '未还'"_s);
    ASSERT_EQ(open.count(), 1);
    EXPECT_EQ(open.text(u"Rcode"), u"R0001"_s);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"BookQty"_s), 2);
    EXPECT_EQ(readerCounter(u"R0001"_s, u"Times"_s), 4);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"BookQty"_s), 0);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"Times"_s), 3);
    ResultSet book = db().query(u"select Times, Borrowman from BookInfo where Code = 'B0101'"_s);
    EXPECT_EQ(book.integer(u"Times"), 3);
    EXPECT_EQ(book.text(u"Borrowman"), u"张三"_s);
}

// The other desk lends the copy and commits while this confirmation runs: SQLite
// makes this one wait for the write lock, PostgreSQL for the open-loan index.
TEST_F(BorrowDeskTest, ADeskCommittingDuringTheConfirmationWins)
{
    auto d = desk(Mode::Borrow, u"R0005"_s);
    ASSERT_TRUE(d->AddDetail(u"B0101"_s));
    std::promise<void> lent;
    std::thread other([&] {
        Database second;
        second.open(fresh->target());
        Transaction transaction(second);
        second.exec(u"insert into BorrowInfo (Code, Rcode, State) values ('B0101', 'R0001', '未还')"_s);
        lent.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        transaction.commit();
    });
    lent.get_future().wait();
    EXPECT_FALSE(d->Confirm());
    other.join();
    EXPECT_EQ(prompt.texts(), QStringList{u"图书B0101已经被借出,不能借出!"_s});
    EXPECT_EQ(count(u"BorrowInfo where Code = 'B0101' and State = '未还'"_s), 1);
    EXPECT_EQ(count(u"BorrowInfo where Rcode = 'R0005'"_s), 0);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"BookQty"_s), 0);
    EXPECT_EQ(readerCounter(u"R0005"_s, u"Times"_s), 3);
}

TEST_F(BorrowDeskTest, ALoanReturnedAtTwoDesksCountsOnce)
{
    std::unique_ptr<Database> second = fresh->openAnother();
    db().exec(u"update BorrowInfo set ReturnDate = ? where Code = 'B0008' and State = '未还'"_s, {QDate(2024, 3, 1)});
    auto first = desk(Mode::Return, u"R0002"_s);
    auto other = desk(Mode::Return, u"R0002"_s, second.get());
    ASSERT_TRUE(first->AddDetail(u"B0008"_s));
    ASSERT_TRUE(other->AddDetail(u"B0008"_s));

    EXPECT_TRUE(first->Confirm());
    EXPECT_TRUE(other->Confirm());
    EXPECT_EQ(prompt.texts(), (QStringList{u"李四还书成功,本次还书1本！"_s, u"李四还书成功,本次还书0本！"_s}));
    EXPECT_EQ(readerCounter(u"R0002"_s, u"BookQty"_s), 4);
    EXPECT_EQ(readerCounter(u"R0002"_s, u"Overdue"_s), 1);
    EXPECT_EQ(count(u"BorrowInfo where Code = 'B0008' and State = '已还'"_s), 1);
}

} // namespace
