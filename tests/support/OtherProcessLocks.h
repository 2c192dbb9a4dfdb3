#pragma once
// What another program sees of this one's record locks: whether a write lock
// on the bytes of the file would conflict, asked from a forked child.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl::test {

inline bool LockedForOtherPrograms(const char* path, off_t start, off_t length)
{
    const pid_t child = fork();
    if (child == 0) {
        const int fd = ::open(path, O_RDONLY);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = start;
        lock.l_len = length;
        _exit(fd >= 0 && ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

} // namespace vl::test
