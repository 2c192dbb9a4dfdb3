#pragma once
// A start of VLMR where another one already performs the tasks of the data
// directory (SchedulerLock.h): its command line goes over the session bus to
// the running one, which brings its frame forward, and this start ends
// before any frame or task of its own. The running one serves the hand-over
// under the bus name of its lock.

#include "core/startup/SchedulerLock.h"

#include <QStringList>
#include <QThread>

#include <functional>
#include <memory>

namespace vl {

class PromptService;

inline constexpr char kSchedulerBusPath[] = "/Scheduler";
inline constexpr char kSchedulerBusInterface[] = "org.velmora.VLMR.Scheduler";
inline constexpr char kSchedulerHandOverMethod[] = "HandOver";

// Hands the arguments to the scheduler serving busName; true once it took them.
using SchedulerHandOver = std::function<bool(const QString& busName, const QStringList& arguments)>;
// The real one: a call on the session bus.
bool HandOverOverSessionBus(const QString& busName, const QStringList& arguments);

enum class SchedulerStart {
    Run,           // the lock is this process's
    RunUnsure,     // no lock could be made: runs, and the frame says so
    HandedOver,    // the running scheduler took the command line
    RunsElsewhere, // it runs, out of this session's reach (said, naming its host and process)
};

// Claims the lock; when a live VLMR holds it, hands the arguments over. A
// holder of this user on this host that has not begun serving yet (it is
// still starting) is asked again for a few seconds; one that cannot be
// reached is named in a message. A holder on another computer is named with
// the lock file, and its lock taken over when the user answers Yes.
SchedulerStart StartScheduler(PromptService& prompt, SchedulerLock& lock, const QStringList& arguments,
                              const SchedulerHandOver& handOver = HandOverOverSessionBus);

// Reaches the session bus on a thread of its own while the program starts:
// the first window's accessibility asks for it, and reaching it (or finding
// there is none) would hold the window back. The end waits for the thread,
// so it never outlives the application.
class SessionBusReach {
public:
    SessionBusReach();
    ~SessionBusReach();
    SessionBusReach(const SessionBusReach&) = delete;
    SessionBusReach& operator=(const SessionBusReach&) = delete;

private:
    std::unique_ptr<QThread> thread_;
};

// The program's start, before any table opens: when a scheduler of the
// whole directory runs (not in multi-user mode), hands over to it. The lock
// it takes is kept for the claim when the settings name the same one, else
// given back then.
SchedulerStart ProbeDirectoryScheduler(PromptService& prompt, const QString& dataDirectory);
// The program's claim once its settings can be read: the lock of its user
// name (blank unless in multi-user mode), kept until ReleaseProgramScheduler.
SchedulerStart ClaimProgramScheduler(PromptService& prompt, const QString& dataDirectory, const QString& userName);
void ReleaseProgramScheduler();
// The bus name the frame serves hand-overs under; empty when the program
// holds no lock.
QString ProgramSchedulerBusName();
// True when the start could not make sure that no other VLMR performs the
// tasks of this data directory.
bool ProgramSchedulerUnsure();
// The frame's status bar says so, its tip why.
inline constexpr char kSchedulerUnsureText[] = "Could not make sure it is the only VLMR";
inline constexpr char kSchedulerUnsureTip[] =
    "No lock file can be made in the data directory: another VLMR may perform the same tasks.";

} // namespace vl
