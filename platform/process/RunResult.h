#pragma once
// The outcome of starting a program or opening a document: 0 when it was
// started, otherwise the runtime's error code with its standard text, as the
// runtime's program start reports it, so callers can show "Error Code 2" and
// test the code the way they always have.

#include <QString>

namespace vl {

namespace RunCode {
inline constexpr int Started = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int InsufficientMemory = 8;
inline constexpr int FileSystemError = 90; // any other failure of the system call
} // namespace RunCode

// The standard text of a code ("File Not Found"); empty for 0.
QString RunErrorText(int code);

struct RunResult {
    int code = RunCode::Started;
    QString text;    // RunErrorText(code)
    QString detail;  // what failed, in words ("No such file or directory: /opt/x/run")
    qint64 pid = 0;  // the started process, for starts that keep it (ProcessStart.h)

    bool Started() const { return code == RunCode::Started; }

    static RunResult Success(qint64 pid = 0);
    static RunResult Failure(int code, const QString& detail);
};

// What a failed system call means for a start: ENOENT is a missing file (or,
// for the working directory, a missing path), EACCES/EPERM a denied access,
// EMFILE/ENFILE too many open files, ENOMEM/EAGAIN missing memory; anything
// else is a file system error. The detail is the system's message and what.
RunResult RunFailureFromErrno(int error, bool aboutDirectory, const QString& what);

} // namespace vl
