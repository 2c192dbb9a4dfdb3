#pragma once
// The write-ahead log of a data file (its "-wal"), read frame by frame
// without the engine and checked as it is read. The engine reads a log only
// up to its first frame that does not check, and not at all when the log's
// header does not: the commits after such a frame are dropped without a
// word, and its next write overwrites them. Here every frame is checked on
// its own (its checksum runs on from the one stored in the frame before
// it), so that the intact frames of every commit can still be read, and a
// log damaged before its last commit is told apart from the torn tail a
// killed program leaves after it, which is normal.
//
// Every read stays within the log's real length.

#include <QStringList>

#include <cstdint>
#include <map>

namespace vl {

struct LogFrames {
    // The header does not check, or a frame that does not check comes
    // before the last commit: changes the engine would drop.
    bool damaged = false;
    int pageSize = 0;
    // The data file's length in pages after the last whole commit (0: none).
    uint32_t filePages = 0;
    // Page number: where the latest copy of the page in a whole commit (one
    // whose every frame checks; never a part of one) starts in the log, for
    // the pages within the file's length after the last whole commit.
    std::map<uint32_t, int64_t> pages;
    // The length of the log the engine reads: up to the last commit before
    // the first frame that does not check (0 when the header does not).
    int64_t engineReads = 0;
};

// Reads the log at logPath. pageSize: the data file's own, for a log whose
// header does not read (0: unknown).
LogFrames ReadLogFrames(const QString& logPath, int pageSize);

// Before an open of the data file at path while no program has it open (under the engine's lock of the whole file, so two
// programs never do it at once): a damaged log is copied beside it under the
// first free name of "<path>-wal.damaged", "<path>-wal.damaged2", ... and
// then cut to what the engine reads of it, so that no later write of the
// engine mixes with its unread commits. Returns the copy's path; empty when
// the log is sound, absent or in use, or no copy could be made (the log
// then stays as it is).
QString SetAsideDamagedLog(const QString& path);

// The copies of the log of the data file at path that SetAsideDamagedLog
// made and no repair has taken back yet, by path, the newest first.
QStringList SetAsideLogsOf(const QString& path);

} // namespace vl
