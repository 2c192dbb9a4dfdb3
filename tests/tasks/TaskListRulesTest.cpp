// The rules of the task lists: each task's icons and date colours, what a
// day choice selects and the date it gives new tasks, and the expressions
// of a task query.

#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "tasks/TaskListFilters.h"
#include "tasks/TaskListRows.h"
#include "scripting/QueryExpression.h"
#include "tasks/TaskQuery.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(TaskListRulesTest, StatusIconTypeIconAndDateColoursFollowTheTasksFlags)
{
    struct Row {
        uint8_t completed, skipped, skipNext, disabled;
        TaskListIcon status;
        CellColours colours;
    };
    const CellColours none{-1, -1, -1, -1};
    const CellColours grey{kGreyText, -1, kWhiteText, -1};
    const CellColours blue{kBlueText, -1, kWhiteText, -1};
    const Row rows[] = {
        {0, 0, 0, 0, TaskListIcon::NotDone, none},
        {1, 0, 0, 0, TaskListIcon::Done, none},
        {1, 0, 1, 1, TaskListIcon::Done, grey},
        {1, 1, 0, 0, TaskListIcon::Skipped, none},
        {1, 1, 0, 1, TaskListIcon::Skipped, grey},
        {0, 0, 1, 0, TaskListIcon::Skip, blue},
        {0, 0, 1, 1, TaskListIcon::Skip, grey},
        {0, 0, 0, 1, TaskListIcon::Disabled, grey},
        {0, 1, 0, 1, TaskListIcon::Disabled, grey},
    };
    for (const Row& row : rows) {
        ScheduleRecord task;
        task.Completed = row.completed;
        task.Skipped = row.skipped;
        task.SkipNextTime = row.skipNext;
        task.Disabled = row.disabled;
        const std::string flags = testing::PrintToString(std::vector<int>{row.completed, row.skipped, row.skipNext,
                                                                         row.disabled});
        EXPECT_EQ(StatusIcon(task), row.status) << flags;
        EXPECT_EQ(DateColours(task), row.colours) << flags;
    }
    EXPECT_STREQ(TaskListIconName(TaskListIcon::Skipped), "~skipped.ico");
    const std::pair<const char*, TaskListIcon> types[] = {{"Run Program", TaskListIcon::ProgramTask},
                                                          {"Display Message", TaskListIcon::MessageTask},
                                                          {"Both", TaskListIcon::BothTask},
                                                          {"None", TaskListIcon::Blank},
                                                          {"Hot Key", TaskListIcon::Blank}};
    for (const auto& [type, icon] : types) {
        ScheduleRecord task;
        task.TaskType = QString::fromLatin1(type) + "   ";
        EXPECT_EQ(TaskTypeIcon(task), icon) << type;
    }
}

// The first and last day a selection lets through, from its filter.
std::pair<Date, Date> Bounds(const Filter& filter)
{
    Date from = 0;
    Date to = 0;
    for (const Condition& condition : filter) {
        const Date day = static_cast<Date>(std::get<int64_t>(condition.value));
        if (condition.compare != Compare::LessEqual)
            from = day;
        if (condition.compare != Compare::GreaterEqual)
            to = day;
    }
    return {from, to};
}

TEST(TaskListRulesTest, DayChoicesSelectTheirDaysAndDateNewTasks)
{
    const Date today = MakeDate(2, 20, 2024); // a leap February
    const Date future = MakeDate(6, 1, 2024);
    struct Row {
        const char* day;
        Date from, to;                  // the range given (Custom)
        Date first, last, dateToUse;    // first 0: no date filter
        QString shown;
    };
    const Row rows[] = {
        {"All", 0, 0, 0, 0, today, ""},
        {"Today", 0, 0, today, today, today, "FEB 20,2024"},
        {"Yesterday", 0, 0, today - 1, today - 1, today - 1, "FEB 19,2024"},
        {"Tomorrow", 0, 0, today + 1, today + 1, today + 1, "FEB 21,2024"},
        {"This Week", 0, 0, today, today + 6, today, "FEB 20,2024-FEB 26,2024"},
        // The defaults: a new task takes today, not 1 January 1995.
        {"Custom", 0, 0, MakeDate(1, 1, 1995), MakeDate(1, 1, 2099), today, "JAN 01,1995-JAN 01,2099"},
        {"Custom", future, future + 9, future, future + 9, future, "JUN 01,2024-JUN 10,2024"},
        {"Custom", today - 5, today + 5, today - 5, today + 5, today, "FEB 15,2024-FEB 25,2024"},
    };
    for (const Row& row : rows) {
        const std::optional<DaySelection> selection = SelectDays(QString::fromLatin1(row.day), today, row.from, row.to);
        ASSERT_TRUE(selection) << row.day;
        EXPECT_EQ(Bounds(selection->filter), std::make_pair(row.first, row.last)) << row.day << " " << row.from;
        EXPECT_EQ(selection->dateToUse, row.dateToUse) << row.day << " " << row.from;
        EXPECT_EQ(selection->shown, row.shown) << row.day;
    }
    // This month in every year (the filter holds today's month); the range is this year's, to its 29th day.
    const std::optional<DaySelection> month = SelectDays("This Month", today, 0, 0);
    EXPECT_EQ(month->filter.size(), 1u);
    EXPECT_EQ(month->filter.at(0).compare, Compare::SameMonth);
    EXPECT_EQ(Bounds(month->filter).first, today);
    EXPECT_EQ(std::make_pair(month->rangeFrom, month->rangeTo), std::make_pair(MakeDate(2, 1, 2024), MakeDate(2, 29, 2024)));
    EXPECT_EQ(month->shown, "FEB 01,2024-FEB 29,2024");
    EXPECT_FALSE(SelectDays("Next Year", today, 0, 0));
    EXPECT_FALSE(StatusFilter("Pending"));
    EXPECT_TRUE(StatusFilter("All")->empty());
}

TEST(TaskListRulesTest, QueryExpressionsExpandKeywordsAndCountFromToday)
{
    SettableClock clock{MakeDate(3, 2, 2026), 1};
    ClockOverride useClock{clock};
    const std::pair<const char*, QString> computed[] = {
        {"TODAY()+7", QString::number(MakeDate(3, 9, 2026))},
        {"today ( ) - 1", QString::number(MakeDate(3, 1, 2026))},
        {"6*7", "42"},
        {"'[YYYY-MM-DD]'", "2026-03-02"},
    };
    for (const auto& [expression, expected] : computed) {
        QString value;
        QString error;
        EXPECT_TRUE(EvaluateQueryExpression(QString::fromLatin1(expression), value, error)) << error.toStdString();
        EXPECT_EQ(value, expected) << expression;
    }
    QString value = "kept";
    QString error;
    EXPECT_FALSE(EvaluateQueryExpression("1/0", value, error));
    EXPECT_TRUE(error.startsWith("1/0: ")) << error.toStdString();
    EXPECT_EQ(value, "kept");
}

} // namespace
} // namespace vl
