#include "platform/runtime/Clock.h"

#include <QDateTime>

namespace vl {
namespace {

class SystemClock : public Clock {
public:
    Date Today() const override
    {
        const QDate d = QDate::currentDate();
        return MakeDate(d.month(), d.day(), d.year());
    }
    ClockTime Now() const override
    {
        return QTime::currentTime().msecsSinceStartOfDay() / 10 + 1;
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
