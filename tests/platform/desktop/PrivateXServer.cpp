#include "tests/platform/desktop/PrivateXServer.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

namespace vl::test {

PrivateXServer::PrivateXServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    const std::string writeFd = std::to_string(fds[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"Xvfb", "-displayfd", writeFd.c_str(), "-nolisten", "tcp",
                          "-screen", "0", "800x600x24", nullptr};
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(fds[0]);
        return;
    }
    // The number arrives followed by a line end once the server is ready;
    // end of file means it failed to start.
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
