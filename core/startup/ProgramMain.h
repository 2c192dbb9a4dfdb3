#pragma once
// The body of the main program: finds the data directory (and says so when
// it cannot be written), makes sure it is the only scheduler there (a start
// where another already runs hands over to it and ends), sets up the
// program-wide objects (window-position INI file, data dictionary, the
// BadFile record of table opens, the query dialog's texts), runs the frame
// procedure it is handed and releases everything again when it returns.

#include "platform/runtime/IniFile.h"

#include <functional>

namespace vl {

inline constexpr char kPositionIniName[] = "POSITION.INI";

// Runs once per process, after the application object exists; returns the
// process's exit code. frame shows the main window and runs the event loop
// (Main, windows/frame/frame/Main.h); it is not run when start-up stopped.
// beforeData runs once the data directory is known, before any data file
// is opened (the program finishes a restore stopped part way there).
int ProgramMain(const std::function<int()>& frame,
                const std::function<void(const QString& dataDirectory)>& beforeData = {});

// The window-position INI file (POSITION.INI in the data directory); only
// while ProgramMain runs the frame.
IniFile& PositionIni();

} // namespace vl
