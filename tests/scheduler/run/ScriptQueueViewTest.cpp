// The running-script viewer's removals on a live queue: what each entry
// takes with it or why it stays, and that the interpreter then runs every
// script that should run; the detail text of an entry.

#include "core/base/Globals.h"
#include "platform/runtime/Picture.h"
#include "scheduler/run/ScriptQueueView.h"
#include "tests/scheduler/run/ScriptRunFixture.h"

#include <QDate>

namespace vl {
namespace {

using test::ScriptRun;

ScriptingRecord Mark(const QString& name)
{
    return {.Action = "Set Value", .Command = "1", .Path = name};
}

// The queue in short: a value step by its name, "if", "endif", "|" for the end of a script.
QString Shown()
{
    QStringList shown;
    for (const ScriptQueueEntry& entry : ScriptQueue) {
        const QString action = entry.RECORD.Action;
        shown << (action == "Set Value" ? entry.RECORD.Path
                  : action == "If Value..." ? QStringLiteral("if")
                  : action == "...End If"   ? QStringLiteral("endif")
                                            : QStringLiteral("|"));
    }
    return shown.join(' ');
}

TEST_F(ScriptRun, DeletingFromTheRunningQueueKeepsEveryScriptWhole)
{
    // Script 1 fails its test; script 2 is queued behind it.
    const QList<ScriptingRecord> two{SetValue("n", "6"), IfValue("n", ">", "9"), Mark("x"), EndIf(), Mark("a"), End(),
                                     Mark("b"), End()};
    const struct {
        QList<ScriptingRecord> queue;
        int index;
        const char* refused; // the start of the reason; nullptr: removed
        const char* left;
        const char* ran;
    } cases[] = {
        {two, 1, nullptr, "n a | b |", "ab"},                       // a test goes with its block
        {two, 2, nullptr, "n if endif a | b |", "ab"},              // a step of a block alone
        {two, 3, "The end of a test stays", "n if x endif a | b |", "ab"},
        {two, 5, "The end of a script stays", "n if x endif a | b |", "ab"},
        {two, 7, "The end of a script stays", "n if x endif a | b |", "ab"},
        {two, 8, "There is no such step", "n if x endif a | b |", "ab"},
        {{End(), Mark("b"), End()}, 0, nullptr, "b |", "b"},       // an end with no steps before it
        {{Mark("a"), EndIf(), End(), Mark("b"), End()}, 1, nullptr, "a | b |", "ab"}, // its test has run
        {{IfValue("n", "=", "6"), SetValue("n", "7"), IfValue("n", "=", "7"), Mark("a"), EndIf(), EndIf(), Mark("b"), End()},
         0, nullptr, "b |", "b"},                                   // nested blocks go whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " of " + std::to_string(c.queue.size()));
        ScriptVariables fresh;
        ScriptVariablesOverride use(fresh);
        ScriptQueue.clear();
        Queue(c.queue);
        const ScriptQueueRemoval removal = PlanScriptQueueRemoval(ScriptQueue, c.index);
        EXPECT_EQ(RemoveFromScriptQueue(ScriptQueue, removal), c.refused == nullptr);
        EXPECT_TRUE(c.refused ? removal.refusal.startsWith(c.refused) : removal.refusal.isEmpty()) << removal.refusal.toStdString();
        EXPECT_EQ(Shown(), c.left);
        EXPECT_LT(RunOut(), 100);
        QString ran;
        for (const char* name : {"a", "b", "x"})
            ran += Value(name) == "1" ? name : "";
        EXPECT_EQ(ran, c.ran);
    }
}

TEST_F(ScriptRun, AnEntrysDetailShowsWhenAndWhatInEightyCharacters)
{
    const struct {
        ScriptingRecord item;
        const char* shown; // after the date
    } cases[] = {
        {{.Action = "Send Keys", .Keystrokes = "[Enter]"}, "\n10:05:07AM\nSend Keys\n[Enter]\nKeystrokes=[Enter]"},
        {{.Action = "File Actions", .Command = "/f", .Path = "/up", .DDEType = "FTP Upload",
          .DDEApplicationTopic = QString("bob").leftJustified(128) + "s3cret"},
         "\n10:05:07AM\nFile Actions\nFTP Upload /f to /up\nCommand=/f Path=/up DDE"},
    };
    GlobalDateFormat = "d10"; // the desktop's short date, whatever the user's date picture
    for (const auto& c : cases) {
        const ScriptQueueEntry entry{.RECORD = c.item, .DATE = MakeDate(3, 14, 2024), .TIME = MakeClock(10, 5, 7)};
        EXPECT_EQ(ScriptQueueEntryDetail(entry),
                  Picture::DesktopLocale().toString(QDate(2024, 3, 14), QLocale::ShortFormat) + c.shown);
    }
    GlobalDateFormat = "d3";
}

} // namespace
} // namespace vl
