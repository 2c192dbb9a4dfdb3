#include "core/base/TextFileRecords.h"
#include "core/base/EventLog.h"
#include "core/eventlog/LogLines.h"
#include "core/base/UserDate.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace vl {
namespace {

// Sets the two settings for one test and puts them back afterwards.
class EventLogSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedFormat_ = GlobalDateFormat;
        savedUseLog_ = GlobalUseLog;
        GlobalDateFormat = "d3";
        GlobalUseLog = true;
    }
    void TearDown() override
    {
        GlobalDateFormat = savedFormat_;
        GlobalUseLog = savedUseLog_;
    }

    static QStringList LogFileLines()
    {
        QStringList lines = test::ReadTextFile(test::TestPath(kEventLogFileName)).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    Picture::LocaleOverride english_{QLocale(QLocale::English, QLocale::UnitedStates)};
    SettableClock clock_{MakeDate(10, 31, 1959), MakeClock(17, 30, 5)};
    ClockOverride clockOverride_{clock_};

private:
    QString savedFormat_;
    bool savedUseLog_ = false;
};

using UserDate = EventLogSettings;
using EventLogWriting = EventLogSettings;

TEST_F(UserDate, EveryPictureNumberAndTheFallback)
{
    const Date date = MakeDate(10, 31, 1959);
    const char* const expected[] = {"10/31/59", "10/31/1959", "OCT 31,1959", "October 31, 1959", "31/10/59",
                                    "31/10/1959", "31 OCT 59", "31 OCT 1959", "59/10/31", "1959/10/31", "591031",
                                    "19591031", "10/59", "10/1959", "59/10", "1959/10", "10/31/59",
                                    "Saturday, October 31, 1959"};
    for (int n = 1; n <= 18; ++n) {
        GlobalDateFormat = QStringLiteral("d%1").arg(n);
        EXPECT_EQ(FormatUserDate(date), expected[n - 1]) << n;
        EXPECT_EQ(FormatUserDate(0), "") << n;
    }
    // Anything that names no picture 1-18 shows as @D3.
    for (const char* format : {"d0", "d19", "", "d", "dx", "3"}) {
        GlobalDateFormat = format;
        EXPECT_EQ(FormatUserDate(date), "OCT 31,1959") << format;
        EXPECT_EQ(FormatUserDate(0), "") << format;
    }
    GlobalDateFormat = "d12 ";
    EXPECT_EQ(FormatUserDate(date), "19591031");
}

TEST_F(EventLogWriting, LinesAreFixedWidthColumns)
{
    ASSERT_TRUE(WriteEventLog("Run Program", "notepad.exe"));
    clock_.Set(MakeDate(1, 5, 1999), MakeClock(9, 5));
    ASSERT_TRUE(WriteEventLog(QString(40, 'L'), QString(200, 'T')));
    const QStringList lines = LogFileLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString("OCT 31,1959 ") + "5:30 PM   " + QString("Run Program").leftJustified(32)
                            + QString("notepad.exe").leftJustified(128));
    EXPECT_EQ(lines[1].size(), 182);
    EXPECT_EQ(lines[1].left(22), "JAN 05,1999 9:05 AM   ");
    EXPECT_EQ(lines[1].mid(22, 32), QString(32, 'L'));
    EXPECT_EQ(lines[1].mid(54), QString(128, 'T'));
}

TEST_F(EventLogWriting, TheDateColumnFallsBackToD3WhenThePictureIsTooWide)
{
    GlobalDateFormat = "d1";
    WriteEventLog("a", "b");
    GlobalDateFormat = "d4"; // "October 31, 1959" has 16 characters
    WriteEventLog("a", "b");
    GlobalDateFormat = "d18";
    WriteEventLog("a", "b");
    GlobalDateFormat = "d12";
    WriteEventLog("a", "b");
    const QStringList lines = LogFileLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(12), "10/31/59    ");
    EXPECT_EQ(lines[1].left(12), "OCT 31,1959 ");
    EXPECT_EQ(lines[2].left(12), "OCT 31,1959 ");
    EXPECT_EQ(lines[3].left(12), "19591031    ");
}

TEST_F(EventLogWriting, NothingIsWrittenWhileLoggingIsOff)
{
    GlobalUseLog = false;
    EXPECT_FALSE(WriteEventLog("Started", "Velmora"));
    EXPECT_FALSE(QFile::exists(test::TestPath(kEventLogFileName)));
    // Appending on purpose writes all the same.
    EXPECT_TRUE(AppendEventLog("View Log - Logging disabled", "Logging is not enabled in configuration."));
    EXPECT_EQ(LogFileLines().size(), 1);
}

TEST_F(EventLogWriting, TwoProcessesAppendingAtOnceLoseNoLineAndMixNone)
{
    constexpr int kLines = 1000;
    const auto writeAll = [](const char* label) {
        int failures = 0;
        for (int i = 0; i < kLines; ++i)
            failures += WriteEventLog(label, QStringLiteral("line %1").arg(i)) ? 0 : 1;
        return failures;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(std::min(writeAll("Child"), 100));
    const int parentFailures = writeAll("Parent");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(parentFailures, 0);

    const QStringList lines = LogFileLines();
    ASSERT_EQ(lines.size(), 2 * kLines);
    int next[2] = {0, 0};
    for (const QString& line : lines) {
        ASSERT_EQ(line.size(), 182) << qPrintable(line);
        const QString label = line.mid(22, 32).trimmed();
        ASSERT_TRUE(label == "Parent" || label == "Child") << qPrintable(line);
        int& expected = next[label == "Child" ? 1 : 0];
        ASSERT_EQ(line.mid(54).trimmed(), QStringLiteral("line %1").arg(expected)) << qPrintable(line);
        ++expected;
    }
    EXPECT_EQ(next[0], kLines);
    EXPECT_EQ(next[1], kLines);
}

TEST(LogLines, LinesFindAndLineEnds)
{
    const QString path = test::WriteTextFile(test::TestPath("log.txt"), "first\r\nSecond line\n\nlast, no line end");
    LogLines lines;
    ASSERT_TRUE(lines.Load(path));
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Line(0), "first");
    EXPECT_EQ(lines.Line(1), "Second line");
    EXPECT_EQ(lines.Line(2), "");
    EXPECT_EQ(lines.Line(3), "last, no line end");
    EXPECT_EQ(lines.Line(4), "");

    EXPECT_EQ(lines.Find("LINE", -1), 1);
    EXPECT_EQ(lines.Find("line", 1), 3);
    EXPECT_EQ(lines.Find("line", 3), 1); // wraps round to the start
    EXPECT_EQ(lines.Find("first", 0), 0); // ends with the line it started from
    EXPECT_EQ(lines.Find("absent", 0), -1);
    EXPECT_EQ(lines.Find("", 0), -1);

    test::WriteTextFile(path, "one\ntwo\n");
    ASSERT_TRUE(lines.Load(path));
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Line(1), "two");
    EXPECT_FALSE(lines.Load(test::TestPath("missing.txt")));
    EXPECT_EQ(lines.Count(), 0);
}

} // namespace
} // namespace vl
