// The record of the table being opened, which outlives a crash.

#include <gtest/gtest.h>

#include "core/dictionary/Dictionary.h"
#include "core/startup/BadFile.h"
#include "platform/data/OpenGuard.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <SQLiteCpp/Database.h>

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

TEST_F(BadFileTest, AgreedTheOfferRepairsADamagedCatalogAndSaysSo)
{
    ASSERT_TRUE(OpenTable(Tables().Scripting));
    ScriptingRecord item;
    ASSERT_TRUE(Tables().Scripting.Add(item));
    Tables().Scripting.Close();
    SQLite::Database(test::TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE)
        .exec("UPDATE vl_catalog SET fields = 'x' || fields WHERE table_name = 'Script'");
    ASSERT_TRUE(IniFile(ini).Put(kProgramSection, kBadFileEntry, "Scripting"));

    test::ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").AnswerButton("Yes").Answer(1); // the offer, the whole file, the account
    OfferBadFileRepairAtStart(prompt, ini);
    ASSERT_EQ(prompt.Questions().size(), 3u);
    EXPECT_TRUE(prompt.Questions()[2].text.startsWith("Scripting: Repaired: 1 records kept;"))
        << prompt.Questions()[2].text.toStdString();
    ASSERT_TRUE(OpenTable(Tables().Scripting));
    EXPECT_EQ(Tables().Scripting.Records(), 1);
    Tables().Scripting.Close();
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
