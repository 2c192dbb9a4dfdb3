#pragma once
// The body of the message program Pivra, started by the main program with
// "ID=" and the number of a hand-over record, in the data directory: takes
// the record, shows its message until the user is done with it, and keeps
// the message font in "pivra.INI". Several copies may run at once, each with
// its own message.

#include <QStringList>

namespace vl {

// Runs once per process, after the application object exists; returns the
// process's exit code (0, also when there was no message to show).
int MessageProgramMain(const QStringList& arguments);

} // namespace vl
