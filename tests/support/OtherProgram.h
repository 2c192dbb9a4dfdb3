#pragma once
// Another program on the same files, as a forked child: what it does and
// what it sees of this one's record locks.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl::test {

// Runs work (returning an exit code) in a child process; its exit code, -1
// when it did not exit.
template <class Work>
int InAnotherProgram(Work work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether a write lock on the bytes of the file would conflict for another
// program.
inline bool LockedForOtherPrograms(const char* path, off_t start, off_t length)
{
    return InAnotherProgram([&] {
               const int fd = ::open(path, O_RDONLY);
               struct flock lock {};
               lock.l_type = F_WRLCK;
               lock.l_whence = SEEK_SET;
               lock.l_start = start;
               lock.l_len = length;
               return fd >= 0 && ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK ? 1 : 0;
           })
           == 1;
}

} // namespace vl::test
