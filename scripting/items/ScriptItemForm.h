#pragma once
// The rules of the script item editor apart from its window: which page an
// action shows, the defaults page selection fills in, the working fields
// that some actions keep in shared record fields (copied out on opening and
// back on saving), the Wait mode rule, and the priming and stamping of items.
//
// The editor works on a task's item (ScriptingRecord); a template item is
// edited as a task item and copied back (ScriptItemCopy.h).

#include "core/dictionary/ScriptingRecord.h"

#include <QString>
#include <QStringView>

namespace vl {

// The pages of the editor, one per action or group of actions.
enum class ScriptPage {
    Keys, Wait, Focus, Dde, IfWindow, IfTime, IfVar, SetVar, StartScript, SendEmail, FileActions, EndIf,
    Start, DisplayMessage, Close, Other
};
inline constexpr int kScriptPageCount = 16;

// The page's tab text ("Keys", "If Time", "@End If", ...).
QString ScriptPageText(ScriptPage page);

// Widths of the working fields.
inline constexpr int kFtpUserWidth = 128;     // characters 1-128 of SCR:DDEApplicationTopic
inline constexpr int kFtpPasswordWidth = 127; // characters 129-255
inline constexpr int kMessageWidth = 255;     // text and title keep their whole fields
inline constexpr int kNewItemElapsed = 86400; // "If Time Elapsed..." of a new item: a day

// What the editor edits apart from the record while it is open.
struct ScriptItemWork {
    QString waitMode;       // Wait: "Either", "Both" or blank
    QString messageText;    // Display Message: SCR:DDEApplicationName
    QString messageTitle;   // Display Message: SCR:DDEApplicationTopic
    bool standardDialog = false; // Display Message: SCR:SecondsToWait 1
    QString ftpHost;        // File Actions: SCR:DDEApplicationName
    QString ftpUser;
    QString ftpPassword;
    QString savedAction;    // the action shown as "Other" ("Exit Script", or one not known)
};

// The working fields of an item as stored, by its action.
ScriptItemWork LoadWorkFields(const ScriptingRecord& item);

// Chooses the page of the item's action and fills in that action's
// defaults: a Wait mode, window test or comparison left blank, the Start
// Script mode read from its first letter ("A" Append, "J" Jump to, else
// Insert), a File Actions sub-action that is none of the fifteen ("Copy").
// "Exit Script", and any text that names no action, show the Other page;
// "Exit Script" is then held in savedAction and the action reads "Other".
ScriptPage SelectScriptPage(ScriptingRecord& item, ScriptItemWork& work);

// Whether the Wait mode can be chosen: only when the item waits both for
// seconds and for a window.
bool WaitModeChoosable(const ScriptingRecord& item);
// Applied whenever the seconds or the window change: a choosable mode left
// blank becomes "Both"; a mode that cannot be chosen is cleared.
void ApplyWaitModeRule(const ScriptingRecord& item, ScriptItemWork& work);

// Copies the working fields back by action and restores the action shown as
// "Other". False (nothing else changed) when the action would stay "Other".
bool StoreWorkFields(ScriptingRecord& item, const ScriptItemWork& work);
inline constexpr char kOtherNotRecordedText[] = "\"Other\" script item not recorded correctly.  Re-enter.";
inline constexpr char kOtherNotRecordedCaption[] = "Error";

// A new item of the task: "Send Keys", with the defaults of the window test
// and the elapsed-time comparison.
ScriptingRecord NewScriptItem(int32_t taskId);

// Stamps a save: the user, today, now, and the original ID while it is 0.
void StampScriptItem(ScriptingRecord& item);

} // namespace vl
