#pragma once
// Program-wide values: the user's settings, which LoadSettings (Settings.h)
// copies from the configuration store and the Options window edits in place,
// and the program's own names. They live for the program's life; the GUI
// thread loads and changes them, other threads only read them.
//
// Each setting is named after the value the program reads; the comment gives
// the configuration key it is stored under. Flags are 0/1.

#include <QString>

#include <atomic>
#include <cstdint>

namespace vl {

// The program's own names.
inline const QString ProductName = QStringLiteral("Velmora 2000"); // STRING(32)
// The makers' support mailbox (Help "Email Us")
// and home page (Help "Home Page").
inline constexpr char kSupportMailbox[] = "support@brantwell.example";
inline constexpr char kHomePageAddress[] = "https://brantwell.example/velmora/";
inline const QString VersionNumber = QStringLiteral("1.91"); // STRING(10)
// The program INI file in the data directory: fallback of the settings,
// section "Settings" key "Debug", and saved window settings.
inline constexpr char kProgramIniName[] = "vlmr.INI";
inline constexpr char kSettingsSection[] = "Settings";
inline const QString ININame = QString::fromLatin1(kProgramIniName);

// ---- history and general ----
inline uint8_t LogExitCodes = 0;        // "LogExitCodes": log the exit codes of started programs
inline int32_t SkipIfDaysPassed = 0;    // "SkipIfDaysPassed": days a task may be overdue before it is skipped
inline int32_t HistoryExpires = 0;      // "HistoryExpires": days completed tasks are kept; 0 never, -1 at once
inline uint8_t RemoveUncompleted = 0;   // "RemoveUncompleted": history clean-up also removes uncompleted tasks

// ---- start-up ----
inline uint8_t StartUpSchedule = 0;       // "StartUpSchedule" (stored inverted): open the task list at start
inline uint8_t StartUpToDo = 0;           // "StartUpToDo"
inline uint8_t StartUpClipboardSaver = 0; // "StartUpClipboardSaver"
inline uint8_t StartUpContacts = 0;       // "StartUpContacts"
// "StartUpActive" (stored inverted): the scheduler's run-time active flag;
// "/I" on the command line forces it off.
inline uint8_t StartUpActive = 0;
inline uint8_t GlobalActiveOnly = 0;       // "ActiveOnly": task lists show only active tasks at first
inline uint8_t MinimizeOnCloseRequest = 0; // "MinimizeOnCloseRequest"
inline uint8_t StartUpMinimized = 0;       // "StartUpMinimized"
inline uint8_t FullSchedule = 0;           // "FullSchedule": the task list opens on "All By Date"
inline uint8_t HideToolbar = 0;            // "HideToolbar"
inline uint8_t NoTray = 0;                 // "NoTray": no tray icon when minimised
inline uint8_t ReportIncludeFutureOccurances = 0; // "RIFO"
inline uint8_t MultiUser = 0;              // "MultiUser": records are stamped with UserName

// ---- clipboard and messages ----
inline uint8_t MonitorClipboard = 0;      // "MonitorClipboard"
inline uint8_t UseExternalMessage = 0;    // "UsePivra" (also written as "UseExternalMessage")
inline uint8_t UseModalMessage = 0;       // "UseModalMessage": message windows stay on top
inline int32_t RepeatAlarmInterval = 0;   // "RepeatAlarmInterval": seconds, 0 = play once
inline int32_t SnoozeInterval = 0;        // "SnoozeInterval": minutes, 0 = default
inline int32_t MaxAlarmTime = 0;          // "MaxAlarmTime": minutes, 0 = no limit
inline int32_t MaxClipboardEntries = 0;   // "MaxClipboardEntries": 0 = unlimited
inline uint8_t UseWinMessage = 0;         // "UseWinMessage"

// Setting "LogEvents": the event log is written only while it is on.
inline std::atomic<bool> GlobalUseLog{false};

// ---- scripting ----
inline uint8_t ExclHidden = 0;          // "ExclHidden": hidden windows are left out of comparisons and lists
inline uint8_t SaveScripts = 0;         // "SaveScripts"
inline uint8_t TranslateFilenames = 0;  // "TranslateFilenames": expand "[...]" values when starting programs
inline uint8_t MaximizeOnRun = 0;       // "MaximizeOnRun"
inline int32_t GlobalDelay = 25;        // "ScriptingDelay": hundredths of a second between sends, at least 25
inline uint8_t BurstSize = 7;           // "BurstSize": characters per send group, never 0

// The debug flag of scripts (section "Settings", key "Debug" of ININame,
// never the store): while it is on, keyword and expression evaluation writes
// its working to the event log. Set at start-up and by the running-script
// viewer; read by any thread.
inline std::atomic<bool> DebugMode{false};

// Setting "DateFormat": "d" followed by the number (1-18) of the date picture
// the user chose; every window shows dates with it.
inline QString GlobalDateFormat = QStringLiteral("d3");

// ---- user ----
inline QString UserID;   // "UserID", STRING(30)
inline QString UserName; // STRING(40): UserID in multi-user mode, else blank; never stored

// ---- mail and news senders ----
namespace Email {
inline QString Sender;       // "Sender": reply-to address
inline QString SenderName;   // "SenderName"
inline QString Host;         // "Host": SMTP host
inline QString Organization; // "Org", STRING(20)
} // namespace Email

namespace News {
inline QString Sender;       // "NSender"
inline QString SenderName;   // "NSenderName"
inline QString Host;         // "NHost": NNTP host
inline QString Organization; // "NOrg"
} // namespace News

} // namespace vl
