#pragma once
// Appends record lines to a text file that more than one process writes at
// once (the event log): each line lands whole, after every line written
// before it, never mixed with another writer's line.

#include <QString>

#include <chrono>

namespace vl {

// How long AppendLine waits for another writer's lock before it writes anyway.
inline constexpr std::chrono::milliseconds kAppendLockWait{2000};

// Appends the line and a line feed to the file (created when missing; a
// relative path names a file in the current directory). The line goes out
// UTF-8 encoded in one write(2) on a file opened for appending, under an
// advisory lock on the file. The lock only orders writers: when another
// writer holds it longer than lockWait, the line is written all the same,
// still in one appending write. Line breaks inside the line become blanks so
// that one call is always one line. False when the file cannot be opened or
// the line cannot be written; a write that stopped half-way (a full disk)
// is taken back when the lock was held, so no partial line stays behind.
bool AppendLine(const QString& path, const QString& line,
                std::chrono::milliseconds lockWait = kAppendLockWait);

} // namespace vl
