#pragma once
// The task windows offscreen on real tables: the dictionary in the test's
// own directory, a clock standing at Monday 2 March 2026 09:00, the scripted
// prompt, and the controls found by their texts.

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/PictureSpinBox.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/tasks/TaskTestRecords.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace vl::test {

class TaskWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Schedule));
        ASSERT_TRUE(OpenTable(d.Scripting));
    }
    void TearDown() override { DictionaryEnd(); }

    template <class W>
    static W* Find(const QWidget* window, const QString& text)
    {
        for (W* widget : window->findChildren<W*>()) {
            if (widget->text() == text)
                return widget;
        }
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }
    static void Click(const QWidget* window, const QString& text) { Find<QAbstractButton>(window, text)->click(); }

    // Types into a date or time spin and leaves it.
    static void Type(PictureSpinBox* spin, const QString& text)
    {
        spin->findChild<QLineEdit*>()->setText(text);
        emit spin->editingFinished();
    }

    ScheduleRecord StoredTask(void (*fill)(ScheduleRecord&))
    {
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Disabled = 0;
        task.TaskType = "Display Message";
        task.ScheduleType = "Day of Week";
        task.Monday = 1;
        task.Description = "Standup";
        task.Date = kMonday;
        task.Time = MakeClock(9, 0);
        fill(task);
        EXPECT_TRUE(d.Schedule.Add(task));
        return task;
    }

    void AddItems(int32_t taskId, int count) { test::AddScriptItems(d.Scripting, taskId, count); }
    int Items(int32_t taskId) { return test::CountScriptItems(d.Scripting, taskId); }
    std::optional<ScheduleRecord> Stored(int32_t id)
    {
        ScheduleRecord task;
        task.ID = id;
        if (!d.Schedule.Get(SCH_KEYID, task))
            return std::nullopt;
        return task;
    }

    static constexpr Date kMonday = 82244; // 2 March 2026
    SettableClock clock{kMonday, MakeClock(9, 0)};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
    ScriptedPrompt prompt;
};

} // namespace vl::test
