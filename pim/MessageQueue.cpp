#include "pim/MessageQueue.h"

#include "core/cycle/SchedulerState.h"
#include "core/dictionary/ProgramQueues.h"
#include "platform/runtime/Clock.h"
#include "scripting/items/ScriptActions.h"

#include <QList>

#include <algorithm>

namespace vl {

namespace {

// The IDs the list queued whose sends are not reported yet.
QList<int32_t>& QueuedSends()
{
    static QList<int32_t> queued;
    return queued;
}

} // namespace

bool QueueMessageSend(int32_t emailId)
{
    if (emailId == 0)
        return false;
    ScriptQueueEntry entry;
    entry.RECORD.Action = QString::fromUtf16(ScriptAction::SendEmail);
    entry.RECORD.EmailID = emailId;
    entry.DATE = Today();
    entry.TIME = Now();
    // In due order: before the steps of a running script that are not due yet.
    const auto later = std::find_if(ScriptQueue.begin(), ScriptQueue.end(), [&](const ScriptQueueEntry& queued) {
        return queued.DATE > entry.DATE || (queued.DATE == entry.DATE && queued.TIME > entry.TIME);
    });
    ScriptQueue.insert(later, entry);
    TempScriptingActive = true;
    MailProgressText = QStringLiteral("Sending Email...");
    QueuedSends().append(emailId);
    return true;
}

bool TakeQueuedMessageSend(int32_t emailId)
{
    return QueuedSends().removeOne(emailId);
}

} // namespace vl
