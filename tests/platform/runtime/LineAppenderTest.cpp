#include "platform/runtime/LineAppender.h"

#include "tests/support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl {
namespace {

using test::ReadFileBytes;
using test::TestPath;

// Waits for a forked child and gives its exit code (-1 when it did not exit).
int ExitCodeOf(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(LineAppender, AppendsEachCallAsOneLine)
{
    EXPECT_TRUE(AppendLine("VLMREVNT.LOG", "first"));
    EXPECT_TRUE(AppendLine(TestPath("VLMREVNT.LOG"), QString::fromUtf8("zweite Zeile Ä")));
    EXPECT_TRUE(AppendLine(TestPath("VLMREVNT.LOG"), "broken\r\nline"));
    EXPECT_TRUE(AppendLine(TestPath("VLMREVNT.LOG"), ""));
    EXPECT_EQ(ReadFileBytes(TestPath("VLMREVNT.LOG")), QByteArray("first\nzweite Zeile \xC3\x84\nbroken  line\n\n"));

    EXPECT_FALSE(AppendLine(TestPath("no/dir/VLMREVNT.LOG"), "lost"));
}

TEST(LineAppender, WritesEvenWhileAnotherWriterKeepsTheLock)
{
    const QString path = TestPath("VLMREVNT.LOG");
    ASSERT_TRUE(AppendLine(path, "one"));
    const int other = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    EXPECT_TRUE(AppendLine(path, "two", std::chrono::milliseconds(0)));
    ::close(other);
    EXPECT_EQ(ReadFileBytes(path), "one\ntwo\n");
}

TEST(LineAppender, TakesBackALineThatDidNotFitOnTheDisk)
{
    const QString path = TestPath("VLMREVNT.LOG");
    const QByteArray first(89, 'x'); // 90 bytes with its line break
    ASSERT_TRUE(AppendLine(path, QString::fromLatin1(first)));

    // A child limited to 100-byte files stands in for a full disk: only 10
    // bytes of its 51-byte line fit.
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit = {100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(2);
        ::_exit(AppendLine(path, QString(50, QLatin1Char('y'))) ? 1 : 0);
    }
    EXPECT_EQ(ExitCodeOf(pid), 0) << "the write that did not fit must fail";
    EXPECT_EQ(ReadFileBytes(path), first + '\n');
}

// Two processes append 1,000 fixed-width lines each to one file at the same
// time: all 2,000 lines must be there, each whole, each writer's in order.
TEST(LineAppender, TwoProcessesAppendingAtOnceLoseNoLine)
{
    const QString path = TestPath("VLMREVNT.LOG");
    const QList<QChar> writers = {QLatin1Char('A'), QLatin1Char('B')};
    constexpr int kLines = 1000;
    constexpr int kWidth = 182;
    auto line = [](QChar writer, int i) {
        return (QString(writer) + QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'))).leftJustified(kWidth, writer);
    };

    std::vector<pid_t> children;
    for (const QChar writer : writers) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < kLines; ++i)
                failures += AppendLine(path, line(writer, i)) ? 0 : 1;
            ::_exit(std::min(failures, 100));
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children)
        EXPECT_EQ(ExitCodeOf(pid), 0) << "failed appends in one writer";

    QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    ASSERT_EQ(lines.takeLast(), QByteArray()); // the file ends with a line break
    ASSERT_EQ(lines.size(), 2 * kLines);
    int next[2] = {0, 0};
    for (const QByteArray& written : lines) {
        const int w = written.startsWith('A') ? 0 : 1;
        ASSERT_EQ(QString::fromLatin1(written), line(writers[w], next[w]));
        ++next[w];
    }
    EXPECT_EQ(next[0], kLines);
    EXPECT_EQ(next[1], kLines);
}

} // namespace
} // namespace vl
