#pragma once
// The Schedule and Holidays tables, created in the test's own directory.

#include "core/dictionary/HolidaysRecord.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/Table.h"

#include <gtest/gtest.h>

#include <vector>

namespace vl::test {

class ScheduleTablesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(schedule.Open(TableFile::kDeclaredMode, true)) << schedule.LastError().Describe().toStdString();
        ASSERT_TRUE(holidays.Open(TableFile::kDeclaredMode, true)) << holidays.LastError().Describe().toStdString();
    }

    // Adds the task under its own ID (the next one when 0) and returns it as stored.
    ScheduleRecord Stored(ScheduleRecord task)
    {
        EXPECT_TRUE(schedule.Add(task)) << schedule.LastError().Describe().toStdString();
        return task;
    }

    ScheduleRecord Read(int32_t id)
    {
        ScheduleRecord task;
        task.ID = id;
        EXPECT_TRUE(schedule.Get(SCH_KEYID, task)) << "no task " << id;
        return task;
    }

    std::vector<ScheduleRecord> AllTasks()
    {
        std::vector<ScheduleRecord> tasks;
        ScheduleRecord task;
        schedule.Set(SCH_KEYID);
        while (schedule.Next(task))
            tasks.push_back(task);
        return tasks;
    }

    void AddHoliday(Date date, const char* name)
    {
        HolidaysRecord holiday;
        holiday.HolidayDate = date;
        holiday.Holiday = QString::fromLatin1(name);
        holiday.HOLIDAYTYPE = "Annual";
        ASSERT_TRUE(holidays.Add(holiday)) << holidays.LastError().Describe().toStdString();
    }

    Table<ScheduleRecord> schedule{ScheduleDefinition()};
    Table<HolidaysRecord> holidays{HolidaysDefinition()};
};

} // namespace vl::test
