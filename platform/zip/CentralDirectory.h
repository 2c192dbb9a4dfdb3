#pragma once
// Fields of the archive's central directory that libzip reads but does not
// hand out: the general purpose flags (the deflate option), the MS-DOS date
// and time as stored, and the disk an entry starts on.

#include <QList>
#include <QString>

#include <cstdint>

namespace vl {

struct CentralRecord {
    uint16_t flags = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint16_t disk = 0;
};

// The records in central directory order; empty when the directory cannot be
// found or read (the caller then does without these fields).
QList<CentralRecord> ReadCentralDirectory(const QString& archive);

} // namespace vl
