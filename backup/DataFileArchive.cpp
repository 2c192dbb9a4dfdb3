#include "backup/DataFileArchive.h"

#include "backup/HeldSignals.h"
#include "backup/LiveData.h"
#include "backup/RestoreJournal.h"
#include "backup/RestoreSwap.h"
#include "platform/data/LogFrames.h"
#include "platform/data/Maintenance.h"
#include "platform/zip/WorkFolder.h"
#include "platform/zip/ZipNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vl {

namespace {

constexpr char kNothingChanged[] = "|No file was changed.";

qint64 SizeOf(const QString& path)
{
    return QFileInfo(path).size(); // 0 when missing
}

ZipResult CopyFile(const QString& source, const QString& copy)
{
    std::error_code failure;
    std::filesystem::copy_file(std::filesystem::path(QFile::encodeName(source).toStdString()),
                               std::filesystem::path(QFile::encodeName(copy).toStdString()), failure);
    return failure ? FileFailure(failure, source) : ZipResult();
}

// Copies the named file of the folder into the work folder and adds it to
// the job; a data file is copied as a consistent snapshot and checked, and
// what was found beside it (damage, its set-aside logs) is added too.
ZipResult CopyForArchive(const QString& dir, const QString& name, const WorkFolder& work, ZipAddJob& job,
                         BackupFindings& found)
{
    const QString source = QDir(dir).filePath(name);
    const QString copy = work.filePath(name);
    if (!LooksLikeDataFile(source)) {
        job.files.append({copy, name});
        return CopyFile(source, copy);
    }
    const DataError error = CopyDataFileSnapshot(source, copy);
    if (!error.Ok())
        return DataFailure(error, source);
    job.files.append({copy, name});
    QStringList problems;
    if (QuickCheckDataFile(copy, problems).Ok() && !problems.isEmpty())
        found.damaged << name + QStringLiteral(": ") + problems.first();
    // The snapshot opened the file: a damaged log it met is set aside by now.
    QStringList logs = SetAsideLogsOf(source);
    std::reverse(logs.begin(), logs.end()); // named in the order they were set aside
    for (const QString& path : std::as_const(logs)) {
        const QString log = QFileInfo(path).fileName();
        const ZipResult copied = CopyFile(path, work.filePath(log));
        if (!copied.Ok())
            return copied;
        job.files.append({work.filePath(log), log});
        found.setAsideLogs << log;
    }
    return {};
}

// A restore puts no damaged data file in place: each extracted file that
// is a data file, or replaces one, is checked first. takeOut lets out those
// that replace no live data file; they are renamed into place, since they
// cannot be read whole.
ZipResult CheckStagedDataFiles(QList<RestoreSwap>& swaps, const QString& dir, DamagedDataFiles* takeOut)
{
    for (RestoreSwap& swap : swaps) {
        if (!LooksLikeDataFile(swap.staged) && !(QFileInfo::exists(swap.target) && LooksLikeDataFile(swap.target)))
            continue;
        QStringList problems;
        const DataError error = QuickCheckDataFile(swap.staged, problems);
        if (!error.Ok())
            return DataFailure(error, swap.staged);
        if (problems.isEmpty())
            continue;
        const QString name = QDir(dir).relativeFilePath(swap.target);
        const QString live = takeOut ? LiveDataAt(swap.target) : QString();
        if (takeOut && live.isEmpty()) {
            swap.damaged = true;
            takeOut->extracted << name + QStringLiteral(": ") + problems.first();
            continue;
        }
        const QString why = live.isEmpty() ? QString() : QLatin1Char('|') + live;
        return ZipResult::Fail(kZipArchiveError,
                               QStringLiteral("%1 in the archive is damaged: %2").arg(name, problems.first()) + why
                                   + QLatin1String(kNothingChanged));
    }
    return {};
}

// Takes back swaps n and before, last first; false when one could not be.
bool TakeBackFrom(const QList<RestoreSwap>& swaps, qsizetype n)
{
    bool back = true;
    for (; n >= 0; --n)
        back = TakeBackSwap(swaps.at(n)) && back;
    return back;
}

// The room the swaps need beyond the extracted files: for each file written
// through the data file layer, the snapshot of its old content and its log
// growing by the new content (and the file itself when it grows).
qint64 RoomForSwaps(const QList<RestoreSwap>& swaps)
{
    qint64 room = 0;
    for (const RestoreSwap& swap : swaps) {
        if (QFileInfo::exists(swap.target) && LooksLikeDataFile(swap.target))
            room += SizeOf(swap.target) + SizeOf(swap.target + QStringLiteral("-wal")) + 2 * SizeOf(swap.staged);
    }
    return room;
}

} // namespace

QStringList MatchingFiles(const QString& dir, const QStringList& patterns)
{
    QStringList names;
    const QStringList all = QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : all) {
        if (MatchesFilePatterns(patterns, name))
            names << name;
    }
    return names;
}

ZipResult BackupDataFiles(const QString& dir, const QStringList& names, const QString& archive,
                          ZipProgress& progress, BackupFindings* findings)
{
    const HeldSignals held; // a file-size limit fails the write instead of ending the program
    const QString archivePath = QDir(dir).absoluteFilePath(archive);
    RemoveDeadWorkFiles(QFileInfo(archivePath).absolutePath());
    WorkFolder work(QFileInfo(archivePath).absolutePath());
    if (!work.isValid())
        return ZipResult::Fail(kZipCreateFileError, work.errorString());
    ZipAddJob job;
    job.archive = archivePath;
    BackupFindings found;
    for (const QString& name : names) {
        if (progress.Aborted())
            return ZipResult::Fail(kZipAborted);
        const ZipResult copied = CopyForArchive(dir, name, work, job, found);
        if (!copied.Ok())
            return copied;
    }
    if (findings)
        *findings = found;
    return AddToArchive(job, progress);
}

ZipResult RestoreDataFiles(const UnzipJob& job, ZipProgress& progress, QStringList* restored,
                           DamagedDataFiles* takeOut)
{
    // Destroyed last: a signal held back ends the program only once the
    // work folder is gone and the journal says what is done.
    const HeldSignals held;
    FinishUnfinishedRestore(job.targetDir);
    RemoveDeadWorkFiles(job.targetDir);
    // Everything that can be known before a file changes is checked first:
    // the members and their room, then the extracted files, then the room
    // for putting them in place.
    ZipResult result = CheckExtract(job);
    if (!result.Ok())
        return result;
    RestoreJournal journal; // goes after the work folder
    WorkFolder work(job.targetDir);
    if (!work.isValid())
        return ZipResult::Fail(kZipCreateFileError, work.errorString());
    result = journal.Start(job.targetDir, work.path());
    if (!result.Ok())
        return result;
    UnzipJob staging = job;
    staging.targetDir = work.filePath(QStringLiteral("new"));
    staging.overwrite = true;
    QDir().mkpath(staging.targetDir);
    QStringList staged;
    result = ExtractArchive(staging, progress, &staged);
    if (!result.Ok())
        return result;
    QList<RestoreSwap> swaps;
    for (const QString& file : staged) {
        const QString relative = QDir(staging.targetDir).relativeFilePath(file);
        RestoreSwap swap;
        swap.staged = file;
        swap.target = QDir(job.targetDir).absoluteFilePath(relative);
        swap.kept = QDir(work.filePath(QStringLiteral("old"))).filePath(relative);
        if (job.overwrite || !QFileInfo::exists(swap.target))
            swaps << swap;
    }
    result = CheckStagedDataFiles(swaps, job.targetDir, takeOut);
    if (!result.Ok())
        return result;
    const qint64 room = RoomForSwaps(swaps);
    const qint64 free = QStorageInfo(job.targetDir).bytesAvailable();
    if (free >= 0 && room > free)
        return ZipResult::Fail(kZipDiskFull, NoRoomText(room, free, job.targetDir) + QLatin1String(kNothingChanged));
    // All files or none: the journal lists them before the first changes,
    // and a failure takes back the files already placed.
    result = journal.Begin(swaps);
    for (qsizetype n = 0; result.Ok() && n < swaps.size(); ++n) {
        progress.Item(QDir(job.targetDir).relativeFilePath(swaps[n].target));
        result = ChooseWay(swaps[n]);
        if (result.Ok())
            result = journal.Note(n, swaps[n]);
        if (result.Ok())
            result = PlaceSwap(swaps[n]);
        if (result.Ok())
            result = journal.Note(n, swaps[n]);
        // A write through the data file layer that failed left its file as
        // it was; a rename may have moved part of it.
        const bool touched = swaps[n].placed || swaps[n].way == RestoreSwap::Way::Renamed;
        if (!result.Ok() && !TakeBackFrom(swaps, touched ? n : n - 1)) {
            // The journal and the old files stay for the next start.
            work.setAutoRemove(false);
            journal.Leave();
            result.detail += QStringLiteral("|The files placed could not all be taken back; the next start of "
                                            "the program tries again.");
            return result;
        }
    }
    if (!result.Ok()) {
        result.detail += QLatin1String(kNothingChanged);
        return result;
    }
    // Folders the archive holds, empty ones too.
    for (QDirIterator folder(staging.targetDir, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
         folder.hasNext();)
        QDir(job.targetDir).mkpath(QDir(staging.targetDir).relativeFilePath(folder.next()));
    if (restored) {
        for (const RestoreSwap& swap : swaps)
            *restored << swap.target;
    }
    return {};
}

} // namespace vl
