#include "backup/RestoreSwap.h"

#include "platform/data/Maintenance.h"
#include "platform/runtime/FileModes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace vl {

namespace {

constexpr int kCopyingError = -179;
constexpr int kEngineFull = 13; // the storage engine's "database or disk is full"

const char* const kLogSuffixes[] = {"-wal", "-shm", "-journal"};

bool Exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool Move(const QString& from, const QString& to, std::error_code& failure)
{
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), failure);
    return !failure;
}

bool IsFull(const std::error_code& failure)
{
    return failure == std::errc::no_space_on_device || failure == std::errc::file_too_large;
}

} // namespace

ZipResult DataFailure(const DataError& error, const QString& file)
{
    return ZipResult::Fail(error.driverCode == kEngineFull ? kZipDiskFull : kCopyingError,
                           file + QStringLiteral(": ") + error.Describe());
}

ZipResult FileFailure(const std::error_code& failure, const QString& file)
{
    return ZipResult::Fail(IsFull(failure) ? kZipDiskFull : kCopyingError,
                           file + QStringLiteral(": ") + QString::fromLocal8Bit(failure.message().c_str()));
}

ZipResult ChooseWay(RestoreSwap& swap)
{
    QDir().mkpath(QFileInfo(swap.kept).absolutePath());
    if (!swap.damaged && Exists(swap.target) && LooksLikeDataFile(swap.target)) {
        const DataError kept = CopyDataFileSnapshot(swap.target, swap.kept);
        if (kept.Ok()) {
            swap.way = RestoreSwap::Way::ThroughData;
            return {};
        }
        if (kept.code != kInvalidDataFile)
            return DataFailure(kept, swap.target);
    }
    swap.way = RestoreSwap::Way::Renamed;
    return {};
}

ZipResult PlaceSwap(RestoreSwap& swap)
{
    if (swap.way == RestoreSwap::Way::ThroughData) {
        const DataError error = RestoreDataFileSnapshot(swap.staged, swap.target);
        if (!error.Ok())
            return DataFailure(error, swap.target);
    } else if (Exists(swap.staged)) { // not moved in yet
        std::error_code failure;
        QDir().mkpath(QFileInfo(swap.target).absolutePath());
        // The new file keeps the mode of the one it replaces (moved aside
        // already when an earlier run stopped part way), else takes that of
        // a new file of its directory; on a file system that keeps no modes
        // it goes in as it is.
        KeepMode(!Exists(swap.target) && Exists(swap.kept) ? swap.kept : swap.target, swap.staged);
        if (Exists(swap.target)) {
            // The old file is moved aside once; a second old file would be lost.
            if (Exists(swap.kept))
                return FileFailure(std::make_error_code(std::errc::file_exists), swap.kept);
            if (!Move(swap.target, swap.kept, failure))
                return FileFailure(failure, swap.target);
        }
        for (const char* suffix : kLogSuffixes) {
            const QString log = swap.target + QLatin1String(suffix);
            if (Exists(log) && !Move(log, swap.kept + QLatin1String(suffix), failure))
                return FileFailure(failure, log);
        }
        if (!Move(swap.staged, swap.target, failure))
            return FileFailure(failure, swap.target);
    }
    swap.placed = true;
    return {};
}

bool TakeBackSwap(const RestoreSwap& swap)
{
    switch (swap.way) {
    case RestoreSwap::Way::NotStarted:
        return true;
    case RestoreSwap::Way::ThroughData:
        return !Exists(swap.kept) || RestoreDataFileSnapshot(swap.kept, swap.target).Ok();
    case RestoreSwap::Way::Renamed:
        break;
    }
    std::error_code failure;
    bool back = true;
    if (Exists(swap.kept))
        back = Move(swap.kept, swap.target, failure);
    else if (!Exists(swap.staged) && Exists(swap.target))
        back = QFile::remove(swap.target); // it was new
    for (const char* suffix : kLogSuffixes) {
        const QString log = swap.kept + QLatin1String(suffix);
        if (Exists(log))
            back = Move(log, swap.target + QLatin1String(suffix), failure) && back;
    }
    return back;
}

} // namespace vl
