// "Scheduled Tasks" and "Explore Schedule" on real tables: which tasks each
// tab and filter shows, their icons and colours, the captions, the task
// form they hand tasks to, the refresh the scheduler asks for and the day
// that moves on at midnight.

#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "scheduler/engine/DueTask.h"
#include "message/MessageActions.h"
#include "platform/data/Connection.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/SecondBeat.h"
#include "platform/widgets/ThreadRegistry.h"
#include "tasks/TaskListRows.h"
#include "windows/tasks/BrowseHolidays.h"
#include "windows/tasks/BrowseSchedule.h"
#include "windows/tasks/BrowseScheduleCategories.h"
#include "windows/tasks/ExploreSchedule.h"
#include "windows/tasks/TaskForm.h"
#include "windows/tasks/TaskProcedures.h"
#include "windows/tasks/UpdateSchedule.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <set>

namespace vl {
namespace {

using test::TaskWindowFixture;

class TaskListWindowsTest : public TaskWindowFixture {
protected:
    void SetUp() override
    {
        TaskWindowFixture::SetUp();
        ASSERT_TRUE(OpenTable(d.Categories));
    }
    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TaskForm() = {};
        GlobalActiveOnly = 0;
        FullSchedule = 0;
        MultiUser = 0;
        UserID.clear();
        TaskWindowFixture::TearDown();
    }

    ScheduleRecord Task(const char* description, Date date, void (*fill)(ScheduleRecord&) = [](ScheduleRecord&) {})
    {
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Disabled = 0;
        task.TaskType = "Run Program";
        task.ScheduleType = "Once";
        task.Category = "Work";
        task.Description = QString::fromLatin1(description);
        task.Date = date;
        task.Time = MakeClock(10, 0);
        fill(task);
        EXPECT_TRUE(d.Schedule.Add(task));
        return task;
    }
    static QStringList Column(const TaskList& list, int column = kDescriptionColumn)
    {
        QStringList texts;
        const QAbstractItemModel* model = list.List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
};

TEST_F(TaskListWindowsTest, EachTabShowsItsTasksWithTheirIconsAndColours)
{
    GlobalActiveOnly = 1;
    Task("Standup", kMonday, [](ScheduleRecord& t) { t.SkipNextTime = 1; });
    Task("Paused", kMonday, [](ScheduleRecord& t) { t.Disabled = 1; t.Category = "Home"; });
    Task("Call home", kMonday + 1, [](ScheduleRecord& t) { t.Category = "home"; t.TaskType = "Display Message"; });
    Task("Finished", kMonday - 3, [](ScheduleRecord& t) { t.Completed = 1; });
    BrowseSchedule list;
    list.show();
    EXPECT_EQ(list.Tabs()->tabText(BrowseSchedule::kDayTab), "MAR 02,2026");
    EXPECT_EQ(list.windowTitle(), "Scheduled Tasks");
    struct Row {
        BrowseSchedule::Tab tab;
        const char* category;
        bool showAll;
        QStringList shown;
    };
    const Row rows[] = {
        {BrowseSchedule::kDayTab, "", false, {"Standup"}},
        {BrowseSchedule::kDayTab, "", true, {"Standup", "Paused"}},
        {BrowseSchedule::kAllByDateTab, "", false, {"Standup", "Call home"}},
        {BrowseSchedule::kAllByDateTab, "", true, {"Finished", "Standup", "Paused", "Call home"}},
        {BrowseSchedule::kCategoryTab, "Home", true, {"Call home", "Paused"}}, // by description, any case
        {BrowseSchedule::kCategoryTab, "Work", false, {"Standup"}},
        {BrowseSchedule::kSelectedTab, "", false, {"Standup", "Call home"}},
    };
    for (const Row& row : rows) {
        list.Tabs()->setCurrentIndex(row.tab);
        list.SetCategory(QString::fromLatin1(row.category));
        Click(&list, row.showAll ? "Show All" : "Show Active Only");
        EXPECT_EQ(Column(list), row.shown) << row.tab << " " << row.category << " " << row.showAll;
        EXPECT_EQ(Find<QPushButton>(&list, "Show All")->isEnabled(), !row.showAll);
    }

    list.Tabs()->setCurrentIndex(BrowseSchedule::kAllByDateTab);
    Click(&list, "Show All");
    const QAbstractItemModel* model = list.List()->model();
    const auto cell = [model](int row, int column, int role) { return model->index(row, column).data(role); };
    std::set<qint64> statusIcons; // done, skip next, disabled, not done: four icons
    for (int row = 0; row < 4; ++row) {
        const QIcon icon = cell(row, kStatusIconColumn, Qt::DecorationRole).value<QIcon>();
        EXPECT_FALSE(icon.isNull()) << row;
        statusIcons.insert(icon.cacheKey());
    }
    EXPECT_EQ(statusIcons.size(), 4u);
    EXPECT_NE(cell(3, kTypeIconColumn, Qt::DecorationRole).value<QIcon>().cacheKey(),
              cell(0, kTypeIconColumn, Qt::DecorationRole).value<QIcon>().cacheKey()) << "message and program";
    EXPECT_EQ(cell(1, kDateColumn, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255)) << "skip next: blue";
    EXPECT_EQ(cell(2, kDateColumn, Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128)) << "disabled: grey";
    EXPECT_EQ(cell(2, kDateColumn, BrowseModel::kSelectedForegroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_FALSE(cell(3, kDateColumn, Qt::ForegroundRole).isValid());
    EXPECT_EQ(cell(1, kScheduleTypeColumn, Qt::DisplayRole).toString(), "Once");

    list.Tabs()->setCurrentIndex(BrowseSchedule::kSelectedTab);
    EXPECT_FALSE(Find<QPushButton>(&list, "Reset")->isEnabled());
    ASSERT_TRUE(list.ApplyQuery({{Join::And, "SCH:Description", QueryOperator::Contains, QueryOperand::Value, "home"}}));
    EXPECT_EQ(Column(list), QStringList({"Call home"}));
    list.Tabs()->setCurrentIndex(BrowseSchedule::kDayTab);
    EXPECT_EQ(Column(list), QStringList()) << "the query holds on every tab";
    Click(&list, "Reset");
    EXPECT_EQ(Column(list), QStringList({"Standup", "Paused"}));
    EXPECT_FALSE(Find<QPushButton>(&list, "Reset")->isEnabled());
    prompt.Answer(1);
    EXPECT_FALSE(list.ApplyQuery({{Join::And, "SCH:Date", QueryOperator::Less, QueryOperand::Expression, "1/0"}}));
    EXPECT_EQ(prompt.Questions().back().caption, kQueryErrorCaption);
}

TEST_F(TaskListWindowsTest, SettingsChooseTheCaptionAndWhereTheListsOpen)
{
    for (const Date date : {kMonday - 2, kMonday - 1, kMonday + 1})
        Task("Task", date);
    FullSchedule = 1;
    BrowseSchedule browse;
    EXPECT_EQ(browse.Tabs()->currentIndex(), BrowseSchedule::kAllByDateTab);
    EXPECT_EQ(browse.List()->CurrentRow(), 2) << "at today";
    ExploreSchedule explore;
    EXPECT_EQ(explore.DayChoice()->currentText(), "All");
    EXPECT_EQ(explore.List()->CurrentRow(), 2);

    struct Row {
        uint8_t multiUser;
        const char* user;
        const char* browse;
        const char* explore;
    };
    const Row rows[] = {
        {0, "ann", "Scheduled Tasks", "Explore Schedule"},
        {1, "  ", "Scheduled Tasks", "Explore Schedule"},
        {1, "ann", "View Schedule - ann", "Explore Schedule - ann"},
    };
    for (const Row& row : rows) {
        MultiUser = row.multiUser;
        UserID = QString::fromLatin1(row.user);
        EXPECT_EQ(BrowseSchedule().windowTitle(), row.browse) << row.user;
        EXPECT_EQ(ExploreSchedule().windowTitle(), row.explore) << row.user;
    }
}

TEST_F(TaskListWindowsTest, ExploreFiltersByStatusDayAndCategoryButNeverShowsHotKeys)
{
    CategoriesRecord category;
    category.Category = "Home";
    ASSERT_TRUE(d.Categories.Add(category));
    Task("Today", kMonday);
    Task("Tomorrow", kMonday + 1, [](ScheduleRecord& t) { t.Category = "Home"; });
    Task("Next week", kMonday + 8, [](ScheduleRecord& t) { t.Disabled = 1; });
    Task("Last March", MakeDate(3, 20, 2025));
    Task("Yesterday", kMonday - 1, [](ScheduleRecord& t) { t.Completed = 1; });
    Task("Key", kMonday, [](ScheduleRecord& t) { t.TaskType = "Hot Key"; });
    GlobalActiveOnly = 1;
    ExploreSchedule list;
    list.show();
    EXPECT_EQ(list.StatusChoice()->currentText(), "Active");
    EXPECT_EQ(list.DayChoice()->currentText(), "Today");
    EXPECT_EQ(list.CategoryChoice()->count(), 2) << "All and Home";
    struct Row {
        const char* status;
        const char* day;
        const char* category;
        QStringList shown;
    };
    const Row rows[] = {
        {"All", "All", "All", {"Last March", "Yesterday", "Today", "Tomorrow", "Next week"}},
        {"Active", "All", "All", {"Last March", "Today", "Tomorrow"}},
        {"Completed", "All", "All", {"Yesterday"}},
        {"Disabled", "All", "All", {"Next week"}},
        {"All", "Today", "All", {"Today"}},
        {"All", "Yesterday", "All", {"Yesterday"}},
        {"All", "Tomorrow", "All", {"Tomorrow"}},
        {"All", "This Week", "All", {"Today", "Tomorrow"}},
        {"All", "This Month", "All", {"Last March", "Yesterday", "Today", "Tomorrow", "Next week"}},
        {"All", "All", "Home", {"Tomorrow"}},
    };
    for (const Row& row : rows) {
        list.StatusChoice()->setCurrentText(QString::fromLatin1(row.status));
        list.DayChoice()->setCurrentText(QString::fromLatin1(row.day));
        list.CategoryChoice()->setCurrentText(QString::fromLatin1(row.category));
        EXPECT_EQ(Column(list), row.shown) << row.status << " " << row.day << " " << row.category;
    }
    list.DayChoice()->setCurrentText("This Month");
    list.CategoryChoice()->setCurrentText("All");
    EXPECT_EQ(list.Shown(), "MAR 01,2026-MAR 31,2026");
    Click(&list, "Show Active Only");
    EXPECT_EQ(list.StatusChoice()->currentText(), "Active");
    EXPECT_EQ(Column(list), QStringList({"Last March", "Today", "Tomorrow"}));
    Click(&list, "Show All");
    EXPECT_EQ(list.StatusChoice()->currentText(), "All");

    std::vector<TaskFormCall> calls;
    TaskForm() = [&calls](QWidget*, const TaskFormCall& call, std::function<void()>) { calls.push_back(call); };
    ExploreSchedule fresh;
    fresh.StatusChoice()->setCurrentText("All");
    fresh.DayChoice()->setCurrentText("Custom");
    EXPECT_EQ(fresh.Shown(), "JAN 01,1995-JAN 01,2099");
    EXPECT_EQ(Column(fresh).size(), 6 - 1) << "every task but the hot key";
    fresh.DayChoice()->setCurrentText("Tomorrow");
    Click(&fresh, "&New");
    fresh.DayChoice()->setCurrentText("Custom");
    Click(&fresh, "&New");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].task.Date, kMonday + 1);
    EXPECT_EQ(calls[1].task.Date, kMonday) << "not 1 January 1995";
}

TEST_F(TaskListWindowsTest, ListsOpenOnceFollowTheSchedulerAndTheDay)
{
    RegisterTaskProcedures();
    ASSERT_TRUE(Procedures().Start(kBrowseScheduleProcedure, nullptr));
    ASSERT_TRUE(Procedures().Start(kExploreScheduleProcedure, nullptr));
    QPointer<BrowseSchedule> browse =
        qobject_cast<BrowseSchedule*>(Threads().Window(Threads().ProcedureThread(kBrowseScheduleProcedure)));
    auto* explore =
        qobject_cast<ExploreSchedule*>(Threads().Window(Threads().ProcedureThread(kExploreScheduleProcedure)));
    ASSERT_TRUE(browse && explore);
    browse->showMinimized();
    Procedures().Start(kBrowseScheduleProcedure, nullptr);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(browse->isMinimized()) << "a second start brings the open list forward";
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        open += qobject_cast<BrowseSchedule*>(window) != nullptr;
    EXPECT_EQ(open, 1);

    Task("Added by the scheduler", kMonday);
    EXPECT_EQ(Column(*browse), QStringList());
    EXPECT_EQ(CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList), 2);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Column(*browse), QStringList({"Added by the scheduler"}));
    EXPECT_EQ(Column(*explore), QStringList({"Added by the scheduler"}));

    // Midnight: the day tab and "Today" move on to the new day.
    clock.Set(kMonday + 1, 1);
    browse->CheckDay();
    explore->CheckDay();
    EXPECT_EQ(browse->SelectedDay(), kMonday + 1);
    EXPECT_EQ(browse->Tabs()->tabText(BrowseSchedule::kDayTab), "MAR 03,2026");
    EXPECT_EQ(Column(*explore), QStringList());
    // A day the user picked stays.
    browse->SetSelectedDay(kMonday);
    clock.Set(kMonday + 2, 1);
    browse->CheckDay();
    EXPECT_EQ(browse->SelectedDay(), kMonday);
    EXPECT_EQ(Column(*browse), QStringList({"Added by the scheduler"}));
    for (const char* procedure : {kBrowseHolidaysProcedure, kBrowseScheduleCategoriesProcedure,
                                  kBrowseScheduleProcedure, kExploreScheduleProcedure})
        Procedures().Unregister(QLatin1String(procedure));
    TickRoutines() = {};
}

TEST_F(TaskListWindowsTest, TaskActionsHandTheirTaskToTheFormAndTheProceduresTheyStart)
{
    std::vector<TaskFormCall> calls;
    TaskForm() = [&calls](QWidget*, const TaskFormCall& call, std::function<void()> done) {
        calls.push_back(call);
        done();
    };
    Procedures().Unregister(kScriptListProcedure); // an earlier test may have left the program's one
    BrowseSchedule list;
    list.show();
    for (const char* button : {"Cop&y", "&Edit", "&Delete", "&Quick", "E&xecute/Test"})
        EXPECT_FALSE(Find<QPushButton>(&list, button)->isEnabled()) << button << " on an empty list";
    Click(&list, "&New");
    const ScheduleRecord program = Task("Program", kMonday);
    const ScheduleRecord message = Task("Message", kMonday, [](ScheduleRecord& t) { t.TaskType = "Display Message"; });
    list.Refresh();
    Click(&list, "Cop&y");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].request, FormRequest::Insert);
    EXPECT_EQ(calls[0].task.Date, kMonday) << "the day shown";
    EXPECT_EQ(calls[1].request, FormRequest::Insert);
    EXPECT_EQ(calls[1].copySourceTaskId, program.ID);
    EXPECT_EQ(calls[1].task.ID, 0);

    EXPECT_FALSE(Find<QPushButton>(&list, "&Scripting")->isEnabled()) << "no script list registered";
    std::vector<int32_t> started;
    Procedures().RegisterModal(kScriptListProcedure, [&started](QWidget* window) {
        auto* source = dynamic_cast<TaskListWindow*>(window);
        ASSERT_TRUE(source);
        started.push_back(source->HighlightedTaskId());
        source->ScriptTask().Command = "N/A";
    });
    ASSERT_TRUE(Find<QPushButton>(&list, "&Scripting")->isEnabled());
    Click(&list, "&Scripting");
    list.List()->SelectRow(1);
    prompt.Answer(1);
    Click(&list, "&Scripting");
    Procedures().Unregister(kScriptListProcedure);
    EXPECT_EQ(started, std::vector<int32_t>{program.ID});
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, kNoScriptingMessage);
    EXPECT_EQ(Stored(program.ID)->Command, "N/A") << "what the script list filled in is stored";
}

TEST_F(TaskListWindowsTest, EveryOpenListFollowsEveryChangeAndKeepsItsHighlightedTask)
{
    ASSERT_TRUE(OpenTable(d.Holidays));
    RegisterTaskProcedures();
    const ScheduleRecord later = Task("Later", kMonday, [](ScheduleRecord& t) { t.Time = MakeClock(11, 0); });
    for (const char* procedure : {kBrowseScheduleProcedure, kExploreScheduleProcedure, kBrowseScheduleCategoriesProcedure})
        ASSERT_TRUE(Procedures().Start(procedure, nullptr));
    auto* browse = qobject_cast<BrowseSchedule*>(Threads().Window(Threads().ProcedureThread(kBrowseScheduleProcedure)));
    auto* explore =
        qobject_cast<ExploreSchedule*>(Threads().Window(Threads().ProcedureThread(kExploreScheduleProcedure)));
    ASSERT_TRUE(browse && explore);
    explore->StatusChoice()->setCurrentText("All");
    ASSERT_EQ(Column(*explore), QStringList({"Later"}));

    // A new task on the form "Scheduled Tasks" opened: the reserved task never
    // shows as a blank row, and the stored one shows at once in both lists.
    Click(browse, "&New");
    auto* form = browse->findChild<UpdateSchedule*>();
    ASSERT_TRUE(form);
    explore->Refresh();
    EXPECT_EQ(Column(*explore), QStringList({"Later"})) << "no blank row while the form is open";
    form->findChild<QLineEdit*>("SCH:Description")->setText("Earlier");
    Click(form, "&OK");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Column(*explore), QStringList({"Earlier", "Later"}));
    EXPECT_EQ(explore->HighlightedTaskId(), later.ID) << "the highlighted task stays highlighted";
    EXPECT_EQ(Column(*browse), QStringList({"Earlier", "Later"}));

    // A message snoozed in a message window.
    ASSERT_TRUE(SnoozeMessage({"Coffee", "Coffee", {}}, 10, d.Schedule));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Column(*browse), QStringList({"Earlier", "Coffee", "Later"}));
    EXPECT_EQ(Column(*explore), QStringList({"Earlier", "Coffee", "Later"}));

    // A task another program changed: the lists look on the once-a-second beat.
    std::shared_ptr<DataConnection> connection;
    QString table;
    ASSERT_TRUE(d.Schedule.Storage(connection, table));
    DataError error;
    const std::unique_ptr<DataConnection> otherProgram = DataConnection::ConnectPrivate(connection->Path(), error);
    ASSERT_TRUE(otherProgram);
    otherProgram->Db().exec(QStringLiteral("DELETE FROM \"%1\" WHERE rowid = %2").arg(table).arg(later.RecordPointer).toStdString());
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(Column(*browse), QStringList({"Earlier", "Coffee"}));
    EXPECT_EQ(Column(*explore), QStringList({"Earlier", "Coffee"}));

    // The task categories list is a task list too.
    EXPECT_EQ(CurrentThreadPost().Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList), 3);
    QCoreApplication::sendPostedEvents();
    for (const char* procedure : {kBrowseHolidaysProcedure, kBrowseScheduleCategoriesProcedure,
                                  kBrowseScheduleProcedure, kExploreScheduleProcedure})
        Procedures().Unregister(QLatin1String(procedure));
    TickRoutines() = {};
}

TEST_F(TaskListWindowsTest, ExecuteSaysSoWhenATaskThatRunsOnlyItsScriptHasNone)
{
    const ScheduleRecord script = Task("Script only", kMonday, [](ScheduleRecord& t) { t.Command = "N/A"; });
    Task("Note", kMonday, [](ScheduleRecord& t) { t.TaskType = "Display Message"; });
    BrowseSchedule list;
    list.show();
    const auto executeTold = [&] {
        const size_t asked = prompt.Questions().size();
        Click(&list, "E&xecute/Test");
        return prompt.Questions().size() > asked && prompt.Questions().back().caption == "Execute/Test";
    };
    ScriptQueue.clear();
    prompt.Answer(1);
    EXPECT_TRUE(executeTold()) << "no script items: said so";
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("\"Script only\" runs only its script"));
    EXPECT_TRUE(ScriptQueue.isEmpty());
    AddItems(script.ID, 2);
    EXPECT_FALSE(executeTold());
    EXPECT_FALSE(ScriptQueue.isEmpty()) << "performed: its script is queued";
    ScriptQueue.clear();
    list.List()->SelectRow(1);
    prompt.Answer(1);
    EXPECT_FALSE(executeTold()) << "a message task needs no script";
    QCoreApplication::processEvents();
    EXPECT_EQ(prompt.Questions().back().caption, "Note") << "its message is shown";
}

TEST_F(TaskListWindowsTest, ATaskMadeOnTheFormIsListedPerformedWhenDueAndShownAtItsNextRun)
{
    ASSERT_TRUE(OpenTable(d.Holidays));
    InstallTaskForm();
    BrowseSchedule list;
    list.show();
    Click(&list, "&New");
    auto* form = list.findChild<UpdateSchedule*>();
    ASSERT_TRUE(form);
    Click(form, "Run Program");
    form->findChild<QLineEdit*>("SCH:Description")->setText("Hourly check");
    form->findChild<QLineEdit*>("SCH:Command")->setText("true");
    Click(form, "&OK");
    ASSERT_EQ(Column(list), QStringList({"Hourly check"}));
    EXPECT_EQ(Column(list, kDateColumn), QStringList({"MAR 02,2026"})) << "a new task runs daily from now";
    EXPECT_EQ(Column(list, kTimeColumn), QStringList({"9:00AM"}));

    clock.Advance(kClockPerMinute);
    FindDueTask();
    QCoreApplication::sendPostedEvents();
    Click(&list, "Show Active Only");
    EXPECT_EQ(Column(list), QStringList()) << "performed, and the list refreshed: the task moved on";
    list.Tabs()->setCurrentIndex(BrowseSchedule::kAllByDateTab);
    EXPECT_EQ(Column(list, kDateColumn), QStringList({"MAR 03,2026"})) << "its next run";
    EXPECT_EQ(Column(list, kTimeColumn), QStringList({"9:00AM"}));
    Click(&list, "Show All");
    EXPECT_EQ(Column(list, kDateColumn), QStringList({"MAR 02,2026", "MAR 03,2026"})) << "with the run's history";
}

} // namespace
} // namespace vl
