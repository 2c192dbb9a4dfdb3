#include "platform/ui/PromptService.h"

#include "tests/support/ScriptedPrompt.h"

#include <QApplication>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace vl {
namespace {

using test::PromptKind;
using test::ScriptedPrompt;

// Logic of the kind the program has: it asks through the prompt service only.
bool ConfirmRun(const QString& description)
{
    return Prompt::Ask(description + " is due to run.  Run it now?", "Confirm Task", PromptIcon::Question,
                       ButtonYes | ButtonNo, ButtonYes)
           == ButtonYes;
}

TEST(Prompt, ScriptedAnswersComeInOrderAndQuestionsAreRecorded)
{
    ScriptedPrompt prompt;
    prompt.Answer(2).AnswerPath("/data/velmora").AnswerButton("cancel").Cancel();

    EXPECT_EQ(Prompt::Message("Save changes?|Really?", "Question", PromptIcon::Exclamation, "&Yes|&No|&Cancel", 3), 2);
    EXPECT_EQ(Prompt::SelectDirectory("Select data directory", "/home"), "/data/velmora");
    EXPECT_EQ(Prompt::Message("Again?", "Question", PromptIcon::Question, "&Yes|&No|&Cancel", 1), 3);
    EXPECT_EQ(Prompt::OpenFile("Select WAV File for Alarm", "WAV Files|*.WAV", "bell.wav"), "");
    EXPECT_EQ(prompt.Remaining(), 0);

    const auto& asked = prompt.Questions();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].kind, PromptKind::Message);
    EXPECT_EQ(asked[0].caption, "Question");
    EXPECT_EQ(asked[0].text, "Save changes?|Really?");
    EXPECT_EQ(asked[0].buttons, "&Yes|&No|&Cancel");
    EXPECT_EQ(asked[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(asked[0].defaultButton, 3);
    EXPECT_EQ(asked[1].kind, PromptKind::Directory);
    EXPECT_EQ(asked[1].caption, "Select data directory");
    EXPECT_EQ(asked[1].start, "/home");
    EXPECT_EQ(asked[3].kind, PromptKind::OpenFile);
    EXPECT_EQ(asked[3].filter, "WAV Files|*.WAV");
    EXPECT_EQ(asked[3].start, "bell.wav");
}

TEST(Prompt, LogicThatAsksRunsWithoutAWindow)
{
    ScriptedPrompt prompt;
    prompt.AnswerButton("No").AnswerButton("&Yes");

    EXPECT_FALSE(ConfirmRun("Backup"));
    EXPECT_TRUE(ConfirmRun("Backup"));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());

    ASSERT_EQ(prompt.Questions().size(), 2u);
    const auto& question = prompt.Questions()[0];
    EXPECT_EQ(question.text, "Backup is due to run.  Run it now?");
    EXPECT_EQ(question.buttons, "&Yes|&No");
    EXPECT_EQ(question.icon, PromptIcon::Question);
    EXPECT_EQ(question.defaultButton, 1);
}

TEST(Prompt, StandardButtonsMapBothWays)
{
    ScriptedPrompt prompt;
    prompt.Answer(1).Answer(2).Answer(3);

    EXPECT_EQ(Prompt::Ask("Delete?", "Delete Record", PromptIcon::Exclamation, ButtonYes | ButtonNo, ButtonNo),
              ButtonYes);
    EXPECT_EQ(Prompt::Ask("Locked", "Error", PromptIcon::Stop, ButtonRetry | ButtonCancel, ButtonCancel),
              ButtonCancel);
    EXPECT_EQ(Prompt::Ask("Preview?", "Question", PromptIcon::Exclamation, ButtonYes | ButtonNo | ButtonCancel,
                          ButtonYes),
              ButtonCancel);

    const auto& asked = prompt.Questions();
    EXPECT_EQ(asked[0].defaultButton, 2);
    EXPECT_EQ(asked[1].buttons, "&Retry|Cancel");
    EXPECT_EQ(asked[1].defaultButton, 2);
    EXPECT_EQ(asked[2].defaultButton, 1);
}

TEST(Prompt, UnscriptedQuestionsFailInsteadOfHanging)
{
    ScriptedPrompt prompt;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = Prompt::Message("Run it now?", "Missed Task", PromptIcon::Question,
                                                     "&Yes|&No", 2),
                            "unexpected message box \"Missed Task\"");
    EXPECT_EQ(answer, 2);

    QString path = "unchanged";
    EXPECT_NONFATAL_FAILURE(path = Prompt::SaveFile("Export File", "Export Files|*.CSV"), "unexpected save-file");
    EXPECT_EQ(path, "");

    // An answer of the wrong kind (used up), or for a button that is not there, fails too.
    prompt.AnswerPath("/tmp");
    EXPECT_NONFATAL_FAILURE(Prompt::Message("Sure?", "Q", PromptIcon::None, "&Yes|&No", 1), "unexpected");
    prompt.Answer(3);
    EXPECT_NONFATAL_FAILURE(answer = Prompt::Message("Sure?", "Q", PromptIcon::None, "&Yes|&No", 2),
                            "is not a button");
    EXPECT_EQ(answer, 2);
    prompt.AnswerButton("Maybe");
    EXPECT_NONFATAL_FAILURE(Prompt::Message("Sure?", "Q", PromptIcon::None, "&Yes|&No", 1), "Maybe");
    prompt.Answer(1).AnswerPath("/tmp").Cancel();
    EXPECT_NONFATAL_FAILURE(path = Prompt::SelectDirectory("Where?"), "unexpected directory dialog");
    EXPECT_EQ(path, "");
    EXPECT_EQ(Prompt::SelectDirectory("Where?"), "/tmp");
    EXPECT_EQ(Prompt::SelectDirectory("Where?"), "");
    EXPECT_EQ(prompt.Remaining(), 0);
}

TEST(Prompt, UnusedAnswersFailAndTheServiceIsRestored)
{
    ScriptedPrompt outer;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompt inner;
            inner.Answer(1);
        },
        "never asked for");
    outer.Answer(1);
    EXPECT_EQ(Prompt::Message("Hello"), 1);
    EXPECT_EQ(outer.Questions().size(), 1u);
    EXPECT_EQ(outer.Questions()[0].buttons, "");
}

} // namespace
} // namespace vl
