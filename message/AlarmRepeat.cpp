#include "message/AlarmRepeat.h"

#include "core/schedule/RunTimes.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/sound/SoundPlayer.h"

namespace vl {

namespace {

// Today and the clock moved on by some hundredths, carried into the days.
void Later(int64_t hundredths, Date& date, ClockTime& time)
{
    int64_t days = Today();
    int64_t clock = static_cast<int64_t>(Now()) + hundredths;
    CarryDays(days, clock);
    date = static_cast<Date>(days);
    time = static_cast<ClockTime>(clock);
}

} // namespace

AlarmRepeat::AlarmRepeat(QObject* parent) : QObject(parent)
{
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        Tick();
        if (!Repeating())
            timer_.stop();
    });
}

void AlarmRepeat::Arm(const QString& soundFile, int32_t intervalSeconds, int32_t maxMinutes)
{
    sound_ = Clip(soundFile);
    nextDate_ = 0;
    endDate_ = 0;
    timer_.stop();
    if (intervalSeconds <= 0 || sound_.isEmpty())
        return;
    interval_ = intervalSeconds * kClockPerSecond;
    Later(interval_, nextDate_, nextTime_);
    if (maxMinutes > 0)
        Later(static_cast<int64_t>(maxMinutes) * kClockPerMinute, endDate_, endTime_);
    timer_.start();
}

bool AlarmRepeat::Tick()
{
    if (!Repeating() || CompareRunTimes(Today(), Now(), nextDate_, nextTime_) <= 0)
        return false;
    if (endDate_ != 0 && CompareRunTimes(Today(), Now(), endDate_, endTime_) > 0) {
        nextDate_ = 0;
        return false;
    }
    // A file that cannot be played is tried again next time; its failure
    // changes nothing here.
    Sound::Play(sound_);
    Later(interval_, nextDate_, nextTime_);
    return true;
}

} // namespace vl
