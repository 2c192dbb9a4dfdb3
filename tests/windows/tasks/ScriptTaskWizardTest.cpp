// The script task wizard offscreen on real tables, with an item form that
// stores what it is asked to: the Script page's templates and items, Cancel
// and Finish of a new script task, and hot-key mode (a new or a stored hot
// key's task, Cancel putting a changed script back, another task under the
// ID left alone, one script wizard at a time).

#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/scripting/ScriptBuilder.h"
#include "windows/scripting/ScriptTextWindow.h"
#include "windows/tasks/ScriptTaskWizard.h"
#include "windows/tasks/TaskWizard.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vl {
namespace {

class ScriptTaskWizardTest : public test::TaskWindowFixture {
protected:
    void SetUp() override
    {
        TaskWindowFixture::SetUp();
        ASSERT_TRUE(OpenTable(d.ScriptTemplates) && OpenTable(d.ScriptTemplateDetails));
        ScriptTemplatesRecord backup;
        backup.DESCRIPTION = "Backup";
        ASSERT_TRUE(d.ScriptTemplates.Add(backup));
        for (const char* action : {"Start Program", "Wait"}) {
            ScriptTemplateDetailsRecord item;
            item.WIZ_ID = backup.WIZ_ID;
            item.Action = action;
            ASSERT_TRUE(d.ScriptTemplateDetails.Add(item));
        }
    }
    void TearDown() override
    {
        // Registered windows go when they close; let them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TaskWindowFixture::TearDown();
    }

    // The wizard's Script page, its items changed by a form that stores them.
    ScriptBuilder* Builder(TaskWizard* w)
    {
        auto* builder = w->findChild<ScriptBuilder*>();
        builder->UseItemForm([this](FormRequest request, ScriptingRecord& item, int32_t taskId, QWidget*) {
            if (request == FormRequest::Delete)
                return d.Scripting.Delete(item);
            item.ID = taskId;
            item.Action = item.Action.isEmpty() ? QStringLiteral("Wait") : item.Action;
            return request == FormRequest::Change ? d.Scripting.Put(item) : d.Scripting.Add(item);
        });
        return builder;
    }
    // The task's items as "sequence action".
    QStringList Script(int32_t taskId)
    {
        QStringList script;
        ScriptingRecord item;
        d.Scripting.Set(SCR_KEYID);
        while (d.Scripting.Next(item)) {
            if (item.ID == taskId)
                script << QStringLiteral("%1 %2").arg(item.Sequence).arg(item.Action);
        }
        return script;
    }
    static TaskWizard* OpenWizard()
    {
        return qobject_cast<TaskWizard*>(Threads().Window(Threads().ProcedureThread(kAddScriptWizardProcedure)));
    }
    static bool Enabled(const QWidget* w, const char* text) { return Find<QPushButton>(w, text)->isEnabled(); }
    std::optional<std::optional<int32_t>> answered;
    bool OpenHotKey(const char* key, int32_t taskId)
    {
        answered.reset();
        return OpenHotKeyScriptWizard(key, taskId, nullptr, [this](std::optional<int32_t> id) { answered = id; });
    }
};

TEST_F(ScriptTaskWizardTest, ScriptPageAddsTemplatesAndItemsAndCancelLeavesNeitherTaskNorItems)
{
    for (const bool finish : {false, true}) {
        TaskWizard w(TaskWizardKind::Script);
        ASSERT_TRUE(w.Opened());
        const int32_t id = w.Task().ID;
        EXPECT_EQ(w.windowTitle(), "New Script Task Wizard");
        ScriptBuilder* builder = Builder(&w);
        EXPECT_FALSE(Enabled(&w, "Cop&y")) << "nothing to copy";
        Click(&w, "Add");
        builder->Templates()->SelectRow(0);
        Click(&w, "&Add template to script");
        EXPECT_EQ(Script(id), (QStringList{"1 Wait", "2 Start Program", "3 Wait"}));
        builder->Items()->SelectRow(0);
        Click(&w, "Cop&y");
        EXPECT_EQ(Script(id), (QStringList{"1 Wait", "2 Wait", "3 Start Program", "4 Wait"})) << "after the highlighted";
        builder->Items()->SelectRow(2);
        Click(&w, "Up");
        EXPECT_EQ(Script(id), (QStringList{"1 Wait", "2 Start Program", "3 Wait", "4 Wait"}));
        builder->Items()->SelectRow(0);
        Click(&w, "&Delete");
        EXPECT_EQ(Script(id), (QStringList{"1 Start Program", "2 Wait", "3 Wait"})) << "no gap";
        EXPECT_EQ(builder->Items()->model()->rowCount(), 3);
        if (!finish) {
            Click(&w, "Cancel");
            EXPECT_FALSE(Stored(id));
            EXPECT_TRUE(Script(id).isEmpty());
            continue;
        }
        while (Enabled(&w, "&Next"))
            Click(&w, "&Next");
        Click(&w, "&Finish");
        ASSERT_EQ(w.result(), QDialog::Accepted);
        const ScheduleRecord stored = Stored(id).value_or(ScheduleRecord());
        EXPECT_EQ(stored.TaskType, "Run Program");
        EXPECT_EQ(stored.Command, "N/A");
        EXPECT_EQ(stored.Disabled, 0);
        EXPECT_EQ(Script(id).size(), 3);
    }
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(ScriptTaskWizardTest, EditAsTextStoresTheTypedScriptAndThePageReadsItsItemsAgain)
{
    TaskWizard w(TaskWizardKind::Script);
    ASSERT_TRUE(w.Opened());
    ScriptBuilder* builder = Builder(&w);
    for (const bool store : {false, true}) {
        QTimer::singleShot(0, [store] {
            auto* window = qobject_cast<ScriptTextWindow*>(QApplication::activeModalWidget());
            ASSERT_TRUE(window);
            window->Text()->setPlainText("KEYS a\nWAIT 5");
            window->Button(store ? "OK" : "Cancel")->click();
        });
        Click(&w, "Edit as &Text");
        EXPECT_EQ(builder->Items()->model()->rowCount(), store ? 2 : 0) << store;
    }
    EXPECT_EQ(Script(w.Task().ID).size(), 2);
}

TEST_F(ScriptTaskWizardTest, HotKeyTaskIsUndatedAndCancelPutsAChangedScriptBack)
{
    const ScheduleRecord unrelated = StoredTask([](ScheduleRecord&) {});
    AddItems(unrelated.ID, 1);
    // A new hot key, also when its ID names another task: that one is not its.
    ASSERT_TRUE(OpenHotKey("Ctrl-F5", unrelated.ID));
    TaskWizard* w = OpenWizard();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "New Script Task Wizard");
    EXPECT_FALSE(OpenHotKey("Ctrl-F6", 0)) << "one script wizard at a time";
    RegisterScriptTaskWizard();
    EXPECT_TRUE(Procedures().Start(kAddScriptWizardProcedure, nullptr)) << "the frame's item is enabled";
    Procedures().Unregister(kAddScriptWizardProcedure);
    EXPECT_EQ(OpenWizard(), w);
    EXPECT_EQ(d.Schedule.Records(), 2) << "no second wizard's task";
    const int32_t id = w->Task().ID;
    EXPECT_NE(id, unrelated.ID);
    Builder(w);
    Click(w, "Add");
    EXPECT_EQ(w->Page(), WizardPage::Script);
    Click(w, "&Next");
    EXPECT_EQ(w->Page(), WizardPage::Category);
    EXPECT_FALSE(Enabled(w, "&Next")) << "no schedule for a hot key's task";
    Click(w, "&Finish");
    EXPECT_EQ(answered, std::optional<int32_t>(id));
    const ScheduleRecord stored = Stored(id).value_or(ScheduleRecord());
    EXPECT_EQ(stored.TaskType, "Hot Key");
    EXPECT_EQ(stored.Description, "Hot Key Ctrl-F5");
    EXPECT_EQ(stored.Category, "Hot Key");
    EXPECT_EQ(stored.Date, 0);
    EXPECT_EQ(stored.Time, 0);
    EXPECT_EQ(stored.Monday + stored.Sunday + stored.Disabled, 0);
    EXPECT_EQ(Stored(unrelated.ID)->TaskType, unrelated.TaskType);
    EXPECT_EQ(Items(unrelated.ID), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The stored hot key's task: changed, then cancelled.
    ASSERT_TRUE(OpenHotKey("Ctrl-F5", id));
    w = OpenWizard();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Edit Script Task Wizard");
    EXPECT_EQ(w->Task().ID, id);
    ScriptBuilder* builder = Builder(w);
    builder->Items()->SelectRow(0);
    prompt.Answer(1); // "Delete all script items ...?" Yes
    Click(w, "Delete All");
    Click(w, "Add");
    Click(w, "Add");
    EXPECT_EQ(Script(id), (QStringList{"1 Wait", "2 Wait"}));
    Click(w, "Cancel");
    ASSERT_TRUE(answered.has_value());
    EXPECT_FALSE(answered->has_value());
    EXPECT_EQ(Script(id), (QStringList{"1 Wait"})) << "the script as it was";
    EXPECT_EQ(Stored(id)->LASTCHANGETIME, stored.LASTCHANGETIME);
}

} // namespace
} // namespace vl
