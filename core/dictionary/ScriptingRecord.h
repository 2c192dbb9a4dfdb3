#pragma once
// One script item (Scripting, prefix SCR): a step of a task's script, keyed
// by the task's ID and its sequence. A synchronisation file's SyncScripting
// table and the entries of ScriptQueue use the same layout and this type.
// What each field means for each action is the business of the item editor
// and the interpreter.

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct ScriptingRecord : RecordBase {
    int32_t ID = 0;                  // LONG the task (SCH:ID) the item belongs to
    int32_t Sequence = 0;            // LONG position in the script, numbered within the task
    QString Action;                  // STRING(27) "Send Keys", "Wait", "Start Program", ...
    QString Keystrokes;              // STRING(255)
    int32_t SecondsToWait = 0;       // LONG
    QString WaitForWindow;           // STRING(255)
    QString FocusOnWindow;           // STRING(255)
    QString WindowExistance;         // STRING(20) "Window Exists" or "Window Doesn't Exist"
    QString WindowTitleToCheckFor;   // STRING(255)
    QString IfTimeElapsed;           // STRING(20) "Is Greater Than" or "Is Less Than"
    int32_t TimeElapsed = 0;         // LONG
    int32_t NextTaskID = 0;          // LONG
    QString NETWORKUSER;             // STRING(30)
    vl::Date LASTCHANGEDATE = 0;     // LONG
    ClockTime LASTCHANGETIME = 0;    // LONG
    int32_t ORIGINALID = 0;          // LONG
    int32_t EmailID = 0;             // LONG stored message (M_:EmailID) the step sends
    QString Command;                 // STRING(255)
    QString Path;                    // STRING(255)
    QString DDEType;                 // STRING(20) "Request" or "Execute"
    QString DDEApplicationName;      // STRING(255)
    QString DDEApplicationTopic;     // STRING(255)
    QString DDELinkItem;             // STRING(80)
    QString DDECommand;              // STRING(255)
};

// Keys of Scripting.
inline constexpr KeyRef SCR_KEYID{"SCR:KEYID"};
inline constexpr KeyRef SCR_KEYEMAIL{"SCR:KEYEMAIL"};

// Keys of SyncScripting.
inline constexpr KeyRef SSCR_KEYID{"SSCR:KEYID"};

} // namespace vl
