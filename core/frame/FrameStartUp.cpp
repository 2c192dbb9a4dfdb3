#include "core/frame/FrameStartUp.h"

#include "core/config/ConfigStore.h"
#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/settings/Settings.h"
#include "platform/runtime/FixedText.h"

namespace vl {

QString StartUpTitle()
{
    return Clip(ProductName) + QLatin1Char(' ') + Clip(VersionNumber);
}

void LoadProgramSettings()
{
    PutConfigValue(QStringLiteral("VLMRV"), QStringLiteral("vlmr"));
    PutConfigValue(QStringLiteral("Version"), VersionNumber);
    LoadSettings();
    if (DebugMode)
        WriteEventLog(QStringLiteral("Debugging Active"), QStringLiteral("Debug"));
}

QStringList StartUpLists()
{
    QStringList lists;
    if (StartUpContacts)
        lists << QStringLiteral("BrowseContacts");
    if (StartUpClipboardSaver)
        lists << QStringLiteral("BrowseClipboard");
    if (StartUpToDo)
        lists << QStringLiteral("BrowseToDoList");
    if (StartUpSchedule)
        lists << QStringLiteral("BrowseSchedule");
    return lists;
}

} // namespace vl
