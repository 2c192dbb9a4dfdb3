#pragma once
// Where the running program's executable lies: the companion programs are
// started from this directory, never looked up in the data directory or PATH.

#include <QString>

namespace vl {

// The absolute directory of the running executable (symbolic links resolved).
QString ExecutableDirectory();

// The path of a companion program ("Pivra") beside the running executable.
QString CompanionProgramPath(const QString& name);

} // namespace vl
