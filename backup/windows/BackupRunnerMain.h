#pragma once
// The backup runner's program body: reads the command line; run unattended
// it performs the operation and reports on the error output, otherwise it
// shows the window "Backup / Restore" and keeps its choices in "Halvex.INI".
// Returns the program's exit status: 0 done, 1 failed, 2 a bad command line.

namespace vl {

int BackupRunnerMain(int argc, char** argv);

} // namespace vl
