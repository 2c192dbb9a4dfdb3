#include "platform/zip/WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vl {

namespace {

// A run removing a dead folder holds its lock while it does; a new folder
// taken away so between its making and its lock is made again.
constexpr int kTries = 3;

// Whether the descriptor is still the folder of that name.
bool StillNamed(int fd, const QString& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0
           && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

int OpenFolder(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

WorkFolder::WorkFolder(const QString& beside)
{
    for (int attempt = 0; attempt < kTries && fd_ < 0; ++attempt) {
        QByteArray name = QFile::encodeName(QDir(beside).absoluteFilePath(QLatin1String(kWorkFolderPrefix)))
                          + "XXXXXX";
        if (!::mkdtemp(name.data())) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        const QString made = QFile::decodeName(name);
        const int fd = OpenFolder(made);
        if (fd < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            ::rmdir(name.constData());
            continue;
        }
        if (::flock(fd, LOCK_EX) != 0 || !StillNamed(fd, made)) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            continue;
        }
        fd_ = fd;
        path_ = made;
    }
}

WorkFolder::~WorkFolder()
{
    if (fd_ < 0)
        return;
    if (autoRemove_)
        QDir(path_).removeRecursively();
    ::close(fd_);
}

QString WorkFolder::filePath(const QString& name) const
{
    return QDir(path_).filePath(name);
}

void RemoveDeadWorkFolders(const QString& dir, const QString& keep)
{
    const QString kept = QFileInfo(keep).absoluteFilePath();
    const QStringList names = QDir(dir).entryList({QLatin1String(kWorkFolderPrefix) + QLatin1Char('*')},
                                                  QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                                  QDir::Name);
    for (const QString& name : names) {
        const QString path = QDir(dir).absoluteFilePath(name);
        if (!keep.isEmpty() && path == kept)
            continue;
        const int fd = OpenFolder(path);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
            QDir(path).removeRecursively();
        ::close(fd);
    }
}

} // namespace vl
