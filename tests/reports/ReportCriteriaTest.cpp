// The report criteria: OK turns the window's choice into the order, the
// filter and the range values the reports read, and stores the box for
// future occurrences; Cancel blanks the order and filter; the filter a
// report binds selects the tasks it names and refuses anything else.

#include "core/base/Globals.h"
#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "reports/ReportCriteria.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

class ReportCriteriaTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(Tables().Configuration)); }
    void TearDown() override
    {
        ReportIncludeFutureOccurances = 0;
        DictionaryEnd();
    }
    Dictionary& d = (DictionaryStart(), Tables());
};

TEST_F(ReportCriteriaTest, OkSetsOrderFilterRangeAndFutureOccurrences)
{
    const Date from = MakeDate(3, 1, 2026);
    const struct {
        const char* date;
        const char* category;
        const char* order;
        const char* filter;
        const char* key;
        uint8_t future; // for the run; the stored setting keeps the box
    } cases[] = {
        {"All", "All", "Description", "", "Sch:KeyTaskName", 0},
        {"All", "Selected", "Adv. Warn", "Sch:Category=Glo:Category", "Sch:KeyAdvanced", 0},
        {"Selected", "All", "Category/Date", "Sch:Date>=GLO:DateFrom AND Sch:Date<=GLO:DateTo",
         "Sch:KeyCategoryDate", 1},
        {"Selected", "Selected", "Nonsense",
         "Sch:Category=Glo:Category AND Sch:Date>=GLO:DateFrom AND Sch:Date<=GLO:DateTo", "Sch:KeyDate", 1},
    };
    for (const auto& c : cases) {
        GLO::DateFrom = GLO::DateTo = 7;
        AcceptReportCriteria({c.date, from, from + 9, c.category, "Work", c.order}, true);
        EXPECT_EQ(GlobalFilter, QLatin1String(c.filter)) << c.order;
        EXPECT_EQ(GlobalOrder, QLatin1String(c.key)) << c.order;
        EXPECT_EQ(ReportIncludeFutureOccurances, c.future) << c.order;
        EXPECT_EQ(GetConfigValue("RIFO"), "1");
        EXPECT_EQ(GLO::DateFrom, c.future ? from : 7) << "the range changes only when one is selected";
    }
    EXPECT_EQ(GLO::Category, "Work");
    for (const bool box : {false, true}) {
        CancelReportCriteria({"All", from, from, "All", "", "Date"}, box);
        EXPECT_EQ(ReportIncludeFutureOccurances, box ? 1 : 0) << "the box is kept as the user left it";
        EXPECT_EQ(GetConfigValue("RIFO"), "1") << "the stored setting stays";
    }
    EXPECT_TRUE(GlobalOrder.isEmpty());
    EXPECT_TRUE(GlobalFilter.isEmpty());
    EXPECT_EQ(ReportCriteriaChoice.orderSelect, "Date") << "the choice is kept for the next run";
}

TEST_F(ReportCriteriaTest, BoundFilterSelectsTasksAndRefusesOtherConditions)
{
    GLO::Category = "Work";
    GLO::DateFrom = 100;
    GLO::DateTo = 200;
    ScheduleRecord task;
    task.Category = "work";
    const struct {
        const char* filter;
        Date date;
        bool matches;
    } cases[] = {
        {"", 5, true},
        {"SCW:CATEGORY=GLO:CATEGORY AND SCW:DATE>=GLO:DATEFROM AND SCW:DATE<=GLO:DATETO", 100, true},
        {"Sch:Category=Glo:Category AND Sch:Date>=GLO:DateFrom AND Sch:Date<=GLO:DateTo", 200, true},
        {"Sch:Date>=GLO:DateFrom AND Sch:Date<=GLO:DateTo", 201, false},
        {"Sch:Date>=GLO:DateFrom", 99, false},
    };
    for (const auto& c : cases) {
        task.Date = c.date;
        const auto filter = ParseScheduleFilter(QLatin1String(c.filter));
        ASSERT_TRUE(filter) << c.filter;
        EXPECT_EQ(filter->Matches(task), c.matches) << c.filter;
    }
    task.Category = "Home";
    EXPECT_FALSE(ParseScheduleFilter("Sch:Category=Glo:Category")->Matches(task));
    for (const char* refused : {"Sch:Date>GLO:DateFrom", "Sch:Category=Glo:DateTo", "1=1", "Sch:Date>=5"})
        EXPECT_FALSE(ParseScheduleFilter(QLatin1String(refused))) << refused;
    EXPECT_STREQ(ScheduleOrderKey("SCH:KEYCATEGORY", true).name, SCW_KEYCATEGORY.name);
    EXPECT_STREQ(ScheduleOrderKey("unknown", false).name, SCH_KEYDATE.name);
}

} // namespace
} // namespace vl
