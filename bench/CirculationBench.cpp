// What the book desk costs over the large library: loading a reader with their
// loans, entering a book in each mode, and confirming a visit of five books with
// its commit. Every confirmation is undone afterwards, so the library file stays
// as it was.

#include "LargeLibrary.h"

#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "core/circulation/BorrowDesk.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

const int kCopies = 1'000'000;
const int kReaders = 200'000;

// Answers every question with its default button and shows nothing.
class QuietPrompt : public Prompt
{
public:
    void info(const QString &) override {}
    Button question(const QString &, const QString &, Buttons, Button defaultButton) override
    {
        return defaultButton;
    }
    void error(const QString &) override {}
};

// The open loans were made up to 40 days before 2026-12-01 for 30 days, so on this
// day none of them is due yet and they can be renewed.
AppState deskDay()
{
    AppState app;
    app.BusinessDate = QDate(2026, 10, 1);
    app.OperatorName = u"系统管理员"_s;
    app.sysParams.IfFine = true;
    app.sysParams.PerFine = 0.1;
    return app;
}

// A copy in the library: every tenth copy is lent.
QString copyInLibrary(QRandomGenerator &random)
{
    return bench::copyCode(random.bounded(kCopies / 10) * 10 + 1 + random.bounded(9));
}

// A lent copy and its borrower.
std::pair<QString, QString> openLoan(QRandomGenerator &random)
{
    const QString code = bench::copyCode(random.bounded(kCopies / 10) * 10);
    const QString reader = bench::largeLibrary()
                               .scalar(u"select Rcode from BorrowInfo where Code = ? and State = '未还'"_s, {code})
                               .toString();
    return {code, reader};
}

// A reader whose type may hold ten books, so five new loans are never refused.
QString teacher(QRandomGenerator &random)
{
    return bench::largeLibrary()
        .scalar(u"select Code from ReaderInfo where SortCode = '教师' and Code >= ? order by Code limit 1"_s,
                {bench::readerCode(random.bounded(kReaders - 1000))})
        .toString();
}

void BM_LoadReader(benchmark::State &state)
{
    QuietPrompt prompt;
    const AppState app = deskDay();
    BorrowDesk desk(bench::largeLibrary(), prompt, app);
    QRandomGenerator random(61);
    for (auto _ : state) {
        state.PauseTiming();
        const QString reader = openLoan(random).second;
        state.ResumeTiming();
        desk.LoadReader(reader);
        benchmark::DoNotOptimize(desk.rows().size());
    }
}
BENCHMARK(BM_LoadReader)->Unit(benchmark::kMillisecond)->Iterations(200);

// Arg: 0 borrow, 1 renew, 2 return; the reader is loaded first, as at the desk.
void BM_AddItem(benchmark::State &state)
{
    QuietPrompt prompt;
    const AppState app = deskDay();
    const auto mode = BorrowDesk::Mode(state.range(0));
    BorrowDesk desk(bench::largeLibrary(), prompt, app);
    desk.setMode(mode);
    QRandomGenerator random(62);
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QString code;
        if (mode == BorrowDesk::Mode::Borrow) {
            desk.LoadReader(teacher(random));
            code = copyInLibrary(random);
        } else {
            const auto [copy, reader] = openLoan(random);
            desk.LoadReader(reader);
            code = copy;
        }
        state.ResumeTiming();
        added += desk.AddDetail(code) ? 1 : 0;
    }
    state.counters["added"] = added;
}
BENCHMARK(BM_AddItem)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(200);

// What a confirmation touches, as it was, to be put back afterwards.
struct Before
{
    QVariant maxLoanId;
    QVariant loanSequence; // SQLite's autonumber counter, which a delete does not lower
    QList<QVariantList> books;
    QVariantList reader;
};

Before remember(Database &db, const QString &reader, const QStringList &copies)
{
    Before b;
    b.maxLoanId = db.scalar(u"select max(Id) from BorrowInfo"_s);
    b.loanSequence = db.scalar(u"select seq from sqlite_sequence where name = 'BorrowInfo'"_s);
    for (const QString &code : copies) {
        ResultSet r = db.query(u"select IsOut, Borrowman, BorrowDate, Times from BookInfo where Code = ?"_s, {code});
        b.books.append({r.value(u"IsOut"), r.value(u"Borrowman"), r.value(u"BorrowDate"), r.value(u"Times"), code});
    }
    ResultSet r = db.query(u"select BookQty, Times, BorrowDate from ReaderInfo where Code = ?"_s, {reader});
    b.reader = {r.value(u"BookQty"), r.value(u"Times"), r.value(u"BorrowDate"), reader};
    return b;
}

void putBack(Database &db, const Before &b)
{
    Transaction transaction(db);
    db.exec(u"delete from BorrowInfo where Id > ?"_s, {b.maxLoanId});
    for (const QVariantList &book : b.books)
        db.exec(u"update BookInfo set IsOut = ?, Borrowman = ?, BorrowDate = ?, Times = ? where Code = ?"_s, book);
    db.exec(u"update ReaderInfo set BookQty = ?, Times = ?, BorrowDate = ? where Code = ?"_s, b.reader);
    db.exec(u"update sqlite_sequence set seq = ? where name = 'BorrowInfo'"_s, {b.loanSequence});
    transaction.commit();
}

void BM_ConfirmBorrowVisit(benchmark::State &state)
{
    Database &db = bench::largeLibrary();
    QuietPrompt prompt;
    const AppState app = deskDay();
    BorrowDesk desk(db, prompt, app);
    QRandomGenerator random(63);
    int saved = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString reader = teacher(random);
        QStringList copies;
        while (copies.size() < 5)
            copies << copyInLibrary(random);
        const Before before = remember(db, reader, copies);
        desk.LoadReader(reader);
        for (const QString &code : copies)
            desk.AddDetail(code);
        state.ResumeTiming();
        saved += desk.Confirm() ? 1 : 0;
        state.PauseTiming();
        putBack(db, before);
        state.ResumeTiming();
    }
    state.counters["saved"] = saved;
}
BENCHMARK(BM_ConfirmBorrowVisit)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
