// The record of the table being opened, which outlives a crash.

#include <gtest/gtest.h>

#include "core/dictionary/Dictionary.h"
#include "core/startup/BadFile.h"
#include "platform/data/OpenGuard.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl {
namespace {

class BadFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        InstallBadFileGuard(ini);
    }
    void TearDown() override
    {
        RemoveBadFileGuard();
        DictionaryEnd();
    }
    const QString ini = test::TestPath("vlmr.INI");
};

TEST_F(BadFileTest, AnOpenThatNeverFinishesLeavesTheTableNamedForTheNextStart)
{
    // The run dies between the two halves of the hook around an open.
    CurrentOpenGuard().beforeOpen(Tables().Scripting.Name());
    RemoveBadFileGuard();

    // The next start reads the file afresh.
    EXPECT_EQ(ReadBadFile(ini), "Scripting");
    test::ScriptedPrompt prompt;
    prompt.AnswerButton("No");
    OfferBadFileRepairAtStart(prompt, ini);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions()[0].text.contains("Scripting"));
    EXPECT_EQ(ReadBadFile(ini), "Scripting"); // declining keeps it for the next start
}

TEST_F(BadFileTest, AFinishedOpenClearsTheEntryAndAnEmptyEntryIsNotReported)
{
    ASSERT_TRUE(IniFile(ini).Put(kProgramSection, kBadFileEntry, "Holidays"));
    ASSERT_TRUE(OpenTable(Tables().Categories));
    Tables().Categories.Close();
    EXPECT_EQ(ReadBadFile(ini), "");

    test::ScriptedPrompt prompt; // no question may be asked
    OfferBadFileRepairAtStart(prompt, ini);
}

TEST_F(BadFileTest, AFileTheDictionaryDoesNotKnowIsNamedAsItIs)
{
    CurrentOpenGuard().beforeOpen(QStringLiteral("export\\!stray"));
    EXPECT_EQ(ReadBadFile(ini), "export\\!stray");
}

} // namespace
} // namespace vl
