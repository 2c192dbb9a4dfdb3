#include "platform/data/DataFileInUse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace vl {

namespace {

// The engine's lock bytes: on the file, the pending, reserved and shared
// bytes; on the log index, the index's locks and the one every connection
// holds while it is open.
constexpr off_t kFileLocksStart = 0x40000000;
constexpr off_t kFileLocksLength = 512;
constexpr off_t kIndexLocksStart = 120;
constexpr off_t kIndexLocksLength = 9;

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

// Asked only of a file this program has no descriptor of: closing one drops
// every lock the program holds on the file.
bool LockedElsewhere(const QString& file, off_t start, off_t length)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    const bool locked = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return locked;
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
    return LockedElsewhere(index, kIndexLocksStart, kIndexLocksLength)
           || LockedElsewhere(file, kFileLocksStart, kFileLocksLength);
}

} // namespace vl
