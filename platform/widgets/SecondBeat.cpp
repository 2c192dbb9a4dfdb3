#include "platform/widgets/SecondBeat.h"

#include <QDateTime>
#include <QMetaMethod>

#include <cstdlib>

namespace vl {

namespace {

// Just past the turn of the second, so a clock read on the beat shows the new
// second even when the timer fires a little early.
constexpr int kPastTheSecondMs = 5;
constexpr int kSecondMs = 1000;
// How far a beat may stray from the turn of the second before the timer is
// set again (a late wake-up on a busy machine, or a clock that was set).
constexpr int kStrayMs = 50;

} // namespace

int MillisecondsToNextBeat(int64_t msSinceEpoch)
{
    return kSecondMs - int(msSinceEpoch % kSecondMs) + kPastTheSecondMs;
}

SecondBeat& SecondBeat::Instance()
{
    static auto* beat = new SecondBeat; // lives as long as the program
    return *beat;
}

SecondBeat::SecondBeat()
{
    // A precise timer keeps its schedule from one second to the next, so it
    // is set again only when the beat strays.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SecondBeat::Fire);
}

void SecondBeat::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&SecondBeat::Beat) && !timer_.isActive())
        Arm();
}

void SecondBeat::Fire()
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&SecondBeat::Beat))) {
        timer_.stop(); // nobody listens: off until someone connects
        return;
    }
    const int wait = MillisecondsToNextBeat(QDateTime::currentMSecsSinceEpoch());
    if (std::abs(wait - kSecondMs) > kStrayMs)
        timer_.start(wait);
    else if (timer_.interval() != kSecondMs)
        timer_.start(kSecondMs);
    emit Beat();
}

void SecondBeat::Arm()
{
    timer_.start(MillisecondsToNextBeat(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace vl
