// What the book catalogue costs over a million copies: opening it, a quick search by
// number or by the title's initials, a keystroke in the book lookup, and numbering a
// new copy within its class.

#include "LargeLibrary.h"

#include "core/catalogue/BookRecords.h"
#include "core/catalogue/Books.h"
#include "core/db/Database.h"
#include "core/framework/Lookup.h"
#include "core/framework/Lookups.h"
#include "core/framework/PagedResult.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

std::unique_ptr<PagedResult> open(const Books::ListQuery &query)
{
    auto rows = std::make_unique<PagedResult>(bench::largeLibrary(), query.select, query.params, query.order,
                                              u"Id"_s);
    benchmark::DoNotOptimize(rows->count() > 0 ? rows->value(0, 0) : QVariant());
    return rows;
}

void BM_OpenBookCatalogue(benchmark::State &state)
{
    for (auto _ : state)
        state.counters["rows"] = double(open(Books::initialList(BookTable::Catalogue))->count());
}
BENCHMARK(BM_OpenBookCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);

// The initials typed: the first letters of a copy's stored Py.
QString initialsOfSomeCopy(QRandomGenerator &random)
{
    return bench::largeLibrary()
        .scalar(u"select Py from BookInfo where Code = ?"_s, {bench::copyCode(random.bounded(1'000'000))})
        .toString()
        .left(4);
}

// Arg 0: a copy's whole number; arg 1: four letters of a title's initials.
void BM_BookQuickSearch(benchmark::State &state)
{
    QRandomGenerator random(4);
    for (auto _ : state) {
        state.PauseTiming();
        const QString text =
            state.range(0) == 0 ? bench::copyCode(random.bounded(1'000'000)) : initialsOfSomeCopy(random);
        state.ResumeTiming();
        auto rows = open(Books::list(BookTable::Catalogue, Books::quickSearch(Engine::SQLite, BookTable::Catalogue, text, {})));
        state.counters["rows"] = double(rows->count());
    }
}
BENCHMARK(BM_BookQuickSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

// Each keystroke of the book lookup: by number, then by title or initials.
void BM_BookLookupKeystroke(benchmark::State &state)
{
    Lookup lookup(bench::largeLibrary(), Lookups::book(Engine::SQLite));
    QRandomGenerator random(5);
    for (auto _ : state) {
        state.PauseTiming();
        const QString text = state.range(0) == 0 ? bench::copyCode(random.bounded(1'000'000)).left(6)
                                                 : initialsOfSomeCopy(random).left(3);
        state.ResumeTiming();
        benchmark::DoNotOptimize(lookup.narrow(int(state.range(0)), text).count());
    }
}
BENCHMARK(BM_BookLookupKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_NumberCopyInClass(benchmark::State &state)
{
    Database &db = bench::largeLibrary();
    const QString sortCode = db.scalar(u"select SortCode from BookInfo where Code = ?"_s, {bench::copyCode(7)})
                                 .toString();
    for (auto _ : state)
        benchmark::DoNotOptimize(BookRecords::nextSortNum(db, BookTable::Catalogue, sortCode));
    state.counters["copies"] =
        db.scalar(u"select count(*) from BookInfo where SortCode = ?"_s, {sortCode}).toDouble();
}
BENCHMARK(BM_NumberCopyInClass)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
