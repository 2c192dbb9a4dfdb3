#pragma once
// Name rules of the shell file operations: wildcard matching and the new
// name a file gets when its target name is taken.

#include <QString>

#include <filesystem>

namespace vl {

// "*" matches any run of characters (none included), "?" any one character;
// everything else, "[" and "]" included, matches itself, case-sensitively as
// file names on this system are. "*.*" matches every name, with or without a
// dot, since scripts use it to mean "all files".
bool MatchesWildcard(const QString& pattern, const QString& name);

// The first free name of the form "name (2).ext", "name (3).ext", ... beside
// path; the extension is what follows the last dot, so "archive.tar.gz"
// becomes "archive.tar (2).gz" and ".profile" becomes ".profile (2)".
// Empty when no free name is found within 9,999 tries.
std::filesystem::path CollisionFreeName(const std::filesystem::path& path);

} // namespace vl
