// The order of a script on real tables: the moves of the script list, a new
// item placed after the highlighted one, closing up after a delete, gaps in
// the numbering; a write that fails undoes the whole move. Both tables of
// script items are ordered alike.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/ScriptItemSequencer.h"
#include "scripting/items/WholeScript.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/scripting/items/ScriptItemRows.h"
#include "tests/support/ScriptedPrompt.h"

#include <SQLiteCpp/Database.h>

namespace vl {
namespace {

using test::AddItems;
using test::ScriptText;
constexpr int kGapClose = 6;
constexpr int32_t kOwner = 7;
constexpr int32_t kNeighbour = 8; // another task with the same items, never touched

struct OrderCase {
    const char* before;
    int mode;           // a move, or kGapClose
    int32_t sequence;   // the item moved; the number deleted
    int32_t remembered; // the item a new one goes after
    const char* after;
    int32_t now;        // the moved item's number afterwards
};

const OrderCase kCases[] = {
    {"1A 2B 3C", 1, 3, 0, "1A 2C 3B", 2},                   // up one swaps neighbours
    {"1A 2B 3C", 1, 1, 0, "1A 2B 3C", 1},                   // the first cannot go up
    {"1A 2B 3C 4D 5E", 2, 2, 0, "1A 2C 3B 4D 5E", 3},       // down one
    {"1A 2B 3C", 2, 3, 0, "1A 2B 3C", 3},                   // the last cannot go down
    {"1A 2B 3C 4D 5E", 3, 4, 0, "1D 2A 3B 4C 5E", 1},       // to the top passes all before it
    {"1A 2B 3C 4D 5E", 4, 2, 0, "1A 2C 3D 4E 5B", 5},       // to the bottom passes all after it
    {"1A 2B 3C 4D 5E 6F", 5, 6, 2, "1A 2B 3F 4C 5D 6E", 3}, // a new item after the highlighted one
    {"1A 2B 3C", 5, 3, 1, "1A 2C 3B", 2},
    {"1A 5B 9C", 3, 9, 0, "1C 5A 9B", 1},                   // gaps stay where they are
    {"1A 5B 9C", 1, 5, 0, "1B 5A 9C", 1},
    {"1A 3C 4D 5E", kGapClose, 2, 0, "1A 2C 3D 4E", 0},     // a delete closes up
    {"1A 9C", kGapClose, 5, 0, "1A 5C", 0},                 // deleting 5 of 1, 5, 9
    {"1A 2B", kGapClose, 3, 0, "1A 2B", 0},
};

class ScriptItemOrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
    }
    void TearDown() override { DictionaryEnd(); }

    template <class R>
    void Run(Table<R>& table, const OrderCase& c)
    {
        AddItems(table, kOwner, c.before);
        AddItems(table, kNeighbour, c.before);
        if (c.mode == kGapClose)
            EXPECT_TRUE(CloseScriptItemGap(table, kOwner, c.sequence));
        else
            EXPECT_EQ(MoveScriptItem(table, kOwner, c.sequence, static_cast<ScriptItemMove>(c.mode), c.remembered),
                      c.now);
        EXPECT_EQ(ScriptText(table, kOwner), QLatin1String(c.after));
        EXPECT_EQ(ScriptText(table, kNeighbour), QLatin1String(c.before)) << "another script is left alone";
        for (const int32_t owner : {kOwner, kNeighbour})
            ASSERT_TRUE(DeleteScriptItems(table, owner).Ok());
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptItemOrderTest, MovesAndClosingUpKeepTheNumbersInUse)
{
    for (const OrderCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.before << " mode " << c.mode << " on " << c.sequence);
        Run(d.Scripting, c);
        Run(d.ScriptTemplateDetails, c);
    }
    EXPECT_TRUE(prompt.Questions().empty());
}

// "Up one" on C of A, B, C parks C under 4, writes B under 3 and C under 2;
// whichever write fails, or the commit, the script stays as it was.
TEST_F(ScriptItemOrderTest, AFailedWriteIsShownAndUndoesTheWholeMove)
{
    const struct {
        int refused; // the number a write may not take; 0: the commit fails
        const char* shown;
    } faults[] = {{4, "Sequence = 4|Section = Put Swap Out"},
                  {3, "Sequence = 3|Section = Put Upd Seq"},
                  {0, "Sequence = 2|Section = Put Upd Seq"}};
    AddItems(d.Scripting, kOwner, "1A 2B 3C");
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    for (const auto& f : faults) {
        SCOPED_TRACE(f.refused);
        test::CommitWatch watch(d.Scripting);
        watch.failing = f.refused == 0;
        other.exec("DROP TRIGGER IF EXISTS refuse");
        if (f.refused)
            other.exec("CREATE TRIGGER refuse BEFORE UPDATE ON \"Script\" WHEN NEW.\"Sequence\" = "
                       + std::to_string(f.refused) + " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        prompt.Answer(1);
        EXPECT_FALSE(MoveScriptItem(d.Scripting, kOwner, 3, ScriptItemMove::UpOne));
        watch.failing = false;
        EXPECT_EQ(ScriptText(d.Scripting, kOwner), "1A 2B 3C");
        const test::PromptQuestion& shown = prompt.Questions().back();
        EXPECT_EQ(shown.caption, "Error!");
        EXPECT_TRUE(shown.text.startsWith("Record swap error: |")) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains("|Scripting, SCR:KeyID|Key Field SCR:ID = 7|Key Field SCR:"
                                        + QLatin1String(f.shown)))
            << shown.text.toStdString();
    }
    other.exec("DROP TRIGGER IF EXISTS refuse");
    other.exec("CREATE TRIGGER refuse BEFORE UPDATE ON \"Script\" BEGIN SELECT RAISE(ABORT, 'refused'); END");
    other.exec("DELETE FROM \"Script\" WHERE \"Sequence\" = 1");
    prompt.Answer(1);
    EXPECT_FALSE(CloseScriptItemGap(d.Scripting, kOwner, 1));
    EXPECT_EQ(ScriptText(d.Scripting, kOwner), "2B 3C") << "closing up is undone too";
    EXPECT_EQ(prompt.Questions().size(), 4u);
}

} // namespace
} // namespace vl
