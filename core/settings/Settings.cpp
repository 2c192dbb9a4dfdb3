#include "core/settings/Settings.h"

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "core/settings/CommandLine.h"
#include "core/base/Globals.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingValues.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"

#include <optional>

namespace vl {

namespace {

constexpr int kUserIdWidth = 30;
constexpr int kDateFormatWidth = 6;
constexpr int kOrganizationWidth = 20;
constexpr int kTextWidth = 255;

// A setting with the program INI file as its fallback and no default.
QString Stored(const char* key)
{
    return GetConfigValue(QLatin1String(key), std::nullopt, ININame);
}

// A setting with a default (and the store's own fallback file).
QString StoredOr(const char* key, const char* defaultValue)
{
    return GetConfigValue(QLatin1String(key), QLatin1String(defaultValue));
}

uint8_t Flag(const char* key)
{
    return SettingByte(Stored(key));
}

int32_t Number(const char* key)
{
    return SettingNumber(Stored(key));
}

QString Text(const char* key, int width)
{
    return CutTo(Stored(key), width);
}

void Put(const char* key, const QString& value)
{
    PutConfigValue(QLatin1String(key), value);
}

void Put(const char* key, int32_t value)
{
    PutConfigValue(QLatin1String(key), SettingText(value));
}

// Every setting from its global, and the delay and the burst size from the
// window's fields.
void PutSettings(const StoredOptions& options)
{
    namespace K = SettingKey;
    Put(K::LogExitCodes, LogExitCodes);
    Put(K::SkipIfDaysPassed, SkipIfDaysPassed);
    Put(K::HistoryExpires, HistoryExpires);
    Put(K::RemoveUncompleted, RemoveUncompleted);
    Put(K::StartUpSchedule, 1 - StartUpSchedule);
    Put(K::StartUpToDo, StartUpToDo);
    Put(K::StartUpClipboardSaver, StartUpClipboardSaver);
    Put(K::StartUpContacts, StartUpContacts);
    if (options.keepStoredActive)
        Put(K::StartUpActive, Stored(K::StartUpActive));
    else
        Put(K::StartUpActive, 1 - StartUpActive);
    Put(K::StartUpMinimized, StartUpMinimized);
    Put(K::MinimizeOnCloseRequest, MinimizeOnCloseRequest);
    Put(K::FullSchedule, FullSchedule);
    Put(K::HideToolbar, HideToolbar);
    Put(K::RIFO, ReportIncludeFutureOccurances);
    Put(K::NoTray, NoTray);
    Put(K::SaveScripts, SaveScripts);
    Put(K::TranslateFilenames, TranslateFilenames);
    Put(K::MaximizeOnRun, MaximizeOnRun);
    Put(K::UseExternalMessage, UseExternalMessage);
    Put(K::UsePivra, UseExternalMessage);
    Put(K::MultiUser, MultiUser);
    Put(K::UserID, Clip(UserID));
    Put(K::LogEvents, GlobalUseLog ? 1 : 0);
    Put(K::MonitorClipboard, MonitorClipboard);
    Put(K::UseModalMessage, UseModalMessage);
    Put(K::MaxClipboardEntries, MaxClipboardEntries);
    Put(K::ActiveOnly, GlobalActiveOnly);
    Put(K::ExclHidden, ExclHidden);
    Put(K::Sender, Clip(Email::Sender));
    Put(K::SenderName, Clip(Email::SenderName));
    Put(K::Host, Clip(Email::Host));
    Put(K::Org, Clip(Email::Organization));
    Put(K::NSender, Clip(News::Sender));
    Put(K::NSenderName, Clip(News::SenderName));
    Put(K::NHost, Clip(News::Host));
    Put(K::NOrg, Clip(News::Organization));
    Put(K::UseWinMessage, UseWinMessage);
    Put(K::RepeatAlarmInterval, RepeatAlarmInterval);
    Put(K::MaxAlarmTime, MaxAlarmTime);
    Put(K::SnoozeInterval, SnoozeInterval);
    Put(K::ScriptingDelay, options.scriptingDelay);
    Put(K::BurstSize, options.burstSize);
}

} // namespace

void LoadSettings()
{
    namespace K = SettingKey;
    LogExitCodes = SettingByte(StoredOr(K::LogExitCodes, "0"));
    SkipIfDaysPassed = Number(K::SkipIfDaysPassed);
    HistoryExpires = Number(K::HistoryExpires);
    RemoveUncompleted = Flag(K::RemoveUncompleted);
    StartUpSchedule = InvertedFlag(Stored(K::StartUpSchedule));
    StartUpToDo = Flag(K::StartUpToDo);
    StartUpClipboardSaver = Flag(K::StartUpClipboardSaver);
    StartUpContacts = Flag(K::StartUpContacts);
    StartUpActive = InvertedFlag(Stored(K::StartUpActive));
    if (CommandLineHas(QLatin1String(kInactiveSwitch)))
        StartUpActive = 0;
    GlobalActiveOnly = Flag(K::ActiveOnly);
    MinimizeOnCloseRequest = Flag(K::MinimizeOnCloseRequest);
    StartUpMinimized = Flag(K::StartUpMinimized);
    FullSchedule = Flag(K::FullSchedule);
    HideToolbar = Flag(K::HideToolbar);
    NoTray = Flag(K::NoTray);
    ReportIncludeFutureOccurances = Flag(K::RIFO);
    MultiUser = Flag(K::MultiUser);
    MonitorClipboard = Flag(K::MonitorClipboard);
    UseExternalMessage = SettingByte(GetConfigValue(QLatin1String(K::UsePivra), QStringLiteral("1"), ININame));
    UseModalMessage = Flag(K::UseModalMessage);
    RepeatAlarmInterval = Number(K::RepeatAlarmInterval);
    SnoozeInterval = Number(K::SnoozeInterval);
    MaxAlarmTime = Number(K::MaxAlarmTime);
    GlobalUseLog = Flag(K::LogEvents) != 0;
    ExclHidden = Flag(K::ExclHidden);
    SaveScripts = Flag(K::SaveScripts);
    TranslateFilenames = Flag(K::TranslateFilenames);

    UserID = Text(K::UserID, kUserIdWidth);
    UserName.clear();
    if (MultiUser && Clip(UserID).isEmpty())
        UserID = CurrentLoginName();
    if (MultiUser)
        UserName = Clip(UserID);

    MaximizeOnRun = Flag(K::MaximizeOnRun);
    DebugMode = SettingByte(IniFile(ININame).Get(QLatin1String(kSettingsSection), QLatin1String(K::Debug))) != 0;
    GlobalDelay = NormalScriptingDelay(Number(K::ScriptingDelay));
    BurstSize = NormalBurstSize(Number(K::BurstSize));
    GlobalDateFormat = CutTo(StoredOr(K::DateFormat, "d3"), kDateFormatWidth);
    UseWinMessage = Flag(K::UseWinMessage);
    Email::Sender = Text(K::Sender, kTextWidth);
    Email::SenderName = Text(K::SenderName, kTextWidth);
    Email::Host = Text(K::Host, kTextWidth);
    Email::Organization = Text(K::Org, kOrganizationWidth);
    News::Sender = Text(K::NSender, kTextWidth);
    News::SenderName = Text(K::NSenderName, kTextWidth);
    News::Host = Text(K::NHost, kTextWidth);
    News::Organization = Text(K::NOrg, kTextWidth);
    MaxClipboardEntries = Number(K::MaxClipboardEntries);
}

void StoreSettings(const StoredOptions& options)
{
    namespace K = SettingKey;
    RepeatAlarmInterval = NormalAlarmInterval(RepeatAlarmInterval);
    // About forty writes, committed together: every one of them or none (the
    // failure is shown).
    ConfigStore store(Tables().Configuration, ProgramIniPath());
    if (store.BeginBatch()) {
        PutSettings(options);
        store.EndBatch();
    }
    GlobalDelay = NormalScriptingDelay(Number(K::ScriptingDelay));
    BurstSize = NormalBurstSize(Number(K::BurstSize));
}

} // namespace vl
