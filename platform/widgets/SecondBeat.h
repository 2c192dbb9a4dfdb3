#pragma once
// The one wake-up a second of a program with windows. Every job that looks
// once a second (the frame's idle ticks, the lists' look at their tables, the
// notification area's availability) runs on this beat instead of a timer of
// its own, so a program that does nothing wakes once a second, not once per
// job. The beat comes just after the wall clock's second turns: a clock shown
// on it is never a second behind. The timer runs only while a receiver is
// connected.
//
//     connect(&SecondBeat::Instance(), &SecondBeat::Beat, this, &Watch::Look);

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace vl {

// Milliseconds from a moment (milliseconds since the epoch) to the next beat.
int MillisecondsToNextBeat(int64_t msSinceEpoch);

class SecondBeat : public QObject {
    Q_OBJECT
public:
    static SecondBeat& Instance();
    // True while the beat's timer runs.
    bool Running() const { return timer_.isActive(); }

signals:
    // Emitted once a second; tests emit it to stand for a second passing.
    void Beat();

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    SecondBeat();
    void Fire();
    void Arm();

    QTimer timer_;
};

} // namespace vl
