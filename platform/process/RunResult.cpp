#include "platform/process/RunResult.h"

#include <cerrno>
#include <system_error>

namespace vl {

QString RunErrorText(int code)
{
    switch (code) {
    case RunCode::Started: return QString();
    case RunCode::FileNotFound: return QStringLiteral("File Not Found");
    case RunCode::PathNotFound: return QStringLiteral("Path Not Found");
    case RunCode::TooManyOpenFiles: return QStringLiteral("Too Many Open Files");
    case RunCode::AccessDenied: return QStringLiteral("Access Denied");
    case RunCode::InsufficientMemory: return QStringLiteral("Insufficient Memory");
    case RunCode::FileSystemError: return QStringLiteral("File System Error");
    default: return QStringLiteral("Error %1").arg(code);
    }
}

RunResult RunResult::Success(qint64 pid)
{
    RunResult result;
    result.pid = pid;
    return result;
}

RunResult RunResult::Failure(int code, const QString& detail)
{
    RunResult result;
    result.code = code;
    result.text = RunErrorText(code);
    result.detail = detail;
    return result;
}

RunResult RunFailureFromErrno(int error, bool aboutDirectory, const QString& what)
{
    int code = RunCode::FileSystemError;
    switch (error) {
    case ENOENT:
    case ENOTDIR: code = aboutDirectory ? RunCode::PathNotFound : RunCode::FileNotFound; break;
    case EACCES:
    case EPERM: code = RunCode::AccessDenied; break;
    case EMFILE:
    case ENFILE: code = RunCode::TooManyOpenFiles; break;
    case ENOMEM:
    case EAGAIN: code = RunCode::InsufficientMemory; break;
    default: break;
    }
    const QString message = QString::fromStdString(std::generic_category().message(error));
    return RunResult::Failure(code, what.isEmpty() ? message : message + QStringLiteral(": ") + what);
}

} // namespace vl
