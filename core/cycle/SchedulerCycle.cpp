#include "core/cycle/SchedulerCycle.h"

#include "core/cycle/SchedulerState.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {

namespace {

constexpr int kPhases = 4;
constexpr int kIconFrames = 7;
constexpr int kBusyFrames = 4;

// Steps a counter 1, 2, ... count, 1, ...
int Step(int counter, int count)
{
    return counter % count + 1;
}

// Clears a flag for the time of a call, whatever way the call ends.
class TickGuard {
public:
    explicit TickGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickGuard() { flag_ = false; }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

QString ActiveTitle()
{
    return Clip(ProductName);
}

QString InactiveTitle()
{
    return Clip(ProductName) + QLatin1String(kInactiveTitleSuffix);
}

QString WorkingIcon(int iconFrame, bool scriptRunning, bool active)
{
    if (!scriptRunning && !active)
        return QString::fromLatin1(kBlankIcon);
    const QChar letter(QLatin1Char('a').unicode() + (iconFrame - 1) % kIconFrames);
    return QStringLiteral("~wrk") + letter + (scriptRunning ? QStringLiteral("s.ico") : QStringLiteral(".ico"));
}

QString ScriptStepStatus(const ScriptQueueEntry& head, const QString& description)
{
    QString text = Clip(head.RECORD.Action) + QLatin1Char(' ');
    const QString summary = Clip(description);
    if (!summary.isEmpty())
        text += summary + QLatin1Char(' ');
    return text + Picture::Format(head.TIME, QStringLiteral("@t7"));
}

SchedulerCycle::SchedulerCycle(TickSurface& surface, const SchedulerRoutines& routines)
    : surface_(surface), routines_(routines)
{
}

bool SchedulerCycle::Tick()
{
    if (inTick_)
        return false;
    const TickGuard guard(inTick_);
    const bool active = StartUpActive != 0;

    iconFrame_ = Step(iconFrame_, kIconFrames);
    scriptWasRunning_ = scriptRunning_;
    scriptRunning_ = false;

    if (MonitorClipboard && routines_.captureClipboard)
        routines_.captureClipboard();

    phase_ = Step(phase_, kPhases);
    if (phase_ == 1)
        surface_.ChooseTrayMinimising();

    if (active) {
        if (surface_.Title() != ActiveTitle())
            surface_.SetTitle(ActiveTitle());
        RunPhase();
    } else {
        if (surface_.Title() != InactiveTitle())
            surface_.SetTitle(InactiveTitle());
        surface_.SetScriptIndicator(QString());
    }

    UpdateScriptState(active);
    ShowScriptStatus(active);
    surface_.SetWorkingIcon(WorkingIcon(iconFrame_, scriptRunning_, active));

    if (scriptRunning_) {
        if (routines_.runDueScriptItem)
            routines_.runDueScriptItem();
        ShowScriptStatus(active);
    }
    ShowTrayIcon();
    return true;
}

void SchedulerCycle::RunPhase()
{
    switch (phase_) {
    case 1:
        if (routines_.checkAdvanceWarnings)
            routines_.checkAdvanceWarnings();
        break;
    case 2:
        // History expiry and the holidays' roll forward are daily work: the
        // first phase 2 of a run and the first after the date changes.
        if (Today() == dailyWorkDay_)
            break;
        dailyWorkDay_ = Today();
        if (routines_.removeExpiredHistory && routines_.removeExpiredHistory())
            surface_.NotifyTaskLists();
        if (routines_.rollHolidays)
            routines_.rollHolidays();
        break;
    case 3:
        if (routines_.findDueTask)
            routines_.findDueTask();
        break;
    case 4:
        if (routines_.collectExitCodes)
            routines_.collectExitCodes();
        break;
    default:
        break;
    }
}

void SchedulerCycle::UpdateScriptState(bool active)
{
    // A script asked for on demand runs to its end: the flag that lets it
    // run while the scheduler is inactive ends with the queue, not with the
    // first tick.
    if (ScriptQueue.isEmpty())
        TempScriptingActive = false;
    scriptRunning_ = !ScriptQueue.isEmpty() && (active || TempScriptingActive);

    if (scriptRunning_ && !scriptWasRunning_) {
        surface_.EnableViewCurrentScript(true);
        surface_.SetScriptIndicator(QStringLiteral("*"));
    } else if (!scriptRunning_ && scriptWasRunning_) {
        surface_.EnableViewCurrentScript(false);
        surface_.SetScriptIndicator(QString());
    }
}

void SchedulerCycle::ShowScriptStatus(bool active)
{
    if (ScriptQueue.isEmpty()) {
        surface_.SetScriptStatus(active ? NextTaskText : QString::fromLatin1(kInactiveStatus));
        return;
    }
    const ScriptQueueEntry& head = ScriptQueue.first();
    const QString description =
        routines_.describeScriptItem ? routines_.describeScriptItem(head.RECORD) : QString();
    QString text = ScriptStepStatus(head, description);
    if (!Clip(MailProgressText).isEmpty()) {
        text = Clip(MailProgressText) + QStringLiteral("...") + text;
        MailProgressText.clear();
    }
    surface_.SetScriptStatus(text);
}

void SchedulerCycle::ShowTrayIcon()
{
    if (!scriptRunning_) {
        surface_.SetTrayIcon(QString::fromLatin1(kIdleTrayIcon));
        return;
    }
    busyFrame_ = Step(busyFrame_, kBusyFrames);
    if (busyFrame_ == 1 || busyFrame_ == 3)
        surface_.SetTrayIcon(QString::fromLatin1(kBusyTrayIcon2));
    else if (busyFrame_ == 2)
        surface_.SetTrayIcon(QString::fromLatin1(kBusyTrayIcon));
}

} // namespace vl
