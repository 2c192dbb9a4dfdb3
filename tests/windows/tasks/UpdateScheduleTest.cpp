// The task form offscreen: what a new task starts with, what the task type
// and the schedule type show, the date and advance-warning rules, copies and
// their scripts, saving, viewing, deleting and its buttons.

#include "core/base/UserDate.h"
#include "core/config/ConfigStore.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/data/Connection.h"
#include "platform/runtime/IniFile.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "platform/widgets/FrameProcedures.h"
#include "windows/tasks/UpdateSchedule.h"
#include "tests/support/StatusLineShown.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTabBar>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include <memory>
#include <optional>

namespace vl {
namespace {

class UpdateScheduleTest : public test::TaskWindowFixture {
protected:
    std::unique_ptr<UpdateSchedule> Open(TaskFormRequest request)
    {
        auto form = std::make_unique<UpdateSchedule>(request);
        EXPECT_TRUE(form->Opened());
        return form;
    }
    static PictureSpinBox* Spin(const UpdateSchedule& form, const char* name)
    {
        return form.findChild<PictureSpinBox*>(QLatin1String(name));
    }
    // Shown on the "&When" tab when that tab is.
    static bool Shown(const UpdateSchedule& form, const char* text)
    {
        return Find<QAbstractButton>(&form, QLatin1String(text))->isVisibleTo(form.Tabs()->widget(3));
    }
};

TEST_F(UpdateScheduleTest, ANewTaskStartsFromItsDefaultsWhateverWasEditedBefore)
{
    const ScheduleRecord other = StoredTask([](ScheduleRecord& t) {
        t.Category = "Work";
        t.Alarm = 1;
        t.Message = "Agenda";
        t.ExceptHolidays = 1;
    });
    Open({FormRequest::Change, other.ID})->reject();

    auto form = Open({FormRequest::Insert, 0, 0, kMonday + 3, "Home"});
    const ScheduleRecord& task = form->Task();
    EXPECT_EQ(form->windowTitle(), "New Task");
    EXPECT_EQ(task.TaskType, "Both");
    EXPECT_EQ(task.ScheduleType, "Day of Week");
    EXPECT_EQ(task.Date, kMonday + 3) << "the list's date";
    EXPECT_EQ(task.Time, MakeClock(9, 0));
    EXPECT_TRUE(task.Sunday && task.Saturday && task.EveryLast && task.Warn);
    EXPECT_EQ(task.Every, 1);
    EXPECT_EQ(task.EveryType, "hour(s)");
    EXPECT_EQ(task.Category, "Home") << "the list's category";
    EXPECT_TRUE(task.Message.isEmpty());
    EXPECT_FALSE(task.Alarm || task.ExceptHolidays || task.Disabled);
    EXPECT_EQ(task.ID, other.ID + 1);
    EXPECT_EQ(Stored(task.ID)->Disabled, 1) << "stored disabled until OK";
    form->reject();
    EXPECT_FALSE(Stored(task.ID)) << "Cancel removes it";
}

TEST_F(UpdateScheduleTest, TaskTypeAndScheduleTypeShowTheirControls)
{
    auto form = Open({FormRequest::Insert});
    QWidget* time = Spin(*form, "SCH:Time");
    Click(form.get(), "None");
    EXPECT_FALSE(form->Tabs()->isTabVisible(1)) << "&Command";
    EXPECT_TRUE(form->Tabs()->isTabVisible(2)) << "&Message";
    EXPECT_FALSE(time->isVisibleTo(form->Tabs()->widget(3)));
    EXPECT_EQ(form->Task().Time, 8'639'500);
    Click(form.get(), "Run Program");
    EXPECT_TRUE(form->Tabs()->isTabVisible(1));
    EXPECT_FALSE(form->Tabs()->isTabVisible(2));
    EXPECT_TRUE(time->isVisibleTo(form->Tabs()->widget(3)));

    struct Case { const char* type; bool except, weekdays, every; };
    QSize withoutExcept;
    for (const Case& c : {Case{"Once", false, false, false}, Case{"Day of Week", false, true, false},
                          Case{"Yearly", true, false, false}, Case{"Custom", true, false, true}}) {
        Click(form.get(), c.type);
        if (QLatin1String(c.type) == "Once")
            withoutExcept = form->minimumSizeHint();
        if (QLatin1String(c.type) == "Yearly") {
            EXPECT_EQ(form->minimumSizeHint(), withoutExcept) << "E&xcept appears in room kept for it";
        }
        EXPECT_EQ(Shown(*form, "E&xcept"), c.except) << c.type;
        EXPECT_EQ(Shown(*form, "Monday"), c.weekdays) << c.type;
        EXPECT_EQ(Shown(*form, "minute(s)"), c.every) << c.type;
    }
    Click(form.get(), "Monthly");
    EXPECT_EQ(form->Task().MonthRepeat, "Once");
    EXPECT_TRUE(Shown(*form, "Twice - 1st, 15th"));
    EXPECT_FALSE(Shown(*form, "Monday"));
}

// The status line shows the status text of the control pointed at, and that
// of the control with the focus once none is; OK and Cancel stand still
// whichever tab is shown.
TEST_F(UpdateScheduleTest, ControlsTellTheirStatusTextsAndTheButtonsStayOnEveryTab)
{
    auto form = Open({FormRequest::Insert});
    form->show();
    QApplication::setActiveWindow(form.get());
    const QStatusBar* status = form->findChild<QStatusBar*>();
    QWidget* every = Find<QLabel>(form.get(), "Every:")->buddy();
    const std::pair<QWidget*, const char*> controls[] = {
        {Find<QAbstractButton>(form.get(), "Month End"), "Every - Last Day of Month"},
        {every, "Repeat Task Every..."},
        {form->findChild<QComboBox*>(), "Basic - Task Category"},
        {form->findChild<QLineEdit*>("SCH:Description"), "Description or Title of Task"},
        {Find<QAbstractButton>(form.get(), "Day of Month")->parentWidget(), "Basic - Task Schedule Type (Once/Repeating)"},
        {Find<QAbstractButton>(form.get(), "&Skip Next Time"), "Skip next occurrence of this task"},
        {Find<QAbstractButton>(form.get(), "Sunday"), "Day - Sunday"},
    };
    form->Tabs()->setCurrentIndex(3);
    Click(form.get(), "Custom");
    every->setFocus();
    EXPECT_EQ(status->currentMessage(), "Repeat Task Every...") << "the focused control's";
    for (const auto& [control, text] : controls) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(control, &enter);
        EXPECT_EQ(status->currentMessage(), text);
        EXPECT_TRUE(test::StatusLineShown(status)) << text;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(control, &leave);
        EXPECT_EQ(status->currentMessage(), "Repeat Task Every...");
    }

    const QRect ok = Find<QPushButton>(form.get(), "&OK")->geometry(); // Cancel stands beside it
    for (int tab = 0; tab < form->Tabs()->count(); ++tab) {
        form->Tabs()->setCurrentIndex(tab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_EQ(Find<QPushButton>(form.get(), "&OK")->geometry(), ok) << tab;
    }
}

// Tab walks every tab's controls to OK and Cancel, also out of the message
// text; Ctrl+Tab types a tab character there.
TEST_F(UpdateScheduleTest, TabReachesOkAndCancelFromEveryTabAndCtrlTabTypesATab)
{
    auto form = Open({FormRequest::Insert});
    form->show();
    QApplication::setActiveWindow(form.get());
    const auto press = [](Qt::KeyboardModifiers modifiers) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Tab, modifiers, QStringLiteral("\t"));
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    QWidget* ok = Find<QPushButton>(form.get(), "&OK");
    QWidget* cancel = Find<QPushButton>(form.get(), "Cancel");
    for (int tab = 0; tab < form->Tabs()->count(); ++tab) {
        form->Tabs()->setCurrentIndex(tab);
        form->Tabs()->tabBar()->setFocus(Qt::TabFocusReason);
        QWidgetList stops;
        for (int step = 0; step < 30 && QApplication::focusWidget() != cancel; ++step) {
            press(Qt::NoModifier);
            stops << QApplication::focusWidget();
        }
        ASSERT_GE(stops.size(), 2) << tab;
        EXPECT_EQ(stops.mid(stops.size() - 2), QWidgetList({ok, cancel})) << tab;
        press(Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), form->Tabs()->tabBar()) << tab;
    }
    auto* message = form->findChild<QPlainTextEdit*>("SCH:Message");
    form->Tabs()->setCurrentIndex(2);
    message->setFocus();
    press(Qt::ControlModifier);
    EXPECT_EQ(message->toPlainText(), "\t");
    EXPECT_EQ(form->Tabs()->currentIndex(), 2);
}

TEST_F(UpdateScheduleTest, TheTitleFollowsTheDescriptionAndANewTasksDateMovesToOneThatFits)
{
    auto form = Open({FormRequest::Insert});
    auto* description = form->findChild<QLineEdit*>("SCH:Description");
    description->insert(QString(41, u'x'));
    ASSERT_EQ(description->text(), QString(40, u'x')) << "the field's width";
    description->setText("Call ");
    emit description->textEdited("Call ");
    EXPECT_EQ(description->text(), "Call ") << "a blank being typed stays";
    EXPECT_EQ(form->windowTitle(), "New Task  (Call)");

    for (const char* day : {"Sunday", "Monday", "Tuesday", "Thursday", "Friday", "Saturday"})
        Click(form.get(), day); // Wednesdays only; today is a Monday
    QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Spin(*form, "SCH:Date"), &byTab);
    EXPECT_EQ(form->Task().Date, kMonday + 2);
}

TEST_F(UpdateScheduleTest, APasteLongerThanTheDescriptionKeepsWholeCharactersAndIsStoredSo)
{
    const ScheduleRecord stored = StoredTask([](ScheduleRecord&) {});
    auto form = Open({FormRequest::Change, stored.ID});
    auto* description = form->findChild<QLineEdit*>("SCH:Description");
    description->selectAll();
    QGuiApplication::clipboard()->setText(QString(39, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80"));
    description->paste();
    EXPECT_EQ(description->text(), QString(39, u'a')) << "an emoji that does not fit is left out whole";
    description->setCursorPosition(1);
    description->insert(QString::fromUtf8("e\xCC\x81")); // a letter and its accent do not fit
    description->insert(QStringLiteral("bc"));
    EXPECT_EQ(description->text(), "ab" + QString(38, u'a'));
    Click(form.get(), "&OK");
    EXPECT_EQ(Stored(stored.ID)->Description, "ab" + QString(38, u'a'));
}

TEST_F(UpdateScheduleTest, ADateThatDoesNotFitIsWarnedAboutAndKeptAndTheWarningFollowsIt)
{
    IniFile ini(ProgramIniPath());
    ASSERT_TRUE(ini.Put("Warning", "Active", "1") && ini.Put("Warning", "Date", "1"));
    const ScheduleRecord stored = StoredTask([](ScheduleRecord&) {});
    auto form = Open({FormRequest::Change, stored.ID});
    prompt.Answer(1);
    Type(Spin(*form, "SCH:Date"), FormatUserDate(kMonday + 6)); // a Sunday
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Warning");
    EXPECT_EQ(prompt.Questions()[0].text, "Date given does not match schedule type.");
    EXPECT_EQ(form->Task().Date, kMonday + 6);
    EXPECT_EQ(form->Task().AdvanceWarnDate, kMonday + 5);
    EXPECT_EQ(form->Task().AdvanceWarnTime, MakeClock(9, 0));
}

TEST_F(UpdateScheduleTest, AnAdvanceWarningAfterTheRunIsRefused)
{
    const ScheduleRecord stored = StoredTask([](ScheduleRecord&) {});
    auto form = Open({FormRequest::Change, stored.ID});
    Type(Spin(*form, "SCH:AdvanceWarnDate"), FormatUserDate(kMonday));
    EXPECT_TRUE(prompt.Questions().empty()) << "a warning without a time is before the run";
    prompt.Answer(1);
    Type(Spin(*form, "SCH:AdvanceWarnTime"), "10:00");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "");
    EXPECT_EQ(prompt.Questions()[0].text, "Advanced Warning cannot be after scheduled task.");
    EXPECT_EQ(form->Task().AdvanceWarnDate, 0);
    EXPECT_EQ(form->Task().AdvanceWarnTime, 0);
}

TEST_F(UpdateScheduleTest, ACopyOrANewTaskHasItsOwnIdAndScriptAndCancelLeavesNoOrphans)
{
    const ScheduleRecord source = StoredTask([](ScheduleRecord& t) { t.ORIGINALID = t.ID; });
    AddItems(source.ID, 3);
    for (const bool keep : {false, true}) {
        auto form = Open({FormRequest::Insert, 0, source.ID});
        const int32_t copy = form->Task().ID;
        EXPECT_NE(copy, source.ID);
        EXPECT_EQ(form->Task().Description, "Standup");
        EXPECT_EQ(Items(copy), 3);
        if (keep) {
            form->accept();
            EXPECT_EQ(form->result(), QDialog::Accepted);
            EXPECT_EQ(Stored(copy)->Disabled, 0);
            EXPECT_EQ(Stored(copy)->ORIGINALID, copy) << "a synchronisation identity of its own";
        } else {
            form->reject();
            EXPECT_FALSE(Stored(copy));
        }
        EXPECT_EQ(Items(copy), keep ? 3 : 0);
    }
    EXPECT_EQ(Items(source.ID), 3);

    // Items a new task's script list stored under its ID go with it.
    auto fresh = Open({FormRequest::Insert});
    const int32_t id = fresh->Task().ID;
    EXPECT_NE(id, 0);
    Procedures().RegisterModal(kScriptListProcedure, [this](QWidget* window) {
        AddItems(static_cast<UpdateSchedule*>(window)->Task().ID, 2);
    });
    Click(fresh.get(), "&Scripting");
    Procedures().Unregister(kScriptListProcedure);
    EXPECT_EQ(Items(id), 2);
    fresh->reject();
    EXPECT_EQ(Items(id), 0);
}

TEST_F(UpdateScheduleTest, SavingAScriptOnlyTaskFillsItsCommandAndDescription)
{
    bool completed = false;
    int32_t id = 0;
    UpdateSchedule* form = OpenUpdateSchedule(nullptr, {FormRequest::Insert}, [&](bool done, int32_t taskId) {
        completed = done;
        id = taskId;
    });
    ASSERT_NE(form, nullptr);
    Click(form, "Run Program");
    AddItems(form->Task().ID, 1); // the script is all it runs
    Click(form, "&OK");
    EXPECT_TRUE(completed);
    const ScheduleRecord stored = Stored(id).value_or(ScheduleRecord());
    EXPECT_EQ(stored.Command, "N/A");
    EXPECT_EQ(stored.Description, "Script: " + FormatUserDate(kMonday));
    EXPECT_EQ(stored.Category, "General");
}

TEST_F(UpdateScheduleTest, ATaskWithNothingToDoIsRefusedAndTheFormStaysOpen)
{
    // Each case: what the user gave the untouched new task ("Both", no
    // description, command or message) before OK, and whether OK stores it.
    const struct {
        const char* given;
        void (*fill)(UpdateSchedule&);
        bool stored;
    } cases[] = {
        {"nothing", [](UpdateSchedule&) {}, false},
        {"a reminder without text", [](UpdateSchedule& f) { Click(&f, "None"); }, false},
        {"a message", [](UpdateSchedule& f) { f.findChild<QPlainTextEdit*>("SCH:Message")->setPlainText("Stretch"); }, true},
        {"a description", [](UpdateSchedule& f) { f.findChild<QLineEdit*>("SCH:Description")->setText("Stretch"); }, true},
        {"a command", [](UpdateSchedule& f) { f.findChild<QLineEdit*>("SCH:Command")->setText("xclock"); }, true},
        {"a message on a program task", [](UpdateSchedule& f) {
             f.findChild<QPlainTextEdit*>("SCH:Message")->setPlainText("Stretch");
             Click(&f, "Run Program");
         }, false},
    };
    for (const auto& c : cases) {
        const size_t asked = prompt.Questions().size();
        bool completed = false;
        UpdateSchedule* form = OpenUpdateSchedule(nullptr, {FormRequest::Insert}, [&](bool done, int32_t) { completed = done; });
        ASSERT_NE(form, nullptr);
        const QPointer<UpdateSchedule> open(form);
        const int32_t id = form->Task().ID;
        c.fill(*form);
        if (!c.stored)
            prompt.Answer(1);
        Click(form, "&OK");
        EXPECT_EQ(completed, c.stored) << c.given;
        EXPECT_EQ(Stored(id) && Stored(id)->Disabled == 0, c.stored) << c.given;
        if (c.stored)
            continue;
        ASSERT_TRUE(open) << "the form stays open: " << c.given;
        ASSERT_EQ(prompt.Questions().size(), asked + 1) << c.given;
        EXPECT_EQ(prompt.Questions().back().caption, "Nothing to Do");
        EXPECT_TRUE(prompt.Questions().back().text.startsWith("This task has nothing to do"));
        form->reject();
    }
}

struct NoWriteAccess : DataFileAccess { // a user who may not write (tests run as root)
    bool MayWrite(const QString&) const override { return false; }
};

TEST_F(UpdateScheduleTest, ANewTaskOnReadOnlyDataIsRefusedAsWhatItIs)
{
    ASSERT_TRUE(OpenTable(d.Categories) && OpenTable(d.Holidays));
    d.CloseAll();
    const NoWriteAccess noWrites;
    std::optional<DataFileAccessOverride> useAccess(std::in_place, noWrites);
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(CheckDataDirectoryWritable(prompt, QDir::currentPath()));
    EXPECT_FALSE(UpdateSchedule({FormRequest::Insert}).Opened());
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].caption, "Data Is Read-Only");
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("A new task cannot be stored: the data directory is read-only"));
    d.CloseAll();
    useAccess.reset();
    EXPECT_TRUE(CheckDataDirectoryWritable(prompt, QDir::currentPath()));
}

TEST_F(UpdateScheduleTest, ViewShowsOnlyCloseAndDeleteRemovesTheTaskWithItsScript)
{
    const ScheduleRecord stored = StoredTask([](ScheduleRecord&) {});
    AddItems(stored.ID, 2);
    auto view = Open({FormRequest::View, stored.ID});
    EXPECT_EQ(view->windowTitle(), "View Task  (Standup)");
    EXPECT_TRUE(Find<QPushButton>(view.get(), "&OK")->isHidden());
    EXPECT_TRUE(Find<QPushButton>(view.get(), "Cl&ose")->isEnabled());
    EXPECT_FALSE(view->Tabs()->widget(0)->isEnabled());
    view->reject();

    auto form = Open({FormRequest::Delete, stored.ID});
    EXPECT_FALSE(form->Tabs()->widget(3)->isEnabled());
    form->accept();
    EXPECT_FALSE(Stored(stored.ID));
    EXPECT_EQ(Items(stored.ID), 0);
}

TEST_F(UpdateScheduleTest, ScriptingWaitsForTheScriptListAndPlayForAFile)
{
    auto form = Open({FormRequest::Insert});
    QPushButton* scripting = Find<QPushButton>(form.get(), "&Scripting");
    EXPECT_FALSE(scripting->isEnabled());
    int32_t opened = 0;
    Procedures().RegisterModal(kScriptListProcedure, [&opened](QWidget* window) {
        opened = static_cast<UpdateSchedule*>(window)->Task().ID;
    });
    EXPECT_TRUE(scripting->isEnabled());
    scripting->click();
    Procedures().Unregister(kScriptListProcedure);
    EXPECT_EQ(opened, form->Task().ID);

    RecordingSoundPlayer player;
    SoundOverride useSound(player);
    Click(form.get(), "Alarm");
    prompt.AnswerPath("/sounds/bell.wav");
    Click(form.get(), "&Play"); // no file yet: the file dialog
    EXPECT_EQ(prompt.Questions().back().caption, "Select WAV File for Alarm");
    EXPECT_EQ(GetConfigValue("LastWAVFile"), "/sounds/bell.wav") << "offered to the next task";
    Click(form.get(), "&Play");
    EXPECT_EQ(player.requests, QStringList{"/sounds/bell.wav"});
}

} // namespace
} // namespace vl
