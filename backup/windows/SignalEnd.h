#pragma once
// SIGTERM, SIGHUP and SIGINT (TerminationSignals.h) end a backup program as
// its own close does. Every event loop is told to end: the window or box
// open ends as if cancelled, and one opened afterwards does not wait. Work
// already begun on an archive or on the data files is finished first (the
// signals are held meanwhile, HeldSignals.h); nothing new starts after the
// signal. The program body then keeps what its close keeps (its INI file,
// its window's place) and ends with 128 + the signal's number, as a shell
// reports a program a signal ended.

#include "core/session/TerminationSignals.h"

#include <QObject>

namespace vl {

class SignalEnd : public QObject {
public:
    // Catches the signals for its lifetime. One per program.
    SignalEnd();
    ~SignalEnd() override;
    SignalEnd(const SignalEnd&) = delete;
    SignalEnd& operator=(const SignalEnd&) = delete;

    // Whether a signal came; one that arrived while no event loop ran is
    // taken in first. For the program body, between its steps.
    bool Ended() const;
    // 128 + the number of the signal that ended the program; normal when
    // none came.
    int ExitCode(int normal) const;

private:
    TerminationSignals signals_;
    int signal_ = 0; // the first that came
};

} // namespace vl
