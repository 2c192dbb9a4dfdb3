#include "core/shell/ShellFileOperation.h"
#include "platform/runtime/IniFile.h"
#include "tests/core/shell/ShellTestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::Content;
using test::Present;
using test::Put;
using test::TestPath;

using Op = ShellFileOperation;

TEST(ShellFileOperation, PrepareSetsTheStandardFlagsAndDeleteChangesOnlyUndo)
{
    Op operation;
    EXPECT_FALSE(operation.Prepared());
    operation.Prepare(false);
    EXPECT_EQ(operation.Flags(), 0x6D0u);
    EXPECT_EQ(operation.Sources(), QStringList({"*.*"}));
    operation.Prepare(true);
    EXPECT_EQ(operation.Flags(), 0x6D8u);

    Put("a.txt");
    Put("b.txt");
    operation.Delete("a.txt", false);
    EXPECT_EQ(operation.Flags() & Op::kAllowUndo, 0u);
    EXPECT_EQ(operation.Flags(), 0x698u); // everything else stays, rename on collision included
    {
        test::PrivateTrash trash;
        EXPECT_EQ(operation.Recycle("b.txt"), 0);
    }
    EXPECT_NE(operation.Flags() & Op::kAllowUndo, 0u);
    operation.Delete("missing.txt", false);
    operation.Prepare(false);
    EXPECT_EQ(operation.Flags(), 0x6D0u);
}

TEST(ShellFileOperation, AnUnpreparedObjectPreparesItselfWithoutRenaming)
{
    Put("a.txt", "new");
    Put("out/a.txt", "old");
    Op operation;
    EXPECT_EQ(operation.Copy("out", "a.txt"), 0);
    EXPECT_TRUE(operation.Prepared());
    EXPECT_EQ(operation.Flags(), Op::kStandardFlags);
    EXPECT_EQ(operation.Function(), ShellFunction::Copy);
    EXPECT_EQ(Content("out/a.txt"), "new"); // overwritten: no rename, no question
}

TEST(ShellFileOperation, EveryOperationLeavesItsTraceInDebugIni)
{
    Put("a.txt");
    Put("b.txt");
    Op operation;
    operation.Prepare(false);
    operation.Copy("copies dir", "a.txt; b.txt");
    const IniFile trace(TestPath("DEBUG.INI"));
    EXPECT_EQ(trace.Get("ShFileOp", "Exec"), "2");
    EXPECT_EQ(trace.Get("ShFileOp", "Source"), "a.txt");
    EXPECT_EQ(trace.Get("ShFileOp", "Target"), "copies dir");

    operation.Delete("b.txt", false);
    EXPECT_EQ(trace.Get("ShFileOp", "Exec"), "3");
    EXPECT_EQ(trace.Get("ShFileOp", "Source"), TestPath("b.txt")); // a bare name in its long form
    EXPECT_EQ(trace.Get("ShFileOp", "Target"), TestPath("b.txt"));

    // Also an operation that fails is traced.
    EXPECT_NE(operation.Move("elsewhere", "missing.txt"), 0);
    EXPECT_EQ(trace.Get("ShFileOp", "Exec"), "1");
    EXPECT_EQ(trace.Get("ShFileOp", "Source"), "missing.txt");
    operation.Rename("c.txt", "a.txt");
    EXPECT_EQ(trace.Get("ShFileOp", "Exec"), "4");
}

TEST(ShellFileOperation, CopiesOneFileToANewNameCreatingFoldersAndKeepingItsTime)
{
    Put("a.txt", "alpha");
    const QDateTime earlier = QDateTime::currentDateTime().addDays(-3);
    {
        QFile file(TestPath("a.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(earlier, QFileDevice::FileModificationTime));
    }
    Op operation;
    operation.Prepare(false);
    ASSERT_EQ(operation.Copy("new dir/sub/copy of a.txt", "a.txt"), 0) << operation.LastResult().message.toStdString();
    EXPECT_EQ(Content("new dir/sub/copy of a.txt"), "alpha");
    EXPECT_EQ(Content("a.txt"), "alpha");
    EXPECT_EQ(QFileInfo(TestPath("new dir/sub/copy of a.txt")).lastModified().toSecsSinceEpoch(),
              earlier.toSecsSinceEpoch());
    // No temporary file is left beside the copy.
    EXPECT_EQ(QDir(TestPath("new dir/sub")).entryList(QDir::Files | QDir::Hidden), QStringList({"copy of a.txt"}));
}

TEST(ShellFileOperation, CopiesListsAndWildcardsIntoAFolder)
{
    Put("a.txt", "a");
    Put("b.log", "b");
    Put("c.txt", "c");
    Put("README", "r");
    QDir().mkpath(TestPath("folder.txt")); // a folder that the wildcard passes over
    Op operation;
    operation.Prepare(false);
    EXPECT_EQ(operation.Copy("list", "a.txt; b.log"), 0);
    EXPECT_EQ(Content("list/a.txt"), "a");
    EXPECT_EQ(Content("list/b.log"), "b");

    EXPECT_EQ(operation.Copy("texts/", "*.txt"), 0);
    EXPECT_EQ(QDir(TestPath("texts")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"a.txt", "c.txt"}));

    EXPECT_EQ(operation.Copy(TestPath("all"), TestPath("*.*")), 0);
    // Every file, with or without a dot (the trace file included), and no folder.
    EXPECT_EQ(QDir(TestPath("all")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"DEBUG.INI", "README", "a.txt", "b.log", "c.txt"}));
}

TEST(ShellFileOperation, RenameOnCollisionGivesFreeNames)
{
    Put("a.txt", "first");
    Put("out/a.txt", "kept");
    Op operation;
    operation.Prepare(true);
    EXPECT_EQ(operation.Copy("out", "a.txt"), 0);
    EXPECT_EQ(operation.Copy("out", "a.txt"), 0);
    EXPECT_EQ(Content("out/a.txt"), "kept");
    EXPECT_EQ(Content("out/a (2).txt"), "first");
    EXPECT_EQ(Content("out/a (3).txt"), "first");

    // Onto itself: a copy beside it with renaming, a refusal without.
    EXPECT_EQ(operation.Copy(".", "a.txt"), 0);
    EXPECT_EQ(Content("a (2).txt"), "first");
    operation.Prepare(false);
    EXPECT_EQ(operation.Copy(".", "a.txt"), ShellFileCode::AccessDenied);
    EXPECT_EQ(Content("a.txt"), "first");
}

TEST(ShellFileOperation, AFailedCopyLeavesTheOldTargetWhole)
{
    Put("target.txt", "precious");
    ASSERT_EQ(mkfifo(QFile::encodeName(TestPath("pipe")).constData(), 0600), 0); // cannot be copied
    Op operation;
    operation.Prepare(false);
    EXPECT_NE(operation.Copy("target.txt", "pipe"), 0);
    EXPECT_FALSE(operation.LastResult().message.isEmpty());
    EXPECT_EQ(Content("target.txt"), "precious");
    EXPECT_EQ(QDir(test::TestDir()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"DEBUG.INI", "pipe", "target.txt"}));
}

TEST(ShellFileOperation, CopiesAndMergesFolders)
{
    Put("tree/one.txt", "1");
    Put("tree/deeper/two.txt", "2");
    ASSERT_EQ(symlink("one.txt", QFile::encodeName(TestPath("tree/link")).constData()), 0);
    Put("copy/deeper/old.txt", "old");
    Op operation;
    operation.Prepare(false);
    ASSERT_EQ(operation.Copy("copy", "tree/"), 0) << operation.LastResult().message.toStdString();
    EXPECT_EQ(Content("copy/tree/one.txt"), "1");
    EXPECT_EQ(QFileInfo(TestPath("copy/tree/link")).symLinkTarget(), TestPath("copy/tree/one.txt"));

    // Into the folder of the same name: merged, existing files kept.
    ASSERT_EQ(operation.Copy("copy", "tree/deeper"), 0);
    EXPECT_EQ(Content("copy/deeper/two.txt"), "2");
    EXPECT_EQ(Content("copy/deeper/old.txt"), "old");

    EXPECT_EQ(operation.Copy("tree/deeper", "tree"), ShellFileCode::AccessDenied); // into itself
    EXPECT_FALSE(Present("tree/deeper/tree"));
}

TEST(ShellFileOperation, MovesFilesAndFolders)
{
    Put("a.txt", "a");
    Put("b.txt", "b");
    Put("dest/b.txt", "old b");
    Put("tree/x.txt", "x");
    Put("dest/tree/y.txt", "y");
    Op operation;
    operation.Prepare(false);
    ASSERT_EQ(operation.Move("dest", "a.txt|b.txt"), 0);
    EXPECT_FALSE(Present("a.txt"));
    EXPECT_FALSE(Present("b.txt"));
    EXPECT_EQ(Content("dest/a.txt"), "a");
    EXPECT_EQ(Content("dest/b.txt"), "b");

    ASSERT_EQ(operation.Move("dest", "tree"), 0);
    EXPECT_FALSE(Present("tree"));
    EXPECT_EQ(Content("dest/tree/x.txt"), "x");
    EXPECT_EQ(Content("dest/tree/y.txt"), "y");

    ASSERT_EQ(operation.Move("renamed.txt", "dest/a.txt"), 0);
    EXPECT_EQ(Content("renamed.txt"), "a");
}

TEST(ShellFileOperation, RenamesInPlaceAndNeverOverwrites)
{
    Put("dir/a.txt", "a");
    Put("dir/b.txt", "b");
    Op operation;
    operation.Prepare(false);
    ASSERT_EQ(operation.Rename("c.txt", "dir/a.txt"), 0);
    EXPECT_EQ(Content("dir/c.txt"), "a"); // a bare new name stays in the file's folder
    EXPECT_FALSE(Present("c.txt"));

    EXPECT_EQ(operation.Rename("b.txt", "dir/c.txt"), ShellFileCode::AlreadyExists);
    EXPECT_EQ(Content("dir/b.txt"), "b");
    EXPECT_EQ(Content("dir/c.txt"), "a");

    operation.Prepare(true);
    ASSERT_EQ(operation.Rename("b.txt", "dir/c.txt"), 0);
    EXPECT_EQ(Content("dir/b (2).txt"), "a");

    EXPECT_EQ(operation.Rename("x.txt", "dir/*.txt"), ShellFileCode::InvalidName);
    EXPECT_EQ(operation.Rename("dir/x.txt", TestPath("dir/b.txt")), 0); // a new name with a path
    EXPECT_EQ(operation.Rename("nowhere/x.txt", "dir/x.txt"), ShellFileCode::PathNotFound);
}

TEST(ShellFileOperation, DeletesFilesAndFolders)
{
    Put("a.txt");
    Put("b.txt");
    Put("keep.log");
    Put("tree/inside/x.txt");
    Op operation;
    operation.Prepare(false);
    // A missing name stops the whole request before anything goes.
    EXPECT_EQ(operation.Delete("a.txt; missing.txt", false), ShellFileCode::FileNotFound);
    EXPECT_TRUE(Present("a.txt"));

    EXPECT_EQ(operation.Delete("*.txt", false), 0);
    EXPECT_FALSE(Present("a.txt"));
    EXPECT_FALSE(Present("b.txt"));
    EXPECT_TRUE(Present("keep.log"));
    EXPECT_TRUE(Present("tree")); // wildcards take files only

    EXPECT_EQ(operation.Delete("tree", false), 0);
    EXPECT_FALSE(Present("tree"));
    EXPECT_EQ(operation.Delete("*.txt", false), ShellFileCode::FileNotFound); // nothing matches
}

TEST(ShellFileOperation, RecyclingMovesToTheTrashWithItsInfo)
{
    Put("old notes.txt", "notes");
    Op operation;
    operation.Prepare(false);
    int result = 0;
    {
        test::PrivateTrash trash;
        result = operation.Recycle("old notes.txt");
    }
    ASSERT_EQ(result, 0) << operation.LastResult().message.toStdString();
    EXPECT_FALSE(Present("old notes.txt"));
    EXPECT_EQ(Content("xdg data/Trash/files/old notes.txt"), "notes");
    const QString info = Content("xdg data/Trash/info/old notes.txt.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]"));
    // The original path, percent-encoded or (as some Qt versions write it) not.
    const QString pathLine = info.split('\n').filter(QRegularExpression("^Path=")).value(0);
    EXPECT_EQ(QUrl::fromPercentEncoding(pathLine.mid(5).toUtf8()), TestPath("old notes.txt")) << info.toStdString();
    EXPECT_TRUE(info.contains("DeletionDate="));
}

TEST(ShellFileOperation, AFileThatCannotGoToTheTrashStaysWhereItIs)
{
    Put("keep me.txt", "kept");
    Put("plain file", "not a folder");
    Op operation;
    operation.Prepare(false);
    int result = 0;
    {
        test::EnvOverride home("HOME", test::TestDir());
        test::EnvOverride dataHome("XDG_DATA_HOME", TestPath("plain file/data")); // cannot be made
        result = operation.Recycle("keep me.txt");
    }

    EXPECT_EQ(result, ShellFileCode::FileSystemError);
    EXPECT_EQ(Content("keep me.txt"), "kept");
    EXPECT_FALSE(Present("files")); // nothing put into the data directory instead
    EXPECT_FALSE(Present("info"));
}

TEST(ShellFileOperation, ReportsBadRequests)
{
    Put("a.txt");
    Put("b.txt");
    Op operation;
    operation.Prepare(false);
    EXPECT_EQ(operation.Copy("out", "missing.txt"), ShellFileCode::FileNotFound);
    EXPECT_EQ(operation.Copy("out", "no folder/*.txt"), ShellFileCode::PathNotFound);
    EXPECT_EQ(operation.Copy("", "a.txt"), ShellFileCode::InvalidName);
    EXPECT_EQ(operation.Copy("*.bak", "a.txt"), ShellFileCode::InvalidName);
    EXPECT_EQ(operation.Rename("c.txt", "a.txt; b.txt"), ShellFileCode::InvalidName);
    EXPECT_FALSE(operation.LastResult().message.isEmpty());
    EXPECT_FALSE(Present("out"));
    EXPECT_TRUE(Present("a.txt"));
    EXPECT_TRUE(Present("b.txt"));
}

} // namespace
} // namespace vl
