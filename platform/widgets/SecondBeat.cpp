#include "platform/widgets/SecondBeat.h"

#include <QDateTime>
#include <QMetaMethod>

namespace vl {

namespace {

// Just past the turn of the second, so a clock read on the beat shows the new
// second even when the timer fires a little early.
constexpr int kPastTheSecondMs = 5;

} // namespace

int MillisecondsToNextBeat(int64_t msSinceEpoch)
{
    return 1000 - int(msSinceEpoch % 1000) + kPastTheSecondMs;
}

SecondBeat& SecondBeat::Instance()
{
    static auto* beat = new SecondBeat; // lives as long as the program
    return *beat;
}

SecondBeat::SecondBeat()
{
    timer_.setSingleShot(true);
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
    if (!isSignalConnected(QMetaMethod::fromSignal(&SecondBeat::Beat)))
        return; // nobody listens: the timer stays off until someone connects
    Arm();
    emit Beat();
}

void SecondBeat::Arm()
{
    timer_.start(MillisecondsToNextBeat(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace vl
