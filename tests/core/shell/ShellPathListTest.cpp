#include "core/shell/ShellNames.h"
#include "core/shell/ShellPathList.h"
#include "tests/support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(SplitPathText, ListsAreSplitAtSemicolonsAndBars)
{
    EXPECT_EQ(SplitPathText("a.txt; b.txt"), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(SplitPathText("a.txt|b.txt| c.txt;d.txt"), QStringList({"a.txt", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(SplitPathText(QString("a.txt") + QChar(0) + "b.txt"), QStringList({"a.txt", "b.txt"}));
    // Trailing blanks of each name are clipped; an empty name does not end the list.
    EXPECT_EQ(SplitPathText("a.txt  ;; b.txt   "), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(SplitPathText("dir/*.txt; other dir/x.txt"), QStringList({"dir/*.txt", "other dir/x.txt"}));
}

TEST(SplitPathText, ABareNameOfAnExistingFileGetsItsFullPath)
{
    test::WriteTextFile(test::TestPath("notes one.txt"), "x");
    EXPECT_EQ(SplitPathText("notes one.txt"), QStringList({QDir::current().absoluteFilePath("notes one.txt")}));
    EXPECT_EQ(SplitPathText("not there.txt"), QStringList({"not there.txt"}));
    // Wildcards and paths are kept as written.
    EXPECT_EQ(SplitPathText("notes*.txt"), QStringList({"notes*.txt"}));
    EXPECT_EQ(SplitPathText("./notes one.txt"), QStringList({"./notes one.txt"}));
    EXPECT_EQ(SplitPathText("   "), QStringList());
}

TEST(MatchesWildcard, StarAndQuestionMarkOnly)
{
    EXPECT_TRUE(MatchesWildcard("*.txt", "a.txt"));
    EXPECT_TRUE(MatchesWildcard("*.txt", ".txt"));
    EXPECT_FALSE(MatchesWildcard("*.txt", "a.txt.bak"));
    EXPECT_FALSE(MatchesWildcard("*.txt", "a.TXT"));
    EXPECT_TRUE(MatchesWildcard("a?c*", "abc"));
    EXPECT_TRUE(MatchesWildcard("a*b*c", "a-b-b-c"));
    EXPECT_FALSE(MatchesWildcard("a?c", "ac"));
    EXPECT_TRUE(MatchesWildcard("[1].txt", "[1].txt"));
    EXPECT_FALSE(MatchesWildcard("[1].txt", "1.txt"));
    EXPECT_TRUE(MatchesWildcard("*.*", "README"));
    EXPECT_FALSE(MatchesWildcard("*.?", "README"));
    // A "*" in the name is an ordinary character the wildcard can cover.
    EXPECT_TRUE(MatchesWildcard("*b", "*ab"));
    EXPECT_TRUE(MatchesWildcard("a*", "a*"));
    EXPECT_TRUE(MatchesWildcard("*.txt", "*x*.txt"));
    EXPECT_FALSE(MatchesWildcard("*b", "*a"));
}

TEST(CollisionFreeName, CountsUpBeforeTheExtension)
{
    namespace fs = std::filesystem;
    const fs::path dir = test::TestDir().toStdString();
    EXPECT_EQ(CollisionFreeName(dir / "a.txt"), dir / "a (2).txt");
    test::WriteTextFile(test::TestPath("a (2).txt"), "x");
    test::WriteTextFile(test::TestPath("a (3).txt"), "x");
    EXPECT_EQ(CollisionFreeName(dir / "a.txt"), dir / "a (4).txt");
    EXPECT_EQ(CollisionFreeName(dir / "archive.tar.gz"), dir / "archive.tar (2).gz");
    EXPECT_EQ(CollisionFreeName(dir / ".profile"), dir / ".profile (2)");
    EXPECT_EQ(CollisionFreeName(dir / "folder"), dir / "folder (2)");
}

} // namespace
} // namespace vl
