// What a desk waits for on every scan: the copy by its code and the copy's open loan.

#include "LargeLibrary.h"

#include "core/db/Database.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

void BM_CopyByCode(benchmark::State &state)
{
    Database &db = bench::largeLibrary();
    QRandomGenerator random(1);
    for (auto _ : state) {
        ResultSet copy = db.query(u"select * from BookInfo where Code = ?"_s,
                                  {bench::copyCode(random.bounded(1'000'000))});
        benchmark::DoNotOptimize(copy.count());
    }
}
BENCHMARK(BM_CopyByCode)->Unit(benchmark::kMicrosecond);

void BM_OpenLoanOfCopy(benchmark::State &state)
{
    Database &db = bench::largeLibrary();
    QRandomGenerator random(2);
    for (auto _ : state) {
        ResultSet loan = db.query(u"select * from BorrowInfo where Code = ? and State = ?"_s,
                                  {bench::copyCode(random.bounded(100'000) * 10), u"未还"_s});
        if (loan.count() != 1)
            state.SkipWithError("a lent copy without its open loan");
        benchmark::DoNotOptimize(loan.count());
    }
}
BENCHMARK(BM_OpenLoanOfCopy)->Unit(benchmark::kMicrosecond);

} // namespace
