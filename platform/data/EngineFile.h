#pragma once
// The engine's own handle of a connection's main file. Reads, writes and
// locks through it open nothing of the file: another open of it in this
// program would drop the engine's locks on closing.

#include <cstdint>

struct sqlite3;
struct sqlite3_file;

namespace vl {

// The handle; null when the connection has no file open.
sqlite3_file* EngineFileOf(sqlite3* db);

// The byte of the file's header at offset (18: its write version, 19: its
// read version), read through the handle; -1 when it cannot be read.
int EngineHeaderByte(sqlite3* db, int64_t offset);

// The program writes files of the log's version (2) or the older one (1);
// another value locks every writer out of pages that read.
inline bool KnownFileVersion(int version) { return version == 1 || version == 2; }

} // namespace vl
