// Generated tasks of every schedule type: every date ComputeNextRun gives a
// repeating task fits DateFitsSchedule, repeated runs move strictly forward,
// and the next run always lies after the moment it was computed from.

#include "core/schedule/DateFit.h"
#include "core/schedule/NextRun.h"
#include "core/schedule/RunTimes.h"
#include "tests/core/schedule/ScheduleTestTasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

namespace vl {
namespace {

class TaskGenerator {
public:
    explicit TaskGenerator(unsigned seed) : random_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    uint8_t Flag(int percent) { return Chance(percent) ? 1 : 0; }

    Date AnyDate() { return Between(MakeDate(1, 1, 1990), MakeDate(12, 31, 2100)); }
    ClockTime AnyTime() { return Between(1, kClockPerDay); }

    ScheduleRecord AnyRepeatingTask()
    {
        static const char* const kTypes[] = {"Monthly", "Yearly", "Day of Week", "Day of Month", "Custom",
                                             "Semi-Monthly"};
        static const char* const kRepeats[] = {"Once", "Twice - 1st, 15th", "Twice - 15th, Last",
                                               "TWICE - 15TH, LAST", ""};
        static const char* const kUnits[] = {"minute(s)", "hour(s)", "day(s)", "week(s)", "month(s)",
                                             "year(s)", "Minutes", "HOURS", "fortnight(s)", ""};
        ScheduleRecord task = test::TaskOn(kTypes[Between(0, 5)], AnyDate(), AnyTime());
        uint8_t* weekdays[] = {&task.Sunday, &task.Monday, &task.Tuesday, &task.Wednesday,
                               &task.Thursday, &task.Friday, &task.Saturday};
        const int weekdayChance = Chance(25) ? 0 : Between(10, 60);
        for (uint8_t* flag : weekdays)
            *flag = Flag(weekdayChance);
        const int weekChance = Chance(25) ? 0 : Between(10, 50);
        task.Every1st = Flag(weekChance);
        task.Every2nd = Flag(weekChance);
        task.Every3rd = Flag(weekChance);
        task.Every4th = Flag(weekChance);
        task.EveryLast = Flag(weekChance);
        task.LastDayofMonth = Flag(15);
        task.MonthRepeat = QString::fromLatin1(kRepeats[Between(0, 4)]);
        task.Offset = Chance(30) ? 0 : Between(-20, 20);
        task.EveryType = QString::fromLatin1(kUnits[Between(0, 9)]);
        // Long steps too, but not so long in years that 25 runs leave the calendar.
        const int longest = task.EveryType.startsWith(QLatin1String("year")) ? 40 : 2000;
        task.Every = Chance(10) ? Between(-3, 0) : Chance(80) ? Between(1, 40) : Between(1, longest);
        return task;
    }

private:
    std::mt19937 random_;
};

QString Describe(const ScheduleRecord& task)
{
    const DayMonthYear dmy = SplitDate(task.Date);
    return QStringLiteral("%1 [%2] offset %3 every %4 %5 on %6/%7/%8 at %9, weekdays %10%11%12%13%14%15%16 "
                          "weeks %17%18%19%20%21 month end %22")
        .arg(task.ScheduleType, task.MonthRepeat)
        .arg(task.Offset)
        .arg(task.Every)
        .arg(task.EveryType)
        .arg(dmy.day)
        .arg(dmy.month)
        .arg(dmy.year)
        .arg(task.Time)
        .arg(task.Sunday)
        .arg(task.Monday)
        .arg(task.Tuesday)
        .arg(task.Wednesday)
        .arg(task.Thursday)
        .arg(task.Friday)
        .arg(task.Saturday)
        .arg(task.Every1st)
        .arg(task.Every2nd)
        .arg(task.Every3rd)
        .arg(task.Every4th)
        .arg(task.EveryLast)
        .arg(task.LastDayofMonth);
}

TEST(NextRunProperty, RunsFitTheScheduleAndMoveStrictlyForward)
{
    TaskGenerator generate(20260101);
    for (int n = 0; n < 4000; ++n) {
        ScheduleRecord task = generate.AnyRepeatingTask();
        const QString start = Describe(task);
        // Unknown units ask once per operation; this operation has asked.
        NextRunOperation operation{true};
        for (int run = 0; run < 25; ++run) {
            const Date date = task.Date;
            const ClockTime time = task.Time;
            ComputeNextRun(task, date, time, operation);
            ASSERT_GT(CompareRunTimes(task.Date, task.Time, date, time), 0) << qPrintable(start) << " run " << run;
            ASSERT_TRUE(DateFitsSchedule(task)) << qPrintable(start) << " run " << run << " gave "
                                                << qPrintable(Describe(task));
        }
    }
}

TEST(NextRunProperty, TheNextRunLiesAfterAnyMoment)
{
    TaskGenerator generate(777);
    for (int n = 0; n < 4000; ++n) {
        ScheduleRecord task = generate.AnyRepeatingTask();
        const ScheduleRecord before = task;
        const QString start = Describe(task);
        // A moment before or after the task, up to a few years away.
        const Date fromDate = task.Date + generate.Between(-1500, 1500);
        const ClockTime fromTime = generate.AnyTime();
        NextRunOperation operation{true};
        ComputeNextRun(task, fromDate, fromTime, operation);
        ASSERT_GT(CompareRunTimes(task.Date, task.Time, fromDate, fromTime), 0) << qPrintable(start);
        // An occurrence already past the moment stays as it was (the user may
        // have typed a date off the rule); one that moved fits.
        if (task.Date != before.Date) {
            ASSERT_TRUE(DateFitsSchedule(task)) << qPrintable(start) << " gave " << qPrintable(Describe(task));
        }
    }
}

// The rules as stepped one at a time, with no shortcut for a task far behind:
// the computation must give exactly the same occurrence.
void StepOneAtATime(ScheduleRecord& task, Date fromDate, ClockTime fromTime)
{
    const QString unit = task.EveryType.left(3).toLower();
    const int every = std::max(task.Every, 1);
    const auto beforeLimit = [&] {
        return task.Date < fromDate || (task.Date == fromDate && task.Time <= fromTime + kClockPerMinute);
    };
    if (task.ScheduleType == "Day of Week") {
        const uint8_t* flags[] = {&task.Sunday, &task.Monday, &task.Tuesday, &task.Wednesday,
                                  &task.Thursday, &task.Friday, &task.Saturday};
        const bool anyTicked = std::any_of(std::begin(flags), std::end(flags), [](const uint8_t* f) { return *f; });
        while (beforeLimit()) {
            do
                ++task.Date;
            while (anyTicked && !*flags[WeekdayOf(task.Date)]);
        }
    } else if (unit == "min" || unit == "hou") {
        const int perDay = unit == "min" ? 1440 : 24;
        const ClockTime length = unit == "min" ? kClockPerMinute : kClockPerHour;
        do {
            task.Date += every / perDay;
            task.Time += (every % perDay) * length;
            CarryDays(task.Date, task.Time);
        } while (CompareRunTimes(task.Date, task.Time, fromDate, fromTime) <= 0);
    } else {
        const int step = unit == "wee" ? 7 * every : every;
        while (beforeLimit())
            task.Date += step;
    }
}

TEST(NextRunProperty, TasksFarBehindLandWhereSteppingOneAtATimeLands)
{
    TaskGenerator generate(4242);
    static const char* const kUnits[] = {"minute(s)", "hour(s)", "day(s)", "week(s)"};
    for (int n = 0; n < 600; ++n) {
        ScheduleRecord task = n % 5 == 4 ? test::TaskOn("Day of Week", generate.AnyDate(), generate.AnyTime())
                                         : test::CustomTask(generate.Chance(70) ? generate.Between(1, 200)
                                                                                : generate.Between(201, 5000),
                                                            kUnits[n % 4], generate.AnyDate(), generate.AnyTime());
        if (n % 5 == 4) {
            uint8_t* weekdays[] = {&task.Sunday, &task.Monday, &task.Tuesday, &task.Wednesday,
                                   &task.Thursday, &task.Friday, &task.Saturday};
            for (uint8_t* flag : weekdays)
                *flag = generate.Flag(30);
        }
        const Date fromDate = task.Date + generate.Between(0, 40);
        const ClockTime fromTime = generate.Between(0, kClockPerDay + 10);
        ScheduleRecord expected = task;
        StepOneAtATime(expected, fromDate, fromTime);
        ComputeNextRun(task, fromDate, fromTime);
        ASSERT_EQ(task.Date, expected.Date) << qPrintable(Describe(expected)) << " from " << fromDate;
        ASSERT_EQ(task.Time, expected.Time) << qPrintable(Describe(expected)) << " from " << fromDate;
    }
}

} // namespace
} // namespace vl
