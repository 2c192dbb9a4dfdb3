#include "tests/platform/desktop/PrivateXServer.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace vl::test {

PrivateXServer::PrivateXServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    // Everything the child needs is made before the fork; after it the child
    // makes only system calls.
    const std::string writeFd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb", "-displayfd", writeFd.c_str(), "-nolisten", "tcp",
                          "-screen", "0", "800x600x24", "-noreset", nullptr};
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        // The server ends with the thread that started it, also when the
        // test process is killed and never runs its destructor.
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent)
            _exit(127);
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            if (null > STDERR_FILENO)
                close(null);
        }
        execvp("Xvfb", const_cast<char**>(argv));
        _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        return;
    }
    // The number arrives followed by a line end once the server is ready;
    // end of file means it failed to start (or could not be run at all).
    QByteArray number;
    for (;;) {
        char c = 0;
        const ssize_t got = read(fds[0], &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got != 1 || c == '\n')
            break;
        number.append(c);
    }
    close(fds[0]);
    if (!number.isEmpty())
        name_ = ":" + number;
}

PrivateXServer::~PrivateXServer()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

} // namespace vl::test
