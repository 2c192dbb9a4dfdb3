// Listing, testing and extracting (ZipArchive.h).

#include "platform/zip/CentralDirectory.h"
#include "platform/zip/LibzipError.h"
#include "platform/zip/ZipArchive.h"
#include "platform/zip/ZipNames.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cmath>
#include <ctime>
#include <memory>
#include <sys/stat.h>

namespace vl {

namespace {

constexpr qint64 kChunk = 64 * 1024;
// Compression beyond this ratio is no file's data but a trap that fills the
// disk; small members are let through whatever their ratio.
constexpr zip_uint64_t kMaxExpansion = 250;
constexpr zip_uint64_t kRatioFreeSize = 1024 * 1024;

struct ArchiveCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

void DosStamp(time_t stamp, ZipEntry& entry)
{
    std::tm local{};
    localtime_r(&stamp, &local);
    entry.dosDate = static_cast<uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    entry.dosTime = static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
}

ZipEntry EntryOf(zip_t* zip, zip_uint64_t index)
{
    ZipEntry entry;
    entry.index = static_cast<int>(index) + 1;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0)
        return entry;
    entry.name = QString::fromUtf8(stat.name);
    entry.size = static_cast<uint32_t>(stat.size);
    entry.compressedSize = static_cast<uint32_t>(stat.comp_size);
    entry.crc = stat.crc;
    entry.method = stat.comp_method;
    entry.encrypted = stat.encryption_method != ZIP_EM_NONE;
    if (stat.size > 0)
        entry.ratio = static_cast<int>(std::lround((1.0 - double(stat.comp_size) / double(stat.size)) * 100.0));
    DosStamp(stat.mtime, entry);
    zip_uint32_t length = 0;
    if (const char* comment = zip_file_get_comment(zip, index, &length, 0))
        entry.comment = QString::fromUtf8(comment, length);
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip, index, 0, &system, &attributes) == 0)
        entry.attributes = attributes;
    return entry;
}

// The members a job chooses, in archive order.
QList<zip_uint64_t> Chosen(zip_t* zip, const UnzipJob& job)
{
    QList<zip_uint64_t> chosen;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(zip, static_cast<zip_uint64_t>(index), 0);
        if (name && (job.patterns.isEmpty() || ChosenMember(job.patterns, job.exactNames, QString::fromUtf8(name))))
            chosen << static_cast<zip_uint64_t>(index);
    }
    return chosen;
}

// Reads one member through, handing each piece to the sink (which may be
// null) and reporting the item's percentage.
ZipResult ReadMember(zip_t* zip, zip_uint64_t index, const UnzipJob& job, ZipProgress& progress,
                     QIODevice* sink)
{
    const QString name = QString::fromUtf8(zip_get_name(zip, index, 0));
    zip_stat_t stat;
    zip_stat_init(&stat);
    zip_stat_index(zip, index, 0, &stat);
    const QByteArray password = job.password.toUtf8();
    zip_file_t* file =
        zip_fopen_index_encrypted(zip, index, 0, job.password.isEmpty() ? nullptr : password.constData());
    if (!file)
        return FromLibzip(zip_get_error(zip), name);
    QByteArray buffer(kChunk, Qt::Uninitialized);
    zip_uint64_t done = 0;
    ZipResult result;
    progress.Percent(0);
    for (;;) {
        if (progress.Aborted()) {
            result = ZipResult::Fail(kZipAborted);
            break;
        }
        const zip_int64_t read = zip_fread(file, buffer.data(), static_cast<zip_uint64_t>(buffer.size()));
        if (read < 0) {
            result = FromLibzip(zip_file_get_error(file), name);
            break;
        }
        if (read == 0)
            break;
        if (done + static_cast<zip_uint64_t>(read) > stat.size) {
            result = ZipResult::Fail(kZipStructureError, name + QStringLiteral(": more data than its listed size"));
            break;
        }
        if (sink && sink->write(buffer.constData(), read) != read) {
            result = ZipResult::Fail(kZipDiskFull, sink->errorString());
            break;
        }
        done += static_cast<zip_uint64_t>(read);
        if (stat.size > 0)
            progress.Percent(static_cast<int>(std::min<zip_uint64_t>(100, done * 100 / stat.size)));
    }
    zip_fclose(file);
    return result;
}

bool IsLinkMember(zip_t* zip, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    return zip_file_get_external_attributes(zip, index, 0, &system, &attributes) == 0 && system == ZIP_OPSYS_UNIX
           && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// The checks before anything is written: every chosen name stays below the
// target folder, also through links already there; no member is a link; no
// member expands beyond reason, and all of them fit the free room.
ZipResult CheckTargets(zip_t* zip, const QList<zip_uint64_t>& chosen, const UnzipJob& job)
{
    const QString root = QFileInfo(job.targetDir).canonicalFilePath();
    if (root.isEmpty())
        return ZipResult::Fail(kZipCreateFileError, job.targetDir);
    zip_uint64_t room = 0;
    for (zip_uint64_t index : chosen) {
        const QString name = QString::fromUtf8(zip_get_name(zip, index, 0));
        if (!IsSafeMemberName(name))
            return ZipResult::Fail(kZipUnsafeName, name);
        if (IsLinkMember(zip, index))
            return ZipResult::Fail(kZipUnsafeName, name + QStringLiteral(": a link, not a file"));
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip, index, 0, &stat) == 0 && stat.size > kRatioFreeSize
            && stat.size / std::max<zip_uint64_t>(stat.comp_size, 1) > kMaxExpansion)
            return ZipResult::Fail(kZipStructureError,
                                   name + QStringLiteral(": expands %1 times, more than any real file")
                                              .arg(stat.size / std::max<zip_uint64_t>(stat.comp_size, 1)));
        const QString relative = MemberTargetPath(name, job.useFolderNames);
        if (relative.isEmpty())
            continue;
        room += stat.size;
        // A link in the way could lead the file elsewhere: the target must not
        // be one, and the nearest folder of it that exists must lie inside the
        // target folder once links are resolved.
        const QFileInfo target(QDir(root).filePath(relative));
        if (target.isSymLink())
            return ZipResult::Fail(kZipUnsafeName, name);
        QFileInfo folder(target.absolutePath());
        while (!folder.exists())
            folder = QFileInfo(folder.absolutePath());
        const QString real = folder.canonicalFilePath();
        if (real != root && !real.startsWith(root + QLatin1Char('/')))
            return ZipResult::Fail(kZipUnsafeName, name);
    }
    const qint64 free = QStorageInfo(root).bytesAvailable();
    if (free >= 0 && room > static_cast<zip_uint64_t>(free))
        return ZipResult::Fail(kZipDiskFull, NoRoomText(static_cast<qint64>(room), free, root));
    return {};
}

ZipResult ExtractMember(zip_t* zip, zip_uint64_t index, const UnzipJob& job, ZipProgress& progress,
                        QStringList* written)
{
    const QString name = QString::fromUtf8(zip_get_name(zip, index, 0));
    const QString relative = MemberTargetPath(name, job.useFolderNames);
    if (relative.isEmpty())
        return {};
    const QString target = QDir(job.targetDir).absoluteFilePath(relative);
    if (name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\')))
        return QDir().mkpath(target) ? ZipResult() : ZipResult::Fail(kZipCreateFileError, target);
    if (QFileInfo::exists(target) && !job.overwrite)
        return {};
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return ZipResult::Fail(kZipCreateFileError, target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return ZipResult::Fail(kZipCreateFileError, target + QStringLiteral(": ") + out.errorString());
    const ZipResult result = ReadMember(zip, index, job, progress, &out);
    if (!result.Ok()) {
        out.cancelWriting();
        return result;
    }
    if (!out.commit())
        return ZipResult::Fail(kZipDiskFull, target + QStringLiteral(": ") + out.errorString());
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_MTIME)) {
        QFile stamped(target);
        if (stamped.open(QIODevice::ReadWrite))
            stamped.setFileTime(QDateTime::fromSecsSinceEpoch(stat.mtime), QFileDevice::FileModificationTime);
    }
    if (written)
        *written << target;
    return {};
}

// Runs the work on each chosen member in turn.
template <class Work>
ZipResult ForEachChosen(const UnzipJob& job, ZipProgress& progress, bool extracting, Work work)
{
    ZipResult result;
    Archive zip(OpenArchive(job.archive, false, result));
    if (!zip)
        return result;
    const QList<zip_uint64_t> chosen = Chosen(zip.get(), job);
    if (chosen.isEmpty())
        return ZipResult::Fail(zip_get_num_entries(zip.get(), 0) == 0 ? kZipEmpty : kZipNameNotMatched);
    if (extracting) {
        result = CheckTargets(zip.get(), chosen, job);
        if (!result.Ok())
            return result;
    }
    for (zip_uint64_t index : chosen) {
        progress.Item(QString::fromUtf8(zip_get_name(zip.get(), index, 0)));
        result = work(zip.get(), index);
        if (!result.Ok())
            return result;
    }
    return {};
}

} // namespace

ZipResult ListArchive(const QString& archive, ZipListing& listing)
{
    listing = ZipListing();
    ZipResult result;
    Archive zip(OpenArchive(archive, false, result));
    if (!zip)
        return result;
    int length = 0;
    if (const char* comment = zip_get_archive_comment(zip.get(), &length, 0))
        listing.comment = QString::fromUtf8(comment, length);
    const QList<CentralRecord> records = ReadCentralDirectory(archive);
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        ZipEntry entry = EntryOf(zip.get(), static_cast<zip_uint64_t>(index));
        if (records.size() == count) {
            const CentralRecord& record = records.at(index);
            entry.optionFlags = record.flags & 0x6;
            entry.dosDate = record.dosDate;
            entry.dosTime = record.dosTime;
            entry.disk = record.disk;
        }
        listing.entries << entry;
    }
    return {};
}

ZipResult TestArchive(const UnzipJob& job, ZipProgress& progress)
{
    return ForEachChosen(job, progress, false, [&](zip_t* zip, zip_uint64_t index) {
        return ReadMember(zip, index, job, progress, nullptr);
    });
}

ZipResult CheckExtract(const UnzipJob& job)
{
    ZipResult result;
    Archive zip(OpenArchive(job.archive, false, result));
    if (!zip)
        return result;
    const QList<zip_uint64_t> chosen = Chosen(zip.get(), job);
    if (chosen.isEmpty())
        return ZipResult::Fail(zip_get_num_entries(zip.get(), 0) == 0 ? kZipEmpty : kZipNameNotMatched);
    return CheckTargets(zip.get(), chosen, job);
}

ZipResult ExtractArchive(const UnzipJob& job, ZipProgress& progress, QStringList* written)
{
    return ForEachChosen(job, progress, true, [&](zip_t* zip, zip_uint64_t index) {
        return ExtractMember(zip, index, job, progress, written);
    });
}

QString ZipLibraryRelease()
{
    return QString::fromLatin1(zip_libzip_version());
}

} // namespace vl
