// The task wizards offscreen on real tables: the pages each task type walks,
// the reserved task on Cancel and on Finish (also when it was removed
// meanwhile), the advance warning and the last WAV file from the program
// INI, the program's start-in folder, and the special event's copy and skip.

#include "core/base/UserDate.h"
#include "core/config/ConfigStore.h"
#include "platform/runtime/IniFile.h"
#include "platform/widgets/FrameProcedures.h"
#include "windows/scripting/BrowseScripting.h"
#include "windows/tasks/SpecialEventWizard.h"
#include "windows/tasks/TaskListWindow.h"
#include "windows/tasks/TaskWizard.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QPushButton>

#include <memory>

namespace vl {
namespace {

using P = WizardPage;
using K = TaskWizardKind;

class TaskWizardTest : public test::TaskWindowFixture {
protected:
    std::unique_ptr<TaskWizard> Open(K kind, int32_t source = 0)
    {
        auto wizard = std::make_unique<TaskWizard>(kind, source);
        EXPECT_TRUE(wizard->Opened());
        return wizard;
    }
    static bool Enabled(const TaskWizard& w, const char* text) { return Find<QPushButton>(&w, text)->isEnabled(); }
    // Walks to the last page and presses "&Finish".
    static void Finish(TaskWizard* w)
    {
        while (Enabled(*w, "&Next"))
            Click(w, "&Next");
        Click(w, "&Finish");
    }
    static void ClickTip(const TaskWizard& w, const char* tip)
    {
        for (QPushButton* button : w.findChildren<QPushButton*>())
            if (button->toolTip() == QLatin1String(tip))
                return button->click();
        ADD_FAILURE() << tip;
    }
    static void Edit(const TaskWizard& w, const char* name, const QString& text)
    {
        auto* entry = w.findChild<QLineEdit*>(QLatin1String(name));
        entry->setText(text);
        emit entry->editingFinished();
    }
};

TEST_F(TaskWizardTest, EachTaskTypeWalksItsPagesWithBackAvailableAndFinishOnlyOnTheLast)
{
    const ScheduleRecord source = StoredTask([](ScheduleRecord&) {});
    struct Case { K kind; const char* type; std::vector<P> pages; };
    const Case cases[] = {
        {K::Task, "Run Program", {P::Task, P::Category, P::Command, P::When, P::Advanced}},
        {K::Task, "Display Message", {P::Task, P::Category, P::Message, P::When, P::Advanced}},
        {K::Task, "Both", {P::Task, P::Category, P::Command, P::Message, P::When, P::Advanced}},
        {K::Task, "None", {P::Task, P::Category, P::Message, P::When, P::Advanced}},
        {K::Program, nullptr, {P::Command, P::When, P::Category, P::Advanced}},
        {K::Message, nullptr, {P::Message, P::When, P::Advanced}},
        {K::Script, nullptr, {P::Script, P::When, P::Category, P::Advanced}},
        {K::SpecialEvent, "Run Program", {P::Task, P::Command, P::When, P::Advanced}},
        {K::SpecialEvent, "Display Message", {P::Task, P::Message, P::When, P::Advanced}},
        {K::SpecialEvent, "Both", {P::Task, P::Command, P::Message, P::When, P::Advanced}},
    };
    for (const Case& c : cases) {
        const std::string row = std::to_string(static_cast<int>(c.kind)) + " " + (c.type ? c.type : "");
        auto w = Open(c.kind, source.ID);
        if (c.type)
            Click(w.get(), c.type);
        std::vector<P> walked{w->Page()};
        for (size_t step = 1; step < c.pages.size(); ++step) {
            EXPECT_FALSE(Enabled(*w, "&Finish")) << row;
            Click(w.get(), "&Next");
            walked.push_back(w->Page());
            EXPECT_TRUE(Enabled(*w, "&Back")) << row;
        }
        EXPECT_EQ(walked, c.pages) << row;
        EXPECT_TRUE(Enabled(*w, "&Finish")) << row;
        EXPECT_FALSE(Enabled(*w, "&Next")) << row;
        for (size_t step = c.pages.size() - 1; step > 0; --step) {
            Click(w.get(), "&Back");
            EXPECT_EQ(w->Page(), c.pages[step - 1]) << row;
        }
        EXPECT_FALSE(Enabled(*w, "&Back")) << row;
        w->reject();
    }
}

TEST_F(TaskWizardTest, CancelLeavesNeitherTaskNorScriptAndTheNextWizardTakesTheSameId)
{
    const ScheduleRecord other = StoredTask([](ScheduleRecord&) {});
    for (const int items : {0, 3}) {
        auto w = Open(K::Task);
        const int32_t id = w->Task().ID;
        EXPECT_EQ(id, other.ID + 1);
        EXPECT_EQ(Stored(id)->Disabled, 1) << "reserved disabled while open";
        AddItems(id, items);
        Click(w.get(), "Cancel");
        EXPECT_FALSE(Stored(id));
        EXPECT_EQ(Items(id), 0);
    }
    EXPECT_EQ(d.Schedule.Records(), 1);
}

TEST_F(TaskWizardTest, FinishStoresTheTaskAlsoWhenItsReservationWasRemovedMeanwhile)
{
    auto first = Open(K::Message);
    const int32_t id = first->Task().ID;
    Edit(*first, "SCH:Description", "Dentist");
    EXPECT_EQ(first->findChild<QPlainTextEdit*>("SCH:Message")->toPlainText(), "Dentist") << "a blank message";
    Click(first.get(), "&Disable");
    ASSERT_TRUE(d.Schedule.Delete(*Stored(id))); // housekeeping
    auto second = Open(K::Program);
    EXPECT_EQ(second->Task().ID, id) << "the ID is free again";

    Finish(first.get());
    EXPECT_EQ(first->result(), QDialog::Accepted);
    const int32_t stored = first->Task().ID;
    EXPECT_NE(stored, id) << "the second wizard's task is left alone";
    EXPECT_EQ(Stored(stored)->Description, "Dentist");
    EXPECT_EQ(Stored(stored)->Disabled, 1) << "the box as ticked";
    EXPECT_EQ(Stored(stored)->TaskType, "Display Message");
    second->reject();
    EXPECT_FALSE(Stored(id));
    EXPECT_TRUE(Stored(stored)) << "cancelling the second removes only its own task";
}

TEST_F(TaskWizardTest, NextDateDerivesTheWarningFromTheIniWithoutNegativeTimes)
{
    IniFile ini(ProgramIniPath());
    ASSERT_TRUE(ini.Put("Warning", "Active", "1") && ini.Put("Warning", "Date", "1") && ini.Put("Warning", "Time", "0"));
    const Date june10 = MakeDate(6, 10, 2026);
    auto w = Open(K::Task);
    Click(w.get(), "Once");
    Type(w->findChild<PictureSpinBox*>("SCH:Date"), FormatUserDate(june10));
    EXPECT_EQ(w->Task().AdvanceWarnDate, june10 - 1);
    EXPECT_EQ(w->Task().AdvanceWarnTime, MakeClock(9, 0));

    ASSERT_TRUE(ini.Put("Warning", "Date", "0") && ini.Put("Warning", "Time", std::to_string(10 * kClockPerHour).c_str()));
    Type(w->findChild<PictureSpinBox*>("SCH:Date"), FormatUserDate(june10 + 1));
    EXPECT_EQ(w->Task().AdvanceWarnDate, june10) << "an hour earlier than 09:00 less ten hours is the day before";
    EXPECT_EQ(w->Task().AdvanceWarnTime, MakeClock(23, 0));
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(TaskWizardTest, BrowseFillsTheStartInFolderAndTheAlarmOffersTheIniWavFile)
{
    IniFile ini(ProgramIniPath());
    ASSERT_TRUE(ini.Put("Settings", "LastWAVFile", "/sounds/bell.wav"));
    auto w = Open(K::Program);
    prompt.AnswerPath("/tools/edit");
    ClickTip(*w, "Select an application to start");
    EXPECT_EQ(w->Task().Command, "/tools/edit");
    EXPECT_EQ(w->Task().Path, "/tools/");
    prompt.AnswerPath("/bin/vi");
    ClickTip(*w, "Select an application to start");
    EXPECT_EQ(prompt.Questions().back().start, "/tools/") << "the dialog opens in the start-in folder";
    EXPECT_EQ(w->Task().Path, "/tools/") << "a folder given stays";
    Click(w.get(), "Alarm");
    EXPECT_EQ(w->Task().AlarmFile, "/sounds/bell.wav");
    w->reject();

    auto message = Open(K::Message);
    Click(message.get(), "Alarm");
    Edit(*message, "SCH:AlarmFile", "/sounds/gong.wav");
    EXPECT_EQ(ini.Get("Settings", "LastWAVFile"), "/sounds/gong.wav") << "found by the next wizard";
    EXPECT_EQ(GetConfigValue("LastWAVFile"), "/sounds/gong.wav") << "the configuration falls back to it";
}

struct List : QWidget, TaskListWindow {
    int32_t id = 0;
    ScheduleRecord task;
    int32_t HighlightedTaskId() const override { return id; }
    ScheduleRecord& ScriptTask() override { return task; }
};

TEST_F(TaskWizardTest, SpecialEventIsAOneTimeCopyWithItsOwnScriptAndMovesTheSkipToTheSource)
{
    const char* procedures[] = {"AddTaskWizard", "AddProgramWizard", "AddMessageWizard", "SpecialEventWizard"};
    RegisterTaskWizards();
    for (const char* name : procedures)
        EXPECT_TRUE(Procedures().Has(name)) << name;
    int32_t listed = 0;
    Procedures().RegisterModal(kBrowseScriptingProcedure, [&listed](QWidget* window) {
        listed = qobject_cast<TaskWizard*>(window)->Task().ID;
    });
    for (const bool skip : {true, false}) {
        const ScheduleRecord source = StoredTask([](ScheduleRecord& t) {
            t.TaskType = "Both";
            t.ORIGINALID = t.ID;
            t.ExceptHolidays = 1;
        });
        AddItems(source.ID, 2);
        List list;
        list.id = source.ID;
        ASSERT_TRUE(Procedures().Start(kSpecialEventWizardProcedure, &list));
        auto* w = list.findChild<TaskWizard*>();
        ASSERT_NE(w, nullptr);
        const int32_t copy = w->Task().ID;
        EXPECT_EQ(Items(copy), 2) << "the copy's own script";
        Click(w, "&Scripting");
        EXPECT_EQ(listed, copy) << "the copy's script is edited, never the source's";
        if (skip)
            Click(w, "Skip next regular occurrence of task being copied");
        Type(w->findChild<PictureSpinBox*>("SCH:Date"), FormatUserDate(kMonday + 5)); // a Saturday: fits "Once"
        Finish(w);
        const ScheduleRecord stored = Stored(copy).value_or(ScheduleRecord());
        EXPECT_EQ(stored.ScheduleType, "Once");
        EXPECT_EQ(stored.Date, kMonday + 5);
        EXPECT_EQ(stored.ORIGINALID, copy);
        EXPECT_EQ(stored.SkipNextTime, 0);
        EXPECT_EQ(stored.ExceptHolidays, 0);
        EXPECT_EQ(Stored(source.ID)->SkipNextTime, skip ? 1 : 0);
        EXPECT_EQ(Stored(source.ID)->ScheduleType, "Day of Week");
        EXPECT_EQ(Items(source.ID), 2);
    }
    EXPECT_TRUE(prompt.Questions().empty());
    for (const char* name : procedures)
        Procedures().Unregister(name);
    Procedures().Unregister(kBrowseScriptingProcedure);

    const ScheduleRecord source = StoredTask([](ScheduleRecord&) {});
    auto cancelled = Open(K::SpecialEvent, source.ID);
    const int32_t copy = cancelled->Task().ID;
    cancelled->reject();
    EXPECT_FALSE(Stored(copy));
    EXPECT_EQ(Stored(source.ID)->LASTCHANGEDATE, source.LASTCHANGEDATE) << "the source untouched";
}

TEST_F(TaskWizardTest, AMessageWizardSeededFromAToDoItemFinishesWithTheItemsTexts)
{
    ScheduleRecord seed;
    seed.Description = "Call the bank";
    seed.Message = "Ask about the loan\r\nPriority 3\r\n";
    seed.Category = "Work";
    seed.Date = kMonday + 1;
    seed.Time = MakeClock(15, 0);
    TaskWizard wizard(K::Message, 0, nullptr, &seed);
    ASSERT_TRUE(wizard.Opened());
    Finish(&wizard);
    const std::optional<ScheduleRecord> task = Stored(wizard.Task().ID);
    ASSERT_TRUE(task);
    EXPECT_EQ(task->Description, "Call the bank");
    EXPECT_EQ(task->Message, QString(seed.Message).remove(u'\r')) << "as the message box keeps lines";
    EXPECT_EQ(task->Category, "Work");
    EXPECT_EQ(task->TaskType, "Display Message");
    EXPECT_EQ(task->Time, MakeClock(15, 0));
}


TEST_F(TaskWizardTest, AnUntouchedTaskIsRefusedAndTheWizardStaysOpen)
{
    auto wizard = Open(K::Task);
    const int32_t id = wizard->Task().ID;
    prompt.Answer(1);
    Finish(wizard.get());
    EXPECT_NE(wizard->result(), QDialog::Accepted);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Nothing to Do");
    EXPECT_EQ(Stored(id)->Disabled, 1) << "still only reserved";
    wizard->findChild<QPlainTextEdit*>("SCH:Message")->setPlainText("Stretch");
    Click(wizard.get(), "&Finish");
    EXPECT_EQ(wizard->result(), QDialog::Accepted);
    EXPECT_EQ(Stored(id)->Description, "Message/Run Program");
}

TEST_F(TaskWizardTest, ClickingIntoTheProposedMessageSelectsItSoTypingReplacesIt)
{
    auto wizard = Open(K::Message);
    Edit(*wizard, "SCH:Description", "Wizard message");
    auto* message = wizard->findChild<QPlainTextEdit*>("SCH:Message");
    ASSERT_EQ(message->toPlainText(), "Wizard message");
    QFocusEvent byMouse(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(message, &byMouse);
    const QPointF atEnd = message->cursorRect(QTextCursor(message->document()->lastBlock())).center() + QPointF(40, 0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, atEnd, message->viewport()->mapToGlobal(atEnd), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(message->viewport(), &click);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(message->textCursor().selectedText(), "Wizard message");
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, "Made with care");
    QApplication::sendEvent(message, &typed);
    EXPECT_EQ(message->toPlainText(), "Made with care") << "not run on after the description";

    // A message the user wrote is left as it is.
    QApplication::sendEvent(message, &byMouse);
    QCoreApplication::processEvents();
    EXPECT_FALSE(message->textCursor().hasSelection());
}

} // namespace
} // namespace vl
