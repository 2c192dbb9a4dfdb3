#include "platform/data/DataFileInUse.h"

#include "platform/data/EngineLocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vl {

namespace {

bool OpenHere(const QStringList& files)
{
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    const QStringList all = descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& descriptor : all) {
        if (files.contains(QFile::symLinkTarget(descriptors.filePath(descriptor))))
            return true;
    }
    return false;
}

} // namespace

bool DataFileInUse(const QString& path)
{
    // The log files lie beside the file a link leads to.
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty())
        return false;
    const QString index = file + QStringLiteral("-shm");
    if (OpenHere({file, file + QStringLiteral("-wal"), index}))
        return true;
    return LockedByOtherProgram(index, kIndexLocksStart, kIndexLocksLength)
           || LockedByOtherProgram(file, kFileLocksStart, kFileLocksLength);
}

} // namespace vl
