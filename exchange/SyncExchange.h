#pragma once
// The synchronisation file between two installations: one file holding three
// tables, the tasks (with a next run) and their script items, and the whole
// to-do list.
//
// Sending replaces the file with the local state. Receiving merges a file
// into the local tables: an incoming task meets the local tasks of the same
// type, description and category; a local one changed later than the
// incoming one is kept, any other is deleted with its script items, and the
// incoming task is added under a new ID (with its items, numbered 1, 2, 3 ...)
// unless a later local version was met: of the versions met, only the
// newest stays. A local task changed at the
// same moment is that very version: the incoming task then changes nothing,
// so receiving the file one has just sent leaves every table as it was. An
// incoming to-do item replaces the local items of the same text changed
// earlier, is dropped beside one changed later or at the same moment (and
// then replaces nothing), and is added when its text is new.
//
// Both run whole or not at all: a write that fails, or a cancel, leaves the local tables
// as they were (receiving), or the earlier file in place (sending: the new
// file is written under another name and renamed over it when complete); so
// does a table that cannot be read to its end (a damaged page), and the error
// names the file. An incoming task or to-do item the table's field checks
// refuse (a to-do priority outside 1 to 10) is left out, with the local
// versions kept, and named in the outcome. Receiving never changes the file
// it reads (ReceivedSyncFile.h): one this program cannot read as a
// synchronisation file (empty, text, another program's database, a data
// file without the three tables) is refused with the reason.

#include <QString>
#include <QStringList>

#include <functional>

namespace vl {

inline constexpr char kSyncDialogFilter[] = "Synchronization Files|*.SYN";
inline constexpr char kSyncSendDialogTitle[] = "File to Send to...";
inline constexpr char kSyncReceiveDialogTitle[] = "File to Receive from...";

// The file part of a chosen name: the text before any "\!".
QString SyncFilePart(const QString& chosen);

struct SyncOutcome {
    bool ok = false;
    bool cancelled = false; // nothing of the run was kept
    QString error;       // what failed; nothing of the run was kept
    int tasks = 0;       // tasks written or added
    int todos = 0;       // to-do items written or added
    QStringList refused; // incoming to-do items left out, with the reason
};

// The dictionary's tables must be started. Writes the event-log line
// ("SyncSend" / "SyncReceive") and points the synchronisation tables at the
// file before opening them.
// Reports the percentage done (0-100) as it grows; false cancels.
using SyncProgress = std::function<bool(int percent)>;

SyncOutcome SyncSend(const QString& file, const SyncProgress& progress = {});
SyncOutcome SyncReceive(const QString& file, const SyncProgress& progress = {});

} // namespace vl
