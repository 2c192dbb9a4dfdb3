#pragma once
// How logic tells the program's windows something without knowing them: a
// numbered event (EventNumbers.h) posted to one logical thread or to a group
// of them. The window registry of a program with windows
// (platform/widgets/ThreadRegistry.h) serves it from its creation on;
// before that, and in a program without windows, nobody is reached.

#include "platform/runtime/ServiceSlot.h"

namespace vl {

enum class ThreadGroup {
    TaskLists, // the open task lists, refreshed together by event 1090
};

class ThreadPost {
public:
    virtual ~ThreadPost() = default;
    // Posts the number to the thread's window; false when no such thread.
    virtual bool Post(int thread, int eventNumber) const = 0;
    // Posts the number to every member of the group; returns how many.
    virtual int Broadcast(ThreadGroup group, int eventNumber) const = 0;
};

// The poster in use: the installed one, else one that reaches nobody.
ThreadPost& CurrentThreadPost();

// Installs a poster for the lifetime of this object, restoring the previous
// one afterwards.
using ThreadPostOverride = ServiceOverride<ThreadPost>;

} // namespace vl
