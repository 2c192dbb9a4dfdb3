#include "core/shell/ShellFileOperation.h"

#include "core/shell/ShellPathList.h"
#include "platform/runtime/IniFile.h"

#include <QDir>

namespace vl {
namespace {

const QString kAllFiles = QStringLiteral("*.*");

// Records the operation before it runs, so the trace also names one that
// never returns. A trace that cannot be written does not stop the operation.
void TraceOperation(ShellFunction function, const QStringList& sources, const QStringList& targets)
{
    IniFile trace(QString::fromLatin1(kShellTraceFile));
    const QString section = QString::fromLatin1(kShellTraceSection);
    trace.Put(section, QStringLiteral("Exec"), QString::number(static_cast<int>(function)));
    trace.Put(section, QStringLiteral("Source"), sources.value(0));
    trace.Put(section, QStringLiteral("Target"), targets.value(0));
}

} // namespace

void ShellFileOperation::Prepare(bool renameOnCollision)
{
    prepared_ = true;
    flags_ = kStandardFlags | (renameOnCollision ? kRenameOnCollision : 0u);
    function_ = ShellFunction::Copy;
    sources_ = QStringList{kAllFiles};
    targets_ = QStringList{kAllFiles};
    lastResult_ = {};
}

void ShellFileOperation::PrepareIfNeeded()
{
    if (!prepared_)
        Prepare(false);
}

void ShellFileOperation::SetPaths(const QString& target, const QString& source)
{
    sources_ = SplitPathText(source);
    targets_ = SplitPathText(target);
}

int ShellFileOperation::Copy(const QString& target, const QString& source)
{
    PrepareIfNeeded();
    SetPaths(target, source);
    return Execute(ShellFunction::Copy);
}

int ShellFileOperation::Move(const QString& target, const QString& source)
{
    PrepareIfNeeded();
    SetPaths(target, source);
    return Execute(ShellFunction::Move);
}

int ShellFileOperation::Rename(const QString& target, const QString& source)
{
    PrepareIfNeeded();
    SetPaths(target, source);
    return Execute(ShellFunction::Rename);
}

int ShellFileOperation::Delete(const QString& source, bool allowUndo)
{
    PrepareIfNeeded();
    if (allowUndo)
        flags_ |= kAllowUndo;
    else
        flags_ &= ~kAllowUndo;
    SetPaths(source, source);
    return Execute(ShellFunction::Delete);
}

int ShellFileOperation::Recycle(const QString& source)
{
    return Delete(source, true);
}

int ShellFileOperation::Execute(ShellFunction function)
{
    TraceOperation(function, sources_, targets_);
    function_ = function;
    ShellFileRequest request;
    request.function = function;
    request.sources = sources_;
    request.targets = targets_;
    request.renameOnCollision = (flags_ & kRenameOnCollision) != 0;
    request.allowUndo = (flags_ & kAllowUndo) != 0;
    request.filesOnly = (flags_ & kFilesOnly) != 0;
    request.dataDirectory = QDir::currentPath();
    lastResult_ = RunShellFileWork(request);
    return lastResult_.code;
}

} // namespace vl
