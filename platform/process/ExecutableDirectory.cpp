#include "platform/process/ExecutableDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vl {

QString ExecutableDirectory()
{
    // The kernel's link names the executable even when started through a
    // symbolic link or a relative path; once the file was replaced on disk
    // the link no longer resolves and Qt's own answer is used.
    const QFileInfo executable(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    if (executable.exists())
        return executable.absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString CompanionProgramPath(const QString& name)
{
    return QDir(ExecutableDirectory()).filePath(name);
}

} // namespace vl
