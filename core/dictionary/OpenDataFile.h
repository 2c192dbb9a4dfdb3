#pragma once
// The program's own way of opening a table, used where an open failure must
// not go unnoticed (the frame's start-up, the message hand-over, the event
// log, the advance warnings, imports, exports and reports): it retries a
// locked file once, creates a missing file when asked, offers to rebuild
// damaged keys, and otherwise explains the failure and ends the program.
// Nothing is deleted or recreated without the user's yes: a file that is no
// data file or is damaged (named with its full path, and with the repair and
// the restore the program offers), or one written by a newer version, is
// left as it is.

#include <QString>

#include "platform/data/TableFile.h"

namespace vl {

// Opens the table. create: make the file when it is missing; quiet: neither
// create nor report a missing file here (it then ends in warning 30);
// accessMode: the runtime's open mode; exclusive: open read-write, not shared,
// whatever the mode says. True when the table is open (also when it was open
// already); false when the program has been asked to stop (StopProgram) after
// the user was told why; the caller then returns at once.
bool OpenDataFile(TableFile& file, bool create, bool quiet, int accessMode, bool exclusive);

// The text an upgrade error leaves in the clipboard for the user's report:
// a line break, "Error:  " with the error text, a line break, "Path:  " with
// the data directory, and a closing line break.
QString UpgradeErrorClipboardText(const QString& errorText, const QString& directory);

} // namespace vl
