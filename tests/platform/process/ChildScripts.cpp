#include "tests/platform/process/ChildScripts.h"

#include "platform/process/ChildProcesses.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>

#include <chrono>
#include <functional>
#include <thread>

namespace vl::test {
namespace {

// Polls as long as it takes on a busy machine: the suite's timeout for the
// test bounds the wait.
bool PollUntil(const std::function<bool()>& done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return true;
}

} // namespace

QString WriteScript(const QString& path, const QString& body)
{
    return MakeExecutable(WriteTextFile(path, QStringLiteral("#!/bin/sh\n") + body));
}

QString MakeExecutable(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return path;
}

int WaitForExit(qint64 pid)
{
    int code = kStillActive;
    PollUntil([&] { return (code = ChildExitCode(pid)) != kStillActive; });
    return code;
}

QString WaitForFile(const QString& path)
{
    PollUntil([&] { return QFileInfo::exists(path); });
    return ReadTextFile(path);
}

bool WaitUntilGone(qint64 pid)
{
    return PollUntil([&] { return !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)); });
}

int OwnNice()
{
    return getpriority(PRIO_PROCESS, 0);
}

} // namespace vl::test
