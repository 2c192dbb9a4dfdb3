// Loading the settings into their globals from a real Configuration table,
// with the program INI file as fallback.

#include "core/settings/CommandLine.h"
#include "core/base/Globals.h"
#include "core/settings/SettingValues.h"
#include "core/settings/Settings.h"
#include "tests/core/settings/SettingsStoreFixture.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace vl {
namespace {

class LoadSettingsTest : public test::SettingsStoreFixture {};

TEST_F(LoadSettingsTest, AnEmptyStoreLoadsTheDefaults)
{
    StartUpSchedule = 0;
    StartUpActive = 0;
    GlobalDelay = 0;
    BurstSize = 0;
    GlobalDateFormat = "d1";
    UseExternalMessage = 0;
    LoadSettings();
    EXPECT_EQ(StartUpSchedule, 1);
    EXPECT_EQ(StartUpActive, 1);
    EXPECT_EQ(GlobalDelay, 25);
    EXPECT_EQ(BurstSize, 7);
    EXPECT_EQ(GlobalDateFormat, "d3");
    EXPECT_EQ(UseExternalMessage, 1);
    EXPECT_EQ(LogExitCodes, 0);
    EXPECT_FALSE(GlobalUseLog);
    EXPECT_TRUE(UserName.isEmpty());
    // Only the settings with a default were stored.
    const std::map<QString, QString> expected{{"DateFormat", "d3"}, {"LogExitCodes", "0"}, {"UsePivra", "1"}};
    EXPECT_EQ(AllStored(), expected);
}

TEST_F(LoadSettingsTest, ScriptingDelayAndBurstSizeAreKeptUsable)
{
    const struct {
        const char* delay;
        int32_t loadedDelay;
        const char* burst;
        uint8_t loadedBurst;
    } cases[] = {{"10", 25, "0", 7}, {"-5", 25, "12", 12}, {"25", 25, "255", 255}, {"40", 40, "300", 7},
                 {"abc", 25, "-1", 7}};
    for (const auto& c : cases) {
        Store("ScriptingDelay", c.delay);
        Store("BurstSize", c.burst);
        LoadSettings();
        EXPECT_EQ(GlobalDelay, c.loadedDelay) << c.delay;
        EXPECT_EQ(BurstSize, c.loadedBurst) << c.burst;
    }
}

TEST_F(LoadSettingsTest, ASettingOnlyInTheIniFileIsLoadedAndStored)
{
    ASSERT_TRUE(programIni.Put("Settings", "SnoozeInterval", "15"));
    ASSERT_TRUE(programIni.Put("Settings", "Sender", "ann@example.test"));
    ASSERT_TRUE(programIni.Put("Settings", "StartUpSchedule", "1"));
    LoadSettings();
    EXPECT_EQ(SnoozeInterval, 15);
    EXPECT_EQ(Email::Sender, "ann@example.test");
    EXPECT_EQ(StartUpSchedule, 0);
    EXPECT_EQ(Stored("SnoozeInterval"), "15");
    EXPECT_EQ(Stored("Sender"), "ann@example.test");
    EXPECT_EQ(Stored("StartUpSchedule"), "1");

    // From now on the table decides.
    ASSERT_TRUE(programIni.Put("Settings", "SnoozeInterval", "30"));
    LoadSettings();
    EXPECT_EQ(SnoozeInterval, 15);
}

TEST_F(LoadSettingsTest, TheInactiveSwitchForcesTheSchedulerOff)
{
    Store("StartUpActive", "0"); // stored inverted: active
    LoadSettings();
    EXPECT_EQ(StartUpActive, 1);
    {
        CommandLineOverride commandLine({"VLMR", "/i"});
        LoadSettings();
        EXPECT_EQ(StartUpActive, 0);
    }
    Store("StartUpActive", "1");
    LoadSettings();
    EXPECT_EQ(StartUpActive, 0);
}

TEST_F(LoadSettingsTest, TheUserNameIsSetOnlyInMultiUserMode)
{
    Store("UserID", "ann");
    LoadSettings();
    EXPECT_EQ(UserID, "ann");
    EXPECT_TRUE(UserName.isEmpty());

    Store("MultiUser", "1");
    LoadSettings();
    EXPECT_EQ(UserName, "ann");

    // Without a stored user the login name stands in.
    Store("UserID", "");
    LoadSettings();
    EXPECT_FALSE(CurrentLoginName().isEmpty());
    EXPECT_EQ(UserID, CurrentLoginName());
    EXPECT_EQ(UserName, CurrentLoginName());
}

TEST_F(LoadSettingsTest, DebugModeComesFromTheIniFileOnly)
{
    Store("Debug", "1");
    LoadSettings();
    EXPECT_FALSE(DebugMode);
    ASSERT_TRUE(programIni.Put("Settings", "Debug", "1"));
    LoadSettings();
    EXPECT_TRUE(DebugMode);
    DebugMode = false;
}

TEST_F(LoadSettingsTest, TextsAreCutToTheirWidths)
{
    Store("Org", QString(30, 'o'));
    Store("UserID", QString(40, 'u'));
    Store("DateFormat", "d12345678");
    LoadSettings();
    EXPECT_EQ(Email::Organization, QString(20, 'o'));
    EXPECT_EQ(UserID, QString(30, 'u'));
    EXPECT_EQ(GlobalDateFormat, "d12345");
}

class StoreSettingsTest : public test::SettingsStoreFixture {};

// The settings are stored together: when another program holds the file or
// the commit fails, the user is told once and none is stored; the next try
// stores them all.
TEST_F(StoreSettingsTest, SettingsThatCannotBeStoredAreReportedAndNoneIsWritten)
{
    const int savedWait = LockWait();
    SetLockWait(100);
    Tables().Configuration.Close(); // opened again with the short lock wait
    ASSERT_TRUE(OpenTable(Tables().Configuration));
    const StoredOptions options{.scriptingDelay = 30, .burstSize = 9};
    for (const bool locked : {true, false}) {
        SCOPED_TRACE(locked ? "locked" : "commit fails");
        test::ScriptedPrompt prompt;
        prompt.Answer(1);
        {
            std::optional<test::OtherProgramLock> lock;
            std::optional<test::CommitWatch> watch;
            if (locked) {
                lock.emplace(DataFilePath(Tables().Configuration));
                ASSERT_TRUE(lock->Held());
            } else {
                watch.emplace(Tables().Configuration);
                watch->failing = true;
            }
            StoreSettings(options);
        }
        ASSERT_EQ(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].caption, "Error!");
        EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Error writing configuration information.  "))
            << qPrintable(prompt.Questions()[0].text);
        EXPECT_TRUE(AllStored().empty());
    }
    test::ScriptedPrompt quiet;
    StoreSettings(options);
    EXPECT_EQ(Stored("ScriptingDelay"), "30");
    EXPECT_GT(AllStored().size(), 40u);
    SetLockWait(savedWait);
}

TEST(SettingValues, StoredTextsBecomeNumbers)
{
    EXPECT_EQ(SettingNumber(""), 0);
    EXPECT_EQ(SettingNumber(" 42 "), 42);
    EXPECT_EQ(SettingNumber("-7"), -7);
    EXPECT_EQ(SettingNumber("3.9"), 3);
    EXPECT_EQ(SettingNumber("many"), 0);
    EXPECT_EQ(SettingNumber("99999999999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(SettingByte("257"), 1);
    EXPECT_EQ(InvertedFlag(""), 1);
    EXPECT_EQ(InvertedFlag("1"), 0);
}

TEST(CommandLine, SwitchesAreWholeArgumentsAfterTheProgramName)
{
    EXPECT_TRUE(HasCommandSwitch({"VLMR", "/config", "/I"}, "/CONFIG"));
    EXPECT_TRUE(HasCommandSwitch({"VLMR", "/config", "/I"}, "/I"));
    EXPECT_FALSE(HasCommandSwitch({"VLMR", "/INSTALL"}, "/I"));
    EXPECT_FALSE(HasCommandSwitch({"/I"}, "/I"));
}

} // namespace
} // namespace vl
