#pragma once
// The pages a program's start touched in its code and read-only files (its
// own executable, the libraries, fonts) go back to the system's file cache
// when asked: a program that then waits in the notification area holds only
// the pages its waiting uses, and the kernel maps again from the cache any
// other page it needs later. Its heap and other written memory stay as they
// are: only pages that the files hold unchanged are given back.

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace vl {

struct MappedRange {
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;

    bool operator==(const MappedRange&) const = default;
};

// The private, read-only mappings of files in a listing of /proc/<pid>/maps.
std::vector<MappedRange> ReadOnlyFileMappings(const QByteArray& maps);

// Gives this process's read-only file pages back (where the kernel can);
// the number of mappings given back.
int ReleaseReadOnlyFilePages();

} // namespace vl
