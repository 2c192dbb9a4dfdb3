#include "core/startup/DataDirectory.h"

#include <QDir>
#include <QFileInfo>

#include "platform/runtime/IniFile.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kSelectCaption[] = "Select data directory";
const char kNewDataText[] = "Application data will be created";
const char kNewDataCaption[] = "New Database";

bool IsInside(const QString& path, const QString& directory)
{
    const QString inner = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString outer = QDir::cleanPath(QFileInfo(directory).absoluteFilePath());
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

} // namespace

QString InstallationDirectory()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/velmora"));
}

bool HoldsMainDataFile(const QString& directory)
{
    const QDir dir(directory);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : files) {
        if (name.compare(QLatin1String(kMainDataFileName), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString ChooseDataDirectory(PromptService& prompt, const QString& installationDirectory)
{
    if (!HoldsMainDataFile(QDir::currentPath()) && QFileInfo::exists(QLatin1String(kPathsIniName))) {
        const IniFile paths{QLatin1String(kPathsIniName)};
        const QString named = paths.Get(QLatin1String(kPathsSection), QLatin1String(kPathsDataEntry)).trimmed();
        if (!named.isEmpty())
            QDir::setCurrent(named);
    }

    if (!HoldsMainDataFile(QDir::currentPath())) {
        if (!IsInside(QDir::currentPath(), installationDirectory)) {
            QDir().mkpath(installationDirectory);
            QDir::setCurrent(installationDirectory);
        }
        const QString chosen =
            prompt.SelectDirectory(QLatin1String(kSelectCaption), QDir::currentPath());
        if (!chosen.isEmpty()) {
            IniFile paths{QLatin1String(kPathsIniName)};
            paths.Put(QLatin1String(kPathsSection), QLatin1String(kPathsDataEntry),
                      QDir::toNativeSeparators(chosen));
            QDir::setCurrent(chosen);
        } else {
            prompt.Message(QLatin1String(kNewDataText), QLatin1String(kNewDataCaption), PromptIcon::Information,
                           QString(), 1);
        }
    }
    return QDir::currentPath();
}

} // namespace vl
