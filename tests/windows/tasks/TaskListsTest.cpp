// The holiday list, the task categories and the category pick list as a
// user meets them: opened from the frame's procedures once each, the forms
// their buttons open, the tasks of the highlighted category, and the task
// form they hand tasks to.

#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/tasks/BrowseHolidays.h"
#include "windows/tasks/BrowseScheduleCategories.h"
#include "windows/tasks/SelectCategories.h"
#include "windows/tasks/TaskForm.h"
#include "windows/tasks/TaskProcedures.h"
#include "windows/tasks/UpdateHolidays.h"
#include "tests/support/ScriptedPrompt.h"
#include "xplore/windows/Xplore.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

namespace vl {
namespace {

Date Day(int year, int month, int day)
{
    return MakeDate(month, day, year);
}

class TaskListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Holidays));
        ASSERT_TRUE(OpenTable(d.Categories));
        ASSERT_TRUE(OpenTable(d.Schedule));
    }
    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TaskForm() = {};
        DictionaryEnd();
    }

    void AddHoliday(Date date, const char* name)
    {
        HolidaysRecord holiday;
        d.Holidays.Prime(holiday);
        holiday.HolidayDate = date;
        holiday.Holiday = QString::fromLatin1(name);
        ASSERT_TRUE(d.Holidays.Add(holiday));
    }
    void AddCategory(const char* name)
    {
        CategoriesRecord category;
        category.Category = QString::fromLatin1(name);
        ASSERT_TRUE(d.Categories.Add(category));
    }
    ScheduleRecord AddTask(const char* category, const char* description, Date date, uint8_t disabled = 0)
    {
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.Category = QString::fromLatin1(category);
        task.Description = QString::fromLatin1(description);
        task.TaskType = "Run Program";
        task.Date = date;
        task.Disabled = disabled;
        EXPECT_TRUE(d.Schedule.Add(task));
        return task;
    }
    static QStringList Column(const BrowseList* list, int column)
    {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, column).data().toString();
        return texts;
    }
    template <class W>
    static W* Open(const char* procedure)
    {
        EXPECT_TRUE(Procedures().Start(QLatin1String(procedure), nullptr));
        return qobject_cast<W*>(Threads().Window(Threads().ProcedureThread(QLatin1String(procedure))));
    }

    Dictionary& d = (DictionaryStart(), Tables());
    SettableClock clock{Day(2025, 3, 12), 1};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
};

TEST_F(TaskListsTest, TheFrameStartsEachListOnceAndASecondStartBringsItForward)
{
    RegisterTaskProcedures();
    for (const char* procedure : {kBrowseHolidaysProcedure, kBrowseScheduleCategoriesProcedure}) {
        ASSERT_TRUE(Procedures().Has(QLatin1String(procedure))) << procedure;
        QPointer<QWidget> window = Open<QWidget>(procedure);
        ASSERT_TRUE(window) << procedure;
        EXPECT_TRUE(window->isVisible());
        window->showMinimized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window->isMinimized());
        Open<QWidget>(procedure);
        QCoreApplication::sendPostedEvents();
        EXPECT_FALSE(window->isMinimized()) << procedure;
        int open = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            open += top->objectName() == QLatin1String(procedure) && top->isVisible();
        EXPECT_EQ(open, 1) << procedure;
    }
    auto* categories = Open<BrowseScheduleCategories>(kBrowseScheduleCategoriesProcedure);
    categories->TaskList()->setFocus();
    Open<QWidget>(kBrowseScheduleCategoriesProcedure);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(categories->focusWidget(), categories->CategoryList()) << "the focus goes to the categories";
    EXPECT_TRUE(TickRoutines().rollHolidays) << "the holiday upkeep joins the frame's cycle";
    Procedures().Unregister(kBrowseHolidaysProcedure);
    Procedures().Unregister(kBrowseScheduleCategoriesProcedure);
    TickRoutines() = {};
}

TEST_F(TaskListsTest, HolidayListOpensTheFormForEachButtonAndShowsWhatItStored)
{
    auto* list = new BrowseHolidays;
    list->show();
    const BrowseButtons& buttons = list->Buttons();
    for (QPushButton* button : {buttons.view, buttons.copy, buttons.change, buttons.remove})
        EXPECT_FALSE(button->isEnabled()) << "an empty list";

    buttons.insert->click();
    auto* form = list->findChild<UpdateHolidays*>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "New Holiday");
    EXPECT_EQ(form->DateEntry()->text(), "MAR 12,2025") << "a new holiday starts today";
    form->NameEntry()->setText("Spring");
    form->OkButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Column(list->List(), 1), QStringList({"Spring"}));
    EXPECT_TRUE(buttons.view->isEnabled());

    AddHoliday(Day(2025, 1, 1), "New Year");
    list->List()->Refresh();
    list->List()->SelectRow(1);
    buttons.copy->click();
    form = list->findChild<UpdateHolidays*>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "New Holiday");
    EXPECT_EQ(form->NameEntry()->text(), "Spring") << "a copy starts from the selected holiday";
    form->DateEntry()->setText("MAR 13,2025");
    form->OkButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Column(list->List(), 0), QStringList({"JAN 01,2025", "MAR 12,2025", "MAR 13,2025"}));
    EXPECT_EQ(list->List()->CurrentRow(), 2) << "the new holiday is selected";

    list->List()->SelectRow(0);
    QKeyEvent shiftEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier);
    QApplication::sendEvent(list->List(), &shiftEnter);
    form = list->findChild<UpdateHolidays*>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->windowTitle(), "View Holiday");
    EXPECT_EQ(form->NameEntry()->text(), "New Year");
    EXPECT_EQ(form->windowModality(), Qt::WindowModal);
    form->reject();
}

TEST_F(TaskListsTest, TheTaskListShowsTheEnabledTasksOfTheHighlightedCategoryInEverySort)
{
    AddCategory("Home");
    AddCategory("Spare");
    AddCategory("Work");
    AddTask("work", "Report", Day(2025, 3, 14));
    AddTask("Work", "Backup", Day(2025, 3, 20));
    AddTask("Work", "Old report", Day(2025, 3, 1), 1);
    AddTask("Home", "Water plants", Day(2025, 3, 15));
    AddTask("Spare", "Disabled only", Day(2025, 3, 15), 1);
    BrowseScheduleCategories window;
    window.show();
    EXPECT_EQ(window.Category(), "Home");
    EXPECT_EQ(Column(window.TaskList(), 2), QStringList({"Water plants"}));
    window.CategoryList()->SelectRow(2);
    EXPECT_EQ(Column(window.TaskList(), 2), QStringList({"Report", "Backup"})) << "date order, any case";
    EXPECT_EQ(Column(window.TaskList(), 0), QStringList({"MAR 14,2025", "MAR 20,2025"}));
    for (const XploreColumn& column : window.Enhancement()->Columns().All())
        EXPECT_EQ(column.graphOk, column.field == "SCH:Date") << "only the date is graphed";

    const int description = 2;
    QHeaderView* header = window.TaskList()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(description) + 5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, header->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &click);
    }
    EXPECT_EQ(Column(window.TaskList(), 2), QStringList({"Backup", "Report"})) << "sorted by description";
    window.CategoryList()->SelectRow(0);
    EXPECT_EQ(Column(window.TaskList(), 2), QStringList({"Water plants"})) << "a header sort keeps the category";
    window.Enhancement()->KeySequence(true);
    EXPECT_EQ(Column(window.TaskList(), 2), QStringList({"Water plants"})) << "and so does record order";

    TaskForm() = [](QWidget*, const TaskFormCall&, std::function<void()>) {};
    BrowseScheduleCategories withForm;
    withForm.CategoryList()->SelectRow(1);
    EXPECT_EQ(withForm.TaskModel()->rowCount(), 0) << "a category with only disabled tasks";
    EXPECT_FALSE(withForm.TaskButtons().copy->isEnabled());
    EXPECT_TRUE(withForm.TaskButtons().insert->isEnabled());
}

TEST_F(TaskListsTest, TaskButtonsHandTheTaskFormTheirRequestAndWaitForOne)
{
    AddCategory("Work");
    const ScheduleRecord backup = AddTask("Work", "Backup", Day(2025, 3, 14));
    {
        BrowseScheduleCategories window;
        for (QPushButton* button : {window.TaskButtons().insert, window.TaskButtons().copy})
            EXPECT_FALSE(button->isEnabled());
        EXPECT_EQ(window.TaskButtons().insert->toolTip(), kNoTaskFormTip);
    }

    std::vector<TaskFormCall> calls;
    TaskForm() = [&calls](QWidget*, const TaskFormCall& call, std::function<void()> done) {
        calls.push_back(call);
        done();
    };
    BrowseScheduleCategories window;
    for (QPushButton* button : {window.TaskButtons().insert, window.TaskButtons().copy, window.TaskButtons().change,
                                window.TaskButtons().remove, window.TaskButtons().view})
        button->click();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].request, FormRequest::Insert);
    EXPECT_EQ(calls[0].task.Category, "Work");
    EXPECT_EQ(calls[0].task.ID, 0);
    EXPECT_TRUE(calls[0].task.Description.isEmpty());
    EXPECT_EQ(calls[1].request, FormRequest::Insert);
    EXPECT_EQ(calls[1].copySourceTaskId, backup.ID);
    EXPECT_EQ(calls[1].task.ID, 0);
    EXPECT_EQ(calls[1].task.Category, "Work");
    EXPECT_EQ(calls[1].task.Description, "Backup");
    const FormRequest requests[] = {FormRequest::Change, FormRequest::Delete, FormRequest::View};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[2 + i].request, requests[i]);
        EXPECT_EQ(calls[2 + i].task.ID, backup.ID);
        EXPECT_EQ(calls[2 + i].copySourceTaskId, 0);
    }
}

TEST_F(TaskListsTest, ThePickListSelectsTheHighlightedCategoryOrNone)
{
    AddCategory("Home");
    AddCategory("Work");
    SelectCategories pick;
    pick.List()->SelectRow(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(pick.List(), &enter);
    EXPECT_EQ(pick.result(), QDialog::Accepted);
    EXPECT_EQ(pick.Chosen().Category, "Work");
    SelectCategories cancelled;
    cancelled.CancelButton()->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

} // namespace
} // namespace vl
