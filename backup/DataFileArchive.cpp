#include "backup/DataFileArchive.h"

#include "platform/data/Maintenance.h"
#include "platform/zip/ZipNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

namespace vl {

namespace {

constexpr int kCopyingError = -179;
constexpr int kEngineFull = 13; // the storage engine's "database or disk is full"
constexpr char kNothingChanged[] = "|No file was changed.";

const char* const kLogSuffixes[] = {"-wal", "-shm", "-journal"};

// A working folder beside the given folder, removed with everything in it
// when the work ends.
QTemporaryDir WorkFolder(const QString& beside)
{
    return QTemporaryDir(QDir(beside).filePath(QStringLiteral(".halvex-XXXXXX")));
}

qint64 SizeOf(const QString& path)
{
    return QFileInfo(path).size(); // 0 when missing
}

ZipResult DataFailure(const DataError& error, const QString& file)
{
    return ZipResult::Fail(error.driverCode == kEngineFull ? kZipDiskFull : kCopyingError,
                           file + QStringLiteral(": ") + error.Describe());
}

bool IsFull(const std::error_code& failure)
{
    return failure == std::errc::no_space_on_device || failure == std::errc::file_too_large;
}

ZipResult FileFailure(const std::error_code& failure, const QString& file)
{
    return ZipResult::Fail(IsFull(failure) ? kZipDiskFull : kCopyingError,
                           file + QStringLiteral(": ") + QString::fromLocal8Bit(failure.message().c_str()));
}

std::filesystem::path PathOf(const QString& file)
{
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

ZipResult CopyForArchive(const QString& source, const QString& copy)
{
    if (LooksLikeDataFile(source)) {
        const DataError error = CopyDataFileSnapshot(source, copy);
        return error.Ok() ? ZipResult() : DataFailure(error, source);
    }
    std::error_code failure;
    std::filesystem::copy_file(PathOf(source), PathOf(copy), failure);
    return failure ? FileFailure(failure, source) : ZipResult();
}

// One file of a restore: the new content extracted into the work folder,
// the file it replaces, and what was kept to take the change back.
struct Swap {
    QString staged;
    QString target;
    QString kept;           // the old content: a snapshot, or the old file moved aside
    bool throughData = false; // written into the file through the data file layer
    QStringList keptLogs;   // suffixes of the old file's logs moved aside with it
    bool placed = false;
};

bool Move(const QString& from, const QString& to, std::error_code& failure)
{
    std::filesystem::rename(PathOf(from), PathOf(to), failure);
    return !failure;
}

// Puts one file in place. A data file that may be open in another program
// gets its new content through the data file layer, in one write that every
// connection sees at its next read, after a snapshot of the old content was
// kept; any other file (also a data file too damaged to open) is renamed
// over, its old file and logs moved aside, so that no old log can be
// applied to the new content.
ZipResult PutInPlace(Swap& swap)
{
    QDir().mkpath(QFileInfo(swap.kept).absolutePath());
    if (QFileInfo::exists(swap.target) && LooksLikeDataFile(swap.target)) {
        const DataError kept = CopyDataFileSnapshot(swap.target, swap.kept);
        if (kept.Ok()) {
            swap.throughData = true;
            const DataError error = RestoreDataFileSnapshot(swap.staged, swap.target);
            if (!error.Ok())
                return DataFailure(error, swap.target);
            swap.placed = true;
            return {};
        }
        if (kept.code != kInvalidDataFile)
            return DataFailure(kept, swap.target);
    }
    std::error_code failure;
    QDir().mkpath(QFileInfo(swap.target).absolutePath());
    if (QFileInfo::exists(swap.target) && !Move(swap.target, swap.kept, failure))
        return FileFailure(failure, swap.target);
    swap.placed = true; // from here on, taking back moves the old files back
    for (const char* suffix : kLogSuffixes) {
        const QString log = swap.target + QLatin1String(suffix);
        if (QFileInfo::exists(log) && !Move(log, swap.kept + QLatin1String(suffix), failure))
            return FileFailure(failure, log);
        if (!failure && QFileInfo::exists(swap.kept + QLatin1String(suffix)))
            swap.keptLogs << QLatin1String(suffix);
    }
    if (!Move(swap.staged, swap.target, failure))
        return FileFailure(failure, swap.target);
    return {};
}

// Takes a placed file back to its old content.
void TakeBack(const Swap& swap)
{
    if (!swap.placed)
        return;
    if (swap.throughData) {
        RestoreDataFileSnapshot(swap.kept, swap.target);
        return;
    }
    std::error_code ignored;
    if (QFileInfo::exists(swap.kept)) {
        Move(swap.kept, swap.target, ignored);
    } else if (!QFileInfo::exists(swap.staged)) {
        QFile::remove(swap.target); // it was new
    }
    for (const QString& suffix : swap.keptLogs)
        Move(swap.kept + suffix, swap.target + suffix, ignored);
}

// The room the swaps need beyond the extracted files: for each file written
// through the data file layer, the snapshot of its old content and its log
// growing by the new content (and the file itself when it grows).
qint64 RoomForSwaps(const QList<Swap>& swaps)
{
    qint64 room = 0;
    for (const Swap& swap : swaps) {
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
                          ZipProgress& progress)
{
    const QString archivePath = QDir(dir).absoluteFilePath(archive);
    QTemporaryDir work = WorkFolder(QFileInfo(archivePath).absolutePath());
    if (!work.isValid())
        return ZipResult::Fail(kZipCreateFileError, work.errorString());
    ZipAddJob job;
    job.archive = archivePath;
    for (const QString& name : names) {
        if (progress.Aborted())
            return ZipResult::Fail(kZipAborted);
        const QString copy = work.filePath(name);
        const ZipResult copied = CopyForArchive(QDir(dir).filePath(name), copy);
        if (!copied.Ok())
            return copied;
        job.files.append({copy, name});
    }
    return AddToArchive(job, progress);
}

ZipResult RestoreDataFiles(const UnzipJob& job, ZipProgress& progress, QStringList* restored)
{
    // Everything that can be known before a file changes is checked first:
    // the members and their room, then the extracted files, then the room
    // for putting them in place.
    ZipResult result = CheckExtract(job);
    if (!result.Ok())
        return result;
    QTemporaryDir work = WorkFolder(job.targetDir);
    if (!work.isValid())
        return ZipResult::Fail(kZipCreateFileError, work.errorString());
    UnzipJob staging = job;
    staging.targetDir = work.filePath(QStringLiteral("new"));
    staging.overwrite = true;
    QDir().mkpath(staging.targetDir);
    QStringList staged;
    result = ExtractArchive(staging, progress, &staged);
    if (!result.Ok())
        return result;
    QList<Swap> swaps;
    for (const QString& file : staged) {
        const QString relative = QDir(staging.targetDir).relativeFilePath(file);
        Swap swap;
        swap.staged = file;
        swap.target = QDir(job.targetDir).absoluteFilePath(relative);
        swap.kept = QDir(work.filePath(QStringLiteral("old"))).filePath(relative);
        if (job.overwrite || !QFileInfo::exists(swap.target))
            swaps << swap;
    }
    const qint64 room = RoomForSwaps(swaps);
    const qint64 free = QStorageInfo(job.targetDir).bytesAvailable();
    if (free >= 0 && room > free)
        return ZipResult::Fail(kZipDiskFull, NoRoomText(room, free, job.targetDir) + QLatin1String(kNothingChanged));
    // All files or none: a failure takes back the files already placed.
    for (qsizetype n = 0; n < swaps.size(); ++n) {
        progress.Item(QDir(job.targetDir).relativeFilePath(swaps[n].target));
        result = PutInPlace(swaps[n]);
        if (!result.Ok()) {
            for (qsizetype back = n; back >= 0; --back)
                TakeBack(swaps[back]);
            result.detail += QLatin1String(kNothingChanged);
            return result;
        }
    }
    // Folders the archive holds, empty ones too.
    for (QDirIterator folder(staging.targetDir, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
         folder.hasNext();)
        QDir(job.targetDir).mkpath(QDir(staging.targetDir).relativeFilePath(folder.next()));
    if (restored) {
        for (const Swap& swap : swaps)
            *restored << swap.target;
    }
    return {};
}

} // namespace vl
