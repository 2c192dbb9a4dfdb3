#pragma once
// Modules of the program's own: libraries only some runs need (sound
// output, printing), built beside the programs and loaded at first use, so
// that the large libraries they stand on load only with them.

#include <QString>
#include <QStringList>

namespace vl {

// Where the modules are looked for: the program's own folder, then the
// programs' folder of the build (tests run beside it).
QStringList ProgramModuleFolders();

// The entry point `entry` of the module `file` from the first folder that
// has it; nullptr when none has. A loaded module stays loaded.
QFunctionPointer ResolveProgramModule(const QStringList& folders, const QString& file, const char* entry);

} // namespace vl
