// tarvo_benchgen: makes the large benchmark library.

#include "LargeLibrary.h"

#include "core/db/DbError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 && args.size() != 4) {
        std::fputs("usage: tarvo_benchgen PATH [COPIES READERS LOANS]\n"
                   "  makes a new SQLite library at PATH (default sizes 1000000 200000 5000000)\n",
                   stderr);
        return 2;
    }
    if (QFileInfo::exists(args.at(0))) {
        std::fprintf(stderr, "tarvo_benchgen: %s exists already\n", qPrintable(args.at(0)));
        return 1;
    }
    tarvo::bench::LibrarySize size;
    if (args.size() == 4)
        size = {args.at(1).toInt(), args.at(2).toInt(), args.at(3).toInt()};
    QElapsedTimer timer;
    timer.start();
    try {
        tarvo::bench::ensureLargeLibrary(args.at(0), size);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tarvo_benchgen: %s\n", e.what());
        return 1;
    }
    std::printf("%d copies, %d readers, %d loans in %.1f s\n", size.copies, size.readers, size.loans,
                timer.elapsed() / 1000.0);
    return 0;
}
