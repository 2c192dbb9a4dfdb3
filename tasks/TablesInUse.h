#pragma once
// The program's tables a window uses: opened when the window opens, closed
// when it closes. A table that cannot be opened is reported ("File Access
// Error") and the ones opened before it are closed again.

#include "platform/data/TableFile.h"

#include <initializer_list>
#include <vector>

namespace vl {

class TablesInUse {
public:
    TablesInUse() = default;
    ~TablesInUse() { Close(); }
    TablesInUse(const TablesInUse&) = delete;
    TablesInUse& operator=(const TablesInUse&) = delete;

    // False when one of them could not be opened (shown to the user).
    bool Open(std::initializer_list<TableFile*> tables);
    void Close();

private:
    std::vector<TableFile*> open_;
};

} // namespace vl
