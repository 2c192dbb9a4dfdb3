#pragma once
// One scheduler per data directory: the VLMR that holds the lock file in its
// data directory performs the tasks there. In multi-user mode every user name
// has a lock of its own (each user's tasks are theirs); otherwise one lock
// stands for the whole directory, since every VLMR there would perform the
// same tasks. The lock file names its holder's process and host, and a lock
// whose holder has died (killed, crashed) is taken over; one held on another
// computer is taken over only when the user says so.

#include <QLockFile>
#include <QString>

namespace vl {

// The directory as the file system knows it, links resolved: two paths to
// one directory give one name.
QString CanonicalDirectory(const QString& directory);

// The lock's file name in the data directory: "VLMR.LCK" for the whole
// directory (userName blank), or one per user name, named by its hash since
// a user name may hold any character.
QString SchedulerLockName(const QString& userName);

// The session-bus name the holder serves hand-overs under (a name made of the
// hash of both: a path may hold characters no bus name may).
QString SchedulerBusName(const QString& canonicalDirectory, const QString& userName);

// The user name the scheduler runs for, read from the stored settings as the
// frame's start reads them: blank unless in multi-user mode, where it is the
// stored UserID, or the login name when none is stored.
QString SchedulerUserName();

enum class SchedulerClaim {
    Ours,   // this process holds the lock
    Taken,  // a live VLMR holds it
    Unsure, // it cannot be made here (a read-only directory, no such file)
};

class SchedulerLock {
public:
    SchedulerLock(const QString& canonicalDirectory, const QString& userName);

    SchedulerClaim Claim();
    // Gives a lock of this process back (the lock file goes).
    void Release() { file_.unlock(); }
    // Removes a lock file another process left, after the user confirmed that
    // it holds nothing (its holder runs on another computer, where this
    // program cannot tell whether it still lives); Claim may then succeed.
    bool TakeOver() { return file_.removeStaleLockFile(); }
    QString Path() const { return path_; }

    // The holder of a taken lock; pid 0 while its file is still being written.
    struct Holder {
        qint64 pid = 0;
        QString host;
    };
    Holder LockHolder() const;
    QString BusName() const { return busName_; }

private:
    QString path_;
    QString busName_;
    QLockFile file_;
};

} // namespace vl
