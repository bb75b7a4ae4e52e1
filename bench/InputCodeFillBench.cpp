// The fill of missing input codes (系统设置 / 生成拼音五笔) over a million copies.
// It works on a copy of the benchmark library, whose codes are cleared first.

#include "LargeLibrary.h"

#include "core/app/InputCodeFill.h"
#include "core/db/Database.h"
#include "core/db/SqliteSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

// A copy of the library with no book codes; distinct: every copy a title of its own.
void copyWithoutCodes(const QString &copy, bool distinct)
{
    const QString path = bench::largeLibraryPath();
    bench::ensureLargeLibrary(path);
    {
        Database library;
        library.open({Engine::SQLite, path, false}, Database::OpenMode::ReadOnly);
        SqliteSnapshot::writeNew(library, copy);
    }
    Database db;
    db.open({Engine::SQLite, copy, false});
    db.exec(distinct ? u"update BookInfo set Py = null, Wb = null, Wbh = null, Name = Name || Code"_s
                     : u"update BookInfo set Py = null, Wb = null, Wbh = null"_s);
}

void BM_FillMissingBookCodes(benchmark::State &state)
{
    const bool distinct = state.range(0) != 0;
    QTemporaryDir folder;
    const QString copy = QDir(folder.path()).filePath(u"library.dat"_s);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        copyWithoutCodes(copy, distinct);
        Database db;
        db.open({Engine::SQLite, copy, false});
        state.ResumeTiming();
        const qint64 written = InputCodeFill::fill(db, InputCodeFill::Kind::Books);
        state.counters["copies"] = double(written);
    }
}
BENCHMARK(BM_FillMissingBookCodes)
    ->ArgName("distinct_titles")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
