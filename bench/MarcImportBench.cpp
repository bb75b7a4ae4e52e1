// The MARC import of the pre-catalogue: a file of 20,000 CNMARC records in GBK, as a
// library receives them from a supplier, into a fresh database.

#include "support/MarcBuilder.h"

#include "core/catalogue/MarcImport.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using test::gbk;
using test::MarcBuilder;
using test::sub;

namespace {

constexpr int kRecords = 20'000;

QString pick(const QStringList &words, int n)
{
    return words.at(n % words.size());
}

// A record as full as a supplier's: identifiers, coded data, title, edition,
// publication, description, series, summary, subjects, class and responsibility.
QByteArray record(int n)
{
    static const QStringList themes{u"中国近代史"_s, u"数据结构"_s, u"唐诗选注"_s, u"城市规划"_s,
                                    u"植物图鉴"_s, u"经济学原理"_s, u"古代汉语"_s, u"儿童文学"_s};
    static const QStringList forms{u"研究"_s, u"导论"_s, u"教程"_s, u"十讲"_s, u"新编"_s};
    static const QStringList authors{u"王建国"_s, u"李华"_s, u"张明远"_s, u"陈静"_s, u"刘晓东"_s};
    static const QStringList publishers{u"人民文学出版社"_s, u"商务印书馆"_s, u"中华书局"_s,
                                        u"科学出版社"_s, u"高等教育出版社"_s};
    static const QStringList classes{u"K25"_s, u"TP311.12"_s, u"I222.742"_s, u"TU984"_s, u"Q949-64"_s};
    const QString title = pick(themes, n) + pick(forms, n / 8) + u"（第%1卷）"_s.arg(n % 7 + 1);
    const QByteArray price = "CNY" + QByteArray::number(20 + n % 80) + ".00";
    return MarcBuilder()
        .field("001", "012" + QByteArray::number(1'000'000 + n))
        .field("005", "20240105093000.0")
        .field("010", "  " + sub('a', "978-7-" + QByteArray::number(100'000 + n) + "-1") + sub('d', price))
        .field("100", "  " + sub('a', "20240105d2023    em y0chiy0110    ea"))
        .field("101", "0 " + sub('a', "chi"))
        .field("102", "  " + sub('a', "CN") + sub('b', "110000"))
        .field("105", "  " + sub('a', "a   z   000yy"))
        .field("106", "  " + sub('a', "r"))
        .field("200", "1 " + sub('a', gbk(title)) + sub('f', gbk(pick(authors, n) + u"主编"_s))
                          + sub('g', gbk(pick(authors, n + 2) + u"译"_s)))
        .field("205", "  " + sub('a', gbk(u"第2版"_s)))
        .field("210", "  " + sub('a', gbk(u"北京"_s)) + sub('c', gbk(pick(publishers, n))) + sub('d', "2023"))
        .field("215", "  " + sub('a', gbk(u"%1页"_s.arg(120 + n % 500))) + sub('c', gbk(u"图"_s))
                          + sub('d', "26cm"))
        .field("225", "2 " + sub('a', gbk(u"大学教材系列"_s)))
        .field("330", "  " + sub('a', gbk(u"本书系统介绍了"_s + title + u"的基本内容、方法与最新进展，"
                                          u"适合高等院校师生及相关研究人员阅读参考。"_s)))
        .field("606", "0 " + sub('a', gbk(pick(themes, n))) + sub('x', gbk(u"研究"_s)))
        .field("690", "  " + sub('a', pick(classes, n).toLatin1()) + sub('v', "5"))
        .field("701", " 0" + sub('a', gbk(pick(authors, n))) + sub('4', gbk(u"主编"_s)))
        .field("801", " 0" + sub('a', "CN") + sub('b', "NLC") + sub('c', "20240105"))
        .record();
}

const QString &marcFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString p = folder.filePath(u"supplier.iso"_s);
        QFile file(p);
        if (file.open(QIODevice::WriteOnly))
            for (int n = 0; n < kRecords; ++n)
                file.write(record(n) + "\r\n");
        return p;
    }();
    return path;
}

void BM_MarcImport(benchmark::State &state)
{
    const QString &file = marcFile();
    QTemporaryDir folder;
    int run = 0;
    qint64 imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const ConnectionTarget target{Engine::SQLite, folder.filePath(u"library%1.dat"_s.arg(++run)), false};
        DeliveredDatabase::create(target);
        Database db;
        db.open(target);
        state.ResumeTiming();
        const MarcImport::Result result = MarcImport(db).importFile(file);
        if (!result.error.isEmpty() || result.imported != kRecords)
            state.SkipWithError(qPrintable(u"import failed: "_s + result.error));
        imported += result.imported;
    }
    state.counters["records_per_second"] = benchmark::Counter(double(imported), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarcImport)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
