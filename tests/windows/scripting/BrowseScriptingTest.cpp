// Starting the script list: it fills in the caller's task, keeps the caller
// waiting until it closes, and a second start while it is open only brings
// it forward.

#include "core/dictionary/Dictionary.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/scripting/BrowseScripting.h"
#include "tests/support/ScriptedPrompt.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(BrowseScriptingTest, OneListAtATimeAndTheCallerGoesOnWhenItCloses)
{
    DictionaryStart();
    test::ScriptedPrompt prompt;
    ScheduleRecord task;
    task.ID = 4;
    task.Description = "Tidy";
    ScheduleRecord other = task;
    other.ID = 5;
    QString shown;
    bool returned = false;
    QTimer::singleShot(0, [&] {
        QWidget* open = Threads().Window(Threads().ProcedureThread(QLatin1String(kBrowseScriptingProcedure)));
        ASSERT_NE(open, nullptr);
        shown = open->windowTitle();
        BrowseScripting(other);
        returned = true;
        open->close();
    });
    BrowseScripting(task);
    EXPECT_TRUE(returned) << "the second start did not wait";
    EXPECT_EQ(shown, "Scripting - Tidy N/A");
    EXPECT_EQ(task.Command, "N/A");
    EXPECT_EQ(other.Command, "") << "no second list";
    EXPECT_EQ(Threads().ProcedureThread(QLatin1String(kBrowseScriptingProcedure)), 0);
    DictionaryEnd();
}

} // namespace
} // namespace vl
