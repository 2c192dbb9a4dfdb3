// Whole scripts on real tables: a copy goes after the items the target
// already has and, onto its own task, is made once; a copy or a delete that
// fails is shown and changes nothing; owner 0 loses nothing; clearing asks
// first, for a task's items and for a template's alike.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/TaskScripts.h"
#include "tests/scripting/items/ScriptItemRows.h"
#include "tests/support/ScriptedPrompt.h"

#include <SQLiteCpp/Database.h>

namespace vl {
namespace {

using test::AddItems;
using test::ScriptText;

class TaskScriptsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Scripting));
        ASSERT_TRUE(OpenTable(d.ScriptTemplateDetails));
    }
    void TearDown() override { DictionaryEnd(); }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(TaskScriptsTest, ACopyGoesAfterTheTargetsItemsAndOntoItsOwnTaskOnce)
{
    AddItems(d.Scripting, 1, "1A 2B 3C");
    AddItems(d.Scripting, 2, "1x 2y");
    EXPECT_TRUE(CopyScript(d.Scripting, 1, 2));
    EXPECT_EQ(ScriptText(d.Scripting, 2), "1x 2y 3A 4B 5C");
    EXPECT_TRUE(CopyScript(d.Scripting, 1, 1));
    EXPECT_EQ(ScriptText(d.Scripting, 1), "1A 2B 3C 4A 5B 6C");
    EXPECT_TRUE(CopyScript(d.Scripting, 9, 1)) << "a task without a script";
    EXPECT_EQ(ScriptText(d.Scripting, 1), "1A 2B 3C 4A 5B 6C");
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(TaskScriptsTest, AFailedCopyOrDeleteIsShownAndChangesNothing)
{
    AddItems(d.Scripting, 1, "1A 2B 3C");
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Script\" WHEN NEW.\"Sequence\" = 3 "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    other.exec("CREATE TRIGGER keep BEFORE DELETE ON \"Script\" WHEN OLD.\"Sequence\" = 2 "
               "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(CopyScript(d.Scripting, 1, 2));
    EXPECT_FALSE(DeleteScript(d.Scripting, 1));
    EXPECT_EQ(ScriptText(d.Scripting, 2), "");
    EXPECT_EQ(ScriptText(d.Scripting, 1), "1A 2B 3C");
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Error");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Error adding script record:|refused"));
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith("Error deleting script record:|kept"));
}

TEST_F(TaskScriptsTest, DeletingAndClearingTakeOnlyTheOwnersItemsAndNothingOfOwnerZero)
{
    AddItems(d.Scripting, 0, "1Z");
    AddItems(d.Scripting, 1, "1A 2B");
    AddItems(d.Scripting, 2, "1C");
    AddItems(d.ScriptTemplateDetails, 0, "1Z");
    AddItems(d.ScriptTemplateDetails, 1, "1A 2B");
    AddItems(d.ScriptTemplateDetails, 2, "1C");
    EXPECT_TRUE(DeleteScript(d.Scripting, 0));
    EXPECT_TRUE(DeleteScriptTemplateDetails(d.ScriptTemplateDetails, 0));
    EXPECT_EQ(ScriptText(d.Scripting, 0), "1Z");
    EXPECT_EQ(ScriptText(d.ScriptTemplateDetails, 0), "1Z");

    prompt.AnswerButton("No").AnswerButton("No");
    EXPECT_FALSE(ClearScriptItems(d.Scripting, 1));
    EXPECT_FALSE(ClearScriptItems(d.ScriptTemplateDetails, 1));
    EXPECT_EQ(ScriptText(d.Scripting, 1), "1A 2B");
    EXPECT_EQ(ScriptText(d.ScriptTemplateDetails, 1), "1A 2B");
    prompt.AnswerButton("Yes").AnswerButton("Yes").AnswerButton("Yes");
    EXPECT_TRUE(ClearScriptItems(d.Scripting, 1));
    EXPECT_TRUE(ClearScriptItems(d.ScriptTemplateDetails, 1));
    EXPECT_FALSE(ClearScriptItems(d.Scripting, 0)) << "no task, nothing cleared";
    EXPECT_EQ(ScriptText(d.Scripting, 1), "");
    EXPECT_EQ(ScriptText(d.ScriptTemplateDetails, 1), "");
    EXPECT_EQ(ScriptText(d.Scripting, 2) + ScriptText(d.ScriptTemplateDetails, 2), "1C1C");
    EXPECT_EQ(ScriptText(d.Scripting, 0), "1Z");
    for (const test::PromptQuestion& asked : prompt.Questions()) {
        EXPECT_EQ(asked.caption, "Clear All");
        EXPECT_EQ(asked.text, "Delete all script items for the current task?");
        EXPECT_EQ(asked.buttons, "&Yes|&No");
        EXPECT_EQ(asked.defaultButton, 2);
    }
}

} // namespace
} // namespace vl
