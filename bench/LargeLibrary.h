#pragma once

#include <QString>

namespace tarvo {
class Database;
}

namespace tarvo::bench {

// The sizes of the large benchmark library.
struct LibrarySize
{
    int copies = 1'000'000;
    int readers = 200'000;
    int loans = 5'000'000;
};

// Fills a delivered database with a large, plausible library: copies spread over
// the classes, readers of every type, years of returned loans, one open loan on
// every tenth copy and some reservations. Meant for a new, empty database.
void fillLargeLibrary(Database &db, const LibrarySize &size);

// Where the benchmarks keep the large library: TARVO_BENCH_DB, else a file in the build folder.
QString largeLibraryPath();

// The benchmark library at the path, made first when it does not exist yet.
void ensureLargeLibrary(const QString &path, const LibrarySize &size = {});

// The benchmark library, made when missing, opened once for the whole run.
Database &largeLibrary();

// Code of the n-th copy and reader (0-based), as the generator numbers them.
QString copyCode(int n);
QString readerCode(int n);

} // namespace tarvo::bench
