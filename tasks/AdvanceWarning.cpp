#include "tasks/AdvanceWarning.h"

#include "core/schedule/RunTimes.h"

#include <algorithm>

namespace vl {

namespace {

int64_t Entry(const IniFile& ini, const char* name)
{
    return ini.Get(QLatin1String(kWarningSection), QLatin1String(name)).trimmed().toLongLong();
}

// The moment in hundredths from the start of the calendar; a zero time is
// the start of the day.
int64_t Moment(Date date, ClockTime time)
{
    return int64_t{date} * kClockPerDay + std::max<int64_t>(time, 1) - 1;
}

void NoWarning(ScheduleRecord& task)
{
    task.AdvanceWarnDate = 0;
    task.AdvanceWarnTime = 0;
}

} // namespace

AdvanceWarningSetting ReadAdvanceWarningSetting(const IniFile& programIni)
{
    return {Entry(programIni, "Active") != 0, Entry(programIni, "Date"), Entry(programIni, "Time")};
}

bool DeriveAdvanceWarning(ScheduleRecord& task, const AdvanceWarningSetting& setting)
{
    if (!setting.active)
        return false;
    NoWarning(task);
    if (task.Date <= 0)
        return true;
    const int64_t run = Moment(task.Date, task.Time);
    // Settings far out of range give no warning rather than an overflow.
    constexpr int64_t kMostDays = 10'000'000; // more than the calendar holds
    if (std::abs(setting.days) > kMostDays || std::abs(setting.hundredths) > kMostDays * kClockPerDay)
        return true;
    const int64_t warning = run - setting.days * kClockPerDay - setting.hundredths;
    if (warning > run || warning < int64_t{kClockPerDay})
        return true;
    task.AdvanceWarnDate = static_cast<Date>(warning / kClockPerDay);
    task.AdvanceWarnTime = static_cast<ClockTime>(warning % kClockPerDay + 1);
    return true;
}

bool ClearLateAdvanceWarning(ScheduleRecord& task)
{
    if (CompareRunTimes(task.AdvanceWarnDate, task.AdvanceWarnTime, task.Date, task.Time) <= 0)
        return false;
    NoWarning(task);
    return true;
}

std::optional<WarningMoment> AdvanceWarningMoment(const ScheduleRecord& task)
{
    if (task.AdvanceWarnDate == 0 || task.Date <= 0)
        return std::nullopt;
    int64_t date = task.AdvanceWarnDate;
    int64_t time = task.AdvanceWarnTime;
    if (time < 0) {
        const int64_t borrowed = (-time + kClockPerDay - 1) / kClockPerDay;
        date -= borrowed;
        time += borrowed * kClockPerDay;
    }
    CarryDays(date, time);
    if (date <= 0)
        return std::nullopt;
    return WarningMoment{static_cast<Date>(date), static_cast<ClockTime>(time)};
}

} // namespace vl
