#include "core/startup/DataDirectory.h"

#include <QDir>
#include <QFileInfo>

#include "core/startup/DirectoryEntry.h"
#include "platform/runtime/FileModes.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kSelectCaption[] = "Select data directory";
const char kNewDataText[] = "Application data will be created";
const char kNewDataCaption[] = "New Database";

// The path with symbolic links resolved when it exists (the current
// directory always comes back resolved), else cleaned.
QString ResolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool IsInside(const QString& path, const QString& directory)
{
    const QString inner = ResolvedPath(path);
    const QString outer = ResolvedPath(directory);
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

bool IsSameDirectory(const QString& one, const QString& other)
{
    return ResolvedPath(one) == ResolvedPath(other);
}

// Entry DATA of section PATH of the PATHS.INI in the directory; empty when
// there is none.
QString PathsIniEntry(const QString& directory)
{
    const QString file = QDir(directory).filePath(QLatin1String(kPathsIniName));
    if (!QFileInfo::exists(file))
        return QString();
    return IniFile(file).Get(QLatin1String(kPathsSection), QLatin1String(kPathsDataEntry)).trimmed();
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

QString FoundDataDirectory(const QString& start, const QString& installationDirectory)
{
    if (HoldsMainDataFile(start))
        return ResolvedPath(start);
    const QString named = PathsIniEntry(start);
    if (!named.isEmpty())
        return HoldsMainDataFile(named) ? ResolvedPath(named) : QString();
    if (IsInside(start, installationDirectory))
        return IsSameDirectory(start, installationDirectory) ? ResolvedPath(start) : QString();
    if (HoldsMainDataFile(installationDirectory))
        return ResolvedPath(installationDirectory);
    const QString kept = PathsIniEntry(installationDirectory);
    return !kept.isEmpty() && HoldsMainDataFile(kept) ? ResolvedPath(kept) : QString();
}

QString ChooseDataDirectory(PromptService& prompt, const QString& installationDirectory,
                            const std::function<bool()>& ended)
{
    // The directory whose PATHS.INI names where the user keeps the data. A
    // named directory without the main data file is offered in the dialog,
    // and the answer goes back to that PATHS.INI: the data meant for the
    // named directory never goes silently into another one. One that cannot
    // be opened is named, with the reason, before the dialog.
    QString namingDirectory;
    QString unusableNamed;
    int namedError = 0;
    if (!HoldsMainDataFile(QDir::currentPath())) {
        const QString named = PathsIniEntry(QDir::currentPath());
        if (!named.isEmpty()) {
            namingDirectory = QDir::currentPath();
            if ((namedError = EnterDirectory(named)) != 0)
                unusableNamed = named;
        }
    }

    bool movedToInstallation = false;
    if (namingDirectory.isEmpty() && !HoldsMainDataFile(QDir::currentPath())
        && !IsInside(QDir::currentPath(), installationDirectory)) {
        MakePrivateDirectory(installationDirectory);
        movedToInstallation = QDir::setCurrent(installationDirectory);
        // Started elsewhere: the data an earlier start chose is found as a
        // start in the installation directory finds it, in that directory or
        // where its PATHS.INI (the dialog's answer) names.
        const QString kept = PathsIniEntry(installationDirectory);
        if (movedToInstallation && !HoldsMainDataFile(installationDirectory) && !kept.isEmpty()
            && HoldsMainDataFile(kept))
            QDir::setCurrent(kept);
    }

    // Started in the installation directory itself, the program keeps its
    // data there without asking: that is the default data directory.
    const bool installationChosen = namingDirectory.isEmpty() && !movedToInstallation
                                    && IsSameDirectory(QDir::currentPath(), installationDirectory);
    if (HoldsMainDataFile(QDir::currentPath()) || installationChosen)
        return QDir::currentPath();

    if (!unusableNamed.isEmpty())
        prompt.Message(UnusableDirectoryText(unusableNamed, namedError) +
                           QStringLiteral("||PATHS.INI names it as the data directory: choose the data directory."),
                       QLatin1String(kUnusableDirectoryCaption), PromptIcon::Exclamation, QString(), 1);
    const QString answerDirectory = namingDirectory.isEmpty() ? QDir::currentPath() : namingDirectory;
    // A choice that cannot be opened is named with the reason and the
    // question comes again: no data goes anywhere the user did not choose.
    for (;;) {
        const QString chosen = prompt.SelectDirectory(QLatin1String(kSelectCaption), QDir::currentPath());
        if (chosen.isEmpty())
            break;
        MakePrivateDirectory(chosen);
        if (const int error = EnterDirectory(chosen)) {
            prompt.Message(UnusableDirectoryText(chosen, error) + QStringLiteral("||Choose another directory."),
                           QLatin1String(kUnusableDirectoryCaption), PromptIcon::Exclamation, QString(), 1);
            continue;
        }
        IniFile paths{QDir(answerDirectory).filePath(QLatin1String(kPathsIniName))};
        paths.Put(QLatin1String(kPathsSection), QLatin1String(kPathsDataEntry), QDir::toNativeSeparators(chosen));
        return QDir::currentPath();
    }
    if (!ended || !ended())
        prompt.Message(QLatin1String(kNewDataText) + QStringLiteral(" in ") +
                           QDir::toNativeSeparators(QDir::currentPath()) + QLatin1Char('.'),
                       QLatin1String(kNewDataCaption), PromptIcon::Information, QString(), 1);
    return QDir::currentPath();
}

} // namespace vl
