#include "platform/data/EngineLocks.h"

#include <QFile>

#include <sqlite3.h>

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace vl {

namespace {

using SystemFcntl = int (*)(int, int, ...);
using SystemClose = int (*)(int);

struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator<(const FileKey& other) const
    {
        return device != other.device ? device < other.device : inode < other.inode;
    }
};

// The lock descriptor of a file and the engine's descriptors of it.
struct LockedFile {
    int lockFd = -1;
    std::set<int> engineFds;
};

struct LockTable {
    std::mutex mutex;
    pid_t owner = getpid();
    std::map<FileKey, LockedFile> files;
    std::map<int, FileKey> byFd;
    SystemFcntl fcntl = nullptr;
    SystemClose close = nullptr;

    // A child made by fork() shares the parent's lock descriptors: its own
    // locks must not join the parent's.
    void ForgetParent()
    {
        if (owner == getpid())
            return;
        for (auto& [key, file] : files)
            ::close(file.lockFd);
        files.clear();
        byFd.clear();
        owner = getpid();
    }
};

LockTable& Table()
{
    static LockTable table;
    return table;
}

bool KeyOf(int fd, FileKey& key)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return false;
    key = {info.st_dev, info.st_ino};
    return true;
}

bool KeyOf(const QString& path, FileKey& key)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    key = {info.st_dev, info.st_ino};
    return true;
}

// A descriptor of the engine's file of its own, on an open file
// description of its own; -1 when none can be made.
int OpenLockDescriptor(int engineFd)
{
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(engineFd);
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    // Never one of the standard streams: a stray write to a closed output
    // must not land in a data file.
    if (fd >= 0 && fd <= STDERR_FILENO) {
        const int above = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        ::close(fd);
        fd = above;
    }
    return fd;
}

int OwnLockCommand(int command)
{
    switch (command) {
    case F_SETLK: return F_OFD_SETLK;
    case F_SETLKW: return F_OFD_SETLKW;
    default: return F_OFD_GETLK;
    }
}

// The engine's lock calls, on the file's lock descriptor.
int EngineLock(int fd, int command, struct flock* lock)
{
    LockTable& table = Table();
    std::unique_lock guard(table.mutex);
    table.ForgetParent();
    FileKey key;
    if (!KeyOf(fd, key))
        return -1;
    LockedFile& file = table.files[key];
    if (file.lockFd < 0) {
        file.lockFd = OpenLockDescriptor(fd);
        if (file.lockFd < 0) {
            table.files.erase(key);
            return table.fcntl(fd, command, lock); // the system's locks, as the engine has them
        }
    }
    file.engineFds.insert(fd);
    table.byFd[fd] = key;
    const int lockFd = file.lockFd;
    struct flock own = *lock;
    own.l_pid = 0;
    if (command == F_SETLKW)
        guard.unlock(); // the wait holds no other thread up; the file stays in the table meanwhile
    const int result = table.fcntl(lockFd, OwnLockCommand(command), &own);
    if (command == F_GETLK && result == 0) {
        lock->l_type = own.l_type;
        lock->l_start = own.l_start;
        lock->l_len = own.l_len;
        lock->l_whence = own.l_whence;
        lock->l_pid = own.l_pid;
    }
    return result;
}

int EngineFcntl(int fd, int command, ...)
{
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (command == F_SETLK || command == F_SETLKW || command == F_GETLK)
        return EngineLock(fd, command, static_cast<struct flock*>(argument));
    return Table().fcntl(fd, command, argument);
}

int EngineClose(int fd)
{
    LockTable& table = Table();
    {
        const std::lock_guard guard(table.mutex);
        table.ForgetParent();
        if (const auto found = table.byFd.find(fd); found != table.byFd.end()) {
            const auto file = table.files.find(found->second);
            table.byFd.erase(found);
            if (file != table.files.end()) {
                file->second.engineFds.erase(fd);
                if (file->second.engineFds.empty()) {
                    ::close(file->second.lockFd);
                    table.files.erase(file);
                }
            }
        }
    }
    return table.close(fd);
}

// The lock descriptor of the file at path; -1 when the engine has none.
int LockDescriptor(const QString& path)
{
    FileKey key;
    if (!KeyOf(path, key))
        return -1;
    LockTable& table = Table();
    const std::lock_guard guard(table.mutex);
    table.ForgetParent();
    const auto found = table.files.find(key);
    return found == table.files.end() ? -1 : found->second.lockFd;
}

bool Conflicts(int fd, off_t start, off_t length)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

} // namespace

void InstallEngineLocks()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_vfs* vfs = sqlite3_vfs_find("unix");
        if (!vfs || vfs->iVersion < 3 || !vfs->xSetSystemCall)
            return;
        LockTable& table = Table();
        table.fcntl = reinterpret_cast<SystemFcntl>(vfs->xGetSystemCall(vfs, "fcntl"));
        table.close = reinterpret_cast<SystemClose>(vfs->xGetSystemCall(vfs, "close"));
        if (!table.fcntl || !table.close)
            return;
        // The system-call table is the unix file layer's, shared by all its variants.
        vfs->xSetSystemCall(vfs, "fcntl", reinterpret_cast<sqlite3_syscall_ptr>(&EngineFcntl));
        vfs->xSetSystemCall(vfs, "close", reinterpret_cast<sqlite3_syscall_ptr>(&EngineClose));
    });
}

bool EngineHasOpen(const QString& path)
{
    return LockDescriptor(path) >= 0;
}

bool LockedByOtherProgram(const QString& path, off_t start, off_t length)
{
    if (const int own = LockDescriptor(path); own >= 0)
        return Conflicts(own, start, length);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Locks of this program's engine count too: the file was opened here
    // meanwhile.
    const bool locked = Conflicts(fd, start, length);
    ::close(fd);
    return locked;
}

ExclusiveFileLock::ExclusiveFileLock(const QString& path)
{
    if (EngineHasOpen(path))
        return;
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0)
        return;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kFileLocksStart;
    lock.l_len = kFileLocksLength;
    if (::fcntl(fd_, F_OFD_SETLK, &lock) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

ExclusiveFileLock::~ExclusiveFileLock()
{
    if (fd_ >= 0)
        ::close(fd_); // the lock belongs to this descriptor and ends with it
}

} // namespace vl
