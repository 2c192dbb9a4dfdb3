#pragma once
// The frame procedure: registers the core's procedures, shows the program's
// main window and runs the event loop until the user exits. Returns the
// loop's exit code. The program body (ProgramMain) runs it once start-up has
// found the data directory and the dictionary. A damaged main data file
// does not end the program there: the user may repair it, and the frame
// starts again, or restore the data files with the backup program.

#include <QString>

namespace vl {

int Main();

// After a start stopped on the damaged data file at path: opens "Repair
// Files" with the tables kept in that file tagged and repairs them. Returns
// when the user closes the window.
void RepairDamagedFile(const QString& path);

} // namespace vl
