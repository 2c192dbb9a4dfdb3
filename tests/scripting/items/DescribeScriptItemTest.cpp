#include "scripting/items/DescribeScriptItem.h"

#include <functional>

#include <gtest/gtest.h>

namespace vl {
namespace {

using Fill = std::function<void(ScriptingRecord&)>;

ScriptingRecord Item(const QString& action, const Fill& fill)
{
    ScriptingRecord item;
    item.Action = action;
    fill(item);
    return item;
}

TEST(DescribeScriptItemTest, EveryActionDescribesItsFields)
{
    const QString longKeys = QString(200, u'k');
    const struct {
        QString action;
        Fill fill;
        QString expected;
    } cases[] = {
        {"Start Program", [](auto& i) { i.Command = "notepad.exe"; i.Path = "/tmp"; }, "notepad.exe /tmp"},
        {"Wait for Program End", [](auto& i) { i.Command = "make"; }, "make"},
        {"Start Script", [](auto& i) { i.Command = "a.vls"; i.Path = "Append"; }, "a.vls Append"},
        {"Close Program", [](auto&) {}, "Window with focus"},
        {"Close Program", [](auto& i) { i.Command = "xterm"; }, "xterm"},
        {"Set Value", [](auto& i) { i.Path = "SAVESIZE"; i.Command = "[FILESIZE]"; }, "SAVESIZE = [FILESIZE]"},
        {"If Value...", [](auto& i) { i.Command = "DAY"; i.WindowTitleToCheckFor = "<>"; i.WaitForWindow = "MONDAY"; },
         "DAY <> MONDAY"},
        {"File Actions", [](auto& i) { i.DDEType = "Delete"; i.Command = "C:\\TEMP\\A.TXT"; }, "Delete C:\\TEMP\\A.TXT"},
        {"File Actions", [](auto& i) { i.DDEType = "Recycle"; i.Command = "a.txt"; i.Path = "unused"; }, "Recycle a.txt"},
        {"File Actions", [](auto& i) { i.DDEType = "Copy"; i.Command = "a.txt"; i.Path = "b.txt"; }, "Copy a.txt to b.txt"},
        {"Send Keys", [](auto& i) { i.Keystrokes = "abc[AltF4]"; }, "abc[AltF4]"},
        {"Send Keystrokes", [](auto& i) { i.Keystrokes = "old"; }, "old"},
        {"Send Keys", [&](auto& i) { i.Keystrokes = longKeys; }, longKeys.left(128)},
        {"DDE", [](auto& i) { i.DDEType = "Execute"; i.DDEApplicationName = "app"; i.DDEApplicationTopic = "sys"; },
         "Execute app sys"},
        {"DDE (Dynamic Data Exchange)", [](auto& i) { i.DDEType = "Request"; i.DDEApplicationTopic = "t"; },
         "Request  t"},
        {"Display Message", [](auto& i) { i.DDEApplicationName = "Hello"; i.DDEApplicationTopic = "Title"; },
         "Hello Title"},
        {"Set Focus", [](auto& i) { i.FocusOnWindow = "*Notepad"; }, "*Notepad"},
        {"Wait", [](auto& i) { i.WaitForWindow = "~Save As"; }, "~Save As"},
        {"Wait", [](auto& i) { i.SecondsToWait = 30; }, "30 seconds"},
        {"Wait", [](auto& i) { i.SecondsToWait = 5; i.DDEApplicationName = "Both"; i.WaitForWindow = "*Notepad"; },
         "5 seconds Both *Notepad"},
        {"If Window...", [](auto& i) { i.WindowTitleToCheckFor = "Untitled - *"; i.WindowExistance = "Exists"; },
         "Untitled - * - Exists"},
        {"If Window...",
         [](auto& i) { i.WindowTitleToCheckFor = "Untitled - *"; i.FocusOnWindow = "OK"; i.WindowExistance = "Does not exist"; },
         "Untitled - */OK - Does not exist"},
        {"If Time Elapsed...", [](auto& i) { i.TimeElapsed = 86400; i.IfTimeElapsed = "Less than"; }, "86400 seconds"},
        {"Send Email", [](auto& i) { i.EmailID = 12; }, "Message #12"},
        {"Send Email", [](auto& i) { i.EmailID = 7; i.WindowTitleToCheckFor = "Hi - bob@x.org"; },
         "Hi - bob@x.org - Message #7"},
        {"...End If", [](auto& i) { i.Command = "ignored"; }, ""},
        {"Exit Script", [](auto& i) { i.Keystrokes = "ignored"; }, ""},
        {"**End**", [](auto& i) { i.Command = "ignored"; }, ""},
        {"Wait      ", [](auto& i) { i.SecondsToWait = 2; }, "2 seconds"},
    };
    for (const auto& c : cases) {
        const ScriptingRecord item = Item(c.action, c.fill);
        EXPECT_EQ(DescribeScriptItem(item), c.expected) << c.action.toStdString();
    }
    const ScriptingRecord keys = Item("Send Keys", [&](auto& i) { i.Keystrokes = longKeys; });
    EXPECT_EQ(ScriptItemDetail(keys), longKeys.left(80));

    ScriptTemplateDetailsRecord templateItem;
    templateItem.Action = "Set Focus";
    templateItem.FocusOnWindow = "Editor";
    EXPECT_EQ(DescribeScriptItem(templateItem), "Editor");
}

// A "File Actions" item keeps its FTP user name in characters 1-128 of
// SCR:DDEApplicationTopic and the password in 129-255. Whatever action the
// item is later changed to, and however short the other fields, the password
// never shows.
TEST(DescribeScriptItemTest, FtpPasswordNeverShows)
{
    const QString password = "Secr3tPw";
    for (const QString action : {"File Actions", "DDE", "DDE (Dynamic Data Exchange)", "Display Message", "Send Keys",
                                 "Wait", "If Window...", "Set Focus", "Start Program"}) {
        for (const QString& user : {QString(), QString("anonymous"), QString(128, u'u')}) {
            const ScriptingRecord item = Item(action, [&](auto& i) {
                i.DDEType = "FTP Upload";
                i.DDEApplicationTopic = user.leftJustified(128, u' ') + password;
            });
            EXPECT_FALSE(DescribeScriptItem(item).contains(password)) << action.toStdString();
        }
    }
}

} // namespace
} // namespace vl
