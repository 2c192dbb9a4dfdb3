#pragma once
// Today and the time of day, as the runtime's TODAY() and CLOCK() give them.
// The program reads the system clock; tests install a settable clock so that
// nothing ever waits for wall-clock time.

#include "platform/runtime/Calendar.h"

namespace vl {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
    virtual ClockTime Now() const = 0;
};

// The clock the program reads; the system clock unless one is installed.
const Clock& CurrentClock();
Date Today();
ClockTime Now();

// Installs a clock for the lifetime of this object (tests), restoring the
// previous one afterwards.
class ClockOverride {
public:
    explicit ClockOverride(const Clock& clock);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    const Clock* previous_;
};

// A clock that stands still until told otherwise.
class SettableClock : public Clock {
public:
    SettableClock(Date today, ClockTime now) : today_(today), now_(now) {}
    Date Today() const override { return today_; }
    ClockTime Now() const override { return now_; }
    void Set(Date today, ClockTime now) { today_ = today; now_ = now; }
    // Moves forward by hundredths of a second, carrying into the next days.
    void Advance(int64_t hundredths);

private:
    Date today_;
    ClockTime now_;
};

} // namespace vl
