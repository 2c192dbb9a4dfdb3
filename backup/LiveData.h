#pragma once
// Live data: the files the programs work on, which a damaged data file must
// never replace. A data file is live in any folder that holds the programs'
// data (the main data file beside one of its companions: another data file
// of the programs, the main program's settings, positions, event log or
// lock), wherever that folder lies; in the data directory a start of the
// main program in the current directory or in the installation directory
// finds; and wherever a program has it open through the data file layer.

#include <QString>

namespace vl {

// Whether the folder holds the programs' data.
bool HoldsProgramsData(const QString& dir);

// Why a damaged data file must not be put at target (a file's path, which
// may not exist yet): it would be live data there. Empty when it would not.
QString LiveDataAt(const QString& target);

} // namespace vl
