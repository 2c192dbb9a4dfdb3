// The hot-key form and list as a user works them: captions and read-only
// requests, the boxes and key of a stored key, the wizard's pages, the
// script wizard for a "Task" hot key, a key refused on OK, and the list that
// tells the frame to register the keys again after every form.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "windows/hotkeys/BrowseHotKeys.h"
#include "windows/hotkeys/HotKeyProcedures.h"
#include "windows/hotkeys/HotKeyTaskWizard.h"
#include "windows/hotkeys/TabWizard.h"
#include "windows/hotkeys/UpdateHotKeys.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/tasks/ScriptTaskWizard.h"
#include "windows/tasks/TaskWizard.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace vl {
namespace {

class RecordingPost : public ThreadPost {
public:
    bool Post(int thread, int eventNumber) const override
    {
        posts << std::pair{thread, eventNumber};
        return true;
    }
    int Broadcast(ThreadGroup, int) const override { return 0; }
    mutable QList<std::pair<int, int>> posts;
};

class FakeWizard : public HotKeyTaskWizard {
public:
    bool Open(const QString& hotKey, int32_t taskId, QWidget*, Done finished) override
    {
        calls << QStringLiteral("%1 %2").arg(hotKey).arg(taskId);
        done = std::move(finished);
        return true;
    }
    QStringList calls;
    Done done;
};

class HotKeyWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        for (TableFile* table : {static_cast<TableFile*>(&Tables().SysHotKeys),
                                 static_cast<TableFile*>(&Tables().Schedule)})
            ASSERT_TRUE(OpenTable(*table));
    }
    void TearDown() override { DictionaryEnd(); }

    static SysHotKeysRecord HotKey(const QString& key, const QString& action = "Text", int32_t id = 0)
    {
        SysHotKeysRecord record;
        Tables().SysHotKeys.Prime(record);
        record.HotKey = key;
        record.Action = action;
        record.Description = "Sign " + key;
        if (id)
            record.ID = id;
        return record;
    }
    static SysHotKeysRecord Stored(const QString& key, const QString& action = "Text", int32_t id = 0)
    {
        SysHotKeysRecord record = HotKey(key, action, id);
        EXPECT_TRUE(Tables().SysHotKeys.Add(record));
        return record;
    }
    static int32_t AddTask(const QString& type)
    {
        ScheduleRecord task;
        Tables().Schedule.Clear(task);
        task.TaskType = type;
        EXPECT_TRUE(Tables().Schedule.Add(task));
        return task.ID;
    }
    static QStringList StoredKeys()
    {
        QStringList keys;
        Cursor<SysHotKeysRecord> cursor(Tables().SysHotKeys, HOT_K_HOTKEY);
        SysHotKeysRecord record;
        while (cursor.Next(record))
            keys << Clip(record.HotKey) + "/" + QString::number(record.ID);
        return keys;
    }

    test::ScriptedPrompt prompt;
    RecordingPost post;
    ThreadPostOverride usePost{post};
    FakeWizard wizard;
};

TEST_F(HotKeyWindowsTest, TheFormFollowsTheRequestAndShowsTheStoredKeyInItsBoxes)
{
    const struct {
        FormRequest request;
        const char* caption;
        bool editable;
        bool okShown;
        const char* cancel;
    } cases[] = {
        {FormRequest::Insert, "New Hot Key", true, true, "Cancel"},
        {FormRequest::Change, "Edit Hot Key", true, true, "Cancel"},
        {FormRequest::View, "View Hot Key", false, false, "Cl&ose"},
        {FormRequest::Delete, "Delete Hot Key", false, true, "Cancel"},
    };
    for (const auto& c : cases) {
        UpdateHotKeys form(c.request, HotKey("Ctrl-Alt-DELETE"));
        EXPECT_EQ(form.windowTitle(), c.caption);
        for (QWidget* control : std::initializer_list<QWidget*>{form.ModifierBox("Control"), form.KeyList(),
                                                                form.DescriptionEntry(), form.TextEntry()})
            EXPECT_EQ(control->isEnabled(), c.editable) << c.caption;
        EXPECT_EQ(form.OkButton()->isVisibleTo(&form), c.okShown);
        EXPECT_EQ(form.CancelButton()->text(), c.cancel);
        EXPECT_TRUE(form.ModifierBox("Control")->isChecked());
        EXPECT_TRUE(form.ModifierBox("Alt")->isChecked());
        EXPECT_FALSE(form.ModifierBox("Shift")->isChecked());
        EXPECT_EQ(form.KeyList()->currentText(), "DELETE");
        EXPECT_TRUE(form.TextType("Type")->isChecked());
    }

    UpdateHotKeys form(FormRequest::Change, HotKey("Ctrl-Alt-DELETE"));
    form.ModifierBox("Shift")->setChecked(true);
    EXPECT_EQ(form.KeyText(), "^%+DELETE") << "the word form would not fit the field";
    form.ModifierBox("Alt")->setChecked(false);
    form.ModifierBox("Win")->setChecked(true);
    form.KeyList()->setCurrentText("F5");
    EXPECT_EQ(form.KeyText(), "Win-Ctrl-Shift-F5");
}

TEST_F(HotKeyWindowsTest, BackAndNextStepThroughThePagesOfTheChosenAction)
{
    UpdateHotKeys form(FormRequest::Insert, HotKey("Ctrl-T"));
    EXPECT_FALSE(form.Sheet()->tabBar()->isVisibleTo(&form)) << "a wizard hides its tabs";
    const auto expectPage = [&](int page, bool back, bool next, QPushButton* byDefault) {
        EXPECT_EQ(form.Steps().CurrentTab(), page);
        EXPECT_EQ(form.Sheet()->currentIndex(), page - 1);
        EXPECT_EQ(form.BackButton()->isEnabled(), back) << page;
        EXPECT_EQ(form.NextButton()->isEnabled(), next) << page;
        EXPECT_TRUE(byDefault->isDefault()) << page;
    };
    expectPage(UpdateHotKeys::kBasicPage, false, true, form.NextButton());
    form.NextButton()->click();
    expectPage(UpdateHotKeys::kTextPage, true, false, form.OkButton());
    form.BackButton()->click();
    expectPage(UpdateHotKeys::kBasicPage, false, true, form.NextButton());

    HotKeyTaskWizardOverride useWizard{wizard};
    UpdateHotKeys task(FormRequest::Insert, HotKey("Ctrl-T"));
    task.TaskAction()->click();
    EXPECT_FALSE(task.Sheet()->isTabVisible(UpdateHotKeys::kTextPage - 1));
    EXPECT_TRUE(task.Sheet()->isTabVisible(UpdateHotKeys::kTaskPage - 1));
    EXPECT_EQ(task.Steps().LastTab(), UpdateHotKeys::kTaskPage);
}

TEST_F(HotKeyWindowsTest, ATaskHotKeyGetsItsTaskFromTheScriptWizardOrIsNotSaved)
{
    HotKeyTaskWizardOverride useWizard{wizard};
    const int32_t program = AddTask("Run Program");
    const int32_t own = AddTask(kHotKeyTaskType);
    {
        // Cancelled: back on the first page, nothing stored.
        UpdateHotKeys form(FormRequest::Insert, HotKey("Ctrl-Q", "Task"));
        form.NextButton()->click();
        ASSERT_EQ(wizard.calls, QStringList{"Ctrl-Q 0"});
        wizard.done(std::nullopt);
        EXPECT_EQ(form.Steps().CurrentTab(), UpdateHotKeys::kBasicPage);
        EXPECT_EQ(form.result(), 0);
        EXPECT_TRUE(StoredKeys().isEmpty());
    }
    {
        // Completed: the task is linked and the form stores the hot key.
        UpdateHotKeys form(FormRequest::Insert, HotKey("Ctrl-Q", "Task"));
        form.NextButton()->click();
        wizard.done(own);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(StoredKeys(), QStringList{QStringLiteral("Ctrl-Q/%1").arg(own)});
    }
    // Only the hot key's own task is handed to the wizard to change.
    wizard.calls.clear();
    UpdateHotKeys mine(FormRequest::Change, Stored("Ctrl-R", "Task", own + 100));
    UpdateHotKeys stray(FormRequest::Change, HotKey("Ctrl-S", "Task", program));
    mine.NextButton()->click();
    stray.NextButton()->click();
    EXPECT_EQ(wizard.calls, (QStringList{"Ctrl-R 0", "Ctrl-S 0"}));
    SysHotKeysRecord stored;
    stored.HotKey = "Ctrl-Q";
    ASSERT_TRUE(Tables().SysHotKeys.Get(HOT_K_HOTKEY, stored));
    UpdateHotKeys linked(FormRequest::Change, stored);
    linked.NextButton()->click();
    EXPECT_EQ(wizard.calls.last(), QStringLiteral("Ctrl-Q %1").arg(own));

    // A key that cannot be held is refused before any task is made.
    UpdateHotKeys taken(FormRequest::Insert, HotKey("Ctrl-R", "Task"));
    prompt.Answer(1);
    taken.NextButton()->click();
    EXPECT_EQ(wizard.calls.size(), 3);
    EXPECT_EQ(taken.Steps().CurrentTab(), UpdateHotKeys::kBasicPage);
}

TEST_F(HotKeyWindowsTest, TheScriptWizardMakesTheTaskOfANewTaskHotKey)
{
    UpdateHotKeys form(FormRequest::Insert, HotKey("Ctrl-Shift-Q"));
    form.TaskAction()->click();
    form.NextButton()->click();
    auto* wizard = qobject_cast<TaskWizard*>(Threads().Window(Threads().ProcedureThread(kAddScriptWizardProcedure)));
    ASSERT_TRUE(wizard);
    const auto press = [wizard](const char* text) {
        for (QPushButton* button : wizard->findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button->click();
        }
        ADD_FAILURE() << text;
    };
    press("&Next");
    press("&Finish");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(StoredKeys(), QStringList{QStringLiteral("Ctrl-Shift-Q/%1").arg(wizard->Task().ID)});
    ScheduleRecord task;
    task.ID = form.Record().ID;
    ASSERT_TRUE(Tables().Schedule.Get(SCH_KEYID, task));
    EXPECT_EQ(task.TaskType, kHotKeyTaskType);
    EXPECT_EQ(task.Description, "Hot Key Ctrl-Shift-Q");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(HotKeyWindowsTest, OkRefusesAKeyTakenAndKeepsWhatWasEntered)
{
    Stored("Ctrl-Shift-F5");
    UpdateHotKeys form(FormRequest::Insert, HotKey("Ctrl"));
    form.ModifierBox("Shift")->setChecked(true);
    form.KeyList()->setCurrentText("F5");
    form.DescriptionEntry()->setText("Greeting");
    form.TextEntry()->setPlainText("Dear Sir,\nthank you");
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_EQ(form.result(), 0);
    EXPECT_EQ(prompt.Questions().at(0).caption, "Hot Key");
    EXPECT_EQ(form.DescriptionEntry()->text(), "Greeting");

    form.KeyList()->setCurrentText("F6");
    form.OkButton()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Record().HotKey, "Ctrl-Shift-F6");
    EXPECT_EQ(form.Record().Text, "Dear Sir,\r\nthank you") << "each line ends as a typed text expects";
}

TEST_F(HotKeyWindowsTest, TheListTellsTheFrameToRegisterTheKeysAfterEveryForm)
{
    Stored("Ctrl-B");
    SysHotKeysRecord zed = Stored("Alt-A");
    zed.Description = "Zed";
    ASSERT_TRUE(Tables().SysHotKeys.Put(zed));
    BrowseHotKeys list;
    EXPECT_EQ(list.windowTitle(), "Hot Keys");
    const auto firstKey = [&] { return list.Model()->data(list.Model()->index(0, 0)).toString().trimmed(); };
    EXPECT_EQ(firstKey(), "Alt-A");
    list.Tabs()->setCurrentIndex(BrowseHotKeys::kDescriptionTab);
    EXPECT_EQ(firstKey(), "Ctrl-B");

    const QList<std::pair<int, int>> reregister{{1, EventNumber::kRegisterHotKeys}};
    list.Buttons().insert->click();
    auto* form = list.findChild<UpdateHotKeys*>();
    ASSERT_TRUE(form);
    form->CancelButton()->click();
    EXPECT_EQ(post.posts, reregister) << "a cancelled form too";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    list.List()->SelectRow(0);
    list.Buttons().remove->click();
    form = list.findChild<UpdateHotKeys*>();
    ASSERT_TRUE(form && form->windowTitle() == "Delete Hot Key");
    form->OkButton()->click();
    EXPECT_EQ(post.posts, reregister + reregister);
    EXPECT_EQ(StoredKeys(), QStringList{QStringLiteral("Alt-A/%1").arg(zed.ID)});
    EXPECT_EQ(list.Model()->rowCount(), 1);
}

// The list opens wide enough for its columns, so even empty it needs no
// horizontal scroll bar and shows its Description column whole.
TEST_F(HotKeyWindowsTest, TheEmptyListShowsItsColumnsWhole)
{
    BrowseHotKeys list;
    list.show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    BrowseList* view = list.List();
    const QHeaderView* header = view->horizontalHeader();
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_LE(header->length(), view->viewport()->width());
    EXPECT_GE(header->sectionSize(2), header->sectionSizeHint(2)) << "Description";
    EXPECT_GE(header->sectionSize(2), view->fontMetrics().horizontalAdvance(QString(30, QLatin1Char('n'))));
}

TEST_F(HotKeyWindowsTest, TheFramesNewHotKeyOpensTheFormOnANewHotKey)
{
    RegisterHotKeyProcedures();
    EXPECT_TRUE(Procedures().Has(kBrowseHotKeysProcedure));
    QWidget frame;
    ASSERT_TRUE(Procedures().Start(kUpdateHotKeysProcedure, &frame));
    Procedures().Unregister(kBrowseHotKeysProcedure);
    Procedures().Unregister(kUpdateHotKeysProcedure);
    auto* form = frame.findChild<UpdateHotKeys*>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "New Hot Key");
    EXPECT_TRUE(form->ModifierBox("Control")->isChecked());
    EXPECT_TRUE(form->ActiveBox()->isChecked());
    EXPECT_TRUE(form->TextAction()->isChecked());
    form->KeyList()->setCurrentText("J");
    form->OkButton()->click();
    EXPECT_EQ(post.posts, (QList<std::pair<int, int>>{{1, EventNumber::kRegisterHotKeys}}));
    EXPECT_EQ(StoredKeys().size(), 1);
}

} // namespace
} // namespace vl
