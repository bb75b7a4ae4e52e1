// The overdue lists opened at start-up: counting the overdue loans and reading the
// first rows, with every open loan of the large library past its due date.

#include "LargeLibrary.h"

#include "core/circulation/OverdueList.h"
#include "core/db/Database.h"
#include "core/framework/PagedResult.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

void BM_OpenOverdueList(benchmark::State &state)
{
    const auto items = state.range(0) == 0 ? OverdueList::Items::Books : OverdueList::Items::Magazines;
    Database &db = bench::largeLibrary();
    // Later than every due date the generator gives: the whole of the open loans.
    const QDate businessDate = db.scalar(u"select max(ReturnDate) from BorrowInfo where State = '未还'"_s)
                                   .toDate()
                                   .addDays(1);
    for (auto _ : state) {
        const OverdueList::Query q = OverdueList::overdue(items, businessDate);
        PagedResult list(db, q.select, q.params, q.order, q.rowKey);
        benchmark::DoNotOptimize(list.value(0, 0));
        state.counters["rows"] = double(list.count());
    }
}
BENCHMARK(BM_OpenOverdueList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
