// VLMR, the main program: the scheduler in the notification area.
// Command line: "/I" starts the scheduler inactive, "/CONFIG" still allows
// the Options window then (either in any letter case).

#include "backup/RestoreJournal.h"
#include "core/startup/ProgramMain.h"
#include "core/startup/SchedulerHandOver.h"
#include "windows/frame/frame/Main.h"
#include "exchange/windows/ExchangeWindows.h"
#include "windows/hotkeys/HotKeyProcedures.h"
#include "windows/pim/BugReportWindow.h"
#include "windows/pim/ContactProcedures.h"
#include "windows/pim/MessageProcedures.h"
#include "windows/pim/TodoProcedures.h"
#include "platform/widgets/BuiltInIconStyle.h"
#include "platform/widgets/DesktopServices.h"
#include "windows/reports/ReportProcedures.h"
#include "windows/tasks/TaskProcedures.h"
#include "xplore/output/ListOutputProcedures.h"
#include "xplore/windows/ListFormatProcedures.h"

#include <QApplication>
#include <QIcon>
#include <QThreadPool>

#include <malloc.h>

int main(int argc, char** argv)
{
    // Every thread allocates from the one heap: the program's threads are
    // few and short (the painter's helpers, a child reaper, a transfer), and
    // an arena of their own each would keep its pages while the program waits.
    // Set before any thread starts.
    mallopt(M_ARENA_MAX, 1);
    // The menus stay in the window: asking the session bus for a desktop
    // menu service would hold back the first window.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // The painter's helper threads end soon after the paint that needed
    // them instead of waiting half a minute with their stacks.
    QThreadPool::globalInstance()->setExpiryTimeout(2000);
    // Before the first window: no image-format plugin loads for Qt's own
    // pictures of the menu bar and toolbar buttons.
    QApplication::setStyle(new vl::BuiltInIconStyle(QApplication::style()));
    const vl::SessionBusReach busReach;
    QApplication::setApplicationName(QStringLiteral("VLMR"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    // Icons the program has none of its own for come from the desktop's
    // theme; without one, from the common freedesktop theme.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    const vl::DesktopServices services;
    vl::RegisterTaskProcedures();
    vl::RegisterHotKeyProcedures();
    vl::RegisterContactProcedures();
    vl::RegisterBugReportProcedure();
    vl::RegisterExchangeProcedures();
    vl::RegisterMessageProcedures();
    vl::RegisterTodoProcedures();
    vl::RegisterReportProcedures();
    vl::RegisterListFormatProcedures();
    vl::RegisterListOutputProcedures();
    return vl::ProgramMain(vl::Main, vl::FinishUnfinishedRestore);
}
