#include "platform/runtime/FileModes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vl {
namespace {

constexpr mode_t kOwnerReadWrite = S_IRUSR | S_IWUSR;
// The umask assumed where the kernel does not tell it: nothing for others.
constexpr mode_t kCautiousUmask = 077;

bool CreateWithMode(const QString& path, mode_t mode)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

mode_t CurrentUmask()
{
    // Asking umask(2) would change the mask for every thread for a moment;
    // the kernel shows it in the process status instead.
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return kCautiousUmask;
    char buffer[4096];
    const ssize_t size = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (size <= 0)
        return kCautiousUmask;
    const QByteArray status(buffer, static_cast<qsizetype>(size));
    const qsizetype at = status.indexOf("\nUmask:");
    if (at < 0)
        return kCautiousUmask;
    const qsizetype end = status.indexOf('\n', at + 1);
    bool ok = false;
    const uint mask = status.mid(at + 7, end < 0 ? -1 : end - at - 7).trimmed().toUInt(&ok, 8);
    return ok ? static_cast<mode_t>(mask & 0777) : kCautiousUmask;
}

mode_t ModeForNewFile(const QString& directory)
{
    struct stat dir {};
    const QByteArray name = QFile::encodeName(directory.isEmpty() ? QStringLiteral(".") : directory);
    if (::stat(name.constData(), &dir) != 0)
        return kOwnerReadWrite & ~CurrentUmask();
    const mode_t given = dir.st_mode & (S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    return (kOwnerReadWrite | given) & ~CurrentUmask();
}

bool CreateFileForItsDirectory(const QString& path)
{
    return CreateWithMode(path, ModeForNewFile(QFileInfo(path).absolutePath()));
}

bool CreatePrivateFile(const QString& path)
{
    return CreateWithMode(path, kOwnerReadWrite);
}

bool GiveNewFileMode(int descriptor, const QString& directory)
{
    return ::fchmod(descriptor, ModeForNewFile(directory)) == 0;
}

bool GiveNewFileMode(const QString& path)
{
    return ::chmod(QFile::encodeName(path).constData(), ModeForNewFile(QFileInfo(path).absolutePath())) == 0;
}

bool KeepMode(const QString& replaced, const QString& replacement)
{
    struct stat old {};
    mode_t mode;
    if (::stat(QFile::encodeName(replaced).constData(), &old) == 0)
        mode = old.st_mode & 07777;
    else if (errno == ENOENT)
        mode = ModeForNewFile(QFileInfo(replaced).absolutePath());
    else
        return false;
    return ::chmod(QFile::encodeName(replacement).constData(), mode) == 0;
}

bool MakePrivateDirectory(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(absolute).isDir())
        return true;
    QDir().mkpath(QFileInfo(absolute).absolutePath());
    if (::mkdir(QFile::encodeName(absolute).constData(), S_IRWXU) == 0)
        return true;
    return errno == EEXIST && QFileInfo(absolute).isDir();
}

} // namespace vl
