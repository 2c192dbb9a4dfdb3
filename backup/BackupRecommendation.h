#pragma once
// The backup manager's one-time recommendation: the files the main program
// wants backed up (the first argument) are recommended once, until the list
// changes. The list last recommended is kept in the backup runner's INI file,
// section "Qestrin", key "LastWarning".

#include "platform/runtime/IniFile.h"

#include <QString>

namespace vl {

// Shows the recommendation when the list is not blank and differs from the
// one last recommended, then stores it. True when it was shown.
bool RecommendBackup(const QString& fileList, IniFile& runnerIni);

} // namespace vl
