#pragma once
// Script items of every action (the older names and the running queue's
// entries included) with the description each must have; an FTP item keeps
// a password that no description may show.

#include "core/dictionary/ScriptingRecord.h"

#include <functional>
#include <vector>

namespace vl::test {

inline constexpr char kSamplePassword[] = "Pa55word!";

struct DescribedItem {
    ScriptingRecord item;
    QString description;
};

inline std::vector<DescribedItem> EveryActionSample()
{
    using Fill = std::function<void(ScriptingRecord&)>;
    const QString longKeys = QString(200, u'k');
    const struct {
        const char* action;
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
        {"File Actions",
         [](auto& i) {
             i.DDEType = "FTP Upload"; i.Command = "up.zip"; i.Path = "/pub/up.zip"; i.DDEApplicationName = "ftp.example.org";
             i.DDEApplicationTopic = QString("ann").leftJustified(128, u' ') + kSamplePassword;
         },
         "FTP Upload up.zip to /pub/up.zip"},
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
    std::vector<DescribedItem> sample;
    for (const auto& c : cases) {
        DescribedItem described{{}, c.expected};
        described.item.Action = c.action;
        c.fill(described.item);
        sample.push_back(described);
    }
    return sample;
}

} // namespace vl::test
