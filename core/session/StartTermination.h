#pragma once
// A termination signal (TerminationSignals.h) that arrives while the program
// starts, before its frame listens: the dialog or box then open ends (every
// event loop is told to end) with no answer, and the start ends with exit
// code 0 before it writes anything more. The program body holds one for its
// whole run; the frame's end-of-session hook catches the signals while the
// frame is open. Either sets the program's termination request
// (TerminationRequest.h): the start goes no further, and what runs between
// the frame's runs (the repair of a damaged file) ends too.

#include "platform/ui/TerminationRequest.h"

#include <QObject>

namespace vl {

class TerminationSignals;

class StartTermination : public QObject {
    Q_OBJECT
public:
    // A new run starts without the termination request of a run before.
    StartTermination();
    ~StartTermination() override;
    StartTermination(const StartTermination&) = delete;
    StartTermination& operator=(const StartTermination&) = delete;

private:
    TerminationSignals* signals_;
};

} // namespace vl
