#include "scheduler/run/FileActions.h"
#include "scheduler/run/LogWindows.h"
#include "scheduler/run/ScriptValues.h"
#include "tests/scheduler/run/ScriptRunFixture.h"

#include <QDir>
#include <QFileInfo>

namespace vl {
namespace {

using test::ScriptRun;
using test::ReadTextFile;
using test::WriteTextFile;

TEST_F(ScriptRun, FileActionsDoTheirWorkAndPublishTheirResults)
{
    WriteTextFile("a.txt", "12345");
    QFile stamped("a.txt");
    ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stamped.setFileTime(QDateTime(QDate(2024, 3, 4), QTime(5, 6, 7)), QFileDevice::FileModificationTime));
    stamped.close();
    SetScriptValue("name", "a");
    const struct {
        const char* subAction;
        const char* command;
        const char* path;
        const char* value; // "name=text" published
        int errorcode;
        std::function<bool()> done;
    } cases[] = {
        {"Copy", "[NAME].txt", "b.txt", "FileCopy=0", 0, [] { return ReadTextFile("b.txt") == "12345"; }},
        {"Rename", "b.txt", "c.txt", "FileCopy=0", 0, [] { return QFile::exists("c.txt") && !QFile::exists("b.txt"); }},
        {"Make Directory", "sub", "", "DirCreate=1", 0, [] { return QFileInfo("sub").isDir(); }},
        {"Move", "c.txt", "sub", "FileMove=0", 0, [] { return QFile::exists("sub/c.txt"); }},
        {"Remove Directory", "sub", "", "DirRemove=0", 90, [] { return QFileInfo("sub").isDir(); }},
        {"Delete", "sub/c.txt", "", "FileDelete=0", 0, [] { return !QFile::exists("sub/c.txt"); }},
        {"Remove Directory", "sub", "", "DirRemove=1", 0, [] { return !QFileInfo::exists("sub"); }},
        {"Get File Size", "a.*", "", "FileSize=5", 0, nullptr},
        {"Get File Size", "none.txt", "", "FileSize=0", 2, nullptr},
        {"Get File Date", "a.txt", "", "FileDate=20240304", 0, nullptr},
        {"Get File Time", "a.txt", "", "FileTime=050607", 0, nullptr},
        {"If File Exists", "a.txt", "", "FileExists=1", 0, nullptr},
        {"If File Exists", "none.txt", "", "FileExists=0", 0, nullptr},
        {"Make Directory", "", "", "DirCreate=0", 2, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.subAction) + " " + c.command);
        RunFileAction(c.subAction, c.command, c.path);
        const QStringList value = QString(c.value).split('=');
        EXPECT_EQ(Value(value[0]), value[1]);
        EXPECT_EQ(Value("Errorcode"), QString::number(c.errorcode));
        if (c.done) {
            EXPECT_TRUE(c.done());
        }
    }
}

TEST_F(ScriptRun, TheWindowLogListsChildrenOfWinClassChildrenUnderTheirParent)
{
    desktop_.AddWindow({.handle = 1, .title = "Editor", .visible = true});
    desktop_.AddWindow({.handle = 2, .title = "Pane", .className = "WinPane", .visible = true}, 1);
    desktop_.AddWindow({.handle = 3, .title = "Text", .className = "Edit", .visible = true}, 2);
    EXPECT_EQ(RunFileAction("Log Windows", "windows.log", ""), 2);
    const QStringList lines = ReadTextFile("windows.log").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    for (const QString& line : lines)
        EXPECT_EQ(line.size(), kLogWindowsLineWidth);
    EXPECT_EQ(lines[0].left(52).simplified(), "Editor 1");
    EXPECT_EQ(lines[1].mid(52).simplified(), "Pane WinPane 2");
    EXPECT_EQ(lines[3].left(52).simplified(), "Pane (Child of Editor) 2");
    EXPECT_EQ(lines[4].mid(52).simplified(), "Text Edit 3");
    EXPECT_FALSE(LogWindows("no/such/dir/windows.log").has_value());
}

TEST_F(ScriptRun, ValueTestsCompareNumbersOrTexts)
{
    SetScriptValue("colour", "red");
    SetScriptValue("size", "1500");
    const struct {
        const char* name;
        const char* op;
        const char* to;
        bool result;
    } cases[] = {
        {"size", ">", "1000", true},  {"size", "=>", "1500", true}, {"size", ">=", "1", false},
        {"size", "<>", "1500", false}, {"colour", "=", "Red", false}, {"colour", "=", "red", true},
        {"FileSize", "=", "0", true}, {"=2+2", "=", "4", true},     {"colour", "<", "[COLOUR]", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TestScriptValue(c.name, c.op, c.to), c.result) << c.name << " " << c.op << " " << c.to;
}

} // namespace
} // namespace vl
