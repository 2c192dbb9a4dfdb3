// Every window of task editing offscreen: no two controls a user can reach
// at the same time answer to the same Alt key.

#include "windows/tasks/BrowseHolidays.h"
#include "windows/tasks/BrowseSchedule.h"
#include "windows/tasks/BrowseScheduleCategories.h"
#include "windows/tasks/ExceptionsWindow.h"
#include "windows/tasks/ExploreSchedule.h"
#include "windows/tasks/SelectDateRange.h"
#include "windows/tasks/TaskWizard.h"
#include "windows/tasks/UpdateCategories.h"
#include "windows/tasks/UpdateHolidays.h"
#include "windows/tasks/UpdateSchedule.h"
#include "tests/windows/tasks/MnemonicClashes.h"
#include "tests/windows/tasks/TaskWindowFixture.h"

#include <functional>
#include <memory>

namespace vl {
namespace {

class MnemonicsTest : public test::TaskWindowFixture {};

TEST_F(MnemonicsTest, NoTwoControlsOfAWindowShareAnAltKey)
{
    ASSERT_TRUE(OpenTable(d.Categories) && OpenTable(d.Holidays));
    const ScheduleRecord source = StoredTask([](ScheduleRecord& t) { t.TaskType = "Both"; });
    ScheduleRecord task = source;
    const struct {
        const char* window;
        std::function<QWidget*()> open;
    } windows[] = {
        {"task form", [] { return new UpdateSchedule({FormRequest::Insert}); }},
        {"task form, view", [&] { return new UpdateSchedule({FormRequest::View, source.ID}); }},
        {"task wizard", [] { return new TaskWizard(TaskWizardKind::Task); }},
        {"program wizard", [] { return new TaskWizard(TaskWizardKind::Program); }},
        {"message wizard", [] { return new TaskWizard(TaskWizardKind::Message); }},
        {"script wizard", [] { return new TaskWizard(TaskWizardKind::Script); }},
        {"special event wizard", [&] { return new TaskWizard(TaskWizardKind::SpecialEvent, source.ID); }},
        {"exceptions", [&] { return new ExceptionsWindow(task); }},
        {"date range", [] { return new SelectDateRange(kMonday, kMonday); }},
        {"holiday form", [] { return new UpdateHolidays(FormRequest::Insert, test::MakeHoliday(kMonday, "", "Annual")); }},
        {"category form", [] { return new UpdateCategories(FormRequest::Insert, CategoriesRecord{}); }},
        {"Scheduled Tasks", [] { return new BrowseSchedule; }},
        {"Explore Schedule", [] { return new ExploreSchedule; }},
        {"Holidays", [] { return new BrowseHolidays; }},
        {"Task Categories", [] { return new BrowseScheduleCategories; }},
    };
    for (const auto& w : windows) {
        std::unique_ptr<QWidget> window(w.open());
        EXPECT_EQ(test::MnemonicClashes(window.get()), QStringList()) << w.window;
    }
}

} // namespace
} // namespace vl
