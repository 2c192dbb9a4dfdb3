// The frame procedure: builds the main frame, runs the event loop until the
// frame closes or the session ends, and leaves no other window behind.

#include "core/windows/frame/Main.h"

#include "core/engine/DueTask.h"
#include "core/windows/frame/CoreProcedures.h"
#include "core/windows/frame/MainFrame.h"
#include "core/startup/ProgramMain.h"
#include "message/windows/LocalMessageWindow.h"
#include "pim/ClipboardCapture.h"
#include "platform/desktop/HotKeyBackend.h"
#include "scripting/run/ScriptInterpreter.h"

#include <QApplication>
#include <QPointer>

namespace vl {

namespace {

// The program's other windows (lists, wizards, tools) once the frame is
// gone: after File, Exit they close as their user would close them; when
// the session ends they go without their close steps, as the frame does.
void EndOtherWindows(const QWidget* frame, bool closeFirst)
{
    if (closeFirst)
        QApplication::closeAllWindows();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != frame && !window->parentWidget())
            windows << window;
    }
    for (const QPointer<QWidget>& window : std::as_const(windows))
        delete window.data();
}

} // namespace

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

    MainFrame frame(PositionIni());
    QObject::connect(&frame, &MainFrame::Closed, &frame, [] { QCoreApplication::exit(0); });
    if (!frame.Open())
        return 1;
    const int exitCode = QApplication::exec();
    EndOtherWindows(&frame, !frame.SessionEnded());
    return exitCode;
}

} // namespace vl
