#include "pim/BugReportSettings.h"

#include "core/base/Globals.h"
#include "core/cycle/SchedulerState.h"
#include "core/dictionary/Dictionary.h"
#include "core/startup/DataDirectory.h"
#include "platform/runtime/FixedText.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QSysInfo>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace vl {
namespace {

constexpr char kOsReleaseFile[] = "/etc/os-release";

QString Number(qint64 value)
{
    return QString::number(value);
}

QString ScreenText()
{
    const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const QScreen* screen = application ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return QStringLiteral("none");
    const QSize size = screen->size();
    return QStringLiteral("%1x%2, %3 dpi, %4 screen(s)")
        .arg(size.width())
        .arg(size.height())
        .arg(qRound(screen->logicalDotsPerInch()))
        .arg(QGuiApplication::screens().size());
}

QString OsReleaseValue(const QString& text, const QString& name)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(name), QRegularExpression::MultilineOption);
    QString value = line.match(text).captured(1).trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString OsReleaseName(const QString& osReleaseText)
{
    const QString pretty = OsReleaseValue(osReleaseText, QStringLiteral("PRETTY_NAME"));
    if (!pretty.isEmpty())
        return pretty;
    return (OsReleaseValue(osReleaseText, QStringLiteral("NAME")) + u' ' +
            OsReleaseValue(osReleaseText, QStringLiteral("VERSION")))
        .trimmed();
}

QStringList SystemInformationLines()
{
    QFile osRelease{QLatin1String(kOsReleaseFile)};
    const QString release = osRelease.open(QIODevice::ReadOnly) ? QString::fromUtf8(osRelease.readAll()) : QString();
    const QString system = OsReleaseName(release);
    return {
        QStringLiteral("OperatingSystem=") + (system.isEmpty() ? QSysInfo::prettyProductName() : system),
        QStringLiteral("Kernel=") + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion(),
        QStringLiteral("QtVersion=") + QLatin1String(qVersion()),
        QStringLiteral("Screen=") + ScreenText(),
        QStringLiteral("Locale=") + QLocale::system().name(),
    };
}

namespace {

std::map<QString, std::function<QString()>>& AddedValues()
{
    static std::map<QString, std::function<QString()>> values;
    return values;
}

} // namespace

void AddBugReportValue(const QString& name, std::function<QString()> value)
{
    AddedValues()[name] = std::move(value);
}

QStringList BugReportSettingsLines()
{
    // In the report's order; a name without a value here is listed only when
    // a library above added it.
    const std::vector<std::pair<const char*, std::optional<QString>>> settings{
        {"BrowseThreadNo", std::nullopt},
        {"BurstSize", Number(BurstSize)},
        {"DebugMode", Number(DebugMode.load())},
        {"Email:Host", Email::Host},
        {"Email:Organization", Email::Organization},
        {"Email:Sender", Email::Sender},
        {"Email:SenderName", Email::SenderName},
        {"FrameHandle", std::nullopt},
        {"FullSchedule", Number(FullSchedule)},
        {"GlobalActiveOnly", Number(GlobalActiveOnly)},
        {"GlobalCategory", std::nullopt},
        {"GlobalDateFormat", GlobalDateFormat},
        {"GlobalDateFrom", std::nullopt},
        {"GlobalDateTo", std::nullopt},
        {"GlobalExportName", GlobalExportName},
        {"GlobalVLFilename", QDir::current().absoluteFilePath(QLatin1String(kMainDataFileName))},
        {"GlobalSyncScheduleFilename", GlobalSyncScheduleFilename},
        {"GlobalSyncScriptingFilename", GlobalSyncScriptingFilename},
        {"GlobalSyncTodoFilename", GlobalSyncTodoFilename},
        {"GlobalUseLog", Number(GlobalUseLog.load())},
        {"GlobalDelay", Number(GlobalDelay)},
        {"GlobalFilter", std::nullopt},
        {"GlobalOrder", std::nullopt},
        {"HideToolbar", Number(HideToolbar)},
        {"HistoryExpires", Number(HistoryExpires)},
        {"ININame", ININame},
        {"MailProgressText", MailProgressText},
        {"MaxAlarmTime", Number(MaxAlarmTime)},
        {"MaxClipboardEntries", Number(MaxClipboardEntries)},
        {"MaximizeOnRun", Number(MaximizeOnRun)},
        {"MinimizeOnCloseRequest", Number(MinimizeOnCloseRequest)},
        {"MonitorClipboard", Number(MonitorClipboard)},
        {"MultiUser", Number(MultiUser)},
        {"News:Host", News::Host},
        {"News:Organization", News::Organization},
        {"News:Sender", News::Sender},
        {"News:SenderName", News::SenderName},
        {"NoTray", Number(NoTray)},
        {"OriginalPath", QDir::currentPath()},
        {"ParentHandle", std::nullopt},
        {"ProductName", ProductName},
        {"RemoveUncompleted", Number(RemoveUncompleted)},
        {"RepeatAlarmInterval", Number(RepeatAlarmInterval)},
        {"ReportIncludeFutureOccurances", Number(ReportIncludeFutureOccurances)},
        {"SaveScripts", Number(SaveScripts)},
        {"ScheduleWorkfileName", ScheduleWorkfileName},
        {"SnoozeInterval", Number(SnoozeInterval)},
        {"StartUpActive", Number(StartUpActive)},
        {"StartupClipboardSaver", Number(StartUpClipboardSaver)},
        {"StartupContacts", Number(StartUpContacts)},
        {"StartUpMinimized", Number(StartUpMinimized)},
        {"StartUpSchedule", Number(StartUpSchedule)},
        {"StartUpTodo", Number(StartUpToDo)},
        {"TempScriptingActive", Number(TempScriptingActive)},
        {"ThreadCount", std::nullopt},
        {"TempCategorySelect", std::nullopt},
        {"TempCategorySelected", std::nullopt},
        {"TempDateFrom", std::nullopt},
        {"TempDateSelect", std::nullopt},
        {"TempDateTo", std::nullopt},
        {"TempOrderSelect", std::nullopt},
        {"TranslateFilenames", Number(TranslateFilenames)},
        {"UseExternalMessage", Number(UseExternalMessage)},
        {"UseModalMessage", Number(UseModalMessage)},
        {"UserID", UserID},
        {"UserName", UserName},
        {"UseWinMessage", Number(UseWinMessage)},
        {"VersionNumber", VersionNumber},
    };
    QStringList lines;
    for (const auto& [name, value] : settings) {
        const auto added = AddedValues().find(QLatin1String(name));
        if (!value && added == AddedValues().end())
            continue;
        const QString shown = value ? *value : added->second();
        lines << CutTo(QLatin1String(name) + u'=' + Clip(shown), kSettingsLineWidth);
    }
    for (const QString& line : SystemInformationLines())
        lines << CutTo(line, kSettingsLineWidth);
    return lines;
}

} // namespace vl
