#pragma once
// SIGTERM and SIGHUP (the desktop session or the system ending the program)
// and SIGINT (Ctrl+C in the terminal it was started from) reach the GUI
// thread as a Qt signal. The handler only writes the signal's
// number to a pipe; a socket notifier reads it on the GUI thread, where it
// is safe to act. One object at a time catches the signals; the handlers it
// replaced are put back when it is destroyed.

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

    // False when the signals could not be caught (another object catches
    // them, or no pipe could be made): they keep their previous handling.
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
