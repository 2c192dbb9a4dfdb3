#pragma once
// The "File Actions" step: shell operations on files, folders made and
// removed, a file's date, time, size and existence, and the listing of the
// desktop's windows, each publishing its result as a script value.

#include <QString>

#include <cstdint>

namespace vl {

// Names of the values the file actions publish.
namespace FileActionValue {
inline constexpr char FileCopy[] = "FileCopy";     // Copy, Rename: the shell operation's code
inline constexpr char FileMove[] = "FileMove";     // Move
inline constexpr char FileDelete[] = "FileDelete"; // Delete, Recycle
inline constexpr char DirCreate[] = "DirCreate";   // 1 when the folder exists afterwards
inline constexpr char DirRemove[] = "DirRemove";   // 1 when the folder is gone afterwards
inline constexpr char FileDate[] = "FileDate";     // YYYYMMDD
inline constexpr char FileTime[] = "FileTime";     // hhmmss
inline constexpr char FileSize[] = "FileSize";     // bytes, 0 without a file
inline constexpr char FileExists[] = "FileExists"; // 1 or 0
inline constexpr char Errorcode[] = "Errorcode";   // every step, last: 0 or the failure's code
} // namespace FileActionValue

// Runs one sub-action on the source (command) and second name (path), both
// with their bracketed keywords expanded. Returns the sub-action's value
// (0 for the shell operations, the window count for "Log Windows"); an
// unknown sub-action does nothing but set "Errorcode" to 0.
int32_t RunFileAction(const QString& subAction, const QString& command, const QString& path);

} // namespace vl
