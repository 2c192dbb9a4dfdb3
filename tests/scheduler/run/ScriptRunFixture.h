#pragma once
// A running script in a fresh directory: a settable clock, a scripted prompt,
// the fake desktop, the script values, the event log on, and an interpreter
// whose keystroke pauses are recorded instead of slept.

#include "core/base/Globals.h"
#include "core/dictionary/ProgramQueues.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "platform/runtime/Clock.h"
#include "scripting/ScriptVariables.h"
#include "scripting/items/ScriptActions.h"
#include "scheduler/run/ScriptInterpreter.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace vl::test {

class ScriptRun : public ::testing::Test {
protected:
    ScriptRun() : interpreter_([this](int32_t hundredths) { pauses_ << hundredths; }) {}

    void SetUp() override
    {
        GlobalUseLog = true;
        GlobalDelay = 25;
        BurstSize = 7;
    }

    void TearDown() override
    {
        interpreter_.StopActiveScripts();
        GlobalUseLog = false;
        DebugMode = false;
        TranslateFilenames = 0;
    }

    // Steps due already; an empty action list entry ends the script.
    void Queue(const QList<ScriptingRecord>& steps)
    {
        for (const ScriptingRecord& step : steps)
            ScriptQueue.append({.RECORD = step, .DATE = clock_.Today(), .TIME = clock_.Now() - 1});
    }

    static ScriptingRecord End() { return {.Action = QString::fromUtf16(ScriptAction::End)}; }
    static ScriptingRecord SetValue(const QString& name, const QString& value)
    {
        return {.Action = "Set Value", .Command = value, .Path = name};
    }
    static ScriptingRecord IfValue(const QString& name, const QString& op, const QString& to)
    {
        return {.Action = "If Value...", .WaitForWindow = to, .WindowTitleToCheckFor = op, .Command = name};
    }
    static ScriptingRecord EndIf() { return {.Action = "...End If"}; }

    // One tick a hundredth later.
    void Tick()
    {
        clock_.Advance(1);
        interpreter_.RunDueScriptItem();
    }

    // Ticks until the queue is empty, at most limit times; the ticks taken.
    int RunOut(int limit = 100)
    {
        int ticks = 0;
        while (!ScriptQueue.isEmpty() && ticks < limit) {
            Tick();
            ++ticks;
        }
        return ticks;
    }

    // Ticks (a second of the clock each) until done, as long as that takes
    // on a busy machine: the suite's timeout for the test bounds the wait.
    bool TickUntil(const std::function<bool()>& done)
    {
        while (!done()) {
            interpreter_.RunDueScriptItem();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return done();
    }

    QString Value(const QString& name) const
    {
        const std::optional<ScriptVariable> found = CurrentScriptVariables().Find(name);
        return found ? found->STRINGVALUE : QStringLiteral("<none>");
    }

    // The event log as "label|text" lines.
    static QStringList Log()
    {
        QStringList lines;
        for (const QString& line : ReadTextFile(QStringLiteral("VLMREVNT.LOG")).split('\n', Qt::SkipEmptyParts))
            lines << line.mid(22, 32).trimmed() + u'|' + line.mid(54).trimmed();
        return lines;
    }

    SettableClock clock_{MakeDate(3, 14, 2024), MakeClock(10, 0, 0)};
    ClockOverride useClock_{clock_};
    ScriptedPrompt prompt_;
    FakeDesktopBackend desktop_;
    DesktopOverride useDesktop_{desktop_};
    ScriptVariables variables_;
    ScriptVariablesOverride useVariables_{variables_};
    QList<int32_t> pauses_;
    ScriptInterpreter interpreter_;
    ScriptInterpreterOverride useInterpreter_{interpreter_};
};

} // namespace vl::test
