#pragma once
// Records of the two text files: the event log (EventLog, prefix VLL; one
// fixed-width line of 182 characters in VLMREVNT.LOG) and the script exchange
// file (ScriptExchangeFile, prefix EXP; one comma-delimited line). Neither
// has keys nor a structure version.

#include <QString>

namespace vl {

struct EventLogRecord {
    QString LOGDATE;  // STRING(12)
    QString LOGTIME;  // STRING(10)
    QString LOGLABEL; // STRING(32)
    QString LOGDATA;  // STRING(128)
};

inline constexpr int kEventLogDateWidth = 12;
inline constexpr int kEventLogTimeWidth = 10;
inline constexpr int kEventLogLabelWidth = 32;
inline constexpr int kEventLogDataWidth = 128;
inline constexpr char kEventLogFileName[] = "VLMREVNT.LOG";

struct ScriptExchangeFileRecord {
    QString TYPE;   // STRING(20)
    QString FIELD1; // STRING(255) each
    QString FIELD2;
    QString FIELD3;
    QString FIELD4;
    QString FIELD5;
    QString FIELD6;
};

inline constexpr int kScriptExchangeTypeWidth = 20;
inline constexpr int kScriptExchangeFieldWidth = 255;

} // namespace vl
