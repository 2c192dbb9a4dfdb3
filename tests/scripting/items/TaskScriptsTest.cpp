// Whole scripts on real tables: a copy goes after the items the target
// already has and, onto its own task, is made once; a copy or a delete that
// fails is shown and changes nothing; owner 0 loses nothing; clearing asks
// first, for a task's items and for a template's alike.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/TaskScripts.h"
#include "tests/support/ScriptedPrompt.h"

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

class TaskScriptsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
    }
    void TearDown() override { DictionaryEnd(); }

    // Items labelled with the letters of `labels`, numbered 1, 2, ...
    template <class R>
    void Fill(Table<R>& table, int32_t owner, const char* labels)
    {
        for (int i = 0; labels[i]; ++i) {
            R item;
            ScriptItemTable<R>::Owner(item) = owner;
            item.Sequence = i + 1;
            item.Keystrokes = QString(QLatin1Char(labels[i]));
            ASSERT_TRUE(table.Add(item));
        }
    }
    // "1A 2B ..." of the owner's items.
    template <class R>
    QString Script(Table<R>& table, int32_t owner)
    {
        std::vector<R> items;
        EXPECT_TRUE(ReadScriptItems(table, owner, items).Ok());
        QStringList script;
        for (const R& item : items)
            script << QString::number(item.Sequence) + item.Keystrokes;
        return script.join(QLatin1Char(' '));
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(TaskScriptsTest, ACopyGoesAfterTheTargetsItemsAndOntoItsOwnTaskOnce)
{
    Fill(d.Scripting, 1, "ABC");
    Fill(d.Scripting, 2, "xy");
    EXPECT_TRUE(CopyScript(d.Scripting, 1, 2));
    EXPECT_EQ(Script(d.Scripting, 2), "1x 2y 3A 4B 5C");
    EXPECT_TRUE(CopyScript(d.Scripting, 1, 1));
    EXPECT_EQ(Script(d.Scripting, 1), "1A 2B 3C 4A 5B 6C");
    EXPECT_TRUE(CopyScript(d.Scripting, 9, 1)) << "a task without a script";
    EXPECT_EQ(Script(d.Scripting, 1), "1A 2B 3C 4A 5B 6C");
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(TaskScriptsTest, AFailedCopyOrDeleteIsShownAndChangesNothing)
{
    Fill(d.Scripting, 1, "ABC");
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Script\" WHEN NEW.\"Sequence\" = 3 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    other.exec("CREATE TRIGGER keep BEFORE DELETE ON \"Script\" WHEN OLD.\"Sequence\" = 2 "
               "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(CopyScript(d.Scripting, 1, 2));
    EXPECT_FALSE(DeleteScript(d.Scripting, 1));
    EXPECT_EQ(Script(d.Scripting, 2), "");
    EXPECT_EQ(Script(d.Scripting, 1), "1A 2B 3C");
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Error");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Error adding script record:|refused"));
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("Error deleting script record:|kept"));
}

TEST_F(TaskScriptsTest, DeletingAndClearingTakeOnlyTheOwnersItemsAndNothingOfOwnerZero)
{
    Fill(d.Scripting, 0, "Z");
    Fill(d.Scripting, 1, "AB");
    Fill(d.Scripting, 2, "C");
    Fill(d.ScriptTemplateDetails, 0, "Z");
    Fill(d.ScriptTemplateDetails, 1, "AB");
    Fill(d.ScriptTemplateDetails, 2, "C");
    EXPECT_TRUE(DeleteScript(d.Scripting, 0));
    EXPECT_TRUE(DeleteScriptTemplateDetails(d.ScriptTemplateDetails, 0));
    EXPECT_EQ(Script(d.Scripting, 0), "1Z");
    EXPECT_EQ(Script(d.ScriptTemplateDetails, 0), "1Z");

    prompt.AnswerButton("No").AnswerButton("No");
    EXPECT_FALSE(ClearScriptItems(d.Scripting, 1));
    EXPECT_FALSE(ClearScriptItems(d.ScriptTemplateDetails, 1));
    EXPECT_EQ(Script(d.Scripting, 1), "1A 2B");
    EXPECT_EQ(Script(d.ScriptTemplateDetails, 1), "1A 2B");
    prompt.AnswerButton("Yes").AnswerButton("Yes").AnswerButton("Yes");
    EXPECT_TRUE(ClearScriptItems(d.Scripting, 1));
    EXPECT_TRUE(ClearScriptItems(d.ScriptTemplateDetails, 1));
    EXPECT_FALSE(ClearScriptItems(d.Scripting, 0)) << "no task, nothing cleared";
    EXPECT_EQ(Script(d.Scripting, 1), "");
    EXPECT_EQ(Script(d.ScriptTemplateDetails, 1), "");
    EXPECT_EQ(Script(d.Scripting, 2) + Script(d.ScriptTemplateDetails, 2), "1C1C");
    EXPECT_EQ(Script(d.Scripting, 0), "1Z");
    for (const test::PromptQuestion& asked : prompt.Questions()) {
        EXPECT_EQ(asked.caption, "Clear All");
        EXPECT_EQ(asked.text, "Delete all script items for the current task?");
        EXPECT_EQ(asked.buttons, "&Yes|&No");
        EXPECT_EQ(asked.defaultButton, 2);
    }
}

} // namespace
} // namespace vl
