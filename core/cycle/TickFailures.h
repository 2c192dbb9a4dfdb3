#pragma once
// Failures of the scheduler's tick. The tick runs every second and goes on
// after a failure, so each distinct failure is written to the event log and
// shown once, however often it recurs; a program in the notification area
// has no console to tell.

#include <QSet>
#include <QString>

namespace vl {

inline constexpr char kTickFailureLabel[] = "Scheduler Error";

class TickFailures {
public:
    // Logs and shows the failure unless the same message was reported
    // before. After kMostKept distinct messages, new ones are no longer said.
    void Report(const QString& message);

    static constexpr int kMostKept = 100;

private:
    QSet<QString> reported_;
};

} // namespace vl
