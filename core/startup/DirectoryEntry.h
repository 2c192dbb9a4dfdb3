#pragma once
// Whether this user can keep the data in a directory: enter it and list its
// files. A directory the user may not write is still used, read-only
// (WritableDataDirectory.h); one the user cannot enter or list is refused,
// since the program would find none of its data there and go on with empty
// data in whatever directory it was in.

#include "platform/runtime/ServiceSlot.h"

#include <QString>

namespace vl {

class DirectoryEntry {
public:
    virtual ~DirectoryEntry() = default;
    // 0 when the directory can be entered and listed, else the system's
    // error number (ENOENT, ENOTDIR, EACCES, ...).
    virtual int EntryError(const QString& directory) const = 0;
};
const DirectoryEntry& CurrentDirectoryEntry();
// Tests install another answer, since root may enter any directory.
using DirectoryEntryOverride = ServiceOverride<const DirectoryEntry>;

// Makes the directory current: 0, or the system's error number that says
// why it cannot be.
int EnterDirectory(const QString& directory);

// Names the directory that cannot be used and why, in the system's words.
QString UnusableDirectoryText(const QString& directory, int error);
inline constexpr char kUnusableDirectoryCaption[] = "Data Directory Cannot Be Opened";

} // namespace vl
