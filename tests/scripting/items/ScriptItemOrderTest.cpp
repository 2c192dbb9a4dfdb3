// The order of a script on real tables: the moves of the script list, a new
// item placed after the highlighted one, closing up after a delete, gaps in
// the numbering; a write that fails undoes the whole move. Both tables of
// script items are ordered alike.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/ScriptItemSequencer.h"
#include "scripting/items/WholeScript.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

using Move = ScriptItemMove;
constexpr int kGapClose = 6;
constexpr int32_t kOwner = 7;
constexpr int32_t kNeighbour = 8; // another task with the same numbers, never touched

struct OrderCase {
    const char* name;
    std::vector<int32_t> numbers; // items A, B, C, ... under these numbers
    int mode;                     // a move, or kGapClose
    int32_t sequence;             // the item moved; the number deleted
    int32_t remembered;           // the item a new one goes after
    const char* order;            // labels by ascending number after it
    std::vector<int32_t> after;   // the numbers in use afterwards
};

const OrderCase kCases[] = {
    {"up one swaps neighbours", {1, 2, 3}, 1, 3, 0, "ACB", {1, 2, 3}},
    {"the first cannot go up", {1, 2, 3}, 1, 1, 0, "ABC", {1, 2, 3}},
    {"down one swaps neighbours", {1, 2, 3, 4, 5}, 2, 2, 0, "ACBDE", {1, 2, 3, 4, 5}},
    {"the last cannot go down", {1, 2, 3}, 2, 3, 0, "ABC", {1, 2, 3}},
    {"to the top passes every item before it", {1, 2, 3, 4, 5}, 3, 4, 0, "DABCE", {1, 2, 3, 4, 5}},
    {"to the bottom passes every item after it", {1, 2, 3, 4, 5}, 4, 2, 0, "ACDEB", {1, 2, 3, 4, 5}},
    {"a new item goes after the highlighted one", {1, 2, 3, 4, 5, 6}, 5, 6, 2, "ABFCDE", {1, 2, 3, 4, 5, 6}},
    {"a new item after the first", {1, 2, 3}, 5, 3, 1, "ACB", {1, 2, 3}},
    {"gaps stay where they are", {1, 5, 9}, 3, 9, 0, "CAB", {1, 5, 9}},
    {"up one across a gap", {1, 5, 9}, 1, 5, 0, "BAC", {1, 5, 9}},
    {"a delete closes up", {1, 3, 4, 5}, kGapClose, 2, 0, "ABCD", {1, 2, 3, 4}},
    {"a delete in a gap renumbers the rest", {1, 9}, kGapClose, 5, 0, "AB", {1, 5}},
    {"a delete of the last changes nothing", {1, 2}, kGapClose, 3, 0, "AB", {1, 2}},
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
    void Fill(Table<R>& table, const std::vector<int32_t>& numbers)
    {
        for (const int32_t owner : {kOwner, kNeighbour}) {
            for (size_t i = 0; i < numbers.size(); ++i) {
                R item;
                ScriptItemTable<R>::Owner(item) = owner;
                item.Sequence = numbers[i];
                item.Keystrokes = QString(QChar(u'A' + static_cast<int>(i)));
                ASSERT_TRUE(table.Add(item));
            }
        }
    }
    // The labels in order and the numbers in use of an owner's items.
    template <class R>
    std::pair<QString, std::vector<int32_t>> Order(Table<R>& table, int32_t owner)
    {
        std::vector<R> items;
        EXPECT_TRUE(ReadScriptItems(table, owner, items).Ok());
        std::pair<QString, std::vector<int32_t>> order;
        for (const R& item : items) {
            order.first += item.Keystrokes;
            order.second.push_back(item.Sequence);
        }
        return order;
    }
    template <class R>
    void Run(Table<R>& table, const OrderCase& c)
    {
        Fill(table, c.numbers);
        if (c.mode == kGapClose) {
            R gone;
            ScriptItemTable<R>::Owner(gone) = kOwner;
            gone.Sequence = c.sequence;
            if (table.Get(ScriptItemTable<R>::kKey, gone))
                ASSERT_TRUE(table.Delete(gone));
            EXPECT_TRUE(CloseScriptItemGap(table, kOwner, c.sequence));
        } else {
            const std::optional<int32_t> now =
                MoveScriptItem(table, kOwner, c.sequence, static_cast<Move>(c.mode), c.remembered);
            ASSERT_TRUE(now);
            const auto moved = std::find(c.numbers.begin(), c.numbers.end(), c.sequence) - c.numbers.begin();
            const auto [labels, numbers] = Order(table, kOwner);
            const qsizetype at = labels.indexOf(QChar(u'A' + static_cast<int>(moved)));
            ASSERT_GE(at, 0);
            EXPECT_EQ(numbers.at(at), *now) << "the moved item's new number";
        }
        const auto [labels, numbers] = Order(table, kOwner);
        EXPECT_EQ(labels, QLatin1String(c.order));
        EXPECT_EQ(numbers, c.after);
        EXPECT_EQ(Order(table, kNeighbour).second, c.numbers) << "another script is left alone";
    }

    ScriptingRecord ReadFirst()
    {
        std::vector<ScriptingRecord> items;
        ReadScriptItems(d.Scripting, kOwner, items);
        return items.empty() ? ScriptingRecord() : items.front();
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ScriptItemOrderTest, MovesAndClosingUpKeepTheNumbersInUse)
{
    for (const OrderCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Run(d.Scripting, c);
        Run(d.ScriptTemplateDetails, c);
        for (const int32_t owner : {kOwner, kNeighbour}) {
            ASSERT_TRUE(DeleteScriptItems(d.Scripting, owner).Ok());
            ASSERT_TRUE(DeleteScriptItems(d.ScriptTemplateDetails, owner).Ok());
        }
    }
    EXPECT_TRUE(prompt.Questions().empty());
}

// "Up one" on C of A, B, C parks C under 4, writes B under 3 and C under 2;
// whichever write fails, or the commit, the script stays as it was.
TEST_F(ScriptItemOrderTest, AFailedWriteIsShownAndUndoesTheWholeMove)
{
    const struct {
        int refused; // the number a write may not take; 0: the commit fails
        const char* section;
        const char* sequence;
    } faults[] = {{4, "Put Swap Out", "4"}, {3, "Put Upd Seq", "3"}, {0, "Put Upd Seq", "2"}};
    Fill(d.Scripting, {1, 2, 3});
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
        EXPECT_FALSE(MoveScriptItem(d.Scripting, kOwner, 3, Move::UpOne));
        watch.failing = false;
        EXPECT_EQ(Order(d.Scripting, kOwner), std::make_pair(QStringLiteral("ABC"), std::vector<int32_t>{1, 2, 3}));
        ASSERT_FALSE(prompt.Questions().empty());
        const test::PromptQuestion& shown = prompt.Questions().back();
        EXPECT_EQ(shown.caption, "Error!");
        EXPECT_TRUE(shown.text.startsWith("Record swap error: |")) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains("|Scripting, SCR:KeyID|Key Field SCR:ID = 7|Key Field SCR:Sequence = "
                                        + QLatin1String(f.sequence) + "|Section = " + QLatin1String(f.section)))
            << shown.text.toStdString();
    }
    other.exec("CREATE TRIGGER refuse BEFORE UPDATE ON \"Script\" WHEN NEW.\"Sequence\" = 2 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    ASSERT_TRUE(d.Scripting.Delete(ReadFirst()));
    prompt.Answer(1);
    EXPECT_FALSE(CloseScriptItemGap(d.Scripting, kOwner, 1));
    EXPECT_EQ(Order(d.Scripting, kOwner).second, (std::vector<int32_t>{2, 3})) << "closing up is undone too";
    EXPECT_EQ(prompt.Questions().size(), 4u);
}

} // namespace
} // namespace vl
