#pragma once
// What the running-script viewer ("Current Script") shows of ScriptQueue and
// how it removes entries while scripts run. A removal keeps every script
// whole for the interpreter and never reaches into another script: a test
// goes with its block up to its "...End If", and that "...End If" stays
// while its test waits (a block left without its end would, when its test
// fails, take every step behind it, other scripts' too); the "**End**" of a
// script stays while steps of that script wait before it (without it, an
// "Exit Script" of one script would end the next as well).

#include "core/dictionary/ProgramQueues.h"

#include <QString>

namespace vl {

// The detail text of an entry: its due date (the user's date picture), due
// time (@T6), action, description (never a password) and raw fields,
// one a line, cut to the first 80 characters.
QString ScriptQueueEntryDetail(const ScriptQueueEntry& entry);
inline constexpr int kScriptQueueDetailWidth = 80;

// What deleting the entry at an index removes: count entries from first, or
// nothing with the reason why not.
struct ScriptQueueRemoval {
    int first = 0;
    int count = 0;
    QString refusal;
};
ScriptQueueRemoval PlanScriptQueueRemoval(const QList<ScriptQueueEntry>& queue, int index);

// Removes what the plan names; false, and nothing removed, for a refusal or
// a plan the queue no longer fits.
bool RemoveFromScriptQueue(QList<ScriptQueueEntry>& queue, const ScriptQueueRemoval& removal);

} // namespace vl
