#pragma once
// The program's live data files: the ".TPS" databases of the data directory
// (the current directory while the program runs) and the journals the
// storage engine keeps beside them (".TPS-journal", ".TPS-wal", ".TPS-shm").
// File operations never delete, move or overwrite them, and never write a
// journal beside them, since a stray journal is replayed into the database.

#include <filesystem>

namespace vl {

// True for a file name of a data file or of one of its journals, regardless
// of case ("vldb.tps", "VLDB.TPS-wal").
bool IsDataFileName(const std::filesystem::path& name);

// True when path names (or would name) a data file or journal inside the data
// directory; path need not exist.
bool IsLiveDataFile(const std::filesystem::path& path, const std::filesystem::path& dataDirectory);

// True when directory is the data directory or one of the folders above it,
// so that removing or moving it would take the live data files along.
// Symbolic links are not directories here: removing a link leaves its target.
bool HoldsDataDirectory(const std::filesystem::path& directory, const std::filesystem::path& dataDirectory);

// True when path is inside directory (or is it), after resolving both.
bool IsWithin(const std::filesystem::path& path, const std::filesystem::path& directory);

} // namespace vl
