#include "core/cycle/TickFailures.h"

#include "core/base/EventLog.h"
#include "platform/ui/PromptService.h"

namespace vl {

void TickFailures::Report(const QString& message)
{
    if (reported_.contains(message) || reported_.size() >= kMostKept)
        return;
    reported_.insert(message);
    WriteEventLog(QLatin1String(kTickFailureLabel), QStringLiteral("Tick failed:  ") + message);
    Prompt::Notify(QStringLiteral("The scheduler's timer work failed and goes on with its next tick:|") + message,
                   QLatin1String(kTickFailureLabel), PromptIcon::Stop);
}

} // namespace vl
