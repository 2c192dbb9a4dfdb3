#pragma once
// The message program's INI file "pivra.INI" in the data directory (the
// current directory of both programs): the message font of the message
// program and the last forward recipient, which the forward windows of both
// programs share.

#include <QString>

namespace vl {

inline constexpr char kMessageProgramIniName[] = "pivra.INI";

// The file in the current directory, its name matched without regard to case.
QString MessageProgramIniPath();

} // namespace vl
