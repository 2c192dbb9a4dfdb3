#include "platform/process/ChildProcesses.h"

#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace vl {
namespace {

struct Child {
    bool ended = false;
    int exitCode = kStillActive;
    bool released = false; // released while running, but no waiting thread could be started
};

std::mutex gMutex;
std::map<pid_t, Child> gChildren;

int DecodeStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return kExitCodeUnknown;
}

// Asks once, without blocking, whether the child has ended, and reaps it if so.
void Poll(pid_t pid, Child& child)
{
    if (child.ended)
        return;
    int status = 0;
    pid_t done = 0;
    do
        done = waitpid(pid, &status, WNOHANG);
    while (done < 0 && errno == EINTR);
    if (done == 0)
        return;
    child.ended = true;
    // Someone else reaped it (ECHILD): its code is lost.
    child.exitCode = done == pid ? DecodeStatus(status) : kExitCodeUnknown;
}

// Reaps the released children that have ended since. Called with the lock held.
void SweepReleased()
{
    for (auto it = gChildren.begin(); it != gChildren.end();) {
        if (it->second.released)
            Poll(it->first, it->second);
        it = it->second.released && it->second.ended ? gChildren.erase(it) : std::next(it);
    }
}

} // namespace

int ChildExitCode(qint64 pid)
{
    std::lock_guard lock(gMutex);
    SweepReleased();
    const auto it = gChildren.find(static_cast<pid_t>(pid));
    if (it == gChildren.end() || it->second.released)
        return kExitCodeUnknown;
    Poll(it->first, it->second);
    return it->second.exitCode;
}

void ReleaseChild(qint64 pid)
{
    std::lock_guard lock(gMutex);
    const auto it = gChildren.find(static_cast<pid_t>(pid));
    if (it == gChildren.end() || it->second.released)
        return;
    Poll(it->first, it->second);
    if (it->second.ended) {
        gChildren.erase(it);
        return;
    }
    try {
        std::thread([child = it->first] { ReapChildNow(child); }).detach();
        gChildren.erase(it);
    } catch (const std::system_error&) {
        it->second.released = true; // no thread to spare: reaped by a later sweep
    }
}

void AdoptChild(qint64 pid)
{
    std::lock_guard lock(gMutex);
    SweepReleased();
    gChildren[static_cast<pid_t>(pid)] = Child{};
}

void ReapChildNow(qint64 pid)
{
    while (waitpid(static_cast<pid_t>(pid), nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace vl
