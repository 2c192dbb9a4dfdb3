#include "backup/DataFileArchive.h"

#include "platform/data/Maintenance.h"
#include "platform/zip/ZipNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

namespace vl {

namespace {

constexpr int kCopyingError = -179;
constexpr int kEngineFull = 13; // the storage engine's "database or disk is full"

const char* const kLogSuffixes[] = {"-wal", "-shm", "-journal"};

// A working folder beside the given folder, removed with everything in it
// when the work ends.
QTemporaryDir WorkFolder(const QString& beside)
{
    return QTemporaryDir(QDir(beside).filePath(QStringLiteral(".halvex-XXXXXX")));
}

ZipResult CopyForArchive(const QString& source, const QString& copy)
{
    if (LooksLikeDataFile(source)) {
        const DataError error = CopyDataFileSnapshot(source, copy);
        if (!error.Ok())
            return ZipResult::Fail(error.driverCode == kEngineFull ? kZipDiskFull : kCopyingError,
                                   source + QStringLiteral(": ") + error.Describe());
        return {};
    }
    QFile file(source);
    if (!file.copy(copy))
        return ZipResult::Fail(kCopyingError, source + QStringLiteral(": ") + file.errorString());
    return {};
}

ZipResult PutInPlace(const QString& staged, const QString& target)
{
    if (QFileInfo::exists(target) && LooksLikeDataFile(target) && LooksLikeDataFile(staged)) {
        const DataError error = RestoreDataFileSnapshot(staged, target);
        if (!error.Ok())
            return ZipResult::Fail(error.driverCode == kEngineFull ? kZipDiskFull : kCopyingError,
                                   target + QStringLiteral(": ") + error.Describe());
        return {};
    }
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData(), failure);
    if (failure)
        return ZipResult::Fail(kCopyingError,
                               target + QStringLiteral(": ") + QString::fromLocal8Bit(failure.message().c_str()));
    for (const char* suffix : kLogSuffixes)
        QFile::remove(target + QLatin1String(suffix));
    return {};
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
    QTemporaryDir work = WorkFolder(job.targetDir);
    if (!work.isValid())
        return ZipResult::Fail(kZipCreateFileError, work.errorString());
    UnzipJob staging = job;
    staging.targetDir = work.path();
    staging.overwrite = true;
    staging.useFolderNames = false;
    QStringList staged;
    const ZipResult extracted = ExtractArchive(staging, progress, &staged);
    if (!extracted.Ok())
        return extracted;
    for (const QString& file : staged) {
        const QString name = QFileInfo(file).fileName();
        const QString target = QDir(job.targetDir).filePath(name);
        if (!job.overwrite && QFileInfo::exists(target))
            continue;
        const ZipResult placed = PutInPlace(file, target);
        if (!placed.Ok())
            return placed;
        if (restored)
            *restored << name;
    }
    return {};
}

} // namespace vl
