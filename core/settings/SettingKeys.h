#pragma once
// The names under which the settings are kept in the configuration store.

namespace vl::SettingKey {

inline constexpr char LogExitCodes[] = "LogExitCodes";
inline constexpr char SkipIfDaysPassed[] = "SkipIfDaysPassed";
inline constexpr char HistoryExpires[] = "HistoryExpires";
inline constexpr char RemoveUncompleted[] = "RemoveUncompleted";
inline constexpr char StartUpSchedule[] = "StartUpSchedule"; // stored inverted
inline constexpr char StartUpToDo[] = "StartUpToDo";
inline constexpr char StartUpClipboardSaver[] = "StartUpClipboardSaver";
inline constexpr char StartUpContacts[] = "StartUpContacts";
inline constexpr char StartUpActive[] = "StartUpActive"; // stored inverted
inline constexpr char ActiveOnly[] = "ActiveOnly";
inline constexpr char MinimizeOnCloseRequest[] = "MinimizeOnCloseRequest";
inline constexpr char StartUpMinimized[] = "StartUpMinimized";
inline constexpr char FullSchedule[] = "FullSchedule";
inline constexpr char HideToolbar[] = "HideToolbar";
inline constexpr char NoTray[] = "NoTray";
inline constexpr char RIFO[] = "RIFO";
inline constexpr char MultiUser[] = "MultiUser";
inline constexpr char MonitorClipboard[] = "MonitorClipboard";
inline constexpr char UsePivra[] = "UsePivra";
// The same value under the name the message program reads.
inline constexpr char UseExternalMessage[] = "UseExternalMessage";
inline constexpr char UseModalMessage[] = "UseModalMessage";
inline constexpr char RepeatAlarmInterval[] = "RepeatAlarmInterval";
inline constexpr char SnoozeInterval[] = "SnoozeInterval";
inline constexpr char MaxAlarmTime[] = "MaxAlarmTime";
inline constexpr char LogEvents[] = "LogEvents";
inline constexpr char ExclHidden[] = "ExclHidden";
inline constexpr char SaveScripts[] = "SaveScripts";
inline constexpr char TranslateFilenames[] = "TranslateFilenames";
inline constexpr char UserID[] = "UserID";
inline constexpr char MaximizeOnRun[] = "MaximizeOnRun";
inline constexpr char ScriptingDelay[] = "ScriptingDelay";
inline constexpr char BurstSize[] = "BurstSize";
inline constexpr char DateFormat[] = "DateFormat";
inline constexpr char UseWinMessage[] = "UseWinMessage";
inline constexpr char Sender[] = "Sender";
inline constexpr char SenderName[] = "SenderName";
inline constexpr char Host[] = "Host";
inline constexpr char Org[] = "Org";
inline constexpr char NSender[] = "NSender";
inline constexpr char NSenderName[] = "NSenderName";
inline constexpr char NHost[] = "NHost";
inline constexpr char NOrg[] = "NOrg";
inline constexpr char MaxClipboardEntries[] = "MaxClipboardEntries";

// Read from section "Settings" of the program INI file only.
inline constexpr char Debug[] = "Debug";

} // namespace vl::SettingKey
