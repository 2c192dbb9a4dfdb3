#pragma once
// One task of the Schedule table (prefix SCH). The work table of future
// occurrences (ScheduleWorkfile) has exactly this layout and uses this type
// too. Members follow the stored field order; comments mark the groups that
// screens and copies treat as one unit.

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct ScheduleRecord : RecordBase {
    QString User;                 // STRING(40) owner user name; blank unless multi-user
    int32_t ID = 0;               // LONG system ID, unique, auto-numbered
    QString TaskType;             // STRING(20) "Run Program", "Display Message", "Both", "None", "Hot Key"
    QString Category;             // STRING(20) category name (Categories)
    QString Description;          // STRING(40) task name shown in lists and messages
    QString Command;              // STRING(255) program or document to start
    QString Path;                 // STRING(255) start-in directory
    QString ScheduleType;         // STRING(15) "Once", "Day of Week", "Day of Month", "Monthly", "Yearly", "Custom"

    // DAYOFWEEKGROUP: 1 = the task runs on that weekday.
    uint8_t Sunday = 0;
    uint8_t Monday = 0;
    uint8_t Tuesday = 0;
    uint8_t Wednesday = 0;
    uint8_t Thursday = 0;
    uint8_t Friday = 0;
    uint8_t Saturday = 0;

    QString MonthRepeat;          // STRING(18) "Once", "Twice - 1st, 15th", "Twice - 15th, Last"
    int32_t Offset = 0;           // LONG semi-monthly offset in days (may be negative)
    int32_t Every = 0;            // LONG units of a "Custom" repetition

    // EVERYORDINAL: 1 = the task runs in that week of the month.
    uint8_t Every1st = 0;
    uint8_t Every2nd = 0;
    uint8_t Every3rd = 0;
    uint8_t Every4th = 0;
    uint8_t EveryLast = 0;
    uint8_t LastDayofMonth = 0;   // 1 = the last day of the month

    QString EveryType;            // STRING(20) "minute(s)", "hour(s)", "day(s)", "week(s)", "month(s)", "year(s)"

    // SCHEDULEDATEANDTIME
    vl::Date Date = 0;            // LONG date of the next run
    ClockTime Time = 0;           // LONG time of the next run
    vl::Date LastRunDate = 0;     // LONG
    ClockTime LastRunTime = 0;    // LONG
    uint8_t SkipNextTime = 0;     // 1 = skip the next occurrence

    // ALARMGROUP
    uint8_t Alarm = 0;            // 1 = play the alarm sound
    QString AlarmFile;            // CSTRING(255) WAV file to play

    // ADVANCEDWARNING
    vl::Date AdvanceWarnDate = 0; // LONG
    ClockTime AdvanceWarnTime = 0; // LONG
    uint8_t AdvanceWarned = 0;    // 1 = the advance warning has been issued

    uint8_t Warn = 0;             // warn if not run on the specified date
    uint8_t SkipIfMissed = 0;     // skip if not run on the specified date
    uint8_t SkipIfScriptActive = 0; // skip while a script runs
    uint8_t NoHistory = 0;        // remove a one-time task when completed
    uint8_t UserSkip = 0;         // ask before performing
    uint8_t Disabled = 0;         // 1 = do not perform this task
    uint8_t Completed = 0;        // 1 = a finished one-time task (history)
    uint8_t Skipped = 0;          // the task was skipped

    // EXPIRY (stored and indexed; the scheduler does not read it)
    vl::Date ExpiryDate = 0;      // LONG
    ClockTime ExpiryTime = 0;     // LONG

    // EXCEPTIONS
    QString ShiftType;            // STRING(20) "Skip (to Next Valid Day)", "Previous Day", "Next Day"
    uint8_t ExceptWeekends = 0;
    uint8_t ExceptWeekdays = 0;
    uint8_t ExceptHolidays = 0;
    uint8_t ExceptTime = 0;       // exception: the time range below
    ClockTime ExceptTimeBegin = 0; // LONG
    ClockTime ExceptTimeEnd = 0;  // LONG
    QString EXCEPTOTHER;          // STRING(20) first 7 characters: per-weekday marks "Y" or blank
    int32_t EXCEPTIONLINK = 0;    // LONG exception link

    // SYNCHONIZATION
    QString NETWORKUSER;          // STRING(30) user who last changed the task
    vl::Date LASTCHANGEDATE = 0;  // LONG
    ClockTime LASTCHANGETIME = 0; // LONG
    int32_t ORIGINALID = 0;       // LONG synchronisation identity

    QString Message;              // memo, 4096 (1000 in the work table)
};

// Keys of Schedule.
inline constexpr KeyRef SCH_KEYID{"SCH:KEYID"};
inline constexpr KeyRef SCH_KEYUSER{"SCH:KEYUSER"};
inline constexpr KeyRef SCH_KEYDATE{"SCH:KEYDATE"};
inline constexpr KeyRef SCH_KEYUSERDATE{"SCH:KEYUSERDATE"};
inline constexpr KeyRef SCH_KEYCATEGORY{"SCH:KEYCATEGORY"};
inline constexpr KeyRef SCH_KEYCATEGORYDATE{"SCH:KEYCATEGORYDATE"};
inline constexpr KeyRef SCH_KEYTASKNAME{"SCH:KEYTASKNAME"};
inline constexpr KeyRef SCH_KEYTASKTYPE{"SCH:KEYTASKTYPE"};
inline constexpr KeyRef SCH_KEYTASKDATE{"SCH:KEYTASKDATE"};
inline constexpr KeyRef SCH_KEYDATEENABLED{"SCH:KEYDATEENABLED"};
inline constexpr KeyRef SCH_KEYADVANCED{"SCH:KEYADVANCED"};
inline constexpr KeyRef SCH_KEYUSERADVANCED{"SCH:KEYUSERADVANCED"};
inline constexpr KeyRef SCH_KEYEXPIRYDATE{"SCH:KEYEXPIRYDATE"};
inline constexpr KeyRef SCH_KEYORIGINALID{"SCH:KEYORIGINALID"};

// Keys of ScheduleWorkfile (those of Schedule without KEYORIGINALID).
inline constexpr KeyRef SCW_KEYID{"SCW:KEYID"};
inline constexpr KeyRef SCW_KEYUSER{"SCW:KEYUSER"};
inline constexpr KeyRef SCW_KEYDATE{"SCW:KEYDATE"};
inline constexpr KeyRef SCW_KEYUSERDATE{"SCW:KEYUSERDATE"};
inline constexpr KeyRef SCW_KEYCATEGORY{"SCW:KEYCATEGORY"};
inline constexpr KeyRef SCW_KEYCATEGORYDATE{"SCW:KEYCATEGORYDATE"};
inline constexpr KeyRef SCW_KEYTASKNAME{"SCW:KEYTASKNAME"};
inline constexpr KeyRef SCW_KEYTASKTYPE{"SCW:KEYTASKTYPE"};
inline constexpr KeyRef SCW_KEYTASKDATE{"SCW:KEYTASKDATE"};
inline constexpr KeyRef SCW_KEYDATEENABLED{"SCW:KEYDATEENABLED"};
inline constexpr KeyRef SCW_KEYADVANCED{"SCW:KEYADVANCED"};
inline constexpr KeyRef SCW_KEYUSERADVANCED{"SCW:KEYUSERADVANCED"};
inline constexpr KeyRef SCW_KEYEXPIRYDATE{"SCW:KEYEXPIRYDATE"};

} // namespace vl
