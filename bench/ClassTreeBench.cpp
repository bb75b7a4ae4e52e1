// What opening the class window costs with the full Chinese Library Classification
// (about 50,000 classes): the top two levels, the classes kept for want of a parent,
// the level below the opened root and the grid's top-level list; then opening a class.

#include "core/app/Prompt.h"
#include "core/catalogue/Classification.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "core/db/Transaction.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class SilentPrompt : public Prompt
{
public:
    void info(const QString &) override {}
    Button question(const QString &, const QString &, Buttons, Button defaultButton) override
    {
        return defaultButton;
    }
    void error(const QString &) override {}
};

// Children per class at each level: 22 top-level classes, then 20, 10, 5 and 1
// below each, 48,862 classes in all.
constexpr int kFanOut[] = {22, 20, 10, 5, 1};

void addLevel(Database &db, const QString &parentKey, const QString &parentCode, int depth, int &rows)
{
    if (depth >= int(std::size(kFanOut)))
        return;
    for (int i = 0; i < kFanOut[depth]; ++i) {
        const QString segment = u"%1"_s.arg(i + 1, 4, 10, QChar(u'0'));
        const QString key = (depth == 0 ? QString() : parentKey) + segment;
        const QString code = depth == 0 ? QString(QChar(u'A' + i)) : parentCode + QString::number(i);
        db.exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values (?, ?, ?, ?)"_s,
                {key, parentKey, code, QString(u"类目 "_s + code)});
        ++rows;
        addLevel(db, key, code, depth + 1, rows);
    }
}

Database &scheme()
{
    static QTemporaryDir folder;
    static Database db;
    if (!db.isOpen()) {
        const ConnectionTarget target{Engine::SQLite, folder.filePath(u"classes.dat"_s), false};
        DeliveredDatabase::create(target);
        db.open(target);
        Transaction t(db);
        db.exec(u"delete from Type"_s);
        int rows = 0;
        addLevel(db, u"00"_s, QString(), 0, rows);
        t.commit();
    }
    return db;
}

void BM_OpenClassTree(benchmark::State &state)
{
    Database &db = scheme();
    SilentPrompt prompt;
    for (auto _ : state) {
        Classification classes(db, prompt);
        classes.load();
        classes.loadBelow(classes.tree().root());
        benchmark::DoNotOptimize(classes.subclasses(classes.tree().root()->key));
    }
    state.counters["classes"] = db.scalar(u"select count(*) from Type"_s).toDouble();
}
BENCHMARK(BM_OpenClassTree)->Unit(benchmark::kMillisecond);

void BM_OpenATopLevelClass(benchmark::State &state)
{
    Database &db = scheme();
    SilentPrompt prompt;
    Classification classes(db, prompt);
    classes.load();
    classes.loadBelow(classes.tree().root());
    int next = 0;
    for (auto _ : state) {
        // Each top-level class once, as the operator opens them one after another.
        state.PauseTiming();
        if (next == int(classes.tree().root()->children.size())) {
            classes.load();
            classes.loadBelow(classes.tree().root());
            next = 0;
        }
        ClassNode *node = classes.tree().root()->children[next++].get();
        state.ResumeTiming();
        classes.loadBelow(node);
    }
}
BENCHMARK(BM_OpenATopLevelClass)->Unit(benchmark::kMillisecond);

} // namespace
