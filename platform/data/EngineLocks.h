#pragma once
// The storage engine's locks on the data files and their log files, held so
// that nothing else this program does can drop them.
//
// The engine locks a file with record locks of the system, which belong to
// the process: the first close of any descriptor of the file, anywhere in
// the program (a file dialog reading files to learn their types, a copy, a
// check of whether the file is in use), would drop every lock the program
// holds on it, and another program would then find the file unused and
// delete or reset its log under this one. Here the engine's lock calls go
// to one descriptor per file of the program's own, under locks that belong
// to that descriptor: they merge and upgrade among the program's
// connections as the engine expects, other programs see them as before, and
// only the engine's close of its last descriptor of the file ends them.

#include <QString>

#include <sys/types.h>

namespace vl {

// The engine's lock bytes: on a data file, the pending, reserved and shared
// bytes; on its log index, the index's locks and the one every connection
// holds while it is open.
inline constexpr off_t kFileLocksStart = 0x40000000;
inline constexpr off_t kFileLocksLength = 512;
inline constexpr off_t kIndexLocksStart = 120;
inline constexpr off_t kIndexLocksLength = 9;

// Puts the lock table into the engine, once per process; called before the
// engine opens a data file. Any thread.
void InstallEngineLocks();

// Whether the engine has the file at path open in this program.
bool EngineHasOpen(const QString& path);

// Whether a program other than this one holds a lock on the bytes
// [start, start + length) of the file at path. Asked on this program's own
// lock descriptor of the file when the engine has it open here, so the
// question opens and closes nothing.
bool LockedByOtherProgram(const QString& path, off_t start, off_t length);

// The engine's lock of the whole file (no program has it open, and none can
// open it) for as long as it lives; held only by a program that does not
// have the file open itself.
class ExclusiveFileLock {
public:
    explicit ExclusiveFileLock(const QString& path);
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace vl
