#include "platform/runtime/LineAppender.h"

#include "platform/runtime/FileModes.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vl {
namespace {

// Takes the exclusive lock, polling, for at most `wait`.
bool LockWithin(int fd, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

bool AppendLine(const QString& path, const QString& line, std::chrono::milliseconds lockWait)
{
    QByteArray bytes = line.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    bytes += '\n';

    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                    ModeForNewFile(QFileInfo(path).absolutePath()));
    if (fd < 0)
        return false;

    const bool locked = LockWithin(fd, lockWait);
    struct stat before {};
    const bool sizeKnown = locked && ::fstat(fd, &before) == 0;

    ssize_t written;
    do {
        written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    } while (written < 0 && errno == EINTR);
    const bool whole = written == bytes.size();
    if (!whole && written > 0 && sizeKnown) {
        // Nobody else appends while we hold the lock: cut the partial line off.
        [[maybe_unused]] const int ignored = ::ftruncate(fd, before.st_size);
    }

    if (locked)
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return whole;
}

} // namespace vl
