// The configuration store on a real data file, with the INI fallback.

#include <gtest/gtest.h>

#include <QFile>

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl {
namespace {

class ConfigStoreTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }
    Dictionary& d = (DictionaryStart(), Tables());
    IniFile programIni{QLatin1String(kProgramIniName)};

    int StoredSettings()
    {
        const bool wasOpen = d.Configuration.IsOpen();
        EXPECT_TRUE(OpenTable(d.Configuration));
        const int count = static_cast<int>(d.Configuration.Records());
        d.Configuration.Close();
        if (!wasOpen)
            d.Configuration.Close();
        return count;
    }
};

TEST_F(ConfigStoreTest, ASettingOnlyInTheIniFileIsCopiedIntoTheTable)
{
    ASSERT_TRUE(programIni.Put("Settings", "SnoozeInterval", "15"));
    EXPECT_EQ(GetConfigValue("SnoozeInterval"), "15");
    EXPECT_TRUE(d.Configuration.IsOpen()); // opened by the call, and left open
    ASSERT_TRUE(programIni.Put("Settings", "SnoozeInterval", "30"));
    EXPECT_EQ(GetConfigValue("SnoozeInterval"), "15");
    EXPECT_EQ(StoredSettings(), 1);
}

TEST_F(ConfigStoreTest, ADefaultIsReturnedAndStoredUnlessBlank)
{
    EXPECT_EQ(GetConfigValue("MaxAlarmTime", QStringLiteral("5")), "5");
    EXPECT_EQ(GetConfigValue("NoSuchThing"), "");
    EXPECT_EQ(StoredSettings(), 1);
    // A blank value is looked up in the INI file again on the next call.
    ASSERT_TRUE(programIni.Put("Settings", "NoSuchThing", "now"));
    EXPECT_EQ(GetConfigValue("NoSuchThing"), "now");
    EXPECT_EQ(GetConfigValue("MaxAlarmTime", QStringLiteral("9")), "5");
}

TEST_F(ConfigStoreTest, ANamedIniFileReplacesTheProgramIni)
{
    ASSERT_TRUE(programIni.Put("Settings", "Debug", "program"));
    IniFile other(test::TestPath("other.ini"));
    ASSERT_TRUE(other.Put("Settings", "Debug", "other"));
    EXPECT_EQ(GetConfigValue("Debug", std::nullopt, other.Path()), "other");
}

TEST_F(ConfigStoreTest, PutAddsANewSettingAndChangesAnExistingOneInPlace)
{
    PutConfigValue("LogEvents", "1");
    EXPECT_EQ(StoredSettings(), 1);
    PutConfigValue("LOGEVENTS", "0");
    EXPECT_EQ(StoredSettings(), 1);
    EXPECT_EQ(GetConfigValue("logevents"), "0");
    PutConfigValue("Other", "x");
    EXPECT_EQ(StoredSettings(), 2);
}

TEST_F(ConfigStoreTest, AnUnchangedValueIsNotWrittenAgainSoAReadOnlyFileRaisesNoError)
{
    PutConfigValue("VLMRV", "vlmr");
    d.Configuration.Close();
    ASSERT_TRUE(d.Configuration.Open(AccessMode::kReadOnly | AccessMode::kDenyNone));
    test::ScriptedPrompt prompt; // a box for the unchanged value fails the test
    PutConfigValue("vlmrv", "vlmr  ");
    prompt.Answer(1);
    PutConfigValue("VLMRV", "changed");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions()[0].text.endsWith(" - Access Denied")) << qPrintable(prompt.Questions()[0].text);
    d.Configuration.Close();
}

TEST_F(ConfigStoreTest, AReadErrorGivesTheDefaultNotTheLastValueRead)
{
    PutConfigValue("First", "stale");
    EXPECT_EQ(GetConfigValue("First"), "stale");
    d.Configuration.Close();
    // Replace the data file by something that is no data file at all.
    QFile::remove("VLDB.TPS");
    ASSERT_FALSE(test::WriteTextFile(test::TestPath("VLDB.TPS"), "not a data file").isEmpty());

    // A damaged file is told by the damage notice, with its repair: no box
    // of the store's before it.
    test::ScriptedPrompt prompt;
    EXPECT_EQ(GetConfigValue("Second", QStringLiteral("fallback")), "fallback");
    PutConfigValue("Second", "x");
    EXPECT_TRUE(prompt.Questions().empty()) << qPrintable(prompt.Questions().front().text);
    EXPECT_EQ(test::ReadTextFile(test::TestPath("VLDB.TPS")), "not a data file");
}

} // namespace
} // namespace vl
