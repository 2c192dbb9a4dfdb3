#include "scheduler/run/ScriptInterpreter.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/launch/HiddenPasswords.h"
#include "core/launch/LaunchProgram.h"
#include "core/launch/ProcessHandles.h"
#include "core/schedule/RunTimes.h"
#include "message/MessageDisplay.h"
#include "pim/StoredMessageSend.h"
#include "platform/process/ChildProcesses.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "scripting/Keywords.h"
#include "scripting/SendKeys.h"
#include "scripting/WindowMatch.h"
#include "scripting/items/DescribeScriptItem.h"
#include "scripting/items/ItemFieldRoles.h"
#include "scripting/items/ScriptActions.h"
#include "scheduler/run/CloseProgram.h"
#include "scheduler/run/DBusCommand.h"
#include "scheduler/run/FileActions.h"
#include "scheduler/run/FileTransfer.h"
#include "scheduler/run/QueueSkips.h"
#include "scheduler/run/ScriptValues.h"
#include "scripting/text/StartScript.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace vl {
namespace {

namespace A = ScriptAction;

const QString kScriptLabel = QStringLiteral("Script");
const QString kDebugLabel = QStringLiteral("Debug");
const QString kErrorCaption = QStringLiteral("Script Error");
constexpr int kMessageTitleWidth = 40;
constexpr int kMessageTextWidth = 4096;

void Debug(const QString& label, const QString& text)
{
    if (DebugMode.load())
        WriteEventLog(label, text);
}

bool Is(const ScriptingRecord& item, const char16_t* action)
{
    return Clip(item.Action) == QStringView(action);
}

// now is strictly later than the moment.
bool Passed(Date date, ClockTime time)
{
    return CompareRunTimes(Today(), Now(), date, time) > 0;
}

bool Passed(ClockDeadline deadline) { return Passed(deadline.date, deadline.time); }

// Today and the clock plus hundredths, folded past midnight.
std::pair<Date, ClockTime> FromNow(int64_t hundredths)
{
    int64_t date = Today();
    int64_t time = int64_t(Now()) + hundredths;
    CarryDays(date, time);
    return {static_cast<Date>(date), static_cast<ClockTime>(time)};
}

// The debug line of a program start: how it is started (a plain start, a
// start with a verb, or one with the window mode and priority alone), then
// the command, path, wait flag, window mode, priority and verb.
QString StartDebugLine(bool wait, int32_t priority, const QString& codes, const QString& command, const QString& path,
                       const QString& verb)
{
    const QChar modeCode = codes.size() > 2 ? codes.at(2) : QChar();
    const bool shownOtherwise = !modeCode.isNull() && QStringLiteral("2378").contains(modeCode);
    const int windowMode = shownOtherwise ? modeCode.digitValue() : 1;
    const QString kind = !wait && priority == 2 && windowMode == 1 && verb.isEmpty()
                             ? QStringLiteral("Debug - Simple Run")
                         : !wait && !verb.isEmpty() ? QStringLiteral("Debug - Full Command Sent")
                                                    : QStringLiteral("Debug - No Operation Sent");
    return kind + QStringLiteral(": ") + WithoutPasswords(Clip(command)) + QStringLiteral(" | ") + Clip(path)
           + QStringLiteral(" | wait ") + (wait ? u'1' : u'0') + QStringLiteral(" | mode ") + QString::number(windowMode)
           + QStringLiteral(" | priority ") + QString::number(priority) + QStringLiteral(" | verb ") + verb;
}

ScriptInterpreter* gInstalled = nullptr;

} // namespace

struct ScriptInterpreter::State {
    Pause pause;
    bool keep = false;
    bool waitInProgress = false;
    WindowHandle lastWindow = 0;
    int32_t programWaitTimeout = 0;
    qint64 lastProcess = 0; // held (ProcessHandles.h) until replaced
    std::unique_ptr<FileTransfer> transfer; // the last transfer started
    std::vector<std::unique_ptr<FileTransfer>> abandoned;

    ~State() { ForgetProgram(); }

    void ForgetProgram()
    {
        if (lastProcess != 0)
            CloseProcessHandle(lastProcess);
        lastProcess = 0;
        AbandonTransfer();
    }

    // A transfer nobody waits for any more is cancelled; it is kept until
    // its thread has ended, so the tick never waits for it.
    void AbandonTransfer()
    {
        if (transfer) {
            transfer->Cancel();
            abandoned.push_back(std::move(transfer));
        }
        std::erase_if(abandoned, [](const auto& t) { return t->ExitCode() != FileTransfer::kRunning; });
    }
};

ScriptInterpreter::ScriptInterpreter() : ScriptInterpreter(SleepKeystrokePause) {}

ScriptInterpreter::ScriptInterpreter(Pause pause) : state_(std::make_unique<State>())
{
    state_->pause = std::move(pause);
}

ScriptInterpreter::~ScriptInterpreter() = default;

bool ScriptInterpreter::WaitInProgress() const
{
    return state_->waitInProgress;
}

WindowHandle ScriptInterpreter::LastWindow() const
{
    return state_->lastWindow;
}

void ScriptInterpreter::StopActiveScripts()
{
    ScriptQueue.clear();
    state_->waitInProgress = false;
    state_->AbandonTransfer();
}

void ScriptInterpreter::SendScriptKeystrokes(const QString& text)
{
    QString error;
    if (!vl::SendScriptKeystrokes(text, state_->pause, CurrentDesktop(), &error))
        WriteEventLog(kScriptLabel, QStringLiteral("Keys not sent:  ") + error);
}

namespace {

// The steps, each working on the head entry in place.
class Dispatcher {
public:
    Dispatcher(ScriptInterpreter::State& state, ScriptInterpreter& interpreter)
        : s_(state), interpreter_(interpreter)
    {
    }

    void Run();

private:
    ScriptQueueEntry& Head() { return ScriptQueue.first(); }
    ScriptingRecord& Item() { return Head().RECORD; }

    void DisplayMessage();
    void ExitScript();
    void CloseProgram();
    void StartProgram();
    void SendKeystrokes();
    void SetValue();
    void WaitForProgramEnd();
    void Dde();
    void SetFocus();
    void FileAction();
    void SendEmail();
    void IfValue();
    void StartScriptStep();
    void Wait();
    void IfWindow();
    void IfTimeElapsed();
    void Failed();
    void Skip();

    ScriptInterpreter::State& s_;
    ScriptInterpreter& interpreter_;
};

void Dispatcher::Run()
{
    s_.keep = false;
    // The step of each action; EndIf and End have none.
    static const std::pair<const char16_t*, void (Dispatcher::*)()> kSteps[] = {
        {A::DisplayMessage, &Dispatcher::DisplayMessage},
        {A::ExitScript, &Dispatcher::ExitScript},
        {A::CloseProgram, &Dispatcher::CloseProgram},
        {A::StartProgram, &Dispatcher::StartProgram},
        {A::SendKeystrokes, &Dispatcher::SendKeystrokes},
        {A::SendKeys, &Dispatcher::SendKeystrokes},
        {A::DdeLong, &Dispatcher::Dde},
        {A::Dde, &Dispatcher::Dde},
        {A::SetFocus, &Dispatcher::SetFocus},
        {A::FileActions, &Dispatcher::FileAction},
        {A::SendEmail, &Dispatcher::SendEmail},
        {A::SetValue, &Dispatcher::SetValue},
        {A::IfValue, &Dispatcher::IfValue},
        {A::StartScript, &Dispatcher::StartScriptStep},
        {A::Wait, &Dispatcher::Wait},
        {A::WaitForProgramEnd, &Dispatcher::WaitForProgramEnd},
        {A::IfWindow, &Dispatcher::IfWindow},
        {A::IfTimeElapsed, &Dispatcher::IfTimeElapsed},
        {A::EndIf, nullptr},
        {A::End, nullptr},
    };
    const ScriptingRecord& item = Item();
    const auto step = std::find_if(std::begin(kSteps), std::end(kSteps),
                                   [&item](const auto& entry) { return Is(item, entry.first); });
    if (step == std::end(kSteps))
        Prompt::Notify(QStringLiteral("Invalid script option:  ") + Clip(item.Action), kErrorCaption,
                       PromptIcon::Exclamation);
    else if (step->second)
        (this->*step->second)();

    if (s_.keep || ScriptQueue.isEmpty()) {
        s_.keep = false;
        return;
    }
    WriteEventLog(kScriptLabel, Clip(Item().Action) + QStringLiteral("  ") + ScriptStepDescription(Item()));
    ScriptQueue.removeFirst();
}

void Dispatcher::SendKeystrokes()
{
    interpreter_.SendScriptKeystrokes(Item().Keystrokes);
}

void Dispatcher::SetValue()
{
    SetScriptValue(Item().Path, Item().Command);
}

void Dispatcher::DisplayMessage()
{
    const ScriptingRecord& item = Item();
    const QString title = ExpandKeywords(MessageTitle(item));
    const QString text = ExpandKeywords(MessageText(item), kMessageTextWidth);
    if (item.SecondsToWait == 0) {
        ScheduleRecord task;
        task.Description = title.left(kMessageTitleWidth);
        task.Message = text;
        task.Alarm = 0;
        task.AlarmFile.clear();
        DisplayTaskMessage(task);
        return;
    }
    const QString buttons = Clip(item.FocusOnWindow);
    const int pressed = Prompt::Message(text, title, buttons.isEmpty() ? PromptIcon::None : PromptIcon::Exclamation,
                                        buttons, 1);
    if (!buttons.isEmpty())
        SetScriptValue(QStringLiteral("RESPONSE"), QString::number(pressed));
}

void Dispatcher::ExitScript()
{
    if (!ExitCurrentScript())
        s_.keep = true;
}

void Dispatcher::CloseProgram()
{
    const ScriptingRecord& item = Item();
    if (!Clip(item.Command).isEmpty()) {
        CloseProgramNamed(item.Command);
        return;
    }
    DesktopBackend& desktop = CurrentDesktop();
    // The program's own windows are never closed by a script.
    WindowHandle window = desktop.ActiveWindow();
    if (window == 0 || desktop.WindowProgram(window) == QFileInfo(QCoreApplication::applicationFilePath()).fileName())
        window = Head().WINDOWHANDLE;
    if (window != 0 && desktop.CloseWindow(window))
        s_.lastWindow = window;
}

void Dispatcher::StartProgram()
{
    ScriptingRecord& item = Item();
    const QString options = StartCodes(item);
    const bool wait = options.mid(0, 1) == QLatin1String("1");
    const QChar priorityCode = options.size() > 1 ? options.at(1) : QChar();
    const int32_t priority = priorityCode == u'1' ? 1 : priorityCode == u'3' ? 3 : 2;
    const bool translate = options.mid(3, 1) == QLatin1String("1");
    s_.programWaitTimeout = StopWaitingAfter(item);
    QString command = item.Command;
    QString path = item.Path;
    if (translate || TranslateFilenames) {
        command = ExpandKeywords(command, command.size() + kExpandedTextWidth);
        path = ExpandKeywords(path);
        if (translate)
            Debug(QStringLiteral("Translated"), WithoutPasswords(Clip(command)));
    }
    s_.ForgetProgram();
    if (std::optional<TransferRequest> transfer = ParseTransferCommand(command)) {
        s_.transfer = std::make_unique<FileTransfer>(std::move(*transfer));
    } else {
        Debug(kDebugLabel, StartDebugLine(wait, priority, options, command, path, Clip(StartVerb(item))));
        const LaunchOutcome outcome = LaunchProgram({.wantProcessHandle = true,
                                                     .useNormalPriority = priority == 2,
                                                     .priority = priority,
                                                     .command = command,
                                                     .startIn = path});
        s_.lastProcess = outcome.processHandle;
    }
    if (!wait)
        return;
    if (s_.programWaitTimeout != 0) {
        const auto [date, time] = FromNow(int64_t(s_.programWaitTimeout) * kClockPerSecond);
        SetWaitDeadline(item, {date, time});
    }
    item.Action = QString::fromUtf16(A::WaitForProgramEnd);
    s_.keep = true;
}

void Dispatcher::WaitForProgramEnd()
{
    const ScriptingRecord& item = Item();
    const int code = s_.transfer ? s_.transfer->ExitCode()
                     : s_.lastProcess != 0 ? ChildExitCode(s_.lastProcess)
                                           : kExitCodeUnknown;
    SetScriptValue(QStringLiteral("ExitCode"), QString::number(code));
    if (code != kStillActive)
        return;
    if (s_.programWaitTimeout != 0 && Passed(WaitDeadline(item))) {
        // Given up: a transfer still running is cancelled.
        s_.AbandonTransfer();
        return;
    }
    s_.keep = true;
}

void Dispatcher::Dde()
{
    const ScriptingRecord& item = Item();
    if (!SendDBusCommand(item.DDEApplicationName, item.DDEApplicationTopic, item.DDECommand))
        Debug(kDebugLabel, Clip(item.DDEApplicationName) + QStringLiteral(" Failed DDE"));
}

void Dispatcher::SetFocus()
{
    const ScriptingRecord& item = Item();
    const WindowHandle window = ActivateMatchingWindow(item.FocusOnWindow, item.WaitForWindow);
    if (window != 0) {
        s_.lastWindow = window;
        Debug(QStringLiteral("Foreground Window"), QString::number(window));
    } else {
        Debug(kDebugLabel, Clip(item.FocusOnWindow) + QStringLiteral(" Failed Set Focus"));
    }
}

void Dispatcher::FileAction()
{
    const ScriptingRecord& item = Item();
    // The step's outcome reaches the script as the values it publishes.
    RunFileAction(item.DDEType, item.Command, item.Path);
}

void Dispatcher::SendEmail()
{
    MailSender sender;
    SetScriptValue(QStringLiteral("EmailExitCode"),
                   QString::number(SendStoredMessage(Item().EmailID, sender).result));
}

void Dispatcher::IfValue()
{
    const ScriptingRecord& item = Item();
    const bool passed = TestScriptValue(item.Command, item.WindowTitleToCheckFor, item.WaitForWindow);
    WriteEventLog(kScriptLabel, Clip(item.Action) + (passed ? QStringLiteral(" *TRUE*") : QStringLiteral(" *FALSE* "))
                                    + ScriptStepDescription(item));
    if (!passed)
        Skip();
}

void Dispatcher::StartScriptStep()
{
    const ScriptingRecord& item = Item();
    if (ScriptQueue.size() >= kScriptQueueLimit) {
        Prompt::Notify(QStringLiteral("The running scripts already hold ") + QString::number(ScriptQueue.size())
                           + QStringLiteral(" steps: ") + Clip(item.Command) + QStringLiteral(" was not started."),
                       QString::fromLatin1(kStartScriptErrorCaption), PromptIcon::Exclamation);
        return;
    }
    if (StartScript(Clip(item.Command), Clip(item.Path)))
        s_.keep = true;
}

void Dispatcher::Wait()
{
    ScriptingRecord& item = Item();
    const QString mode = Clip(WaitMode(item)).toLower();
    if (mode == QLatin1String("or") || mode == QLatin1String("either")) {
        if (WaitDeadline(item).time == 0) {
            const auto [date, time] = FromNow(int64_t(item.SecondsToWait) * kClockPerSecond - GlobalDelay);
            SetWaitDeadline(item, {date, time});
        }
        if (Passed(WaitDeadline(item))) {
            s_.waitInProgress = false;
            return;
        }
    }
    if (Clip(item.WaitForWindow).isEmpty())
        return;
    s_.waitInProgress = true;
    const QString pattern = Clip(item.WaitForWindow);
    const WindowHandle window = FindWindowByTitle(pattern, item.FocusOnWindow);
    if (pattern.startsWith(u'~')) {
        s_.keep = window != 0;
    } else if (window == 0) {
        s_.keep = true;
    } else {
        s_.lastWindow = window;
        CurrentDesktop().ActivateWindow(window);
        Debug(kDebugLabel, QStringLiteral("Switched to window:\r") + pattern);
    }
    if (!s_.keep) {
        s_.waitInProgress = false;
        Debug(kDebugLabel, QStringLiteral("Completed wait at ") + Picture::Format(Today(), QStringLiteral("@D17"))
                               + u' ' + Picture::Format(Now(), QStringLiteral("@T7")));
    }
}

void Dispatcher::IfWindow()
{
    const ScriptingRecord& item = Item();
    const WindowHandle window = FindWindowByTitle(item.WindowTitleToCheckFor, item.FocusOnWindow);
    const bool wanted = item.WindowExistance.toLower().contains(QLatin1String("exists"));
    if ((window != 0) == wanted)
        Debug(QStringLiteral("Test Passed"), QStringLiteral("Next item will be processed.  ") + ScriptStepDescription(item));
    else
        Failed();
}

void Dispatcher::IfTimeElapsed()
{
    const ScriptingRecord& item = Item();
    const bool notYet = CompareRunTimes(item.SecondsToWait, item.TimeElapsed, Today(), Now()) > 0;
    const bool greater = item.IfTimeElapsed.toLower().contains(QLatin1String("greater"));
    if (greater ? notYet : !notYet)
        Debug(QStringLiteral("Test Passed"), QStringLiteral("Next item will be processed."));
    else
        Failed();
}

void Dispatcher::Failed()
{
    WriteEventLog(kScriptLabel, Clip(Item().Action) + u' ' + ScriptStepDescription(Item()));
    Skip();
}

void Dispatcher::Skip()
{
    Debug(QStringLiteral("Test failed"), QStringLiteral("Removing task items."));
    if (!SkipFailedTest())
        s_.keep = true;
}

} // namespace

void ScriptInterpreter::RunDueScriptItem()
{
    if (ScriptQueue.isEmpty())
        return;
    const ScriptQueueEntry& head = ScriptQueue.first();
    if (!Passed(head.DATE, head.TIME))
        return;
    Dispatcher(*state_, *this).Run();
}

QString ScriptStepDescription(const ScriptingRecord& item)
{
    ScriptingRecord shown = item;
    shown.Command = WithoutPasswords(item.Command);
    return DescribeScriptItem(shown);
}

ScriptInterpreter& CurrentScriptInterpreter()
{
    if (gInstalled)
        return *gInstalled;
    static ScriptInterpreter program;
    return program;
}

ScriptInterpreterOverride::ScriptInterpreterOverride(ScriptInterpreter& interpreter) : previous_(gInstalled)
{
    gInstalled = &interpreter;
}

ScriptInterpreterOverride::~ScriptInterpreterOverride()
{
    gInstalled = previous_;
}

void InstallScriptInterpreter()
{
    TickRoutines().runDueScriptItem = [] { CurrentScriptInterpreter().RunDueScriptItem(); };
    TickRoutines().describeScriptItem = [](const ScriptingRecord& item) { return ScriptStepDescription(item); };
}

} // namespace vl
