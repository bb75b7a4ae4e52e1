// What a list window of a million copies costs: opening it (count and first rows),
// jumping to the end, a title-click sort and scrolling after it.

#include "LargeLibrary.h"

#include "core/db/Database.h"
#include "core/framework/PagedResult.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

std::unique_ptr<PagedResult> openCatalogue()
{
    return std::make_unique<PagedResult>(bench::largeLibrary(), u"select * from BookInfo"_s, QVariantList{}, u"Id"_s,
                                         u"Id"_s);
}

void BM_OpenCatalogue(benchmark::State &state)
{
    for (auto _ : state) {
        auto books = openCatalogue();
        benchmark::DoNotOptimize(books->value(0, 0));
        state.counters["rows"] = double(books->count());
    }
}
BENCHMARK(BM_OpenCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScrollToEnd(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto books = openCatalogue();
        books->value(0, 0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(books->value(books->count() - 1, 0));
    }
}
BENCHMARK(BM_ScrollToEnd)->Unit(benchmark::kMillisecond)->Iterations(5);

// A title click on an indexed and on an unindexed column.
void BM_SortByTitleClick(benchmark::State &state)
{
    const QString field = state.range(0) == 0 ? u"Name"_s : u"Publisher"_s;
    auto books = openCatalogue();
    bool descending = false;
    for (auto _ : state) {
        books->sortBy(field, descending);
        benchmark::DoNotOptimize(books->value(0, 0));
        descending = !descending;
    }
}
BENCHMARK(BM_SortByTitleClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// After a sort, each page that comes into view anywhere in the list.
void BM_PageAfterSort(benchmark::State &state)
{
    auto books = openCatalogue();
    books->sortBy(u"Publisher"_s, false);
    QRandomGenerator random(3);
    for (auto _ : state) {
        // A fresh page each time: positions far apart, past the page cache.
        benchmark::DoNotOptimize(books->value(random.bounded(qint64(books->count())), 0));
    }
}
BENCHMARK(BM_PageAfterSort)->Unit(benchmark::kMillisecond);

} // namespace
