// Template tokens: each row expands one text with the answers given, in
// order, and checks the result and the questions asked (kind, prompt and the
// answer proposed).

#include "scripting/templates/TemplateTokens.h"
#include "tests/scripting/templates/ScriptedTokenQuestions.h"

namespace vl {
namespace {

using test::ScriptedTokenQuestions;

TEST(TemplateTokensTest, TokensAreAskedFoundOrCancelled)
{
    const std::optional<QString> cancel;
    const struct {
        const char* text;
        int width;
        std::deque<std::optional<QString>> answers;
        bool done;
        const char* expanded;
        const char* asked;
    } cases[] = {
        {"no tokens [here]", 255, {}, true, "no tokens [here]", ""},
        {"cd [? File Config file]/x", 255, {"/etc"}, true, "cd /etc/x", "File:Config file:"},
        {"[?file ]x", 255, {"a"}, true, "ax", "File:FILE:"},
        {"[?  WINDOW   ] on", 255, {"Editor"}, true, "Editor on", "Window:WINDOW:"},
        {"[? Text Name] and [? name]", 255, {"Bob  "}, true, "Bob and Bob", "Text:Name:"},
        {"[? Filename]", 255, {"f"}, true, "f", "Text:Filename:"},
        {"[?]x[? Window Title] then [?]", 255, {"W"}, true, "xW then W", "Window:Title:"},
        {"[? Text A] [? Text a]", 255, {"x", "y"}, true, "x y", "Text:A: Text:a:x"},
        {"go [? Text Where", 255, {"y"}, true, "go yText Where", "Text:TEXT:"},
        {"[? Filex] [? Text B]", 255, {"1", "[? Text B]"}, true, "1 [? Text B]", "Text:Filex: Text:B:"},
        {"[? Text A]tail", 5, {"abcdefgh"}, true, "abcde", "Text:A:"},
        {"[? Text A]abc[? Text B]", 4, {"wxyz"}, true, "wxyz", "Text:A:"},
        {"a [? Text A] b [? File F]", 255, {"1", cancel}, false, "a [? Text A] b [? File F]", "Text:A: File:F:"},
    };
    for (const auto& c : cases) {
        TemplateTokenAnswers answers;
        ScriptedTokenQuestions questions(c.answers);
        QString text = QLatin1String(c.text);
        EXPECT_EQ(ExpandTemplateTokens(text, c.width, answers, questions), c.done) << c.text;
        EXPECT_EQ(text, QLatin1String(c.expanded)) << c.text;
        EXPECT_EQ(questions.asked.join(' '), QLatin1String(c.asked)) << c.text;
    }
}

TEST(TemplateTokensTest, AnswersCarryOverUntilCleared)
{
    TemplateTokenAnswers answers;
    ScriptedTokenQuestions questions({"Ann", "Ann2"});
    QString first = "[? Text Who]", second = "[? WHO] [?]", third = "[? who]";
    ASSERT_TRUE(ExpandTemplateTokens(first, 255, answers, questions));
    ASSERT_TRUE(ExpandTemplateTokens(second, 255, answers, questions));
    EXPECT_EQ(second, "Ann Ann");
    answers.Clear();
    EXPECT_EQ(answers.Last(), "");
    ASSERT_TRUE(ExpandTemplateTokens(third, 255, answers, questions));
    EXPECT_EQ(third, "Ann2");
    EXPECT_EQ(questions.asked.join(' '), "Text:Who: Text:who:");
}

} // namespace
} // namespace vl
