#pragma once
// libzip's errors turned into the zip libraries' codes (inside platform/zip).

#include "platform/zip/ZipError.h"

#include <zip.h>

namespace vl {

// The code of a libzip error; failures that the system blames on a full
// disk, a quota or a file size limit are "Disk full error".
ZipResult FromLibzip(zip_error_t* error, const QString& about);
ZipResult FromLibzipCode(int libzipCode, const QString& about);

// Opens an archive; a missing or empty file is a new archive when create
// is set, and is refused otherwise.
zip_t* OpenArchive(const QString& archive, bool create, ZipResult& result);

} // namespace vl
