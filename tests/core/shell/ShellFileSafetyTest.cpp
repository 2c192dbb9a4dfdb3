#include "core/shell/LiveDataFiles.h"
#include "core/shell/ShellFileOperation.h"
#include "tests/core/shell/ShellTestFiles.h"

#include <QDir>

#include <sys/resource.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::Content;
using test::Present;
using test::Put;
using test::TestPath;

using Op = ShellFileOperation;

// The test directory is the data directory (the current directory), with a
// main data file, its journal and an ordinary file.
class LiveDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Put("VLDB.TPS", "live data");
        Put("VLDB.TPS-journal", "live journal");
        Put("notes.txt", "notes");
        operation.Prepare(false);
    }
    // True when every file of the data directory is still as it was.
    bool DataUntouched() const
    {
        return Content("VLDB.TPS") == "live data" && Content("VLDB.TPS-journal") == "live journal"
               && Content("notes.txt") == "notes";
    }
    Op operation;
};

TEST_F(LiveDataTest, DataFilesAreNeverDeletedOrRecycled)
{
    test::PrivateTrash trash;
    Put("vltpl.tps", "templates");
    EXPECT_EQ(operation.Delete("vltpl.tps", false), ShellFileCode::AccessDenied); // any case
    EXPECT_EQ(Content("vltpl.tps"), "templates");
    EXPECT_TRUE(operation.LastResult().message.contains("data file"));
    EXPECT_EQ(operation.Recycle("VLDB.TPS-journal"), ShellFileCode::AccessDenied);
    // A wildcard that takes a data file is refused whole: notes.txt stays too.
    EXPECT_EQ(operation.Delete("*.*", false), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Delete("notes.txt; VLDB.TPS", true), ShellFileCode::AccessDenied);
    EXPECT_TRUE(DataUntouched());
    EXPECT_FALSE(Present("xdg data/Trash/files/notes.txt"));
}

TEST_F(LiveDataTest, DataFilesAreNeverMovedRenamedOrOverwritten)
{
    Put("backup/VLDB.TPS", "old data");
    EXPECT_EQ(operation.Move("backup", "VLDB.TPS"), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Rename("OLD.TPS", "VLDB.TPS"), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Rename("VLDB.TPS", "notes.txt"), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Copy(".", "backup/VLDB.TPS"), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Move(test::TestDir(), "backup/*.TPS"), ShellFileCode::AccessDenied);
    // No journal may be put beside a data file either: it would be replayed into it.
    EXPECT_EQ(operation.Copy("VLDB.TPS-wal", "notes.txt"), ShellFileCode::AccessDenied);
    operation.Prepare(true); // renaming on collision does not open a way in
    EXPECT_EQ(operation.Copy("VLDB.TPS", "backup/VLDB.TPS"), ShellFileCode::AccessDenied);
    EXPECT_TRUE(DataUntouched());
    EXPECT_FALSE(Present("VLDB.TPS-wal"));
    EXPECT_FALSE(Present("VLDB (2).TPS"));
    EXPECT_EQ(Content("backup/VLDB.TPS"), "old data");
}

TEST_F(LiveDataTest, DataFilesMayBeCopiedElsewhereAndOtherFoldersAreFree)
{
    ASSERT_EQ(operation.Copy("backup/", "VLDB.TPS"), 0);
    EXPECT_EQ(Content("backup/VLDB.TPS"), "live data");
    // Outside the data directory a ".TPS" file is an ordinary file.
    Put("other/VLDB.TPS", "other");
    EXPECT_EQ(operation.Copy("other", "backup/VLDB.TPS"), 0);
    EXPECT_EQ(Content("other/VLDB.TPS"), "live data");
    EXPECT_EQ(operation.Delete("backup/*.TPS", false), 0);
    EXPECT_FALSE(Present("backup/VLDB.TPS"));
    EXPECT_TRUE(DataUntouched());
}

TEST_F(LiveDataTest, FoldersHoldingTheDataDirectoryAreLeftAlone)
{
    // The data directory one level down, so its folders can be named.
    Put("outer/data/VLDB.TPS", "nested data");
    Put("snapshot/data/VLDB.TPS", "snapshot");
    ASSERT_TRUE(QDir::setCurrent(TestPath("outer/data")));
    EXPECT_EQ(operation.Delete(TestPath("outer/data"), false), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Delete(TestPath("outer"), false), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Move(TestPath("elsewhere"), TestPath("outer")), ShellFileCode::AccessDenied);
    // Copying a folder over the data directory would overwrite its data file.
    EXPECT_EQ(operation.Copy(TestPath("outer"), TestPath("snapshot/data")), ShellFileCode::AccessDenied);
    EXPECT_EQ(operation.Copy(test::TestDir(), TestPath("snapshot")), ShellFileCode::AccessDenied);
    ASSERT_TRUE(QDir::setCurrent(test::TestDir()));
    EXPECT_EQ(Content("outer/data/VLDB.TPS"), "nested data");
    EXPECT_FALSE(Present("elsewhere"));
}

TEST_F(LiveDataTest, AFolderThatCannotBeListedWholeIsNotCopiedOverTheDataDirectory)
{
    // Its data file lies deeper than the open-file limit lets the walk go.
    QString deep = "deep/data";
    for (int level = 0; level < 40; ++level)
        deep += "/d";
    Put(deep + "/VLDB.TPS", "stale data");
    Put("outer/data/VLDB.TPS", "nested data");
    ASSERT_TRUE(QDir::setCurrent(TestPath("outer/data")));
    rlimit files{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &files), 0);
    rlimit cut = files;
    cut.rlim_cur = QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() + 4;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &cut), 0);
    const int code = operation.Copy(TestPath("outer"), TestPath("deep/data"));
    setrlimit(RLIMIT_NOFILE, &files);
    ASSERT_TRUE(QDir::setCurrent(test::TestDir()));
    EXPECT_NE(code, 0);
    EXPECT_TRUE(operation.LastResult().message.startsWith("Cannot list")) << operation.LastResult().message.toStdString();
    EXPECT_EQ(Content("outer/data/VLDB.TPS"), "nested data");
    EXPECT_FALSE(Present("outer/data/d"));
}

TEST(LiveDataFiles, NamesAndPlaces)
{
    namespace fs = std::filesystem;
    EXPECT_TRUE(IsDataFileName("VLDB.TPS"));
    EXPECT_TRUE(IsDataFileName("vltpl.tps"));
    EXPECT_TRUE(IsDataFileName("MsgLink.TPS-shm"));
    EXPECT_TRUE(IsDataFileName("vldb.tps-WAL"));
    EXPECT_TRUE(IsDataFileName("/x/y/VLDB.tps-Journal"));
    EXPECT_FALSE(IsDataFileName("VLDB.TPS.bak"));
    EXPECT_FALSE(IsDataFileName("TPS"));
    EXPECT_FALSE(IsDataFileName("notes.txt"));

    const fs::path data = test::TestPath("data").toStdString();
    fs::create_directories(data / "sub");
    EXPECT_TRUE(IsLiveDataFile(data / "VLDB.TPS", data)); // need not exist
    EXPECT_TRUE(IsLiveDataFile(data / "sub" / ".." / "VLDB.TPS", data));
    EXPECT_FALSE(IsLiveDataFile(data / "sub" / "VLDB.TPS", data));
    EXPECT_TRUE(HoldsDataDirectory(data, data));
    EXPECT_TRUE(HoldsDataDirectory(data.parent_path(), data));
    EXPECT_FALSE(HoldsDataDirectory(data / "sub", data));
    fs::create_directories(test::TestPath("data2").toStdString());
    EXPECT_FALSE(HoldsDataDirectory(test::TestPath("data2").toStdString(), data)); // not a prefix match
}

} // namespace
} // namespace vl
