#include "message/MessageProgramTables.h"

namespace vl {

namespace {

constexpr int kLockedTries = 10;

} // namespace

bool OpenShared(TableFile& table)
{
    for (int attempt = 0; attempt < kLockedTries; ++attempt) {
        if (table.Open(AccessMode::kReadWrite | AccessMode::kDenyNone))
            return true;
        if (table.ErrorCode() != kIsLocked)
            return false;
    }
    return false;
}

} // namespace vl
