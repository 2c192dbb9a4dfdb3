#pragma once
// Repair of a damaged data file. The file is checked; when it is damaged,
// every record that can still be read is copied into a new file beside it,
// the new file is checked, the damaged file is kept as a copy, and only then
// does the new content replace the old, in one transaction of the file
// itself. Any failure on the way (a full disk, a file another program
// holds) leaves the original exactly as it was.

#include "platform/data/DataError.h"

#include <QStringList>

#include <cstdint>
#include <functional>

namespace vl {

struct DataFileRepair {
    QStringList findings;     // what the check found; empty: the file is sound
    bool replaced = false;    // the file now holds the records read back
    int64_t recordsKept = 0;  // records copied into the repaired file
    int unreadablePlaces = 0; // stretches of records that could not be read
    QString damagedCopy;      // where the damaged file was kept
};

// Checks the data file at path and repairs it when damaged. The work needs
// the file to itself: while another program (or another table of this one)
// has it open, it fails with error 32 after the lock wait. progress, when
// given, hears the share of the tables copied (0-100).
DataError RepairDataFile(const QString& path, DataFileRepair& result,
                         const std::function<void(int percent)>& progress = {});

} // namespace vl
