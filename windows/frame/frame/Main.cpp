// The frame procedure: builds the main frame, runs the event loop until the
// frame closes or the session ends, and leaves no other window behind.

#include "windows/frame/frame/Main.h"

#include "core/base/ProgramStop.h"
#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTask.h"
#include "core/session/StartTermination.h"
#include "core/startup/DamagedFileOffer.h"
#include "core/repair/windows/RepairWindow.h"
#include "windows/frame/frame/CoreProcedures.h"
#include "windows/frame/frame/MainFrame.h"
#include "core/startup/ProgramMain.h"
#include "windows/message/LocalMessageWindow.h"
#include "pim/ClipboardCapture.h"
#include "platform/data/Connection.h"
#include "platform/runtime/ProgramPages.h"
#include "platform/desktop/HotKeyBackend.h"
#include "platform/ui/PromptService.h"
#include "scheduler/run/ScriptInterpreter.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <malloc.h>
#include <optional>

namespace vl {

namespace {

// The program's other windows (lists, wizards, tools) once the frame is
// gone close as their user would close them, so that each keeps its place
// and its list's layout as after File, Exit. When the session ended or a
// signal came, the termination request is set: no question of a close step
// is asked (a box gives no answer) and no form stores what it holds. The
// focus leaves its field first, while every window is whole: a window
// destroyed with the focus inside would move it to controls half gone.
void EndOtherWindows(const QWidget* frame)
{
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    QApplication::closeAllWindows();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != frame && !window->parentWidget())
            windows << window;
    }
    for (const QPointer<QWidget>& window : std::as_const(windows)) {
        if (window && window->isAncestorOf(QApplication::focusWidget()))
            QApplication::focusWidget()->clearFocus();
        delete window.data();
    }
}

// The time after which start-up's windows are drawn and its first ticks done.
constexpr int kStartUpSettledMs = 2000;

void ReleaseStartUpMemory()
{
    DataConnection::ReleaseCachedPages();
    malloc_trim(0);
}

// Runs the frame until it closes: its exit code, or nothing when its start
// stopped (the reason is in ProgramStop).
std::optional<int> RunFrame()
{
    MainFrame frame(PositionIni());
    // The frame may close while it opens (a termination signal handled as
    // its first window is made sure on the screen): an exit asked for before
    // the event loop runs would be lost, and the program would stay.
    bool closed = false;
    QObject::connect(&frame, &MainFrame::Closed, &frame, [&closed] {
        closed = true;
        QCoreApplication::exit(0);
    });
    if (!frame.Open()) {
        EndOtherWindows(&frame);
        return std::nullopt;
    }
    // What start-up read and freed goes back, so the waiting program holds
    // only what it uses (reads fill the cache again as they need it): once
    // when the loop first runs, and again when the lists opened at start are
    // drawn and the first due-task lookups done.
    // The second time, the pages of code and fonts that only start-up used
    // go back too.
    QTimer::singleShot(0, &frame, ReleaseStartUpMemory);
    QTimer::singleShot(kStartUpSettledMs, &frame, [] {
        ReleaseStartUpMemory();
        ReleaseReadOnlyFilePages();
    });
    // A signal caught while the frame opened (at a question of a data
    // file's open) ended no loop yet: the program ends without running one.
    const int exitCode = closed || TerminationRequested() ? 0 : QApplication::exec();
    // The icon leaves the notification area before the other windows go,
    // however the loop ended: the window that shows it there is Qt's own
    // and must not be swept away under the icon.
    frame.Tray().Detach();
    EndOtherWindows(&frame);
    if (ProgramStopRequested() && !DamagedDataFile().isEmpty())
        return std::nullopt;
    return exitCode;
}

} // namespace

void RepairDamagedFile(const QString& path)
{
    // The repair needs the file to itself.
    Tables().CloseAll();
    RepairWindow* window = RepairFiles();
    // The window runs in the application's loop until the user closes it.
    QObject::connect(window, &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
    window->RepairAgreedFile(path);
    const QPointer<RepairWindow> open(window);
    QApplication::exec();
    // Ended by a termination signal: the table in hand is finished (the
    // window waits for it) and the window goes without asking anything.
    delete open.data();
}

int Main()
{
    RegisterCoreProcedures();
    const LocalMessageWindows messageWindows;
    InstallDueTaskRoutines();
    InstallClipboardCapture();
    // The desktop's hot keys; they outlive the frame, which gives its keys back as it closes.
    const std::unique_ptr<HotKeyBackend> hotKeys = MakeHotKeyBackend();
    const HotKeyBackendOverride installHotKeys(*hotKeys);
    InstallScriptInterpreter();
    // The frame's close ends the program, not the last window: the frame
    // may be hidden in the tray while a list is the only window shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // A damaged main data file ends the frame's start (or its run): the
    // user may repair it, after which the frame starts again, or restore it
    // from a backup, for which the program ends.
    for (;;) {
        if (const std::optional<int> exitCode = RunFrame())
            return *exitCode;
        const QString damaged = DamagedDataFile();
        if (damaged.isEmpty())
            return 1;
        const DamagedFileChoice choice = AskAboutDamagedFile(CurrentPromptService(), ProgramStopReason());
        // A termination signal ends the program from the question or the
        // repair as from the frame, and the box's default is no answer.
        if (TerminationRequested())
            return 0;
        switch (choice) {
        case DamagedFileChoice::Repair:
            ResetProgramStop();
            RepairDamagedFile(damaged);
            if (TerminationRequested())
                return 0;
            break;
        case DamagedFileChoice::Restore:
            Tables().CloseAll();
            StartRestore(CurrentPromptService(), damaged);
            return 1;
        case DamagedFileChoice::Exit:
            return 1;
        }
    }
}

} // namespace vl
