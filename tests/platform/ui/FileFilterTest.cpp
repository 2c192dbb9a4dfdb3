#include "platform/ui/FileFilter.h"

#include "tests/support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(FileFilter, ParsesDescriptionPatternPairs)
{
    const QList<FileFilter> filters = ParseFileFilters("All Files|*.*|EXEs|*.EXE|Programs|*.EXE; *.COM;|Shortcuts|*.LNK");
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(filters.at(0).description, "All Files");
    EXPECT_EQ(filters.at(0).patterns, QStringList({"*.*"}));
    EXPECT_EQ(filters.at(2).description, "Programs");
    EXPECT_EQ(filters.at(2).patterns, QStringList({"*.EXE", "*.COM"}));
    EXPECT_EQ(filters.at(3).patterns, QStringList({"*.LNK"}));
}

TEST(FileFilter, MalformedTextKeepsOnlyCompletePairs)
{
    EXPECT_TRUE(ParseFileFilters("").isEmpty());
    EXPECT_TRUE(ParseFileFilters("WAV Files").isEmpty());
    const QList<FileFilter> filters = ParseFileFilters("WAV Files|*.WAV|Blank| ; |Dangling");
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters.at(0).description, "WAV Files");
}

TEST(FileFilter, MatchesIgnoringCase)
{
    const FileFilter wav = ParseFileFilters("WAV Files|*.WAV").at(0);
    EXPECT_TRUE(MatchesFileFilter("bell.wav", wav));
    EXPECT_TRUE(MatchesFileFilter("BELL.WAV", wav));
    EXPECT_TRUE(MatchesFileFilter("Bell.Wav", wav));
    EXPECT_FALSE(MatchesFileFilter("bell.wav.txt", wav));
    EXPECT_FALSE(MatchesFileFilter("bellwav", wav));

    const FileFilter programs = ParseFileFilters("Programs|*.exe;*.COM").at(0);
    EXPECT_TRUE(MatchesFileFilter("SETUP.EXE", programs));
    EXPECT_TRUE(MatchesFileFilter("edit.com", programs));
    EXPECT_FALSE(MatchesFileFilter("notes.txt", programs));

    const FileFilter sync = ParseFileFilters("Synchronization Files|SYNC?.SYN").at(0);
    EXPECT_TRUE(MatchesFileFilter("sync1.syn", sync));
    EXPECT_FALSE(MatchesFileFilter("sync12.syn", sync));
}

TEST(FileFilter, AllFilesMatchesNamesWithoutExtension)
{
    const FileFilter all = ParseFileFilters("All Files|*.*").at(0);
    EXPECT_TRUE(MatchesFileFilter("README", all));
    EXPECT_TRUE(MatchesFileFilter("bell.wav", all));
    EXPECT_EQ(CaseInsensitivePattern("*.*"), "*");
}

TEST(FileFilter, DialogPatternsFindFilesInAnyCase)
{
    EXPECT_EQ(CaseInsensitivePattern("*.WAV"), "*.[wW][aA][vV]");
    EXPECT_EQ(CaseInsensitivePattern("a[1].txt"), "[aA][[]1[]].[tT][xX][tT]");
    EXPECT_EQ(DialogNameFilters(ParseFileFilters("Export Files|*.CSV|All Files|*.*")),
              QStringList({"Export Files (*.[cC][sS][vV])", "All Files (*)"}));

    // The patterns must work where the matching itself is case-sensitive.
    test::WriteTextFile(test::TestPath("bell.wav"), "x");
    test::WriteTextFile(test::TestPath("CHIME.WAV"), "x");
    test::WriteTextFile(test::TestPath("notes.txt"), "x");
    const QStringList found = QDir(test::TestDir())
                                  .entryList({CaseInsensitivePattern("*.WAV")},
                                             QDir::Files | QDir::CaseSensitive, QDir::Name);
    EXPECT_EQ(found, QStringList({"CHIME.WAV", "bell.wav"}));
}

} // namespace
} // namespace vl
