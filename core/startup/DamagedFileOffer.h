#pragma once
// What the start offers when the main data file cannot be read (damaged, or
// no data file at all): repairing it in the "Repair Files" window, restoring
// the data files from a backup with the backup program, or ending. Either
// way out needs the file closed, so the frame is not running while it is
// asked.

#include "platform/process/ProcessStart.h"

#include <QString>

#include <functional>

namespace vl {

class PromptService;

inline constexpr char kDamagedFileCaption[] = "Damaged Data File";
inline constexpr char kBackupRunnerName[] = "Halvex";

enum class DamagedFileChoice { Repair, Restore, Exit };

// Asks what to do: the reason (which names the file and its error), then
// "&Repair", "Re&store" or "E&xit".
DamagedFileChoice AskAboutDamagedFile(PromptService& prompt, const QString& reason);

// Starts the backup runner beside this program's executable in the damaged
// file's directory, on its main data file ("VLDB.TPS"), without tying it to
// this program, which ends so that the restore may replace the files. The
// user is told when it cannot start. start: the way programs are started.
bool StartRestore(PromptService& prompt, const QString& damagedFile,
                  const std::function<RunResult(const ProgramStart&)>& start = StartDetached);

} // namespace vl
