// How long the script list's moves take on a long script: "to the top" of
// the last item (every item moves one number on) and "up one" of the last
// item (two items swap), on scripts of 100 and 1,000 items, in a table that
// holds 100,000 items of other tasks besides.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/ScriptItemSequencer.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace vl {
namespace {

constexpr int32_t kTask = 500;

void AddItems(int32_t task, int count)
{
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    for (int i = 1; i <= count; ++i) {
        ScriptingRecord item;
        item.ID = task;
        item.Sequence = i;
        item.Action = QStringLiteral("Wait");
        if (!scripting.Add(item))
            qFatal("add failed: %s", qPrintable(scripting.LastError().Describe()));
    }
}

void Moves(benchmark::State& state, ScriptItemMove move)
{
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    DictionaryStart();
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    OpenTable(scripting);
    scripting.Stream();
    for (int32_t other = 1; other <= 1000; ++other)
        AddItems(other == kTask ? 0 : other, 100);
    AddItems(kTask, static_cast<int>(state.range(0)));
    scripting.Flush();
    const auto last = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        if (MoveScriptItem(scripting, kTask, last, move) != (move == ScriptItemMove::ToTop ? 1 : last - 1))
            state.SkipWithError("the move failed");
    }
    DictionaryEnd();
    QDir::setCurrent(home);
}

void BM_MoveToTop(benchmark::State& state)
{
    Moves(state, ScriptItemMove::ToTop);
}
void BM_MoveUpOne(benchmark::State& state)
{
    Moves(state, ScriptItemMove::UpOne);
}
BENCHMARK(BM_MoveToTop)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveUpOne)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vl

BENCHMARK_MAIN();
