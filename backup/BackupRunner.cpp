#include "backup/BackupRunner.h"

#include "backup/DataFileArchive.h"
#include "backup/ZipFailureText.h"
#include "backup/ZipWork.h"
#include "platform/ui/PromptService.h"
#include "platform/zip/ZipNames.h"

#include <QDir>
#include <QFileInfo>

namespace vl {

namespace {

constexpr char kSection[] = "Preserved";
constexpr char kArchiveKey[] = "GLO:ArchiveName";
constexpr char kOperationKey[] = "GLO:Operation";
constexpr char kBackupText[] = "Backup to an archive";
constexpr char kRestoreText[] = "Restore from an archive";
constexpr char kDefaultArchive[] = "Backup.zip";
constexpr char kPatternError[] = "Error in Wildcard pattern:  ";
constexpr char kNothingToProcess[] = "Nothing to process:  ";
constexpr char kErrorCaption[] = "Error";
constexpr char kInformation[] = "Information";
constexpr char kOkButton[] = "&OK";

ZipResult RefusedPattern(const ZipObject& zip, const QString& wildcard, const char* caption)
{
    ZipFailureText(QLatin1String(kPatternError) + wildcard + QLatin1Char('.'), QLatin1String(caption), zip.archiveName,
                   ZipResult());
    return ZipResult::Fail(kZipRefusedPattern);
}

// The members the unzip steps work on: the wildcard, or the marked ones.
bool ChosenPatterns(const ZipObject& zip, QStringList& patterns)
{
    if (zip.wildcard.trimmed().isEmpty()) {
        patterns = zip.MarkedNames();
        return true;
    }
    return ParseFilePatterns(zip.wildcard, patterns);
}

// Loads the listing when it is empty; a failure is reported.
bool EnsureListing(ZipObject& zip, ZipResult& failure)
{
    return !zip.listing.isEmpty() || LoadWholeArchive(zip, QStringLiteral("Could Not Load Archive"), &failure);
}

void EndUnzipStep(ZipObject& zip)
{
    zip.wildcard.clear();
    zip.DeselectAll();
    zip.CountMarked();
}

} // namespace

bool LoadWholeArchive(ZipObject& zip, const QString& caption, ZipResult* failure)
{
    ZipResult result;
    if (zip.LoadArchiveList(&result))
        return true;
    ZipFailureText(QStringLiteral("No files in archive: this is not a whole zip archive."), caption,
                   zip.archiveName, result);
    if (failure)
        *failure = result;
    return false;
}

RunnerChoice ReadRunnerChoice(const IniFile& ini)
{
    RunnerChoice choice;
    choice.archiveName = ini.Get(kSection, kArchiveKey).trimmed();
    choice.operation = ini.Get(kSection, kOperationKey).trimmed();
    if (choice.archiveName.isEmpty())
        choice.archiveName = QLatin1String(kDefaultArchive);
    if (choice.operation.isEmpty())
        choice.operation = QLatin1String(kBackupText);
    return choice;
}

bool WriteRunnerChoice(IniFile& ini, const RunnerChoice& choice)
{
    return ini.PutMany({{kSection, kArchiveKey, choice.archiveName}, {kSection, kOperationKey, choice.operation}});
}

RunnerOperation OperationOf(const QString& text)
{
    const QString operation = text.trimmed();
    if (operation.compare(QLatin1String("Backup"), Qt::CaseInsensitive) == 0
        || operation.compare(QLatin1String(kBackupText), Qt::CaseInsensitive) == 0)
        return RunnerOperation::Backup;
    if (operation.compare(QLatin1String("Restore"), Qt::CaseInsensitive) == 0
        || operation.compare(QLatin1String(kRestoreText), Qt::CaseInsensitive) == 0)
        return RunnerOperation::Restore;
    return RunnerOperation::Unknown;
}

QString ArchiveFileName(const QString& typed)
{
    const QString name = typed.trimmed();
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QStringLiteral(".ZIP");
}

ZipResult ZipBackup(ZipObject& zip, const QString& wildcard, const QString& dataDir, BackupFindings* findings)
{
    QStringList patterns;
    if (!ParseFilePatterns(wildcard, patterns))
        return RefusedPattern(zip, wildcard, "Backup Failed");
    const QStringList files = MatchingFiles(dataDir, patterns);
    if (files.isEmpty()) {
        // An archive without the data would pass for a backup: nothing is
        // written, and the old archive stays as it was.
        Prompt::Message(QLatin1String(kNothingToProcess) + wildcard + QLatin1Char('.'), QLatin1String(kErrorCaption),
                        PromptIcon::Stop);
        return ZipResult::Fail(kZipNothingToDo);
    }
    const QString archive = zip.archiveName;
    BackupFindings found;
    const ZipResult result = CurrentZipWork().Run(
        QStringLiteral("Archiving..."), static_cast<int>(files.size()),
        [&](ZipProgress& progress) { return BackupDataFiles(dataDir, files, archive, progress, &found); });
    if (!result.Ok())
        ZipFailureText(QStringLiteral("Could not create backup."), QString(), zip.archiveName, result);
    else if (!found.damaged.isEmpty())
        Prompt::Message(QStringLiteral("These data files are damaged; the archive holds them as they are, damage "
                                       "and all:|")
                            + found.damaged.join(QLatin1Char('|')),
                        QStringLiteral("Warning"), PromptIcon::Exclamation);
    if (findings)
        *findings = found;
    return result;
}

ZipResult ZipTest(ZipObject& zip)
{
    ZipResult result;
    if (!EnsureListing(zip, result))
        return result;
    UnzipJob job;
    if (!ChosenPatterns(zip, job.patterns))
        return RefusedPattern(zip, zip.wildcard, "Test Failed");
    job.archive = zip.archiveName;
    job.password = zip.password;
    result = CurrentZipWork().Run(QStringLiteral("Testing..."), zip.members,
                                  [&job](ZipProgress& progress) { return TestArchive(job, progress); });
    if (!result.Ok())
        ZipFailureText(QStringLiteral("Archive test failed."), QString(), zip.archiveName, result);
    EndUnzipStep(zip);
    return result;
}

ZipResult ZipRestore(ZipObject& zip)
{
    ZipResult result;
    if (!EnsureListing(zip, result))
        return result;
    if (zip.listing.isEmpty()) {
        Prompt::Message(QLatin1String(kNothingToProcess), QLatin1String(kErrorCaption), PromptIcon::Stop);
        return ZipResult::Fail(kZipEmpty);
    }
    UnzipJob job;
    if (!ChosenPatterns(zip, job.patterns))
        return RefusedPattern(zip, zip.wildcard, "Restore Failed");
    job.archive = zip.archiveName;
    job.password = zip.password;
    job.targetDir = zip.destinationDir;
    job.overwrite = zip.overwriteExistingFiles;
    job.useFolderNames = zip.useFolderNames;
    result = CurrentZipWork().Run(QStringLiteral("Restoring..."), zip.members,
                                  [&job](ZipProgress& progress) { return RestoreDataFiles(job, progress); });
    if (!result.Ok())
        ZipFailureText(QStringLiteral("Could not restore from archive."), QString(), zip.archiveName, result);
    EndUnzipStep(zip);
    return result;
}

ZipResult RunBackup(ZipObject& zip, const QString& archiveName, const QString& dataDir)
{
    zip.Clear();
    zip.archiveName = ArchiveFileName(archiveName);
    BackupFindings found;
    const ZipResult result = ZipBackup(zip, QLatin1String(kDataFilePattern), dataDir, &found);
    if (result.Ok() && found.setAsideLogs.isEmpty())
        Prompt::Message(QStringLiteral("Backup complete."), QLatin1String(kInformation), PromptIcon::Information,
                        QLatin1String(kOkButton));
    else if (result.Ok())
        Prompt::Message(QStringLiteral("Backup complete.||The last changes of a data file could not be read: its "
                                       "log was set aside, and the archive holds it too:|")
                            + found.setAsideLogs.join(QLatin1Char('|'))
                            + QStringLiteral("||The repair in VLMR (File › Support Tools › File Manager, Repair) "
                                             "can take those changes back."),
                        QLatin1String(kInformation), PromptIcon::Exclamation, QLatin1String(kOkButton));
    zip.Clear();
    return result;
}

ZipResult RunRestore(ZipObject& zip, const QString& archiveName, const QString& dataDir)
{
    zip.Clear();
    zip.archiveName = QDir(dataDir).absoluteFilePath(ArchiveFileName(archiveName));
    zip.wildcard = QStringLiteral("*.*");
    ZipResult result = ZipTest(zip);
    if (result.Ok()) {
        zip.wildcard = QStringLiteral("*.*");
        zip.destinationDir = dataDir;
        zip.overwriteExistingFiles = true;
        result = ZipRestore(zip);
        if (result.Ok())
            Prompt::Message(QStringLiteral("Files successfully restored."), QLatin1String(kInformation),
                            PromptIcon::Information, QLatin1String(kOkButton));
    }
    zip.Clear();
    return result;
}

} // namespace vl
