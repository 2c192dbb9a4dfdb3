#pragma once
// SIGTERM and SIGHUP (the desktop session or the system ending the program)
// and SIGINT (Ctrl+C in the terminal it was started from) reach the GUI
// thread as a Qt signal. The handler only writes the signal's
// number to a pipe; a socket notifier reads it on the GUI thread, where it
// is safe to act. The newest object catches the signals (the program's start
// has one, the frame's end-of-session hook another while it listens); when
// it goes, the one made before it catches them again, and when the last one
// goes the handlers they replaced are put back.

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace vl {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when no pipe could be made: the signals keep their handling.
    bool Catching() const { return catching_; }

signals:
    void Received(int signalNumber);

private:
    void ReadPipe();

    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    bool catching_ = false;
};

} // namespace vl
