// Companion programs started from the frame tell the user when they cannot
// start or end in failure, and say nothing when they end well.

#include "core/frame/CompanionPrograms.h"
#include "tests/core/launch/LaunchFixture.h"
#include "tests/support/ScriptedPrompt.h"

namespace vl {
namespace {

ProgramStart Script(const QString& name, const QString& body)
{
    const QString path = test::WriteTextFile(test::TestPath(name), "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return {.program = path};
}

TEST(CompanionPrograms, AFailureToStartOrAFailedEndIsToldAndAGoodEndIsNot)
{
    test::ScriptedPrompt prompt; // notices only: nothing waits for the user
    CompanionPrograms companions;
    EXPECT_FALSE(companions.Start("The backup program", {.program = test::TestPath("missing")}, "Velmora 2000"));
    ASSERT_TRUE(companions.Start("The backup program", Script("usage", "exit 2"), "Velmora 2000"));
    ASSERT_TRUE(companions.Start("The backup manager", Script("fine", "exit 0"), "Velmora 2000"));
    ASSERT_TRUE(test::PollUntil([&] { return !companions.Poll(); }));

    ASSERT_EQ(prompt.Questions().size(), 2u);
    for (const test::PromptQuestion& question : prompt.Questions()) {
        EXPECT_EQ(question.kind, test::PromptKind::Notice);
        EXPECT_EQ(question.caption, "Velmora 2000");
    }
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("The backup program could not be started.|"));
    EXPECT_EQ(prompt.Questions()[1].text, "The backup program ended with an error (code 2).");
}

} // namespace
} // namespace vl
