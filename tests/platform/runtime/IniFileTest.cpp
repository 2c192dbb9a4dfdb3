#include "platform/runtime/IniFile.h"
#include "platform/runtime/FileModes.h"

#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl {
namespace {

using test::ReadFileBytes;
using test::TestPath;
using test::WriteTextFile;

ino_t InodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

TEST(IniFile, LooksUpSectionsAndEntriesIgnoringCaseWithDefaults)
{
    WriteTextFile(TestPath("vlmr.INI"), "[Settings]\nDebug=1\n  LogEvents =  0 \n\n[Warning]\nActive=1\nDate=\n");
    const IniFile ini("vlmr.INI");
    EXPECT_EQ(ini.Get("settings", "DEBUG", "x"), "1");
    EXPECT_EQ(ini.Get(" SETTINGS ", "logevents", "x"), "0");
    EXPECT_EQ(ini.Get("Warning", "Date", "7"), "");      // present but empty is not missing
    EXPECT_EQ(ini.Get("Warning", "Debug", "d"), "d");    // entry of another section
    EXPECT_EQ(ini.Get("Nowhere", "Debug", "d"), "d");
    EXPECT_EQ(ini.Get("Settings", "Nothing"), "");
    EXPECT_EQ(IniFile("missing.INI").Get("Settings", "Debug", "d"), "d");
}

TEST(IniFile, ListsTheEntriesOfASectionInFileOrder)
{
    WriteTextFile(TestPath("POSITION.INI"),
                  "[Other]\nx=1\n[BrowseHolidays]\n?Browse:1=12,40\nWidth=300\n; Height=1\nwidth=9\nno entry\n[Next]\ny=2\n");
    const IniFile ini(TestPath("POSITION.INI"));
    const QList<IniEntry> entries = ini.Entries("browseholidays");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, "?Browse:1");
    EXPECT_EQ(entries[0].value, "12,40");
    EXPECT_EQ(entries[1].name, "Width");
    EXPECT_EQ(entries[1].value, "300");
    EXPECT_TRUE(ini.Entries("Missing").isEmpty());
}

TEST(IniFile, KeepsNamesAndValuesRaw)
{
    IniFile ini(TestPath("POSITION.INI"));
    const QString layout = R"(12,40,"Date"=L(2)|M;x==y, ;not a comment)";
    const QString unicode = QString::fromUtf8("Ärger € 日本");
    ASSERT_TRUE(ini.Put("BrowseHolidays", "?Browse:1", layout));
    ASSERT_TRUE(ini.Put("BrowseHolidays", "?List", unicode));
    ASSERT_TRUE(ini.Put("BrowseHolidays", "Padded", "  a  b  "));

    EXPECT_EQ(ini.Get("BrowseHolidays", "?browse:1"), layout);
    EXPECT_EQ(ini.Get("BrowseHolidays", "?List"), unicode);
    EXPECT_EQ(ini.Get("BrowseHolidays", "Padded"), "a  b");
    EXPECT_EQ(ReadFileBytes(ini.Path()),
              "[BrowseHolidays]\n?Browse:1=" + layout.toUtf8() + "\n?List=" + unicode.toUtf8() + "\nPadded=a  b\n");
}

TEST(IniFile, WriteChangesOnlyItsOwnLineAndReplacesTheFile)
{
    const QString path = WriteTextFile(TestPath("vlmr.INI"),
                                       "; Velmora settings\n\n[SETTINGS]\nLogEvents = 1\n; keep me\nodd line\n\n"
                                       "[Warning]\nActive=0");
    IniFile ini(path);
    const ino_t before = InodeOf(path);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0664), 0);

    ASSERT_TRUE(ini.Put("settings", "logevents", "0"));
    EXPECT_EQ(ReadFileBytes(path), "; Velmora settings\n\n[SETTINGS]\nLogEvents = 0\n; keep me\nodd line\n\n"
                               "[Warning]\nActive=0");
    EXPECT_NE(InodeOf(path), before); // a new file renamed into place, not rewritten in place
    EXPECT_EQ(QFileInfo(path).permissions().toInt() & 0x7077, 0x6064) << "it keeps the replaced file's mode";
    ASSERT_TRUE(CreatePrivateFile(TestPath("copy")) && KeepMode(path, TestPath("copy")));
    EXPECT_EQ(QFileInfo(TestPath("copy")).permissions(), QFileInfo(path).permissions());
    ASSERT_TRUE(KeepMode(TestPath("none yet"), TestPath("copy"))); // the test's directory is private
    EXPECT_EQ(QFileInfo(TestPath("copy")).permissions().toInt() & 0x7077, 0x6000);

    ASSERT_TRUE(ini.Put("Settings", "Debug", "1"));
    ASSERT_TRUE(ini.Put("New Section", "Key", "v"));
    EXPECT_EQ(ReadFileBytes(path), "; Velmora settings\n\n[SETTINGS]\nLogEvents = 0\n; keep me\nodd line\nDebug=1\n\n"
                               "[Warning]\nActive=0\n\n[New Section]\nKey=v\n");
    EXPECT_FALSE(QFileInfo::exists(ini.LockPath()));
}

TEST(IniFile, RemovesEntriesAndSections)
{
    const QString path = WriteTextFile(TestPath("POSITION.INI"), "[A]\nx=1\ny=2\nX=5\n\n[b]\nx=1\n\n[a]\nz=3\n[C]\nw=4\n");
    IniFile ini(path);

    ASSERT_TRUE(ini.RemoveEntry("a", "X"));
    EXPECT_EQ(ReadFileBytes(path), "[A]\ny=2\n\n[b]\nx=1\n\n[a]\nz=3\n[C]\nw=4\n");
    EXPECT_EQ(ini.Get("A", "x", "gone"), "gone");

    ASSERT_TRUE(ini.RemoveSection("A"));
    EXPECT_EQ(ReadFileBytes(path), "[b]\nx=1\n\n[C]\nw=4\n");

    EXPECT_TRUE(ini.RemoveSection("Missing"));
    EXPECT_TRUE(ini.RemoveEntry("b", "missing"));
    EXPECT_EQ(ReadFileBytes(path), "[b]\nx=1\n\n[C]\nw=4\n");

    IniFile absent(TestPath("absent.INI"));
    EXPECT_TRUE(absent.RemoveSection("b"));
    EXPECT_TRUE(absent.RemoveEntry("b", "x"));
    EXPECT_FALSE(QFileInfo::exists(absent.Path()));
}

TEST(IniFile, ReadsAndKeepsCrLfLineEnds)
{
    const QString path = WriteTextFile(TestPath("PATHS.INI"), "[Settings]\r\nDebug=1\r\n\r\n[PATH]\r\nDATA=/home/u/data\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.Get("PATH", "DATA"), "/home/u/data");
    ASSERT_TRUE(ini.Put("Settings", "Debug", "0"));
    ASSERT_TRUE(ini.Put("PATH", "Extra", "e"));
    EXPECT_EQ(ReadFileBytes(path), "[Settings]\r\nDebug=0\r\n\r\n[PATH]\r\nDATA=/home/u/data\r\nExtra=e\r\n");
}

TEST(IniFile, EveryLineKeepsItsOwnEndAndAMarkedNameReadsBack)
{
    const QByteArray before = "\xEF\xBB\xBF[Settings]\r\n"
                              "Debug=1\n"
                              "Note=ends in CR\r\r\n"
                              "\xEF\xBB\xBFMarked=yes\r\n"
                              "\n"
                              "[PATH]\n"
                              "DATA=/home/u/data\r";
    const QString path = TestPath("PATHS.INI");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    IniFile ini(path);
    const QString marked = QChar(0xFEFF) + QStringLiteral("Marked");
    EXPECT_EQ(ini.Get("Settings", "Note"), "ends in CR\r");
    EXPECT_EQ(ini.Get("Settings", marked), "yes");
    EXPECT_EQ(ini.Get("Settings", "Marked", "none"), "none");
    EXPECT_EQ(ini.Get("PATH", "DATA"), "/home/u/data\r");

    ASSERT_TRUE(ini.Put("Settings", "Debug", "0"));
    QByteArray expected = before;
    expected.replace("Debug=1", "Debug=0");
    EXPECT_EQ(ReadFileBytes(path), expected);

    ASSERT_TRUE(ini.Put("Settings", marked, "no"));
    EXPECT_EQ(ini.Get("Settings", marked), "no");
    ASSERT_TRUE(ini.Put("PATH", "Extra", "e"));
    expected.replace("Marked=yes", "Marked=no");
    EXPECT_EQ(ReadFileBytes(path), expected + "\r\nExtra=e\r\n");

    IniFile fresh(TestPath("fresh.INI"));
    ASSERT_TRUE(fresh.Put("S", marked, "1"));
    EXPECT_EQ(fresh.Get("S", marked), "1");
}

TEST(IniFile, RelativePathNamesTheDirectoryCurrentAtConstruction)
{
    ASSERT_TRUE(QDir().mkpath("data"));
    ASSERT_TRUE(QDir::setCurrent("data"));
    IniFile ini("PATHS.INI");
    ASSERT_TRUE(QDir::setCurrent(test::TestDir()));
    ASSERT_TRUE(ini.Put("PATH", "DATA", "x"));
    EXPECT_TRUE(QFileInfo::exists(TestPath("data/PATHS.INI")));
    EXPECT_FALSE(QFileInfo::exists(TestPath("PATHS.INI")));
}

TEST(IniFile, RefusesWhatItCannotStoreAndLeavesTheFileAlone)
{
    IniFile nowhere(TestPath("no/such/dir/PATHS.INI"));
    EXPECT_FALSE(nowhere.Put("PATH", "DATA", "x"));
    EXPECT_FALSE(QFileInfo::exists(TestPath("no")));

    const QByteArray original = "[S]\nx=1\n";
    const QString path = WriteTextFile(TestPath("vlmr.INI"), QString::fromUtf8(original));
    IniFile ini(path);
    EXPECT_FALSE(ini.Put("", "x", "1"));
    EXPECT_FALSE(ini.Put("S", " ", "1"));
    EXPECT_FALSE(ini.Put("S", "a=b", "1"));
    EXPECT_FALSE(ini.Put("S]", "x", "1"));
    EXPECT_FALSE(ini.Put("S", ";x", "1"));
    EXPECT_FALSE(ini.Put("S", "[x", "1"));
    EXPECT_FALSE(ini.Put("S", "x", "two\nlines"));
    EXPECT_FALSE(ini.Put("S", "x\r", "1"));
    EXPECT_EQ(ReadFileBytes(path), original);

    // Another writer holds the lock and does not let go in time.
    QLockFile other(ini.LockPath());
    ASSERT_TRUE(other.lock());
    ini.SetLockTimeout(std::chrono::milliseconds(0));
    EXPECT_FALSE(ini.Put("S", "x", "2"));
    EXPECT_FALSE(ini.RemoveSection("S"));
    EXPECT_EQ(ReadFileBytes(path), original);
    other.unlock();
    EXPECT_TRUE(ini.Put("S", "x", "2"));
    EXPECT_EQ(ini.Get("S", "x"), "2");
}

TEST(IniFile, PutManyWritesAllInOneRewriteOrNothing)
{
    const QString path = WriteTextFile(TestPath("POSITION.INI"), "[A]\nx=1\n");
    IniFile ini(path);
    const ino_t before = InodeOf(path);
    EXPECT_TRUE(ini.PutMany({{"A", "x", ""}, {"B", "y", "2"}, {"A", "z", "3"}}));
    EXPECT_EQ(ReadFileBytes(path), QByteArray("[A]\nx=\nz=3\n\n[B]\ny=2\n"));
    EXPECT_NE(InodeOf(path), before);

    const QByteArray written = ReadFileBytes(path);
    EXPECT_FALSE(ini.PutMany({{"A", "x", "9"}, {"A", "bad=name", "1"}}));
    EXPECT_EQ(ReadFileBytes(path), written);
}

// Each of two processes writes 200 entries of its own into the same section
// of one file at the same time; every entry of both must be there afterwards.
TEST(IniFile, TwoProcessesWritingAtOnceLoseNothing)
{
    const QString path = TestPath("POSITION.INI");
    const QStringList writers = {"First", "Second"};
    constexpr int kEntries = 200;
    auto value = [](const QString& writer, int i) { return QStringLiteral("%1,%2=x;y").arg(writer).arg(i); };

    std::vector<pid_t> children;
    for (const QString& writer : writers) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            IniFile ini(path);
            // The other writer may hold the lock for long on a busy machine:
            // each write waits for it as long as it takes.
            ini.SetLockTimeout(std::chrono::milliseconds(-1));
            int failures = 0;
            for (int i = 0; i < kEntries; ++i)
                failures += ini.Put("Layouts", QStringLiteral("?%1:%2").arg(writer).arg(i), value(writer, i)) ? 0 : 1;
            ::_exit(std::min(failures, 100));
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "failed writes in one writer";
    }

    const IniFile ini(path);
    EXPECT_EQ(ini.Entries("Layouts").size(), 2 * kEntries);
    for (const QString& writer : writers) {
        for (int i = 0; i < kEntries; ++i)
            ASSERT_EQ(ini.Get("layouts", QStringLiteral("?%1:%2").arg(writer).arg(i)), value(writer, i));
    }
}

} // namespace
} // namespace vl
