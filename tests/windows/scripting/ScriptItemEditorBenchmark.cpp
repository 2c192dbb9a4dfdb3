// How long the script item editor takes to open and to store a new item
// when the Scripting table holds 100,000 items of 1,000 tasks: from
// construction until the window has been shown and painted, and "&OK" on a
// new item (numbered after the task's last one).

#include "core/dictionary/Dictionary.h"
#include "scripting/items/ScriptItemStore.h"
#include "windows/scripting/ScriptItemEditor.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTasks = 1'000;
constexpr int kItemsPerTask = 100;

void FillData()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        QDir::setCurrent(dir.path());
        vl::DictionaryStart();
        vl::Dictionary& tables = vl::Tables();
        vl::OpenTable(tables.Scripting);
        for (int task = 1; task <= kTasks; ++task) {
            tables.Scripting.Stream();
            for (int i = 1; i <= kItemsPerTask; ++i) {
                vl::ScriptingRecord item = vl::NewScriptItem(task);
                item.Sequence = i;
                item.Keystrokes = QStringLiteral("Item %1 of task %2[ENTER]").arg(i).arg(task);
                if (!tables.Scripting.Add(item))
                    qFatal("add failed: %s", qPrintable(tables.Scripting.LastError().Describe()));
            }
            tables.Scripting.Flush();
        }
        return true;
    }();
    (void)filled;
}

std::unique_ptr<vl::ScriptItemEditor> Editor(vl::FormRequest request, const vl::ScriptingRecord& item)
{
    return std::make_unique<vl::ScriptItemEditor>(
        request, item, vl::ScriptItemOwner::Task,
        [request](vl::ScriptingRecord& edited) { return vl::StoreScriptItem(request, edited); });
}

void BM_OpenEditor(benchmark::State& state)
{
    FillData();
    vl::ScriptingRecord item = vl::NewScriptItem(kTasks / 2);
    item.Action = "File Actions";
    for (auto _ : state) {
        auto editor = Editor(vl::FormRequest::Change, item);
        editor->show();
        QApplication::processEvents();
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_StoreNewItem(benchmark::State& state)
{
    FillData();
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = Editor(vl::FormRequest::Insert, vl::NewScriptItem(kTasks / 2));
        state.ResumeTiming();
        editor->OkButton()->click();
        state.PauseTiming();
        if (editor->result() != QDialog::Accepted)
            state.SkipWithError("the item was not stored");
        vl::ScriptingRecord stored = editor->Item();
        vl::Tables().Scripting.Delete(stored);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StoreNewItem)->Unit(benchmark::kMicrosecond);

} // namespace
