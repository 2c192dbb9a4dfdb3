#pragma once
// Logical threads. Every list, wizard, report and tool is a top-level window
// on the one GUI thread; the registry gives each such window a thread number
// so that others can post it numbered events. It also keeps
// - one window per procedure name (a second start brings the open one
//   forward with event 518 instead of opening another), and
// - groups of threads that are told things together (the open task lists).
// A registered window is deleted when it closes, and its thread number,
// procedure name and group memberships end with it.

#include "platform/ui/ThreadPost.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace vl {

struct ProcedureStart {
    int thread = 0;       // the procedure's thread (0 when the factory made no window)
    bool opened = false;  // false: it was already open and has been brought forward
};

class ThreadRegistry : public QObject, public ThreadPost {
    Q_OBJECT
public:
    // The frame's thread; other windows post to it by this number.
    static constexpr int kFrameThread = 1;

    using WindowFactory = std::function<QWidget*()>;

    ThreadRegistry() = default;

    // Registers the frame as thread 1 (0 when that number is taken).
    int RegisterFrame(QWidget* frame);
    // Registers a top-level window under a new thread number, which it keeps
    // until it is destroyed. A window registered twice keeps its number.
    int Register(QWidget* window);
    QWidget* Window(int thread) const;
    // The window's thread number, or 0.
    int ThreadOf(const QWidget* window) const;

    // Posts the number to the thread's window; false when no such thread.
    bool Post(int thread, int eventNumber) const override;

    // Opens a procedure's window unless one is open: then posts it event 518
    // and creates nothing. The new window is registered under the name and
    // shown.
    ProcedureStart StartProcedure(const QString& procedure, const WindowFactory& create);
    // The thread of the open procedure, or 0.
    int ProcedureThread(const QString& procedure) const;
    // The procedure the thread's window was started as, or empty.
    QString ProcedureOf(int thread) const;
    // The threads of the windows now open, the frame's included.
    QList<int> OpenThreads() const;

    void Join(ThreadGroup group, int thread);
    void Leave(ThreadGroup group, int thread);
    QList<int> Members(ThreadGroup group) const;
    // Posts the number to every member of the group; returns how many.
    int Broadcast(ThreadGroup group, int eventNumber) const override;

private:
    int Add(QWidget* window, int thread);
    void Forget(int thread);

    int nextThread_ = kFrameThread + 1;
    std::map<int, QPointer<QWidget>> windows_;
    QHash<QString, int> procedures_;
    QHash<ThreadGroup, QList<int>> groups_;
};

// The program-wide registry; from its creation on it is also the program's
// ThreadPost, through which logic reaches the windows.
ThreadRegistry& Threads();

} // namespace vl
