#pragma once
// A process-wide hook around every physical open of a table: the program
// records the table before the open and clears the record after it, so that
// a run that dies while opening (or converting) a file leaves the name behind
// and the next start can offer a repair.

#include <functional>

#include <QString>

namespace vl {

struct OpenGuard {
    std::function<void(const QString& fileName)> beforeOpen; // the table's file name
    std::function<void()> afterOpen; // called whether the open succeeded or failed
};

// Installs the hook (set once at start-up, before tables are opened; an empty
// guard removes it). Called on the thread that opens the table.
void SetOpenGuard(OpenGuard guard);

} // namespace vl

namespace vl {
// The installed hook (empty functions when none).
const OpenGuard& CurrentOpenGuard();
} // namespace vl
