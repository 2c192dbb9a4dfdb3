// The progress windows of the script exchange, Start Script and the template
// copies, offscreen through the program's own progress service: each shows
// its caption, its text and the percentage, and its Cancel (pressed part-way)
// leaves the tables, the file or the running queue as they were.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/base/Globals.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/ProcessProgressWindow.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/templates/TemplateCopy.h"
#include "scripting/text/ScriptExchange.h"
#include "scripting/text/StartScript.h"
#include "tests/scripting/templates/ScriptedTokenQuestions.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace vl {
namespace {

// The Qt progress windows, watched: what each showed, and Cancel pressed on
// the window at the given step.
class WatchedProgress : public ProgressService {
public:
    struct Seen {
        QString caption;
        QString text;
        QStringList percents;
    };
    int cancelAtStep = -1; // never
    std::vector<Seen> seen;

    std::unique_ptr<ProgressTracker> Open(const ProgressTexts& texts) override
    {
        std::unique_ptr<ProgressTracker> shown = windows_.Open(texts);
        ProcessProgressWindow* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<ProcessProgressWindow*>(top); progress && progress->isVisible())
                window = progress;
        }
        EXPECT_NE(window, nullptr) << "no progress window shows";
        seen.push_back({window ? window->windowTitle() : QString(), window ? window->TextLine()->text() : QString(),
                        {window ? window->PercentLine()->text() : QString()}});
        return std::make_unique<Watch>(std::move(shown), window, *this);
    }

private:
    class Watch : public ProgressTracker {
    public:
        Watch(std::unique_ptr<ProgressTracker> shown, ProcessProgressWindow* window, WatchedProgress& owner)
            : shown_(std::move(shown)), window_(window), owner_(owner)
        {
        }
        bool Tell(int64_t done, int64_t total) override
        {
            if (window_ && steps_++ == owner_.cancelAtStep)
                window_->CancelButton()->click();
            const bool goOn = shown_->Tell(done, total);
            if (window_)
                owner_.seen.back().percents << window_->PercentLine()->text();
            return goOn;
        }
        bool Cancelled() const override { return shown_->Cancelled(); }

    private:
        std::unique_ptr<ProgressTracker> shown_;
        ProcessProgressWindow* window_;
        WatchedProgress& owner_;
        int steps_ = 0;
    };

    QtProgressService windows_;
};

class ScriptProgressWindowsTest : public ::testing::Test {
public:
    void SetUp() override
    {
        for (TableFile* table :
             std::initializer_list<TableFile*>{&d.Scripting, &d.ScriptTemplates, &d.ScriptTemplateDetails})
            ASSERT_TRUE(OpenTable(*table));
        for (int i = 1; i <= 4; ++i) {
            ScriptingRecord item;
            item.ID = 7;
            item.Sequence = i;
            item.Action = "Send Keys";
            item.Keystrokes = QString("task %1").arg(i);
            ASSERT_TRUE(d.Scripting.Add(item));
            ScriptTemplateDetailsRecord detail;
            detail.WIZ_ID = 3;
            detail.Sequence = i;
            detail.Action = "Send Keys";
            detail.Keystrokes = QString("template %1").arg(i);
            ASSERT_TRUE(d.ScriptTemplateDetails.Add(detail));
        }
        ScriptTemplatesRecord header;
        header.WIZ_ID = 3;
        header.DESCRIPTION = "Log in";
        ASSERT_TRUE(d.ScriptTemplates.Add(header));
        QString lines;
        for (int i = 1; i <= 4; ++i)
            lines += QString("\"Send Keys\",\"file %1\"\r\n").arg(i);
        file = test::WriteTextFile(test::TestPath("four.vls"), lines);
        ScriptQueue = {Running("Start Script"), Running("Send Keys"), Running("**End**")};
    }
    void TearDown() override
    {
        ScriptQueue.clear();
        DictionaryEnd();
    }

    static ScriptQueueEntry Running(const char* action)
    {
        ScriptQueueEntry entry;
        entry.RECORD.ID = 7;
        entry.RECORD.Action = action;
        return entry;
    }
    // Everything a run may change: the items of both tables, the exported
    // file and the running queue.
    QString State()
    {
        QStringList state;
        std::vector<ScriptingRecord> items;
        EXPECT_TRUE(ReadScriptItems(d.Scripting, 7, items).Ok());
        for (const ScriptingRecord& item : items)
            state << Clip(item.Keystrokes);
        std::vector<ScriptTemplateDetailsRecord> details;
        for (int32_t owner : {3, 4}) {
            EXPECT_TRUE(ReadScriptItems(d.ScriptTemplateDetails, owner, details).Ok());
            for (const ScriptTemplateDetailsRecord& detail : details)
                state << QString("%1:%2").arg(owner).arg(Clip(detail.Keystrokes));
        }
        state << test::ReadTextFile(test::TestPath("out.vls"));
        for (const ScriptQueueEntry& entry : ScriptQueue)
            state << Clip(entry.RECORD.Action);
        return state.join('|');
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    test::ScriptedTokenQuestions questions;
    TemplateTokenAnswers answers;
    WatchedProgress progress;
    ProgressOverride useProgress{progress};
    QString file;
};

TEST_F(ScriptProgressWindowsTest, EachRunShowsItsWindowAndItsCancelChangesNothing)
{
    const struct {
        const char* run;
        const char* text;
        std::function<void(ScriptProgressWindowsTest&)> start;
    } cases[] = {
        {"export", "Exporting Script Items",
         [](ScriptProgressWindowsTest& t) {
             t.prompt.AnswerPath(test::TestPath("out.vls"));
             ExportScript(t.d.Scripting, 7);
         }},
        {"import", "Importing Script Items",
         [](ScriptProgressWindowsTest& t) {
             t.prompt.AnswerPath(t.file);
             ImportScript(t.d.Scripting, 7);
         }},
        {"template import", "Importing Script Items",
         [](ScriptProgressWindowsTest& t) {
             t.prompt.AnswerPath(t.file);
             ImportScriptTemplateDetails(t.d.ScriptTemplateDetails, 3);
         }},
        {"Start Script", "Importing Script Items", [](ScriptProgressWindowsTest& t) { StartScript(t.file, "I"); }},
        {"template into script", "Importing Template",
         [](ScriptProgressWindowsTest& t) {
             CopyScriptTemplateToScript(t.d, 3, 7, t.answers, t.questions);
         }},
        {"template under template", "Copying Script",
         [](ScriptProgressWindowsTest& t) { CopyScriptTemplateDetails(t.d.ScriptTemplateDetails, 3, 4); }},
    };
    test::WriteTextFile(test::TestPath("out.vls"), "earlier export\r\n");
    for (const auto& c : cases) {
        const QString before = State();
        progress.seen.clear();
        progress.cancelAtStep = 2;
        c.start(*this);
        ASSERT_EQ(progress.seen.size(), 1u) << c.run;
        const WatchedProgress::Seen shown = progress.seen.front();
        EXPECT_EQ(shown.caption, "Processing Records") << c.run;
        EXPECT_EQ(shown.text, c.text) << c.run;
        EXPECT_EQ(shown.percents.front(), "0% Completed") << c.run;
        EXPECT_TRUE(shown.percents.back().endsWith("% Completed")) << c.run;
        EXPECT_EQ(State(), before) << c.run << ": the cancelled run changed something";
        for (QWidget* top : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<ProcessProgressWindow*>(top) && top->isVisible()) << c.run << ": still shown";

        // Without Cancel the run goes through, counting up.
        progress.seen.clear();
        progress.cancelAtStep = -1;
        c.start(*this);
        ASSERT_EQ(progress.seen.size(), 1u) << c.run;
        EXPECT_NE(State(), before) << c.run << ": the run changed nothing";
        EXPECT_NE(progress.seen.front().percents.back(), "0% Completed") << c.run;
    }
    EXPECT_EQ(prompt.Questions().size(), 6u) << "the file dialogs, and no error";
}

} // namespace
} // namespace vl
