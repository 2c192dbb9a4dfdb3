#pragma once
// A data file found damaged while the program runs: a read or write that
// fails as "Invalid Data File" (error 36), wherever it happens (a tick, a
// list, a form, an import, a background check), is passed on once per file
// to the listener the program installs (its frame), which offers to repair
// the file or restore it. The notice is posted to the thread of the
// application object, so a worker thread never shows a box; with no
// listener it is dropped, and the next failure of the file is noticed again.

#include "platform/data/DataError.h"
#include "platform/runtime/ServiceSlot.h"

#include <QString>

namespace vl {

class DamagedFileListener {
public:
    virtual ~DamagedFileListener() = default;
    // path: the data file's absolute path; error: the failure as described
    // ("Invalid Data File (36)").
    virtual void DamagedFileFound(const QString& path, const QString& error) = 0;
};
using DamagedFileListenerOverride = ServiceOverride<DamagedFileListener>;

// The data layer's one report of a failure on the data file at path; only
// error 36 is a damaged file. Any thread.
void NoteDataFileFailure(const QString& path, const DataError& error);

// Tells the listener of a noticed file on the application's thread: at once
// (any thread), or after delayMs (on the application's thread only: a
// listener that cannot offer it now asks to be told again later).
void PostDamagedFile(const QString& path, const QString& error, int delayMs);

// The last changes to the data file at path could not be read: its log is
// damaged, and was kept as copy. On the application's thread, the listener
// offers the repair that takes them back; without one the user is told,
// without waiting for an answer. Any thread.
void NoteUnreadableLog(const QString& path, const QString& copy);

// The file has been repaired or replaced: damage found in it from now on is
// passed on again.
void ForgetDamagedFile(const QString& path);

} // namespace vl
