#pragma once
// Ending the program after a condition it cannot go on from (a data file that
// cannot be opened or converted): the reason is shown, the event loop is told
// to quit when it runs, and start-up does not go on to its next step. The
// caller returns at once after asking for the stop; nothing is cut off in the
// middle of a write.

#include <QString>

namespace vl {

// Shows the reason (caption "Velmora 2000") and asks the program to end.
// Only the first request of a run counts; later ones are ignored.
void StopProgram(const QString& reason);
// The same, with the reason as the box's caption over a text that says what
// failed and what the user can do.
void StopProgram(const QString& reason, const QString& text);

// A data file that cannot be read (damaged, or no data file at all): the
// program stops as above, but without the box: the program body offers the
// file's repair or its restore from a backup, which need the file closed,
// with the reason as their text.
void StopProgramForDamagedFile(const QString& path, const QString& reason);

// Whether a stop has been asked for in this run, and its reason.
bool ProgramStopRequested();
QString ProgramStopReason();
// The data file that stopped it as damaged (empty for any other stop).
QString DamagedDataFile();

// Forgets an earlier stop request (each test starts afresh).
void ResetProgramStop();

} // namespace vl
