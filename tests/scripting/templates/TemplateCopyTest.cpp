// Copying templates on real tables: into a task's script after its items
// (order, sequence numbers, skipped blank actions, the program's folder),
// nothing at all when a question is cancelled or the template is gone; under
// another template; and the templates' IDs, names and deletion.

#include "core/dictionary/Dictionary.h"
#include "scripting/items/ScriptItemStore.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/templates/TemplateCopy.h"
#include "scripting/templates/TemplateStore.h"
#include "tests/scripting/templates/ScriptedTokenQuestions.h"
#include "tests/support/ScriptedPrompt.h"

namespace vl {
namespace {

using test::ScriptedTokenQuestions;

class TemplateCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TableFile* table : std::initializer_list<TableFile*>{&d.Scripting, &d.ScriptTemplates,
                                                                  &d.ScriptTemplateDetails})
            ASSERT_TRUE(OpenTable(*table));
    }
    void TearDown() override { DictionaryEnd(); }

    void AddTemplate(int32_t id, const char* description)
    {
        ScriptTemplatesRecord header;
        header.WIZ_ID = id;
        header.DESCRIPTION = description;
        ASSERT_TRUE(d.ScriptTemplates.Add(header));
    }
    // Template items: sequence, action, keystrokes, command.
    void AddDetail(int32_t templateId, int32_t sequence, const char* action, const char* keys = "",
                   const char* command = "")
    {
        ScriptTemplateDetailsRecord item;
        item.WIZ_ID = templateId;
        item.Sequence = sequence;
        item.Action = action;
        item.Keystrokes = keys;
        item.Command = command;
        ASSERT_TRUE(d.ScriptTemplateDetails.Add(item));
    }
    void AddTaskItem(int32_t taskId, int32_t sequence, const char* action)
    {
        ScriptingRecord item;
        item.ID = taskId;
        item.Sequence = sequence;
        item.Action = action;
        ASSERT_TRUE(d.Scripting.Add(item));
    }
    // "sequence action keystrokes path" of each item of the owner, in order.
    template <class R>
    QStringList Items(Table<R>& table, int32_t owner)
    {
        std::vector<R> items;
        EXPECT_TRUE(ReadScriptItems(table, owner, items).Ok());
        QStringList shown;
        for (const R& item : items)
            shown << QStringLiteral("%1 %2 %3 %4").arg(item.Sequence).arg(item.Action, item.Keystrokes, item.Path)
                         .trimmed();
        return shown;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    TemplateTokenAnswers answers;
};

TEST_F(TemplateCopyTest, ItemsFollowTheTaskScriptWithTokensAnswered)
{
    AddTemplate(3, "Log in");
    AddDetail(3, 2, "Send Keys", "Hi [? Text Name]");
    AddDetail(3, 5, "", "never [? Text Unasked]");
    AddDetail(3, 9, "Start Program", "", "/opt/tool/run --x=/tmp");
    AddDetail(3, 10, "Send Keys", "[? NAME]!");
    AddTaskItem(7, 1, "Wait");
    AddTaskItem(7, 4, "Wait");
    ScriptedTokenQuestions questions({"Bob", "Bob"});
    EXPECT_EQ(CopyScriptTemplateToScript(d, 3, 7, answers, questions), TemplateCopied::Copied);
    EXPECT_EQ(Items(d.Scripting, 7),
              (QStringList{"1 Wait", "4 Wait", "5 Send Keys Hi Bob", "6 Start Program  /opt/tool", "7 Send Keys Bob!"}));
    // A second copy follows the first; the kind token is asked again with
    // the earlier answer proposed, the plain one takes it.
    EXPECT_EQ(CopyScriptTemplateToScript(d, 3, 7, answers, questions), TemplateCopied::Copied);
    EXPECT_EQ(Items(d.Scripting, 7).mid(5), (QStringList{"8 Send Keys Hi Bob", "9 Start Program  /opt/tool",
                                                          "10 Send Keys Bob!"}));
    EXPECT_EQ(questions.asked, (QStringList{"Text:Name:", "Text:Name:Bob"}));
}

TEST_F(TemplateCopyTest, CancelledQuestionMissingTemplateOrTaskAddNothing)
{
    AddTemplate(3, "Two questions");
    AddDetail(3, 1, "Send Keys", "[? Text First]");
    AddDetail(3, 2, "Send Keys", "[? File Second]");
    AddTaskItem(7, 1, "Wait");
    ScriptedTokenQuestions questions({"one", std::nullopt});
    EXPECT_EQ(CopyScriptTemplateToScript(d, 3, 7, answers, questions), TemplateCopied::Cancelled);
    EXPECT_EQ(Items(d.Scripting, 7), QStringList{"1 Wait"});

    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    ASSERT_TRUE(DeleteTemplate(d, 3));
    EXPECT_EQ(CopyScriptTemplateToScript(d, 3, 7, answers, questions), TemplateCopied::Failed);
    EXPECT_EQ(CopyScriptTemplateToScript(d, 4, 0, answers, questions), TemplateCopied::Failed);
    EXPECT_EQ(Items(d.Scripting, 7), QStringList{"1 Wait"});
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].text, kTemplateGoneText);
    EXPECT_TRUE(prompt.Questions()[1].text.startsWith(kNoTaskText));
}

TEST_F(TemplateCopyTest, ProgramFolderOfACommand)
{
    const char* const cases[][2] = {
        {"/opt/tool/run --x=/tmp", "/opt/tool"}, {"\"/my apps/x\" -a", "/my apps"}, {"C:\\Tools\\app.exe", "C:\\Tools"},
        {"run /a/b", ""},                         {"/run", "/"},                      {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolder(c[0]), QLatin1String(c[1])) << c[0];
}

TEST_F(TemplateCopyTest, TemplatesCopyNumberAndDeleteWithTheirItems)
{
    AddTemplate(2, "Source");
    AddDetail(2, 1, "Wait");
    AddDetail(2, 3, "Send Keys", "x");
    AddDetail(4, 2, "Send Keys"); // left behind by a template removed outside
    AddDetail(5, 3, "Wait");      // already under the target
    EXPECT_EQ(NewTemplateId(d), 6);

    ASSERT_EQ(CopyScriptTemplateDetails(d.ScriptTemplateDetails, 2, 5), TemplateCopied::Copied);
    EXPECT_EQ(Items(d.ScriptTemplateDetails, 5), (QStringList{"1 Wait", "3 Wait", "4 Send Keys x"}));
    ASSERT_EQ(CopyScriptTemplateDetails(d.ScriptTemplateDetails, 0, 5), TemplateCopied::Copied);
    EXPECT_EQ(Items(d.ScriptTemplateDetails, 5).size(), 3);

    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    ScriptTemplatesRecord copy;
    copy.WIZ_ID = 6;
    copy.DESCRIPTION = "  ";
    EXPECT_FALSE(SaveTemplate(d, copy));
    copy.DESCRIPTION = "SOURCE";
    EXPECT_FALSE(SaveTemplate(d, copy));
    copy.DESCRIPTION = "Copy";
    ASSERT_TRUE(SaveTemplate(d, copy));
    copy.DESCRIPTION = "Copy renamed";
    ASSERT_TRUE(SaveTemplate(d, copy));
    EXPECT_EQ(ReadTemplate(d, 6)->DESCRIPTION, "Copy renamed");
    EXPECT_EQ(d.ScriptTemplates.Records(), 2);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].text, kNoDescriptionText);
    EXPECT_EQ(prompt.Questions()[1].text, QString(kDuplicateDescriptionText) + "SOURCE");

    ASSERT_TRUE(DeleteTemplate(d, 2));
    EXPECT_FALSE(ReadTemplate(d, 2));
    EXPECT_TRUE(Items(d.ScriptTemplateDetails, 2).isEmpty());
    EXPECT_EQ(Items(d.ScriptTemplateDetails, 5).size(), 3);
    EXPECT_TRUE(DeleteTemplate(d, 2));
}

} // namespace
} // namespace vl
