#pragma once
// The header of a data file's write-ahead log index, read where the engine
// keeps it: in memory that every connection to the file shares. Each commit,
// of any program, rewrites the header (its count of transactions, the last
// frame of the log, checksums and salts), so two readings that differ
// enclose a commit. A reading takes no lock and no system call, where asking
// the engine for its data version opens and ends a read transaction (two
// file locks) each time.

#include <array>
#include <cstdint>

struct sqlite3;

namespace vl {

// The first copy of the header: 48 bytes.
using LogIndexHeader = std::array<uint32_t, 12>;

// The header in the shared index of the connection's main file; null when
// it cannot be mapped. Only for a connection whose engine has set the shared
// index up (a read of a file with pages in the log mode, normal locking): it
// then keeps the index mapped until the connection closes, since no
// connection may take the file out of the log mode while another uses it.
const volatile uint32_t* MapLogIndexHeader(sqlite3* db);

// A reading of the header; a torn reading during a commit differs from the
// ones before it.
LogIndexHeader ReadLogIndexHeader(const volatile uint32_t* header);

} // namespace vl
