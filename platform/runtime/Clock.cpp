#include "platform/runtime/Clock.h"

#include <algorithm>
#include <atomic>
#include <ctime>

namespace vl {
namespace {

// The local time now. The time zone is looked up again once a minute rather
// than on every read (each lookup asks the file system whether the zone
// changed): the scheduler reads the clock several times a second, and a
// change of the system's zone still shows within a minute.
std::tm LocalNow(long& milliseconds)
{
    static std::atomic<std::time_t> zoneMinute{-1};
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    if (zoneMinute.exchange(now.tv_sec / 60) != now.tv_sec / 60)
        tzset();
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    milliseconds = now.tv_nsec / 1'000'000;
    return local;
}

class SystemClock : public Clock {
public:
    Date Today() const override
    {
        long milliseconds = 0;
        const std::tm local = LocalNow(milliseconds);
        return MakeDate(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    }
    ClockTime Now() const override
    {
        long milliseconds = 0;
        const std::tm local = LocalNow(milliseconds);
        // A leap second (60) counts as the last hundredths of the minute.
        const int seconds = std::min(local.tm_sec, 59);
        return MakeClock(local.tm_hour, local.tm_min, seconds, int(milliseconds / 10));
    }
};

const SystemClock kSystemClock;
const Clock* gClock = &kSystemClock;

} // namespace

const Clock& CurrentClock() { return *gClock; }
Date Today() { return gClock->Today(); }
ClockTime Now() { return gClock->Now(); }

ClockOverride::ClockOverride(const Clock& clock) : previous_(gClock) { gClock = &clock; }
ClockOverride::~ClockOverride() { gClock = previous_; }

void SettableClock::Advance(int64_t hundredths)
{
    int64_t total = static_cast<int64_t>(now_ - 1) + hundredths;
    int64_t days = total / kClockPerDay;
    total %= kClockPerDay;
    if (total < 0) {
        total += kClockPerDay;
        --days;
    }
    today_ += static_cast<Date>(days);
    now_ = static_cast<ClockTime>(total + 1);
}

} // namespace vl
