#pragma once
// The base of every record struct: the hidden record pointer that ties a
// record buffer to its stored row.

#include <cstdint>

namespace vl {

struct RecordBase {
    // Position of the record in its file (file order); 0 = not read from a
    // file. Set by reads and by Add; Put and Delete address the row by it.
    int64_t RecordPointer = 0;
};

} // namespace vl
