#pragma once
// A termination signal (TerminationSignals.h) that arrives while the program
// starts, before its frame listens: the dialog or box then open ends as if
// cancelled (every event loop is told to end), and the start ends with exit
// code 0 before it writes anything more. The program body holds one for its
// whole run; the frame's end-of-session hook catches the signals while the
// frame is open.

#include <QObject>

namespace vl {

class TerminationSignals;

class StartTermination : public QObject {
    Q_OBJECT
public:
    StartTermination();
    ~StartTermination() override;
    StartTermination(const StartTermination&) = delete;
    StartTermination& operator=(const StartTermination&) = delete;

private:
    TerminationSignals* signals_;
};

// Whether a signal reached the StartTermination of this run (a new one
// starts afresh): the start goes no further, and what runs between the
// frame's runs (the repair of a damaged file) ends too.
bool TerminationRequested();

} // namespace vl
