#include "core/frame/TrayMenu.h"

namespace vl::TrayMenu {

QList<Item> Items()
{
    const Item separator;
    return {
        {kRestore, QStringLiteral("&Restore"), QStringLiteral("restore.ico")},
        separator,
        {kAddProgram, QStringLiteral("&Program Wizard"), QStringLiteral("prgwiz16.ico")},
        {kAddMessage, QStringLiteral("&Message Wizard"), QStringLiteral("msgwiz16.ico")},
        {kAddScript, QStringLiteral("&Scripting Wizard"), QStringLiteral("scrwiz16.ico")},
        separator,
        {kStopScript, QStringLiteral("Stop Active Scripts"), QStringLiteral("stopscr.ico")},
        separator,
        {kHotKeys, QStringLiteral("&Hot Keys"), QStringLiteral("keydown.ico")},
        {kOptions, QStringLiteral("&Options"), QStringLiteral("wrench16.ico")},
        {kAbout, QStringLiteral("&About"), QStringLiteral("fourstar.ico")},
        separator,
        {kExit, QStringLiteral("E&xit Velmora"), QStringLiteral("exit.ico")},
    };
}

bool Enabled(const QString& name, const State& state)
{
    if (name == QLatin1String(kStopScript))
        return state.scriptsQueued;
    if (name == QLatin1String(kRestore))
        return state.frameIconized;
    return true;
}

bool RestoresFrameFirst(const QString& name)
{
    for (const char* item : {kRestore, kAddProgram, kAddMessage, kAddScript, kHotKeys}) {
        if (name == QLatin1String(item))
            return true;
    }
    return false;
}

} // namespace vl::TrayMenu
