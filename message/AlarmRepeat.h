#pragma once
// The repeating alarm of a shown message: the first sound is the scheduler's
// (it sounds when the task falls due); while the message stays on screen this
// plays the sound again every RepeatAlarmInterval seconds, and stops for good
// MaxAlarmTime minutes after the message appeared (never when 0). The
// message windows of both programs own one each.
//
// Moments are (date, time) pairs read from the program's Clock, so a repeat
// that falls after midnight fires at the right time, and tests can drive Tick
// with a settable clock.

#include "platform/runtime/Calendar.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace vl {

class AlarmRepeat : public QObject {
    Q_OBJECT
public:
    // How often the timer looks at the clock; well below a second keeps the
    // repeats on time.
    static constexpr int kTickMilliseconds = 500;

    explicit AlarmRepeat(QObject* parent = nullptr);

    // Starts repeating from now: nothing when the interval is not above 0 or
    // the sound is blank.
    void Arm(const QString& soundFile, int32_t intervalSeconds, int32_t maxMinutes);
    // One look at the clock: when the next repeat has passed, plays the sound
    // and sets the next one, unless the end has passed too (then repeating
    // stops). True when it played.
    bool Tick();
    // True while further repeats are due.
    bool Repeating() const { return nextDate_ != 0; }

private:
    QTimer timer_;
    QString sound_;
    int32_t interval_ = 0; // hundredths
    Date nextDate_ = 0;    // 0: no further repeat
    ClockTime nextTime_ = 0;
    Date endDate_ = 0;     // 0: no end
    ClockTime endTime_ = 0;
};

} // namespace vl
