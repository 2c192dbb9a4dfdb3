// "Scheduled Tasks" and "Explore Schedule" on real tables: which tasks each
// tab and filter shows, their icons and colours, the captions, the task
// form they hand tasks to, the refresh the scheduler asks for and the day
// that moves on at midnight.

#include "core/base/Globals.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "tasks/TaskListRows.h"
#include "tasks/windows/BrowseSchedule.h"
#include "tasks/windows/ExploreSchedule.h"
#include "tasks/windows/TaskForm.h"
#include "tasks/windows/TaskProcedures.h"
#include "tasks/windows/UpdateSchedule.h"
#include "tests/tasks/windows/TaskWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

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

TEST_F(TaskListWindowsTest, Render)
{
    Task("Backup the home folder", kMonday);
    Task("Disabled one", kMonday, [](ScheduleRecord& t) { t.Disabled = 1; });
    Task("Message", kMonday + 1, [](ScheduleRecord& t) { t.TaskType = "Display Message"; t.SkipNextTime = 1; });
    BrowseSchedule browse;
    browse.show();
    browse.Tabs()->setCurrentIndex(BrowseSchedule::kAllByDateTab);
    QCoreApplication::processEvents();
    browse.grab().save("/tmp/browse.png");
    ExploreSchedule explore;
    explore.show();
    explore.StatusChoice()->setCurrentText("All");
    explore.DayChoice()->setCurrentText("This Week");
    QCoreApplication::processEvents();
    explore.grab().save("/tmp/explore.png");
}

} // namespace
} // namespace vl
