#pragma once
// A process-wide hook around every open of a table that changes its data
// file (the table created, or converted from an older layout): the program
// records the table before and clears the record after, so that a run that
// dies in the middle leaves the name behind and the next start can offer a
// repair. An open that finds the table as declared changes nothing and is
// not announced, so a start writes nothing for it.

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
