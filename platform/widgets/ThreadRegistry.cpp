#include "platform/widgets/ThreadRegistry.h"

#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"

namespace vl {

int ThreadRegistry::RegisterFrame(QWidget* frame)
{
    if (const int existing = ThreadOf(frame))
        return existing == kFrameThread ? existing : 0;
    if (windows_.count(kFrameThread))
        return 0;
    return Add(frame, kFrameThread);
}

int ThreadRegistry::Register(QWidget* window)
{
    if (const int existing = ThreadOf(window))
        return existing;
    return Add(window, nextThread_++);
}

int ThreadRegistry::Add(QWidget* window, int thread)
{
    windows_[thread] = window;
    // The window's life is the thread's life.
    window->setAttribute(Qt::WA_DeleteOnClose);
    NumberedEvents::Of(window);
    connect(window, &QObject::destroyed, this, [this, thread] { Forget(thread); });
    return thread;
}

void ThreadRegistry::Forget(int thread)
{
    windows_.erase(thread);
    for (auto it = procedures_.begin(); it != procedures_.end();) {
        if (it.value() == thread)
            it = procedures_.erase(it);
        else
            ++it;
    }
    for (QList<int>& members : groups_)
        members.removeAll(thread);
}

QWidget* ThreadRegistry::Window(int thread) const
{
    const auto it = windows_.find(thread);
    return it == windows_.end() ? nullptr : it->second.data();
}

int ThreadRegistry::ThreadOf(const QWidget* window) const
{
    for (const auto& [thread, registered] : windows_) {
        if (registered == window)
            return thread;
    }
    return 0;
}

bool ThreadRegistry::Post(int thread, int eventNumber) const
{
    QWidget* window = Window(thread);
    if (!window)
        return false;
    PostNumberedEvent(window, eventNumber);
    return true;
}

ProcedureStart ThreadRegistry::StartProcedure(const QString& procedure, const WindowFactory& create)
{
    if (const int open = ProcedureThread(procedure)) {
        Post(open, EventNumber::kBringForward);
        return {open, false};
    }
    QWidget* window = create();
    if (!window)
        return {};
    const int thread = Register(window);
    procedures_.insert(procedure, thread);
    window->show();
    return {thread, true};
}

int ThreadRegistry::ProcedureThread(const QString& procedure) const
{
    return procedures_.value(procedure, 0);
}

QString ThreadRegistry::ProcedureOf(int thread) const
{
    return procedures_.key(thread);
}

QList<int> ThreadRegistry::OpenThreads() const
{
    QList<int> open;
    for (const auto& [thread, window] : windows_) {
        if (window)
            open << thread;
    }
    return open;
}

void ThreadRegistry::Join(ThreadGroup group, int thread)
{
    QList<int>& members = groups_[group];
    if (Window(thread) && !members.contains(thread))
        members << thread;
}

void ThreadRegistry::Leave(ThreadGroup group, int thread)
{
    groups_[group].removeAll(thread);
}

QList<int> ThreadRegistry::Members(ThreadGroup group) const
{
    return groups_.value(group);
}

int ThreadRegistry::Broadcast(ThreadGroup group, int eventNumber) const
{
    int reached = 0;
    for (const int thread : groups_.value(group)) {
        if (Post(thread, eventNumber))
            ++reached;
    }
    return reached;
}

ThreadRegistry& Threads()
{
    static ThreadRegistry registry;
    static ThreadPostOverride installed(registry);
    return registry;
}

} // namespace vl
