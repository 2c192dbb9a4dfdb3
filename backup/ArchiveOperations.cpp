#include "backup/ArchiveOperations.h"

#include "backup/ArchiveDialogRules.h"
#include "backup/BackupRunner.h"
#include "backup/DataFileArchive.h"
#include "backup/RestoreJournal.h"
#include "backup/ZipWork.h"
#include "platform/data/Maintenance.h"
#include "platform/ui/PromptService.h"
#include "platform/zip/ZipNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vl {

namespace {

constexpr char kAppError[] = "Application Error";
constexpr char kPatternError[] = "Wildcard pattern error.";

ZipResult Refused()
{
    Prompt::Message(QLatin1String(kPatternError), QLatin1String(kAppError), PromptIcon::Stop);
    return ZipResult::Fail(kZipRefusedPattern);
}

void ShowFailure(const QString& caption, const ZipResult& result)
{
    QString text = ZipErrorText(result.code);
    if (!result.detail.isEmpty())
        text += QStringLiteral("||") + result.detail;
    Prompt::Message(text, caption, PromptIcon::Stop);
}

// The members the unzip and delete work on: the wildcard, else the marked
// ones by their whole names. False when nothing usable was chosen.
bool ChosenMembers(const ZipObject& zip, QStringList& patterns, bool& exactNames)
{
    exactNames = zip.wildcard.trimmed().isEmpty();
    if (!exactNames)
        return ParseFilePatterns(zip.wildcard, patterns);
    patterns = zip.MarkedNames();
    return !patterns.isEmpty();
}

QDateTime DosStamp(uint16_t date, uint16_t time)
{
    return QDateTime(QDate((date >> 9) + 1980, (date >> 5) & 0xF, date & 0x1F),
                     QTime(time >> 11, (time >> 5) & 0x3F, 2 * (time & 0x1F)));
}

// The files the date filter lets through; false when the filter's dates do
// not exist and the user would rather not go on.
bool FilterByDate(ZipPreferences& preferences, QStringList& files)
{
    if (preferences.beforeDate.trimmed().isEmpty())
        return true;
    Date before = 0;
    Date after = 0;
    const bool hasAfter = !preferences.afterDate.trimmed().isEmpty();
    const bool valid = FilterDate(preferences.beforeDate, before) && (!hasAfter || FilterDate(preferences.afterDate, after));
    preferences.beforeDate.clear();
    if (!valid)
        return Prompt::Message(QStringLiteral("Date filter error. Process anyway?"), QStringLiteral("Warning"),
                               PromptIcon::Exclamation, QStringLiteral("&Yes|&No"), 2)
               == 1;
    QStringList kept;
    for (const QString& file : files) {
        const QDate modified = QFileInfo(file).lastModified().date();
        const Date day = MakeDate(modified.month(), modified.day(), modified.year());
        if (day < before && (!hasAfter || day >= after))
            kept << file;
    }
    files = kept;
    return true;
}

// Removes the files added with "move": only those whose member now holds
// their content (same size, same time within the two seconds the archive
// keeps).
void RemoveMovedFiles(const ZipObject& zip, const QList<ZipAddFile>& added)
{
    ZipListing listing;
    if (!ListArchive(zip.archiveName, listing).Ok())
        return;
    for (const ZipAddFile& file : added) {
        const QFileInfo source(file.source);
        for (const ZipEntry& entry : listing.entries) {
            if (entry.name == file.name && entry.size == source.size()
                && qAbs(DosStamp(entry.dosDate, entry.dosTime).secsTo(source.lastModified())) <= 2)
                QFile::remove(file.source);
        }
    }
}

// Gives the archive file the time of its newest member.
void StampWithNewest(const QString& archive)
{
    ZipListing listing;
    if (!ListArchive(archive, listing).Ok() || listing.entries.isEmpty())
        return;
    QDateTime newest;
    for (const ZipEntry& entry : listing.entries) {
        const QDateTime stamp = DosStamp(entry.dosDate, entry.dosTime);
        if (!newest.isValid() || stamp > newest)
            newest = stamp;
    }
    QFile file(archive);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(newest, QFileDevice::FileModificationTime);
}

// The archive is written in a work folder beside it: those of runs that
// died there go first.
void RemoveDeadWorkFilesBeside(const QString& archive)
{
    RemoveDeadWorkFiles(QFileInfo(archive).absolutePath());
}

ZipAction ActionFor(int code)
{
    switch (code) {
    case kZipActionUpdate:
        return ZipAction::Update;
    case kZipActionFreshen:
        return ZipAction::Freshen;
    default:
        return ZipAction::AddReplace;
    }
}

void EndUnzip(ZipObject& zip)
{
    zip.wildcard.clear();
    zip.DeselectAll();
    zip.CountMarked();
}

} // namespace

QString NewArchive(const QString& current)
{
    const QString chosen =
        Prompt::SaveFile(QStringLiteral("New ZIP archive"), QStringLiteral("ZIP archives|*.ZIP"), QStringLiteral("*.ZIP"));
    if (chosen.trimmed().isEmpty())
        return current;
    const QString name = ArchiveFileName(chosen);
    if (QFileInfo::exists(name)) {
        if (LooksLikeDataFile(name)) {
            Prompt::Message(name + QStringLiteral(" is a data file and is not replaced by an archive."),
                            QStringLiteral("New ZIP archive"), PromptIcon::Stop);
            return current;
        }
        if (!QFile::remove(name)) {
            Prompt::Message(name + QStringLiteral(" could not be removed."), QStringLiteral("New ZIP archive"),
                            PromptIcon::Stop);
            return current;
        }
    }
    return name;
}

QString ChooseArchiveToOpen(const QString& current)
{
    const QString chosen = Prompt::OpenFile(QStringLiteral("Open ZIP archive"),
                                            QStringLiteral("ZIP archives|*.ZIP|SFX archives|*.EXE"), QStringLiteral("*.ZIP"));
    return chosen.trimmed().isEmpty() ? current : chosen;
}

bool ReadArchiveToOpen(ZipObject& zip, const QString& name)
{
    ZipObject read;
    read.archiveName = name;
    if (!LoadWholeArchive(read, QStringLiteral("Open ZIP archive")))
        return false;
    // The extract's choices stay from one archive to the next.
    zip.Clear();
    zip.archiveName = name;
    return zip.LoadArchiveList();
}

QStringList ChooseFilesToAdd()
{
    return Prompt::OpenFiles(QStringLiteral("Add"), QStringLiteral("All|*.*"));
}

QString MemberNameFor(const QString& file, PathChoice path, const QString& baseDir)
{
    const QFileInfo info(file);
    switch (path) {
    case PathChoice::Relative: {
        const QString relative = QDir(baseDir).relativeFilePath(info.absoluteFilePath());
        if (IsSafeMemberName(relative))
            return relative;
        break;
    }
    case PathChoice::FullPath:
        return info.absoluteFilePath().mid(1);
    case PathChoice::NoPath:
        break;
    }
    return info.fileName();
}

ZipResult AddFiles(ZipObject& zip, ZipPreferences& preferences, const QStringList& files, const AddAnswers& answers,
                   const QString& baseDir)
{
    const int options = ZipOptionBitsOf(preferences, answers);
    QStringList chosen;
    for (const QString& file : files) {
        if (!file.trimmed().isEmpty() && ((options & kOptSystemHidden) || !QFileInfo(file).isHidden()))
            chosen << file;
    }
    // Hidden files the preferences leave out may leave nothing to add.
    if (chosen.isEmpty())
        return Refused();
    if (!FilterByDate(preferences, chosen))
        return {};
    ZipAddJob job;
    job.archive = zip.archiveName;
    job.action = ActionFor(ZipActionCodeOf(preferences.action));
    job.level = ZipLevelOf(preferences.compressionLevelSwitch);
    if (options & kOptEncrypt)
        job.password = answers.password;
    if (options & kOptFileComment)
        job.fileComment = answers.fileComment;
    job.setArchiveComment = (options & kOptArchiveComment) != 0;
    job.archiveComment = zip.archiveComment;
    const PathChoice path = PathChoice(preferences.pathInformationSwitch);
    for (const QString& file : chosen)
        job.files << ZipAddFile{file, MemberNameFor(file, path, baseDir)};
    RemoveDeadWorkFilesBeside(job.archive);
    const ZipResult result = CurrentZipWork().Run(QStringLiteral("Zipping..."), static_cast<int>(job.files.size()),
                                                  [&job](ZipProgress& progress) { return AddToArchive(job, progress); });
    zip.wildcard.clear();
    if (!result.Ok()) {
        ShowFailure(QStringLiteral("Add"), result);
        return result;
    }
    if (options & kOptMoveFiles)
        RemoveMovedFiles(zip, job.files);
    if (options & kOptLatestDate)
        StampWithNewest(zip.archiveName);
    zip.LoadArchiveList();
    return result;
}

ZipResult DeleteMembers(ZipObject& zip)
{
    QStringList patterns;
    bool exactNames = false;
    if (!ChosenMembers(zip, patterns, exactNames)) {
        zip.wildcard.clear();
        return Refused();
    }
    const QString archive = zip.archiveName;
    RemoveDeadWorkFilesBeside(archive);
    const ZipResult result =
        CurrentZipWork().Run(QStringLiteral("Deleting..."), 0, [&](ZipProgress& progress) {
            return DeleteFromArchive(archive, patterns, progress, exactNames);
        });
    if (!result.Ok())
        ShowFailure(QStringLiteral("Delete files"), result);
    zip.wildcard.clear();
    zip.LoadArchiveList();
    return result;
}

ZipResult TestMembers(ZipObject& zip)
{
    UnzipJob job;
    if (!ChosenMembers(zip, job.patterns, job.exactNames)) {
        EndUnzip(zip);
        return Refused();
    }
    job.archive = zip.archiveName;
    job.password = zip.password;
    const ZipResult result =
        CurrentZipWork().Run(QStringLiteral("Testing..."), job.exactNames ? static_cast<int>(job.patterns.size()) : zip.members,
                             [&job](ZipProgress& progress) { return TestArchive(job, progress); });
    if (result.Ok())
        Prompt::Message(QStringLiteral("No errors were found in the tested files."), QStringLiteral("Test files"),
                        PromptIcon::Information);
    else
        ShowFailure(QStringLiteral("Test files"), result);
    EndUnzip(zip);
    return result;
}

ZipResult ExtractMembers(ZipObject& zip)
{
    UnzipJob job;
    if (!ChosenMembers(zip, job.patterns, job.exactNames)) {
        EndUnzip(zip);
        return Refused();
    }
    job.archive = zip.archiveName;
    job.password = zip.password;
    job.targetDir = zip.destinationDir.trimmed().isEmpty() ? QDir::currentPath() : zip.destinationDir;
    job.overwrite = zip.overwriteExistingFiles;
    job.useFolderNames = zip.useFolderNames;
    QDir().mkpath(job.targetDir);
    QStringList written;
    DamagedDataFiles damaged;
    const ZipResult result =
        CurrentZipWork().Run(QStringLiteral("Unzipping..."), job.exactNames ? static_cast<int>(job.patterns.size()) : zip.members,
                             [&](ZipProgress& progress) {
                                 return RestoreDataFiles(job, progress, &written, &damaged);
                             });
    if (!result.Ok()) {
        ShowFailure(QStringLiteral("Extract files"), result);
    } else {
        // Files that were there already and kept: the user should know that
        // they are not what the archive holds.
        QStringList kept;
        for (const ZipListingEntry& row : zip.listing) {
            const QString relative = MemberTargetPath(row.fileName, job.useFolderNames);
            const bool folder = row.fileName.endsWith(QLatin1Char('/')) || row.fileName.endsWith(QLatin1Char('\\'));
            if (folder || relative.isEmpty() || !(job.patterns.isEmpty() || ChosenMember(job.patterns, job.exactNames, row.fileName)))
                continue;
            const QString target = QDir(job.targetDir).absoluteFilePath(relative);
            if (!written.contains(target) && !kept.contains(target))
                kept << target;
        }
        QString said = written.size() == 1 ? QStringLiteral("1 file was extracted to %1.").arg(job.targetDir)
                                           : QStringLiteral("%1 files were extracted to %2.")
                                                 .arg(written.size())
                                                 .arg(job.targetDir);
        if (!kept.isEmpty())
            said += QStringLiteral("||These files exist and were kept as they are:|") + kept.join(QLatin1Char('|'));
        if (!damaged.extracted.isEmpty())
            said += QStringLiteral("||These data files are damaged; they were extracted as the archive holds them, "
                                   "damage and all:|")
                    + damaged.extracted.join(QLatin1Char('|'));
        Prompt::Message(said, QStringLiteral("Extract files"),
                        kept.isEmpty() && damaged.extracted.isEmpty() ? PromptIcon::Information
                                                                      : PromptIcon::Exclamation);
    }
    EndUnzip(zip);
    return result;
}

ZipResult SaveArchiveCommentNow(ZipObject& zip)
{
    ZipAddJob job;
    job.archive = zip.archiveName;
    job.setArchiveComment = true;
    job.archiveComment = zip.archiveComment;
    RemoveDeadWorkFilesBeside(job.archive);
    const ZipResult result = CurrentZipWork().Run(QStringLiteral("Zipping..."), 0,
                                                  [&job](ZipProgress& progress) { return AddToArchive(job, progress); });
    if (!result.Ok())
        ShowFailure(QStringLiteral("Archive Comment"), result);
    return result;
}

} // namespace vl
