#pragma once
// What a shell file operation returns: 0 when every file was done, else a
// code saying why it stopped, with a text for the event log or a message.

#include <QString>

namespace vl {

namespace ShellFileCode {
inline constexpr int Success = 0;
inline constexpr int FileNotFound = 2;      // a named source does not exist, or nothing matched
inline constexpr int PathNotFound = 3;      // a folder on the way does not exist
inline constexpr int AccessDenied = 5;      // refused: permissions, live data files, onto or into itself
inline constexpr int FileSystemError = 90;  // any other failure of the file system (a full disk, ...)
inline constexpr int InvalidName = 123;     // no target, a wildcard target, several files to rename
inline constexpr int AlreadyExists = 183;   // a rename onto an existing name
} // namespace ShellFileCode

struct ShellFileResult {
    int code = ShellFileCode::Success;
    QString message; // empty on success

    bool Ok() const { return code == ShellFileCode::Success; }
    static ShellFileResult Failure(int code, const QString& message) { return {code, message}; }
};

} // namespace vl
