#pragma once
// The copy of the main data file that a bug report carries: a consistent
// snapshot of the live file (the commits still in its log included), from
// which every stored password has been cleared before it leaves the machine:
// the news passwords of stored messages and the FTP passwords of "File
// Actions" script steps. The copy is then packed, so no cleared text stays
// behind in its free space. Everything else is kept as it is.

#include "platform/data/DataError.h"

#include <QString>

namespace vl {

// Copies the data file at path to target (replaced when it exists) and clears
// the passwords in the copy; the live file is never changed. On failure the
// target is removed.
DataError CopyDataFileForReport(const QString& path, const QString& target);

} // namespace vl
