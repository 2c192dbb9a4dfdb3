// The rules behind the hot-key form: the key text built from the boxes and
// the key list and read back from a stored text, the keys refused before
// anything is written, and what storing and deleting do to the tables.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "hotkeys/HotKeyCodes.h"
#include "hotkeys/HotKeyStore.h"
#include "hotkeys/HotKeyText.h"
#include "platform/runtime/FixedText.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <random>

namespace vl {
namespace {

TEST(HotKeyTextTest, EveryBoxAndKeyGivesAStoredTextThatFitsNamesTheKeyAndReadsBack)
{
    for (int set = 0; set < 16; ++set) {
        const HotKeyParts parts{bool(set & 1), bool(set & 2), bool(set & 4), bool(set & 8), QString()};
        const int32_t bits = (parts.win ? HotKeyBit::kWin : 0) | (parts.ctrl ? HotKeyBit::kCtrl : 0)
                             | (parts.alt ? HotKeyBit::kAlt : 0) | (parts.shift ? HotKeyBit::kShift : 0);
        for (const QString& name : HotKeyNames()) {
            HotKeyParts withKey = parts;
            withKey.key = name;
            const QString text = BuildHotKeyText(withKey);
            EXPECT_LE(text.size(), kHotKeyTextWidth) << qPrintable(text);
            EXPECT_EQ(ParseHotKey(text), bits | ParseHotKey(name)) << qPrintable(text);
            EXPECT_EQ(SplitHotKeyText(text), withKey) << qPrintable(text);
        }
    }
    const struct {
        HotKeyParts parts;
        const char* text;
    } built[] = {
        {{false, true, false, true, "F5"}, "Ctrl-Shift-F5"},
        {{true, false, false, false, "W"}, "Win-W"},
        {{false, true, true, true, "DELETE"}, "^%+DELETE"}, // "Ctrl-Alt-Shift-DELETE" is 21 characters
        {{true, true, true, true, "A"}, "Win-Ctrl-Alt-Shift-A"},
    };
    for (const auto& c : built)
        EXPECT_EQ(BuildHotKeyText(c.parts), c.text);
}

TEST(HotKeyTextTest, StoredTextsInAnySpellingShowTheirBoxesAndKey)
{
    const struct {
        const char* text;
        HotKeyParts parts;
    } cases[] = {
        {"Ctrl-Alt-DELETE", {false, true, true, false, "DELETE"}},
        {"^+a", {false, true, false, true, "A"}},
        {"CtrlShiftKeyPgDn", {false, true, false, true, "PGDN"}},
        {"Alt-Del", {false, false, true, false, "DELETE"}},
        {"ShiftKeyPad1", {false, false, false, true, "KeyPad1"}}, // no list name: kept as written
        {"CtrlShift", {false, true, false, true, ""}},
        {"WinW", {true, false, false, false, "W"}},
        {"ctrxshixxa", {false, true, false, true, "A"}}, // words known by their first three letters
        {"- \x01^A", {false, false, false, false, "\x01^A"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitHotKeyText(c.text), c.parts) << c.text;
}

// Whatever a stored text holds (control characters, blanks, signs, words),
// the parts shown, written back and read again are the same parts.
TEST(HotKeyTextTest, ReadingWritingAndReadingAgainGivesTheSameParts)
{
    const QString alphabet = QString::fromUtf16(u"\x01\x1f\t \x0b\x85\xa0\x2028-+^%*CtrlShiftWinAltKeyA5");
    std::mt19937 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int length = static_cast<int>(random() % 9); length > 0; --length)
            text += alphabet.at(static_cast<qsizetype>(random() % alphabet.size()));
        const HotKeyParts parts = SplitHotKeyText(text);
        ASSERT_EQ(SplitHotKeyText(BuildHotKeyText(parts)), parts) << qPrintable(text.toUtf8().toHex(' '));
    }
}

class HotKeyStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        for (TableFile* table : {static_cast<TableFile*>(&Tables().SysHotKeys),
                                 static_cast<TableFile*>(&Tables().Schedule),
                                 static_cast<TableFile*>(&Tables().Scripting)})
            ASSERT_TRUE(OpenTable(*table));
    }
    void TearDown() override { DictionaryEnd(); }

    static SysHotKeysRecord Stored(const QString& key, const QString& description, int32_t id = 0)
    {
        SysHotKeysRecord record;
        Tables().SysHotKeys.Prime(record);
        record.HotKey = key;
        record.Description = description;
        if (id)
            record.ID = id;
        EXPECT_TRUE(Tables().SysHotKeys.Add(record));
        return record;
    }

    // A task of the type with one script item; its ID.
    static int32_t AddTask(const QString& type)
    {
        ScheduleRecord task;
        Tables().Schedule.Clear(task);
        task.TaskType = type;
        EXPECT_TRUE(Tables().Schedule.Add(task));
        ScriptingRecord item;
        Tables().Scripting.Clear(item);
        item.ID = task.ID;
        item.Sequence = 1;
        EXPECT_TRUE(Tables().Scripting.Add(item));
        return task.ID;
    }

    static SysHotKeysRecord Fresh(const QString& key, const QString& action = "Text")
    {
        SysHotKeysRecord record;
        Tables().SysHotKeys.Prime(record);
        record.HotKey = key;
        record.Action = action;
        return record;
    }

    test::ScriptedPrompt prompt;
};

TEST_F(HotKeyStoreTest, KeysThatCannotBeHeldAreRefusedWithTheReasonAndNothingIsWritten)
{
    const SysHotKeysRecord mail = Stored("^F5", "Open mail");
    const int32_t program = AddTask("Run Program");
    const int32_t own = AddTask(kHotKeyTaskType);
    SysHotKeysRecord longText = Fresh("Ctrl-T");
    longText.Text = QString(kHotKeyTextSize + 1, 'x');
    SysHotKeysRecord foreignTask = Fresh("Ctrl-U", "Task");
    foreignTask.ID = program;
    SysHotKeysRecord ownTask = Fresh("Ctrl-V", "Task");
    ownTask.ID = own;
    const struct {
        SysHotKeysRecord hotKey;
        const char* problem; // the start of the message; empty: accepted
    } cases[] = {
        {Fresh("Ctrl-F5"), "\"Ctrl-F5\" is already the hot key \"Open mail\".|"},
        {mail, ""}, // its own key
        {Fresh("Ctrl-Foo"), "\"Ctrl-Foo\" has no key."},
        {Fresh("Nonsense"), "\"Nonsense\" names no key."},
        {Fresh("Win-W"), "Win-W brings the scheduler's window back"},
        {Fresh("A"), "\"A\" would stop that key from typing in every program."},
        {Fresh("Shift-SPACE"), "\"Shift-SPACE\" would stop"},
        {Fresh("Shift-F5"), ""},
        {Fresh("PRINT"), ""},
        {longText, "The text has 10001 characters; a hot key holds 10000."},
        {Fresh("Ctrl-Q", "Task"), "This hot key has no task to run yet."},
        {foreignTask, "This hot key has no task to run yet."},
        {ownTask, ""},
    };
    for (const auto& c : cases) {
        const QString problem = HotKeyProblem(c.hotKey);
        EXPECT_TRUE(QLatin1String(c.problem).isEmpty() ? problem.isEmpty() : problem.startsWith(c.problem))
            << qPrintable(c.hotKey.HotKey) << ": " << qPrintable(problem);
    }

    SysHotKeysRecord taken = Fresh("Ctrl-F5");
    prompt.Answer(1);
    EXPECT_FALSE(StoreHotKey(FormRequest::Insert, taken));
    EXPECT_EQ(prompt.Questions().at(0).caption, "Hot Key");
    EXPECT_EQ(Tables().SysHotKeys.Records(), 1);
}

TEST_F(HotKeyStoreTest, StoringCompletesTheRecordAndDeletingTakesOnlyTheHotKeysOwnTask)
{
    SysHotKeysRecord typed = Fresh("Ctrl-Alt-T");
    typed.Text = "Kind regards";
    ASSERT_TRUE(StoreHotKey(FormRequest::Insert, typed));
    EXPECT_EQ(typed.Description, "Ctrl-Alt-T");
    EXPECT_EQ(typed.QuickText, "Ctrl-Alt-T : Kind regards");

    // The link of a new record may have been taken meanwhile by another.
    SysHotKeysRecord second = Fresh("Ctrl-Alt-U");
    second.ID = typed.ID;
    second.Description = "Second";
    ASSERT_TRUE(StoreHotKey(FormRequest::Insert, second));
    EXPECT_LT(second.ID, 0);
    EXPECT_NE(second.ID, typed.ID);

    const int32_t own = AddTask(kHotKeyTaskType);
    const int32_t unrelated = AddTask("Run Program");
    SysHotKeysRecord task = Fresh("Ctrl-Alt-K", "Task");
    task.ID = own;
    task.Description = "Backup";
    ASSERT_TRUE(StoreHotKey(FormRequest::Insert, task));
    EXPECT_EQ(Clip(task.QuickText), "Backup");
    SysHotKeysRecord stray = Stored("Ctrl-Alt-S", "Stray", unrelated);

    ASSERT_TRUE(StoreHotKey(FormRequest::Delete, task));
    ASSERT_TRUE(StoreHotKey(FormRequest::Delete, stray));
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_EQ(Tables().SysHotKeys.Records(), 2);
    EXPECT_FALSE(HasHotKeyTask(own));
    EXPECT_EQ(Tables().Schedule.Records(), 1) << "the unrelated task stays";
    EXPECT_EQ(Tables().Scripting.Records(), 1) << "and keeps its script";
}

} // namespace
} // namespace vl
