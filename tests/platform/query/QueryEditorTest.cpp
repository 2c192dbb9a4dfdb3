// The query dialog's logic: drafts become conditions or are refused with the
// reason, saved queries are saved, loaded and removed with the questions and
// warnings of the dialog's texts, and nothing built is lost by a refusal.

#include "QueryTestData.h"

#include "platform/query/QueryEditor.h"
#include "platform/runtime/Calendar.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl::test {
namespace {

using Op = QueryOperator;

class Editor : public ::testing::Test {
protected:
    QueryDraft Draft(const char* field, Op op, const QString& input = {}, QueryOperand with = QueryOperand::Value)
    {
        return {field, op, with, input};
    }
    QStringList Captions() const
    {
        QStringList captions;
        for (const PromptQuestion& question : prompt.Questions())
            captions << question.caption;
        return captions;
    }

    ScriptedPrompt prompt;
    SavedQueries saved{TestPath("QUERIES.INI"), "ITEMS"};
    QueryEditor editor{ItemCatalogue(), DialogTexts(), &saved};
};

TEST_F(Editor, DraftsBecomeConditionsOrAreRefusedWithTheReason)
{
    editor.Start({});
    ASSERT_TRUE(editor.Add(Join::And, Draft("ITM:Code", Op::Equal, "Big Nut")));
    ASSERT_TRUE(editor.Add(Join::Or, Draft("ITM:Date", Op::Less, "25/12/2024")));
    ASSERT_TRUE(editor.Add(Join::And, Draft("ITM:Flag", Op::Checked, "ignored", QueryOperand::Expression)));
    const std::pair<QueryDraft, const char*> refused[] = {
        {Draft("ITM:Date", Op::Less, "someday"), "Item - Date: \"someday\" is not a date"},
        {Draft("ITM:Date", Op::Contains, "1"), "Item - Date cannot be compared that way"},
        {Draft("", Op::Equal, "x"), "Select the field to test."},
        {Draft("ITM:Date", Op::Less, "", QueryOperand::Expression), "compared with an empty expression"},
        {Draft("ITM:Priority", Op::Less, "high"), "Item - Priority: \"high\" is not a number"},
        {Draft("ITM:Date", Op::Less, "ITM:Name", QueryOperand::Field), "one is a text, the other a number"},
    };
    for (const auto& [draft, reason] : refused) {
        prompt.Answer(1).Answer(1);
        EXPECT_FALSE(editor.Add(Join::And, draft));
        EXPECT_FALSE(editor.Change(0, draft));
        EXPECT_EQ(prompt.Questions().back().caption, "Invalid Query");
        EXPECT_TRUE(prompt.Questions().back().text.startsWith("The query you have designed is invalid.|"));
        EXPECT_TRUE(prompt.Questions().back().text.contains(reason)) << prompt.Questions().back().text.toStdString();
    }
    const Query built{{Join::And, "ITM:Code", Op::Equal, QueryOperand::Value, "NUT"},
                      {Join::Or, "ITM:Date", Op::Less, QueryOperand::Value, QString::number(MakeDate(12, 25, 2024))},
                      {Join::And, "ITM:Flag", Op::Checked, QueryOperand::Value, ""}};
    EXPECT_EQ(editor.Current(), built); // nothing lost by the refusals
    // A change keeps the condition's join; the draft shows the shown value.
    ASSERT_TRUE(editor.Change(1, Draft("ITM:Name", Op::Contains, "x")));
    EXPECT_EQ(editor.Current()[1].join, Join::Or);
    EXPECT_EQ(editor.DraftOf(0).input, "Big Nut");
    editor.Remove(0);
    EXPECT_EQ(editor.Words(), (QStringList{"Item - Name Contains \"x\"", "AND Item - Flag (True/False) Is Checked"}));
    // Another field: only those of the same kind.
    QStringList comparable;
    for (const QueryField* field : editor.ComparableFields("ITM:Date"))
        comparable << field->field;
    EXPECT_EQ(comparable, (QStringList{"ITM:Time", "ITM:Priority"}));
    EXPECT_TRUE(editor.ComparableFields("ITM:Flag").empty());
}

TEST_F(Editor, SavedQueriesAreSavedLoadedAndRemovedWithTheDialogsQuestions)
{
    editor.Start({});
    ASSERT_TRUE(editor.Add(Join::And, Draft("ITM:Name", Op::Equal, "O'Neil")));
    prompt.Answer(1);
    EXPECT_FALSE(editor.Save("  "));
    ASSERT_TRUE(editor.Save("Irish"));
    EXPECT_EQ(editor.Description(), "Irish");
    EXPECT_FALSE(editor.Modified());
    // Saved again under its own name after a change; another query may not
    // take the name.
    ASSERT_TRUE(editor.Add(Join::Or, Draft("ITM:Priority", Op::Greater, "3")));
    ASSERT_TRUE(editor.Save("IRISH"));
    const Query irish = editor.Current();
    editor.Start({});
    ASSERT_TRUE(editor.Add(Join::And, Draft("ITM:Name", Op::Equal, "x")));
    prompt.Answer(1);
    EXPECT_FALSE(editor.Save("irish"));
    // Loading over changes asks first; "No" keeps the query being edited.
    prompt.AnswerButton("No");
    EXPECT_FALSE(editor.Load("Irish"));
    EXPECT_EQ(editor.Current().size(), 1u);
    prompt.AnswerButton("Yes");
    ASSERT_TRUE(editor.Load("irish"));
    EXPECT_EQ(editor.Current(), irish);
    EXPECT_EQ(editor.Description(), "Irish");
    EXPECT_EQ(Captions(),
              (QStringList{"Save Query", "Duplicate Query Description", "Overwrite Query", "Overwrite Query"}));
    EXPECT_EQ(prompt.Questions()[0].text, "Please enter a description for this query.");

    // A saved query naming a field the catalogue no longer lists is loaded,
    // with the warning, and OK is refused until it is mended.
    Query gone = irish;
    gone[1].field = "ITM:Gone";
    ASSERT_TRUE(saved.Save("Old", gone));
    prompt.Answer(1).Answer(1);
    ASSERT_TRUE(editor.Load("Old"));
    EXPECT_EQ(prompt.Questions().back().caption, "Query No Longer Valid");
    EXPECT_FALSE(editor.Finish(""));
    EXPECT_EQ(prompt.Questions().back().caption, "Invalid Query");
    editor.Remove(1);
    // With a description given and changes unsaved, OK asks to save them.
    prompt.AnswerButton("Yes");
    ASSERT_TRUE(editor.Finish("Old"));
    EXPECT_EQ(prompt.Questions().back().caption, "Save Query");
    Query read;
    QString error;
    ASSERT_TRUE(saved.Load("Old", read, error));
    EXPECT_EQ(read, editor.Current());
    EXPECT_TRUE(editor.Finish("Old")); // nothing changed: no question

    // A damaged saved query cannot be loaded and leaves the query as it was.
    ASSERT_TRUE(IniFile(saved.Path()).Put("ITEMS", "Broken", "[{"));
    prompt.Answer(1);
    EXPECT_FALSE(editor.Load("Broken"));
    EXPECT_EQ(prompt.Questions().back().caption, "ErrorLoadingQuery");
    EXPECT_EQ(editor.Current(), read);
    ASSERT_TRUE(editor.RemoveSaved("old"));
    EXPECT_EQ(editor.Description(), "");
    EXPECT_EQ(editor.SavedNames(), (QStringList{"Irish", "Broken"}));
}

} // namespace
} // namespace vl::test
