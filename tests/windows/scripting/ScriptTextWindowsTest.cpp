// The script text window, its reference and the running-script viewer,
// offscreen on real tables and the live queue: what OK, Cancel and the
// clipboard buttons do to the script, a text with faults kept open at the
// first, lines built for the clipboard, and steps removed from a running
// queue that the interpreter moves on meanwhile.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "windows/pim/BugReportWindow.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "platform/widgets/FrameProcedures.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/text/ScriptText.h"
#include "windows/scripting/ScriptQueueViewer.h"
#include "windows/scripting/ScriptTextReferenceWindow.h"
#include "windows/scripting/ScriptTextWindow.h"
#include "tests/support/ScriptedPrompt.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vl {
namespace {

class ScriptTextWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(ScriptTextToItems(d.Scripting, 7, "KEYS hello\r\nIFWINDOW Editor*\r\nEXIT\r\nEND\r\n"));
    }
    void TearDown() override { DictionaryEnd(); }

    QString Stored()
    {
        std::vector<ScriptingRecord> items;
        EXPECT_TRUE(ReadScriptItems(d.Scripting, 7, items).Ok());
        return ScriptItemsToText(items);
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptTextWindowTest, OkStoresOnlyAWholeTextAndCancelNothing)
{
    const QString before = "KEYS hello\r\nIFWINDOW Editor*\r\n   EXIT\r\nEND\r\n";
    const struct {
        const char* typed; // nullptr: as shown
        const char* press;
        bool closed;
        int cursorLine; // 0-based, after the press
        const char* stored;
        const char* asked; // start of the message; nullptr: none
    } cases[] = {
        {nullptr, "Cancel", true, 0, nullptr, nullptr},
        {"EXIT", "Cancel", true, 0, nullptr, nullptr},
        {"", "OK", false, 0, nullptr, "Nothing to save."},
        {"KEYS a\nWAIT 5\nEXIT now\nEXIT", "OK", false, 2, nullptr, "The script was not saved."},
        {"KEYS a\n\nWAIT 5", "OK", true, 0, "KEYS a\r\nWAIT 5\r\n", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "(as shown)");
        ASSERT_TRUE(ScriptTextToItems(d.Scripting, 7, before));
        ScriptTextWindow window(7);
        EXPECT_EQ(window.windowTitle(), "Scripting:  Edit As Text");
        EXPECT_EQ(window.Text()->toPlainText(), QString(before).remove('\r'));
        if (c.typed)
            window.Text()->setPlainText(c.typed);
        if (c.asked)
            prompt.Answer(1);
        window.show();
        window.Button(c.press)->click();
        EXPECT_EQ(window.isVisible(), !c.closed);
        EXPECT_EQ(Stored(), c.stored ? QString(c.stored) : before);
        if (c.asked) {
            EXPECT_TRUE(prompt.Questions().back().text.startsWith(c.asked));
        }
        if (!c.closed) {
            EXPECT_EQ(window.Text()->toPlainText(), c.typed) << "kept as typed";
            EXPECT_EQ(window.Text()->textCursor().blockNumber(), c.cursorLine);
        }
    }
    prompt.Answer(1);
    EXPECT_FALSE(EditScriptAsText(0));
    EXPECT_EQ(prompt.Questions().back().text, "No task ID");
}

TEST_F(ScriptTextWindowTest, ClipboardButtonsAndTheReferenceBuildLines)
{
    ScriptTextWindow window(7);
    window.Button("Copy to Clipboard")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "KEYS hello\nIFWINDOW Editor*\n   EXIT\nEND\n");
    QGuiApplication::clipboard()->setText("WAIT 3");
    window.Button("Replace with Clipboard")->click();
    EXPECT_EQ(window.Text()->toPlainText(), "WAIT 3");

    window.show();
    window.Button("Reference/Commands")->click();
    ScriptTextReferenceWindow* reference = window.Reference();
    ASSERT_NE(reference, nullptr);
    EXPECT_TRUE(reference->isModal());
    EXPECT_EQ(reference->windowTitle(), "Edit Script as Text: Reference");
    EXPECT_EQ(reference->Line()->text(), "WAIT 3") << "the line starts as the clipboard";
    const struct {
        const char* command; // chosen first; nullptr: none
        const char* modifier;
        const char* key;
        const char* keyword; // nullptr: no keyword appended
        const char* line;
    } steps[] = {
        {"KEYS keys", "Ctrl", "s", nullptr, "KEYS keys[Ctrl-s]"},
        {nullptr, "(none)", "F12", "TODAY", "KEYS keys[Ctrl-s][F12][TODAY]"},
        {"EXIT", "CtrlAlt", "DELETE", nullptr, "EXIT[CtrlAlt-DELETE]"},
    };
    for (const auto& step : steps) {
        if (step.command)
            reference->Commands()->setCurrentItem(reference->Commands()->findItems(step.command, Qt::MatchExactly).value(0));
        reference->Modifier()->setCurrentText(step.modifier);
        reference->Key()->setCurrentText(step.key);
        reference->AppendKey();
        if (step.keyword) {
            reference->Keyword()->setCurrentText(step.keyword);
            reference->AppendKeyword();
        }
        EXPECT_EQ(reference->Line()->text(), step.line);
    }
    reference->reject();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "WAIT 3") << "closed without Close: the clipboard stays";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.Reference(), nullptr);
    window.Button("Reference/Commands")->click();
    window.Reference()->Line()->setText("END");
    window.Reference()->accept();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "END");
}

class ScriptQueueViewerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ScriptQueue.clear();
        DebugMode = false;
    }
    static void Queue(const QStringList& actions)
    {
        int sequence = 0;
        for (const QString& action : actions)
            ScriptQueue.append({.RECORD = {.ID = 3, .Sequence = ++sequence, .Action = action},
                                .DATE = MakeDate(5, 1, 2026), .TIME = MakeClock(9, 0)});
    }
    static QString Rows(const ScriptQueueViewer& viewer)
    {
        QStringList rows;
        for (int row = 0; row < viewer.List()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = viewer.List()->topLevelItem(row);
            const QString shown = item->text(1) + ":" + item->text(2);
            rows << (item == viewer.List()->currentItem() ? "[" + shown + "]" : shown);
        }
        return rows.join(' ');
    }

    SettableClock clock{MakeDate(5, 1, 2026), MakeClock(14, 30, 5)};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptQueueViewerTest, ShowsTheQueueAndRemovesTheHighlightedStepEvenAfterTheScriptMovedOn)
{
    ScriptQueueViewer empty;
    EXPECT_EQ(Rows(empty), "");
    EXPECT_EQ(empty.DetailText(), "");
    EXPECT_EQ(empty.ClockText(), "2:30:05PM");
    EXPECT_EQ(empty.windowTitle(), "Current Script");

    Queue({"Send Keys", "If Window...", "Wait", "...End If", "Exit Script", "**End**", "Send Keys", "**End**"});
    ScriptQueueViewer viewer;
    EXPECT_EQ(Rows(viewer), "[1:Send Keys] 2:If Window... 3:Wait 4:...End If 5:Exit Script 6:**End** 7:Send Keys 8:**End**");
    EXPECT_TRUE(viewer.DetailText().startsWith(Picture::Format(qint64{MakeDate(5, 1, 2026)}, "@D17")
                                               + "\n9:00:00AM\nSend Keys"));
    const struct {
        int row;
        int ranMeanwhile; // steps the interpreter took from the head before the press
        const char* refused; // start of the message; nullptr: removed
        const char* rows;
    } steps[] = {
        {3, 0, "The end of a test stays", "1:Send Keys 2:If Window... 3:Wait [4:...End If] 5:Exit Script 6:**End** 7:Send Keys 8:**End**"},
        {1, 0, nullptr, "1:Send Keys [5:Exit Script] 6:**End** 7:Send Keys 8:**End**"},
        {3, 1, nullptr, "5:Exit Script 6:**End** [8:**End**]"},
        {1, 0, "The end of a script stays", "5:Exit Script [6:**End**] 8:**End**"},
        {0, 1, "There is no such step", "[6:**End**] 8:**End**"},
        {1, 0, nullptr, "[6:**End**]"},
        {0, 0, nullptr, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.rows);
        viewer.Refresh();
        viewer.List()->setCurrentItem(viewer.List()->topLevelItem(step.row));
        for (int i = 0; i < step.ranMeanwhile; ++i)
            ScriptQueue.removeFirst();
        if (step.refused)
            prompt.Answer(1);
        viewer.Button("Delete")->click();
        EXPECT_EQ(Rows(viewer), step.rows);
        if (step.refused) {
            EXPECT_TRUE(prompt.Questions().back().text.startsWith(step.refused));
        }
    }
    EXPECT_TRUE(ScriptQueue.isEmpty());
    EXPECT_EQ(viewer.DetailText(), "");
}

TEST_F(ScriptQueueViewerTest, ReportBugTurnsOnDebuggingAndOpensTheReportOnceThereIsOne)
{
    ScriptQueueViewer viewer;
    QPushButton* bug = viewer.Button("Report &Bug");
    EXPECT_FALSE(bug->isEnabled());
    EXPECT_TRUE(bug->toolTip().contains("not available"));
    int opened = 0;
    Procedures().RegisterModal(kBugReportProcedure, [&opened](QWidget*) { ++opened; });
    EXPECT_TRUE(bug->isEnabled());
    bug->click();
    Procedures().Unregister(kBugReportProcedure);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(DebugMode);
    EXPECT_FALSE(bug->isEnabled());
}

} // namespace
} // namespace vl
