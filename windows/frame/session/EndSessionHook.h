#pragma once
// The end of the desktop session as the frame sees it. The session manager
// first asks whether the session may end (Qt's commitDataRequest); the
// window's thread then receives event 1041, and the hook answers with the
// answer it was attached with, without asking the window. When the session
// then ends (the session manager tells the program to quit), the window's
// thread receives 1046; SIGTERM and SIGHUP bring it 1041 and 1046 at once.
// Either way the hook then sets the termination request (no box asks
// anything from then on) and ends the program: SessionEnding lets the window
// save what it must, and the event loop ends without the frame's close steps,
// so that no question and no "minimise instead of closing" can hold up the
// logout.
//
// One hook per process; the frame attaches it while it is open.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QSessionManager;

namespace vl {

class TerminationSignals;

class EndSessionHook : public QObject {
    Q_OBJECT
public:
    EndSessionHook();
    ~EndSessionHook() override;

    // Starts listening for the window. sessionMayEnd answers the session
    // manager's question (the frame lets the session end).
    void Attach(QWidget* window, bool sessionMayEnd);
    // Stops listening; the signals get their previous handling back.
    void Detach();
    bool Attached() const { return window_ != nullptr; }

    // The session asks whether it may end: posts 1041 to the window and
    // returns the answer. A yes lets the session manager's quit end the
    // program without closing its windows.
    bool QueryEnd();
    // The session ends, or the program is told to terminate: posts 1046,
    // emits SessionEnding and ends the program (SetQuit).
    void End();

    // How the program ends; by default the event loop ends with exit code 0.
    void SetQuit(std::function<void()> quit) { quit_ = std::move(quit); }

signals:
    // The program is about to end without its close steps: save now.
    void SessionEnding();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CommitData(QSessionManager& manager);

    QPointer<QWidget> window_;
    bool sessionMayEnd_ = true;
    bool endAllowed_ = false;  // the session manager was told it may end
    std::function<void()> quit_;
    std::unique_ptr<TerminationSignals> signals_;
    QList<QMetaObject::Connection> connections_;
};

} // namespace vl
