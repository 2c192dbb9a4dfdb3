// The rules of script items apart from the editor's window: old forms
// normalised, help paragraphs, page selection and its defaults, the Wait
// mode rule, the working fields, the key builder, the file action prompts,
// the start options and window matching.

#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "scripting/items/FileActionPrompts.h"
#include "scripting/items/KeyBuilder.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActionHelp.h"
#include "scripting/items/ScriptItemForm.h"
#include "scripting/items/StartProgramOptions.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

ScriptingRecord Item(const QString& action)
{
    ScriptingRecord item;
    item.Action = action;
    return item;
}

TEST(ScriptItemRulesTest, OldFormsAreBroughtToTheCurrentVocabulary)
{
    const struct {
        const char* action;
        QString ScriptingRecord::*field;
        const char* stored;
        const char* action2;
        const char* normal;
    } cases[] = {
        {"If Window...", &ScriptingRecord::WindowExistance, "Window Exists", "If Window...", "Exists"},
        {"If Window...", &ScriptingRecord::WindowExistance, "Window Doesn't Exist", "If Window...", "Does not exist"},
        {"If Window...", &ScriptingRecord::WindowExistance, "", "If Window...", "Does not exist"},
        {"If Time Elapsed...", &ScriptingRecord::IfTimeElapsed, "Is Greater Than", "If Time Elapsed...", "Greater than"},
        {"If Time Elapsed...", &ScriptingRecord::IfTimeElapsed, "Time elapsed is greater than", "If Time Elapsed...",
         "Greater than"},
        {"If Time Elapsed...", &ScriptingRecord::IfTimeElapsed, "Is Less Than", "If Time Elapsed...", "Less than"},
        {"Wait", &ScriptingRecord::DDEApplicationName, "and", "Wait", "Both"},
        {"Wait", &ScriptingRecord::DDEApplicationName, "BOTH ", "Wait", "Both"},
        {"Wait", &ScriptingRecord::DDEApplicationName, "either", "Wait", "Either"},
        {"Wait", &ScriptingRecord::DDEApplicationName, "OR", "Wait", "OR"},
        {"Send Keystrokes  ", &ScriptingRecord::Keystrokes, "[AltF4]", "Send Keys", "[AltF4]"},
        {"DDE (Dynamic Data Exchange)", &ScriptingRecord::DDEApplicationName, "and", "DDE (Dynamic Data Exchange)",
         "and"},
        {"Start Program", &ScriptingRecord::DDEApplicationName, "Either", "Start Program", "0210"},
        {"Start Program", &ScriptingRecord::DDEApplicationName, "1", "Start Program", "1210"},
        {"Start Program", &ScriptingRecord::DDEApplicationName, "0371", "Start Program", "0371"},
        {"File Actions", &ScriptingRecord::DDEType, "ftpupload", "File Actions", "FTP Upload"},
        {"File Actions", &ScriptingRecord::DDEType, "File Exists", "File Actions", "If File Exists"},
        {"File Actions", &ScriptingRecord::DDEType, "Tidy", "File Actions", "Tidy"},
        {"Start Script", &ScriptingRecord::Path, "jump", "Start Script", "Jump to (Execute and skip)"},
        {"Start Script", &ScriptingRecord::Path, "Later", "Start Script", "Later"},
    };
    for (const auto& c : cases) {
        ScriptingRecord item = Item(c.action);
        item.*c.field = c.stored;
        NormalizeScriptItem(item);
        EXPECT_EQ(item.Action, c.action2) << c.stored;
        EXPECT_EQ(item.*c.field, c.normal) << c.action << " " << c.stored;
    }
    ScriptTemplateDetailsRecord detail;
    detail.Action = "Send Keystrokes";
    NormalizeScriptItem(detail);
    EXPECT_EQ(detail.Action, "Send Keys");
}

TEST(ScriptItemRulesTest, HelpParagraphsFollowTheActionIncludingOlderNames)
{
    EXPECT_TRUE(ScriptActionHelp(u"...End If").isEmpty());
    EXPECT_TRUE(ScriptActionHelp(u"Other").isEmpty());
    EXPECT_EQ(ScriptActionHelp(u"Send Keystrokes"), ScriptActionHelp(u"Send Keys"));
    EXPECT_EQ(ScriptActionHelp(u"DDE (Dynamic Data Exchange)"), ScriptActionHelp(u"DDE"));
    EXPECT_TRUE(ScriptActionHelp(u"Exit Script").startsWith("Exit Script:  This will exit the script"));
    EXPECT_TRUE(ScriptActionHelp(u"Send Email") == "Send a message via the Internet.");
}

TEST(ScriptItemRulesTest, EachActionShowsItsPageWithItsDefaults)
{
    const struct {
        const char* action;
        ScriptPage page;
        const char* path = "";     // Start Script: stored mode in, shown mode out
        const char* pathShown = "";
        const char* subAction = ""; // File Actions
        const char* subShown = "";
    } cases[] = {
        {"Send Keys", ScriptPage::Keys},
        {"Send Keystrokes", ScriptPage::Keys},
        {"Set Focus", ScriptPage::Focus},
        {"Wait", ScriptPage::Wait},
        {"Display Message", ScriptPage::DisplayMessage},
        {"If Window...", ScriptPage::IfWindow},
        {"If Time Elapsed...", ScriptPage::IfTime},
        {"If Value...", ScriptPage::IfVar},
        {"...End If", ScriptPage::EndIf},
        {"Start Program", ScriptPage::Start},
        {"Close Program", ScriptPage::Close},
        {"Start Script", ScriptPage::StartScript, "jump", "Insert (Execute and continue)"},
        {"Start Script", ScriptPage::StartScript, "Jump", "Jump to (Execute and skip)"},
        {"Start Script", ScriptPage::StartScript, "Append", "Append"},
        {"DDE", ScriptPage::Dde},
        {"DDE (Dynamic Data Exchange)", ScriptPage::Dde},
        {"Send Email", ScriptPage::SendEmail},
        {"Set Value", ScriptPage::SetVar},
        {"File Actions", ScriptPage::FileActions, "", "", "Recycle", "Recycle"},
        {"File Actions", ScriptPage::FileActions, "", "", "Shred", "Copy"},
        {"File Actions", ScriptPage::FileActions, "", "", "", "Copy"},
        {"Wait for Program End", ScriptPage::Other},
    };
    for (const auto& c : cases) {
        ScriptingRecord item = Item(c.action);
        item.Path = c.path;
        item.DDEType = c.subAction;
        ScriptItemWork work;
        EXPECT_EQ(SelectScriptPage(item, work), c.page) << c.action;
        EXPECT_EQ(item.Path, c.pathShown) << c.action << " " << c.path;
        EXPECT_EQ(item.DDEType, c.subShown) << c.action << " " << c.subAction;
    }
    ScriptingRecord blank = Item("If Window...");
    ScriptItemWork work;
    SelectScriptPage(blank, work);
    EXPECT_EQ(blank.WindowExistance, "Exists");
    blank = Item("If Time Elapsed...");
    SelectScriptPage(blank, work);
    EXPECT_EQ(blank.IfTimeElapsed, "Less than");
}

TEST(ScriptItemRulesTest, ExitScriptShowsAsOtherAndIsStoredBackUnlessNothingResolvesIt)
{
    ScriptingRecord item = Item("Exit Script");
    ScriptItemWork work = LoadWorkFields(item);
    EXPECT_EQ(SelectScriptPage(item, work), ScriptPage::Other);
    EXPECT_EQ(item.Action, "Other");
    ASSERT_TRUE(StoreWorkFields(item, work));
    EXPECT_EQ(item.Action, "Exit Script");

    ScriptingRecord unknown = Item("Other");
    ScriptItemWork none = LoadWorkFields(unknown);
    SelectScriptPage(unknown, none);
    EXPECT_FALSE(StoreWorkFields(unknown, none));
    EXPECT_EQ(unknown.Action, "Other");
}

TEST(ScriptItemRulesTest, WaitModeIsChosenOnlyWhenSecondsAndWindowAreBothGiven)
{
    const struct {
        int seconds;
        const char* window;
        const char* stored;
        const char* opened;  // after page selection
        const char* typed;   // after the seconds then change to 5
    } cases[] = {
        {0, "Untitled*", "Both", "", "Both"},
        {10, "", "Both", "", ""},
        {10, "Untitled*", "", "Either", "Either"},
        {10, "Untitled*", "AND", "Both", "Both"},
        {0, "", "", "", ""},
    };
    for (const auto& c : cases) {
        ScriptingRecord item = Item("Wait");
        item.SecondsToWait = c.seconds;
        item.WaitForWindow = c.window;
        item.DDEApplicationName = c.stored;
        NormalizeScriptItem(item);
        ScriptItemWork work = LoadWorkFields(item);
        SelectScriptPage(item, work);
        EXPECT_EQ(work.waitMode, c.opened) << c.seconds << c.window << c.stored;
        item.SecondsToWait = 5;
        ApplyWaitModeRule(item, work);
        EXPECT_EQ(work.waitMode, c.typed) << c.seconds << c.window << c.stored;
        ASSERT_TRUE(StoreWorkFields(item, work));
        EXPECT_EQ(item.DDEApplicationName, c.typed);
    }
}

TEST(ScriptItemRulesTest, WorkingFieldsKeepWholeMessagesAndTheFtpLoginInItsColumns)
{
    ScriptingRecord message = Item("Display Message");
    message.DDEApplicationName = QString(200, 'm');
    message.DDEApplicationTopic = QString(120, 't');
    message.SecondsToWait = 1;
    ScriptItemWork shown = LoadWorkFields(message);
    EXPECT_EQ(shown.messageText.size(), 200);
    EXPECT_TRUE(shown.standardDialog);
    shown.standardDialog = false;
    ASSERT_TRUE(StoreWorkFields(message, shown));
    EXPECT_EQ(message.DDEApplicationName, QString(200, 'm'));
    EXPECT_EQ(message.DDEApplicationTopic, QString(120, 't'));
    EXPECT_EQ(message.SecondsToWait, 0);

    const struct {
        QString user;
        QString password;
        QString topic;
    } logins[] = {
        {"anna", "", "anna"},
        {"anna", "s3cret", QString("anna").leftJustified(128) + "s3cret"},
        {"", QString(130, 'p'), QString(128, ' ') + QString(127, 'p')},
        {QString(128, 'u'), QString(127, 'p'), QString(128, 'u') + QString(127, 'p')},
    };
    for (const auto& c : logins) {
        ScriptingRecord ftp = Item("File Actions");
        ScriptItemWork work;
        work.ftpHost = "ftp.example.org";
        work.ftpUser = c.user;
        work.ftpPassword = c.password;
        ASSERT_TRUE(StoreWorkFields(ftp, work));
        EXPECT_EQ(ftp.DDEApplicationTopic, c.topic) << c.user.toStdString();
        EXPECT_LE(ftp.DDEApplicationTopic.size(), 255);
        const ScriptItemWork back = LoadWorkFields(ftp);
        EXPECT_EQ(back.ftpUser, c.user);
        EXPECT_EQ(back.ftpPassword, c.password.left(127));
        EXPECT_EQ(back.ftpHost, "ftp.example.org");
    }
}

TEST(ScriptItemRulesTest, NewItemsArePrimedAndSavesStamped)
{
    SettableClock clock{80000, 360000};
    ClockOverride useClock{clock};
    UserID = "anna";
    ScriptingRecord item = NewScriptItem(7);
    EXPECT_EQ(item.ID, 7);
    EXPECT_EQ(item.Action, "Send Keys");
    EXPECT_EQ(item.WindowExistance, "Exists");
    EXPECT_EQ(item.IfTimeElapsed, "Greater than");
    EXPECT_EQ(item.TimeElapsed, 86400);
    StampScriptItem(item);
    EXPECT_EQ(item.NETWORKUSER, "anna");
    EXPECT_EQ(item.LASTCHANGEDATE, 80000);
    EXPECT_EQ(item.LASTCHANGETIME, 360000);
    EXPECT_EQ(item.ORIGINALID, 7);
    item.ID = 9;
    StampScriptItem(item);
    EXPECT_EQ(item.ORIGINALID, 7);
    UserID.clear();
}

TEST(ScriptItemRulesTest, KeyBuilderAppendsBracketedGroups)
{
    const struct {
        const char* keystrokes;
        const char* modifier;
        const char* key;
        const char* result;
    } cases[] = {
        {"", "CtrlShift", "F5", "[CtrlShift-F5]"},
        {"abc  ", "", "ENTER", "abc[ENTER]"},
        {"x", "Alt", "f", "x[Alt-f]"},
        {"x", "Alt", "", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppendKeyCode(c.keystrokes, c.modifier, c.key), c.result) << c.result;
    EXPECT_EQ(AppendKeyword("Today is ", "TODAY"), "Today is[TODAY]");
    EXPECT_EQ(KeyBuilderModifiers().size(), 7);
    EXPECT_EQ(KeyBuilderModifiers().front(), "");
    EXPECT_EQ(KeyBuilderKeys().size(), 26 + 6 + 12 + 12);
    EXPECT_EQ(KeyBuilderKeywords().size(), 18);
}

TEST(ScriptItemRulesTest, FileActionPromptsFollowTheSubAction)
{
    const struct {
        const char* subAction;
        const char* first;
        const char* second;
        bool firstButton, secondButton, ftp;
    } cases[] = {
        {"Copy", "&From:", "&To:", true, true, false},
        {"Rename", "&From:", "&To:", true, true, false},
        {"Recycle", "&File:", "", true, false, false},
        {"If File Exists", "&File:", "", true, false, false},
        {"Remove Directory", "&Directory:", "", true, false, false},
        {"Log Windows", "", "", false, false, false},
        {"FTP Upload", "&Local file:", "&Upload to:", true, false, true},
        {"FTP Download", "&Path/Filename:", "&Save As:", false, true, true},
        {"HTTP Download", "&URL:", "&Save As:", false, true, false},
    };
    for (const auto& c : cases) {
        const FileActionPrompts p = PromptsForFileAction(QString(c.subAction));
        EXPECT_EQ(p.first, c.first) << c.subAction;
        EXPECT_EQ(p.second, c.second) << c.subAction;
        EXPECT_EQ(p.firstButton, c.firstButton) << c.subAction;
        EXPECT_EQ(p.secondButton, c.secondButton) << c.subAction;
        EXPECT_EQ(p.ftp, c.ftp) << c.subAction;
    }
}

TEST(ScriptItemRulesTest, StartOptionsReadAndWriteTheirCodes)
{
    const struct {
        const char* codes;
        const char* topic;
        const char* written;
        const char* verb;
    } cases[] = {
        {"", "", "0210", "Open"},
        {"1372", "Print", "1370", "Print"},
        {"0158", "", "0110", "Open"},
        {"9781", "runas", "1281", "runas"},
        {"0228", "Edit", "0220", "Edit"},
    };
    for (const auto& c : cases) {
        ScriptingRecord item = Item("Start Program");
        item.DDEApplicationName = c.codes;
        item.DDEApplicationTopic = c.topic;
        item.TimeElapsed = 30;
        const StartOptions options = ReadStartOptions(item);
        EXPECT_EQ(options.verb, c.verb) << c.codes;
        EXPECT_EQ(options.stopWaitingAfter, 30);
        ScriptingRecord written = Item("Start Program");
        WriteStartOptions(options, written);
        EXPECT_EQ(written.DDEApplicationName, c.written) << c.codes;
        EXPECT_EQ(written.DDEApplicationTopic, c.verb);
        EXPECT_EQ(written.TimeElapsed, 30);
    }
}

} // namespace
} // namespace vl
