#pragma once
// What the item fields whose stored names say something else hold, by
// action. The stored layout is kept; these name each use:
// - "Start Program": SCR:DDEApplicationName the four start codes,
//   SCR:TimeElapsed the seconds after which the wait stops,
//   SCR:DDEApplicationTopic the verb;
// - a running "Start Program" or "Wait" step: SCR:NextTaskID and
//   SCR:TimeElapsed the clock date and time at which its wait ends;
// - "Wait": SCR:DDEApplicationName the wait mode;
// - "Display Message": SCR:DDEApplicationName the text,
//   SCR:DDEApplicationTopic the title;
// - "File Actions": SCR:DDEApplicationName the host,
//   SCR:DDEApplicationTopic the user name (characters 1-128) and the
//   password (from 129 on).

#include "core/dictionary/ScriptingRecord.h"

#include <QString>

namespace vl {

inline constexpr int kFileLoginUserWidth = 128;

QString StartCodes(const ScriptingRecord& item);
void SetStartCodes(ScriptingRecord& item, const QString& codes);
int32_t StopWaitingAfter(const ScriptingRecord& item);
void SetStopWaitingAfter(ScriptingRecord& item, int32_t seconds);
QString StartVerb(const ScriptingRecord& item);
void SetStartVerb(ScriptingRecord& item, const QString& verb);

// A clock date and time; a time of 0 is no deadline set yet.
struct ClockDeadline {
    int32_t date = 0;
    int32_t time = 0;
};
ClockDeadline WaitDeadline(const ScriptingRecord& item);
void SetWaitDeadline(ScriptingRecord& item, ClockDeadline deadline);

QString WaitMode(const ScriptingRecord& item);
void SetWaitMode(ScriptingRecord& item, const QString& mode);

QString MessageText(const ScriptingRecord& item);
QString MessageTitle(const ScriptingRecord& item);
void SetMessage(ScriptingRecord& item, const QString& text, const QString& title);

struct FileLoginParts {
    QString user;     // as stored: up to 128 characters, blanks kept
    QString password; // as stored
};
QString FileHost(const ScriptingRecord& item);
void SetFileHost(ScriptingRecord& item, const QString& host);
FileLoginParts FileLogin(const ScriptingRecord& item);
// A login without a password keeps the user name as given; with one, the
// user name is padded to its 128 characters and the password follows.
void SetFileLogin(ScriptingRecord& item, const QString& user, const QString& password);

} // namespace vl
