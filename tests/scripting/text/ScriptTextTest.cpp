// Scripts as text and as exchange files: every action written and read back
// the same through both; lines as a user types them; a task's script
// replaced from text in one batch.

#include "core/dictionary/Dictionary.h"
#include "core/launch/ScriptTokenQuoting.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/text/ScriptExchange.h"
#include "scripting/text/ScriptText.h"
#include "tests/scripting/text/ScriptItemFields.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

#include <random>

namespace vl {
namespace {

using test::ItemFields;
using test::MakeItem;

const QString kFtpLogin = PadTo(QStringLiteral("bob"), 128) + QStringLiteral("s3cret");

struct WrittenItem {
    ScriptingRecord item;
    const char* line;
};

const std::vector<WrittenItem>& EveryAction()
{
    static const std::vector<WrittenItem> kItems{
        {MakeItem("Send Keys", "Keystrokes=Hello, world [Enter]"), R"(KEYS "Hello, world [Enter]")"},
        {MakeItem("Send Keys", R"(Keystrokes=say "hi" now)"), R"(KEYS "say """hi""" now")"},
        {MakeItem("Set Focus", "FocusOnWindow=Untitled - Editor|WaitForWindow=Save"), R"(FOCUS "Untitled - Editor" Save)"},
        {MakeItem("Wait", "DDEApplicationName=Either|SecondsToWait=5|WaitForWindow=Editor*"), "WAIT Either 5 Editor*"},
        {MakeItem("Wait", "SecondsToWait=3"), "WAIT 3"},
        {MakeItem("Wait", "WaitForWindow=~Editor*|FocusOnWindow=x"), "WAIT ~Editor* x"},
        {MakeItem("Display Message", "DDEApplicationName=Back up now?|DDEApplicationTopic=Backup|FocusOnWindow=OK|SecondsToWait=1"),
         R"(DISPLAY "Back up now?" Backup OK)"},
        {MakeItem("Display Message", "DDEApplicationName=Done"), R"(DISPLAY Done "" "" /MODAL)"},
        {MakeItem("Display Message", "DDEApplicationName=Use /MODAL|SecondsToWait=1"), R"(DISPLAY "Use /MODAL")"},
        {MakeItem("Start Program", "Command=/usr/bin/editor|Path=/tmp|DDEApplicationName=1371|TimeElapsed=30|DDEApplicationTopic=Print"),
         R"(START "/usr/bin/editor" "/tmp" WAIT=30 PRIORITY=3 MODE=7 ACTION=Print /TRANSLATE)"},
        {MakeItem("Start Program", "Command=editor|DDEApplicationName=0210|DDEApplicationTopic=Open"), R"(START editor "" ACTION=Open)"},
        {MakeItem("Close Program", "Command=editor"), "CLOSE editor"},
        {MakeItem("Exit Script"), "EXIT"},
        {MakeItem("DDE", "DDEApplicationName=org.example.App|DDEApplicationTopic=/doc|DDECommand=app.Open x|DDEType=Request|DDELinkItem=Title"),
         R"(DDE org.example.App "/doc" "app.Open x" Request Title)"},
        {MakeItem("File Actions", "DDEType=Copy|Command=/a b|Path=/c"), R"(FILE Copy "/a b" "/c")"},
        {MakeItem("File Actions", "DDEType=Recycle|Command=/a"), R"(FILE Recycle "/a")"},
        {MakeItem("File Actions", "DDEType=Make Directory|Command=/d"), R"(FILE "Make Directory" "/d")"},
        {MakeItem("File Actions", "DDEType=FTP Upload|Command=/f|Path=/up|DDEApplicationName=ftp.example|DDEApplicationTopic=" + kFtpLogin),
         R"(FILE "FTP Upload" "/f" "/up" ftp.example bob s3cret)"},
        {MakeItem("File Actions", "DDEType=HTTP Download|Command=http://x/y|Path=/z|DDEApplicationName=n"),
         R"(FILE "HTTP Download" "http://x/y" "/z" n)"},
        {MakeItem("Send Email", "EmailID=42"), "EMAIL 42"},
        {MakeItem("Set Value", "Path=count|Command=1,5"), R"(SET count "1,5")"},
        {MakeItem("If Value...", "Command=count|WindowTitleToCheckFor=<=|WaitForWindow=10"), "IF count <= 10"},
        {MakeItem("If Window...", "WindowExistance=Exists|WindowTitleToCheckFor=Editor*|FocusOnWindow=Save"), "IFWINDOW Editor* Save"},
        {MakeItem("If Window...", "WindowExistance=Does not exist|WindowTitleToCheckFor=Editor*"), "IFNOTWINDOW Editor*"},
        {MakeItem("If Time Elapsed...", "IfTimeElapsed=Greater than|TimeElapsed=60"), "IFTIME 60"},
        {MakeItem("If Time Elapsed...", "IfTimeElapsed=Less than|TimeElapsed=5"), "IFTIMELESS 5"},
        {MakeItem("...End If"), "END"},
        {MakeItem("Start Script", "Command=/s/next.vls|Path=Jump to (Execute and skip)"),
         R"x(SCRIPT "/s/next.vls" "Jump to (Execute and skip)")x"},
        {MakeItem("Comment", "Command=check the folder"), R"(COMMENT "check the folder")"},
    };
    return kItems;
}

TEST(ScriptTextFormat, EveryActionComesBackTheSameThroughTextAndThroughAnExchangeFile)
{
    std::vector<ScriptingRecord> items;
    for (const WrittenItem& written : EveryAction()) {
        const QString line = ScriptItemToLine(written.item);
        EXPECT_EQ(line, QString::fromUtf8(written.line));
        ScriptingRecord parsed;
        QString problem;
        EXPECT_EQ(ParseScriptLine(line, parsed, &problem), ScriptLineKind::Known) << written.line;
        EXPECT_EQ(problem, "") << written.line;
        EXPECT_EQ(ItemFields(parsed), ItemFields(written.item)) << written.line;
        if (written.item.Action != QLatin1String("Comment"))
            items.push_back(written.item);
    }
    const QString file = test::TestPath("all.vls");
    QString error;
    ASSERT_TRUE(WriteScriptExchangeFile(file, items, &error)) << error.toStdString();
    const ScriptFileContents read = ReadScriptExchangeFile(file);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.items.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(ItemFields(read.items[i]), ItemFields(items[i]));
    EXPECT_TRUE(read.unrecognized.isEmpty());
    EXPECT_TRUE(test::ReadTextFile(file).contains(R"("Start Program","/usr/bin/editor","/tmp","1371","30","Print","")"));
}

TEST(ScriptTextFormat, TypedLinesKeepWhatTheUserWrote)
{
    const struct {
        const char* line;
        const char* fields;
    } cases[] = {
        {"keys Hello world", "Send Keys|Keystrokes=Hello world"},
        {"KEYS [Alt F4],x", "Send Keys|Keystrokes=[Alt F4],x"},
        {"  ! note this   down", "Comment|Command=note this   down"},
        {"SET x 1,5", "Set Value|Command=1,5|Path=x"},
        {"WAIT 999 Or window_title optional_content",
         "Wait|SecondsToWait=999|WaitForWindow=window_title|FocusOnWindow=optional_content|DDEApplicationName=Or"},
        {"WAIT 10 Or Calc", "Wait|SecondsToWait=10|WaitForWindow=Calc|DDEApplicationName=Or"},
        {R"(WAIT 999 "Or" Editor*)", "Wait|SecondsToWait=999|WaitForWindow=Or|FocusOnWindow=Editor*|DDEApplicationName=Both"},
        {"WAIT Or 9 Editor*", "Wait|SecondsToWait=9|WaitForWindow=Editor*|DDEApplicationName=Or"},
        {"WAIT 0", "Wait"},
        {R"(WAIT "5" x)", "Wait|WaitForWindow=5|FocusOnWindow=x"},
        {"WAIT 5 Editor* MODE=later", "Wait|SecondsToWait=5|WaitForWindow=Editor*|DDEApplicationName=later"},
        {"WAIT Editor* Save 7", "Wait|SecondsToWait=7|WaitForWindow=Editor*|FocusOnWindow=Save|DDEApplicationName=Both"},
        {"WAIT and 4 Editor*", "Wait|SecondsToWait=4|WaitForWindow=Editor*|DDEApplicationName=and"},
        {"START editor WAIT=30", "Start Program|TimeElapsed=30|Command=editor|DDEApplicationName=1210"},
        {"start editor /tmp action=printto", "Start Program|Command=editor|Path=/tmp|DDEApplicationName=0210|DDEApplicationTopic=Print"},
        {"START editor ACTION=unlock", "Start Program|Command=editor|DDEApplicationName=0210|DDEApplicationTopic=UNLOCK"},
        {"FILE EXISTS /a /b", "File Actions|Command=/a|Path=/b|DDEType=Copy"},
        {R"(FILE "Tidy" /a)", "File Actions|Command=/a|DDEType=Tidy"},
        {R"(START editor ACTION="runas")", "Start Program|Command=editor|DDEApplicationName=0210|DDEApplicationTopic=runas"},
        {"FILE ftp /a /b host user", "File Actions|Command=/a|Path=/b|DDEType=FTP Download|DDEApplicationName=host|DDEApplicationTopic=user"},
        {"DISPLAY hello /modal", "Display Message|DDEApplicationName=hello"},
        {R"(DISPLAY hello "/MODAL")", "Display Message|SecondsToWait=1|DDEApplicationName=hello|DDEApplicationTopic=/MODAL"},
        {"SCRIPT next.vls a", "Start Script|Command=next.vls|Path=Append"},
        {"SCRIPT next.vls xyz", "Start Script|Command=next.vls|Path=xyz"},
        {"EMAIL 12x", "Send Email|EmailID=12"},
        {"Beep twice  loudly", "Beep|Command=twice  loudly"},
    };
    for (const auto& c : cases) {
        ScriptingRecord item;
        const ScriptLineKind kind = ParseScriptLine(QString::fromUtf8(c.line), item);
        EXPECT_EQ(kind, QString(c.line).startsWith("Beep") ? ScriptLineKind::Unknown : ScriptLineKind::Known) << c.line;
        EXPECT_EQ(ItemFields(item), QString::fromUtf8(c.fields)) << c.line;
    }
    EXPECT_EQ(SplitScriptTokens(uR"(a,b  "c d" [x y] "")"), (QStringList{"a,", "b", "c d", "[x y]", ""}));
}

// Quoting and splitting give back exactly the values, for any text: its own
// quotes, brackets, commas and blanks included (clipped, as stored fields are).
TEST(ScriptTextFormat, QuotedTokensSplitBackIntoExactlyTheirValues)
{
    const QString alphabet = QStringLiteral("\"[], ab/\\\t");
    std::mt19937 random(20261209);
    const auto text = [&] {
        QString value;
        for (int length = static_cast<int>(random() % 8); length > 0; --length)
            value += alphabet.at(static_cast<qsizetype>(random() % alphabet.size()));
        return value;
    };
    for (int i = 0; i < 20000; ++i) {
        const QStringList written{text(), text(), text()};
        QStringList quoted;
        QStringList expected;
        for (const QString& value : written) {
            quoted << QuoteScriptToken(value);
            expected << Clip(value);
        }
        ASSERT_EQ(SplitScriptTokens(quoted.join(' ')), expected) << quoted.join(' ').toStdString();
    }
}

class ScriptTextStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(d.Scripting)); }
    void TearDown() override { DictionaryEnd(); }

    QString Stored(int32_t taskId)
    {
        std::vector<ScriptingRecord> items;
        EXPECT_TRUE(ReadScriptItems(d.Scripting, taskId, items).Ok());
        QStringList shown;
        for (const ScriptingRecord& item : items)
            shown << QString::number(item.Sequence) + ":" + Clip(item.Action);
        return shown.join(' ');
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptTextStoreTest, TextReplacesTheScriptNumberedByLineAndReadsBackIndented)
{
    ScriptingRecord old = MakeItem("Exit Script");
    old.ID = 5;
    ASSERT_TRUE(d.Scripting.Add(old));
    EXPECT_TRUE(ScriptTextToItems(d.Scripting, 5, "KEYS a\n\r\nIF x = 1\r   EXIT\r\nEND\r\n! done\r\n"));
    EXPECT_EQ(Stored(5), "1:Send Keys 3:If Value... 4:Exit Script 5:...End If 6:Comment");
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_EQ(ScriptItemsToText(d.Scripting, 5), "KEYS a\r\nIF x = 1\r\n   EXIT\r\nEND\r\nCOMMENT done\r\n");
}

TEST_F(ScriptTextStoreTest, LinesThatDoNotReadWholeAreShownWithTheirNumbersAndNothingIsSaved)
{
    ScriptingRecord old = MakeItem("Exit Script");
    old.ID = 5;
    ASSERT_TRUE(d.Scripting.Add(old));
    const struct {
        QString text;
        QStringList shown; // the lines of the message after its first
    } cases[] = {
        {"FOCUS Untitled - Editor", {"Line 1: FOCUS takes 2 values; put a value that holds blanks or commas in double quotes."}},
        {"IFTIME 5\r\n  IF x = 1,5\r\n  END\r\nEND", {"Line 2: IF takes 3 values; put a value that holds blanks or commas in double quotes."}},
        {"EMAIL 12x\r\nEXIT now", {"Line 1: \"12x\" is not a whole number.", "Line 2: EXIT takes no values."}},
        {"START editor WAIT=soon", {"Line 1: \"soon\" is not a whole number."}},
        {"KEYS a\r\nWAIT 2147483648 abc", {"Line 2: \"2147483648\" lies outside -2147483648 to 2147483647."}},
        {"WAIT Or -2147483649 x", {"Line 1: \"-2147483649\" lies outside -2147483648 to 2147483647."}},
        {"FILE Remove /tmp/x", {"Line 1: \"Remove\" is no file action."}},
        {"KEYS " + QString(300, 'k'), {"Line 1: a value is longer than the 255 characters it can keep."}},
        {"KEYS a\r\n! " + QString(1100, 'c'), {"Line 2: a value is longer than the 255 characters it can keep."}},
        {QString("EXIT now\r\n").repeated(12), {"Line 1: EXIT takes no values.", "Line 2: EXIT takes no values."}},
    };
    for (const auto& c : cases) {
        prompt.Answer(1);
        int first = 0;
        EXPECT_FALSE(ScriptTextToItems(d.Scripting, 5, c.text, &first)) << c.text.left(40).toStdString();
        const QStringList shown = prompt.Questions().back().text.split('|');
        EXPECT_EQ(shown.first(), "The script was not saved. Correct these lines:");
        EXPECT_EQ(shown.mid(1, c.shown.size()), c.shown) << c.text.left(40).toStdString();
        EXPECT_EQ(first, c.shown.first().section(' ', 1, 1).chopped(1).toInt());
        EXPECT_EQ(Stored(5), "1:Exit Script");
    }
    EXPECT_EQ(prompt.Questions().back().text.split('|').size(), 12) << "ten lines and how many more";
    EXPECT_TRUE(prompt.Questions().back().text.endsWith("... and 2 more."));
}

// A line of an unknown command is shown and stored as an item of that
// action; tests and their ENDs are stored as written, whether or not they
// pair up (the interpreter ends an open test at the end of the script).
TEST_F(ScriptTextStoreTest, UnknownCommandsAndUnpairedTestsAreStoredAsWritten)
{
    prompt.Answer(1);
    EXPECT_TRUE(ScriptTextToItems(d.Scripting, 5, "KEYS a\r\nBeep twice  loudly\r\nEND\r\nIFWINDOW Editor*\r\nIFTIME 5\r\nEND"));
    EXPECT_EQ(Stored(5), "1:Send Keys 2:Beep 3:...End If 4:If Window... 5:If Time Elapsed... 6:...End If");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "Unknown script action:|Beep|twice  loudly");
    EXPECT_EQ(prompt.Questions()[0].caption, "Error");
}

// Whatever an item holds, in any of the spellings stored items have, its
// line reads back as the same item (in the current names), and the text of
// a whole script saves unchanged.
TEST_F(ScriptTextStoreTest, EveryStoredItemWrittenAsTextAndSavedComesBackTheSame)
{
    const QStringList values{"", "plain", "two words", "a,b", "\"quoted\"", "say \"hi\" now", "a[", "[x y]", "x]",
                             "Or", "either", "5", "-3", "MODE=x", "WAIT=5", "/MODAL", "ACTION=PR", "\"\"", "[",
                             R"("a,b" x "c")", R"(a[" b")", "~Editor*"};
    const struct {
        const char* action;
        QStringList fields; // the text fields the action keeps
        QStringList choices; // "Field=value|..." spellings of its modes and numbers
    } actions[] = {
        {"Send Keys", {"Keystrokes"}, {""}},
        {"Send Keystrokes", {"Keystrokes"}, {""}},
        {"Set Focus", {"FocusOnWindow", "WaitForWindow"}, {""}},
        {"Wait", {"WaitForWindow", "FocusOnWindow"},
         {"", "SecondsToWait=5", "DDEApplicationName=Either", "DDEApplicationName=either|SecondsToWait=5",
          "DDEApplicationName=Both|SecondsToWait=5", "DDEApplicationName=and", "DDEApplicationName=AND|SecondsToWait=3",
          "DDEApplicationName=or|SecondsToWait=5", "DDEApplicationName=OR", "DDEApplicationName=later|SecondsToWait=5",
          "DDEApplicationName=two words", "SecondsToWait=-2"}},
        {"Display Message", {"DDEApplicationName", "DDEApplicationTopic", "FocusOnWindow"},
         {"", "SecondsToWait=1", "SecondsToWait=5"}},
        {"Start Program", {"Command", "Path", "DDEApplicationTopic"},
         {"", "DDEApplicationName=0210", "DDEApplicationName=1371|TimeElapsed=30", "DDEApplicationName=0000",
          "DDEApplicationName=2", "DDEApplicationName=1999|TimeElapsed=5", "DDEApplicationName=0280"}},
        {"Start Program", {"Command", "Path"},
         {"DDEApplicationTopic=Open", "DDEApplicationTopic=print", "DDEApplicationTopic=Properties"}},
        {"Close Program", {"Command"}, {""}},
        {"Exit Script", {}, {""}},
        {"DDE", {"DDEApplicationName", "DDEApplicationTopic", "DDECommand", "DDEType", "DDELinkItem"}, {""}},
        {"DDE (Dynamic Data Exchange)", {"DDEApplicationName", "DDEApplicationTopic", "DDECommand"}, {""}},
        {"File Actions", {"Command", "Path", "DDEApplicationName", "DDEApplicationTopic"},
         {"DDEType=Copy", "DDEType=copy", "DDEType=Move", "DDEType=Rename", "DDEType=Delete", "DDEType=RECYCLE",
          "DDEType=FTP Upload", "DDEType=FTPUPLOAD", "DDEType=ftp download", "DDEType=FTP", "DDEType=HTTP Download",
          "DDEType=http", "DDEType=Get File Date", "DDEType=get file time", "DDEType=Get File Size",
          "DDEType=If File Exists", "DDEType=File Exists", "DDEType=Log Windows", "DDEType=make directory",
          "DDEType=Remove Directory", "DDEType=Tidy", "DDEType=two words", ""}},
        {"Send Email", {}, {"", "EmailID=42"}},
        {"Set Value", {"Path", "Command"}, {""}},
        {"If Value...", {"Command", "WindowTitleToCheckFor", "WaitForWindow"}, {""}},
        {"Start Script", {"Command"},
         {"", "Path=Insert (Execute and continue)", "Path=jump", "Path=A", "Path=Later on"}},
        {"If Window...", {"WindowTitleToCheckFor", "FocusOnWindow"},
         {"WindowExistance=Exists", "WindowExistance=Window Exists", "WindowExistance=Does not exist",
          "WindowExistance=Window Doesn't Exist"}},
        {"If Time Elapsed...", {},
         {"IfTimeElapsed=Greater than|TimeElapsed=60", "IfTimeElapsed=greater", "IfTimeElapsed=Less than|TimeElapsed=-1",
          "IfTimeElapsed=Is Less Than|TimeElapsed=5"}},
        {"...End If", {}, {""}},
        {"Comment", {"Command"}, {""}},
    };
    int sequence = 0;
    for (const auto& a : actions) {
        for (const QString& choice : a.choices) {
            // Each value in every field, and the values spread over the fields.
            for (qsizetype v = 0; v < values.size(); ++v) {
                QStringList fields{choice};
                for (qsizetype f = 0; f < a.fields.size(); ++f)
                    fields << a.fields[f] + "=" + values[(v + f * 7) % values.size()];
                ScriptingRecord item = MakeItem(a.action, fields.join('|'));
                item.ID = 7;
                item.Sequence = ++sequence;
                ASSERT_TRUE(d.Scripting.Add(item));
                if (a.fields.isEmpty())
                    break;
            }
        }
    }
    std::vector<ScriptingRecord> stored;
    ASSERT_TRUE(ReadScriptItems(d.Scripting, 7, stored).Ok());
    const QString text = ScriptItemsToText(d.Scripting, 7);
    ASSERT_TRUE(ScriptTextToItems(d.Scripting, 7, text)) << prompt.Questions().back().text.toStdString();
    EXPECT_TRUE(prompt.Questions().empty());
    std::vector<ScriptingRecord> saved;
    ASSERT_TRUE(ReadScriptItems(d.Scripting, 7, saved).Ok());
    ASSERT_EQ(saved.size(), stored.size());
    const QStringList lines = text.split("\r\n");
    for (size_t i = 0; i < stored.size(); ++i) {
        ScriptingRecord expected = stored[i];
        NormalizeScriptItem(expected);
        expected.Action = ScriptAction::CanonicalAction(expected.Action);
        EXPECT_EQ(ItemFields(saved[i]), ItemFields(expected)) << lines[qsizetype(i)].toStdString();
    }
    EXPECT_EQ(ScriptItemsToText(d.Scripting, 7), text);
}

TEST_F(ScriptTextStoreTest, ABlankTextOrAFailedWriteKeepsTheOldScript)
{
    ScriptingRecord old = MakeItem("Exit Script");
    old.ID = 5;
    ASSERT_TRUE(d.Scripting.Add(old));
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Script\" WHEN NEW.\"Sequence\" = 2 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    prompt.Answer(1).Answer(1).Answer(1);
    EXPECT_FALSE(ScriptTextToItems(d.Scripting, 5, " \r\n "));
    EXPECT_FALSE(ScriptTextToItems(d.Scripting, 5, "KEYS a\r\nKEYS b\r\nKEYS c"));
    EXPECT_FALSE(ScriptTextToItems(d.Scripting, 0, "KEYS a"));
    EXPECT_EQ(Stored(5), "1:Exit Script");
    ASSERT_EQ(prompt.Questions().size(), 3u);
    EXPECT_EQ(prompt.Questions()[0].text, "Nothing to save.");
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("Error adding scripting:|refused"));
    EXPECT_EQ(prompt.Questions()[2].text, "No task ID");
}

} // namespace
} // namespace vl
