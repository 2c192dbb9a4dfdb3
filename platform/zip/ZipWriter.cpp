// Adding and deleting members (ZipArchive.h).

#include "platform/zip/LibzipError.h"
#include "platform/zip/ZipArchive.h"
#include "platform/zip/ZipNames.h"
#include "platform/zip/WorkFolder.h"
#include "platform/runtime/FileModes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace vl {

namespace {

// Turns libzip's overall fraction into the item being written and its
// percentage, from the sizes of the files added (in the order written).
class WriteProgress {
public:
    WriteProgress(ZipProgress& progress, QList<QPair<QString, qint64>> items)
        : progress_(progress), items_(std::move(items))
    {
        for (const auto& item : items_)
            total_ += std::max<qint64>(1, item.second);
    }

    void Fraction(double fraction)
    {
        double at = fraction * double(total_);
        for (int n = 0; n < items_.size(); ++n) {
            const double size = double(std::max<qint64>(1, items_.at(n).second));
            if (at < size || n == items_.size() - 1) {
                if (n != current_) {
                    current_ = n;
                    progress_.Item(items_.at(n).first);
                }
                progress_.Percent(static_cast<int>(std::clamp(at * 100.0 / size, 0.0, 100.0)));
                return;
            }
            at -= size;
        }
    }

    bool Aborted() { return progress_.Aborted(); }

private:
    ZipProgress& progress_;
    QList<QPair<QString, qint64>> items_;
    qint64 total_ = 0;
    int current_ = -1;
};

void OnProgress(zip_t*, double fraction, void* state)
{
    static_cast<WriteProgress*>(state)->Fraction(fraction);
}

int OnCancel(zip_t*, void* state)
{
    return static_cast<WriteProgress*>(state)->Aborted() ? 1 : 0;
}

// Writes the changed archive in place of the old one (libzip's temporary
// file and rename); on failure the old one stays and the changes are dropped.
ZipResult Close(zip_t* zip, WriteProgress& progress, const QString& archive)
{
    zip_register_progress_callback_with_state(zip, 0.01, OnProgress, nullptr, &progress);
    zip_register_cancel_callback_with_state(zip, OnCancel, nullptr, &progress);
    if (zip_close(zip) == 0)
        return {};
    const ZipResult result = FromLibzip(zip_get_error(zip), archive);
    zip_discard(zip);
    return result;
}

// A failure of the system's call, in the zip libraries' codes.
ZipResult SystemFailure(int libzipCode, int system, const QString& about)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_error_set(&error, libzipCode, system);
    const ZipResult result = FromLibzip(&error, about);
    zip_error_fini(&error);
    return result;
}

// The archive written aside: libzip works on a draft inside a work folder
// beside the archive (a link to the archive, a copy of it where the file
// system has no links, or a new empty file with the mode of a new archive)
// and writes its own temporary file there, and the result takes the
// archive's name only once it is complete. A run that dies leaves nothing
// under the archive's name but what was there; its work folder goes with
// the next run's clean-up.
class ArchiveDraft {
public:
    explicit ArchiveDraft(const QString& archive)
        : archive_(QFileInfo(archive).absoluteFilePath()), folder_(QFileInfo(archive_).absolutePath())
    {
    }

    ZipResult Prepare()
    {
        if (!folder_.isValid())
            return ZipResult::Fail(kZipCreateFileError, archive_ + QStringLiteral(": ") + folder_.errorString());
        draft_ = folder_.filePath(QFileInfo(archive_).fileName());
        const QByteArray from = QFile::encodeName(archive_);
        const QByteArray to = QFile::encodeName(draft_);
        if (!QFileInfo::exists(archive_))
            return CreatePrivateFile(draft_) ? ZipResult() : ZipResult::Fail(kZipCreateFileError, archive_);
        if (::link(from.constData(), to.constData()) == 0)
            return {};
        std::error_code failure;
        std::filesystem::copy_file(from.toStdString(), to.toStdString(), failure);
        return failure ? SystemFailure(ZIP_ER_WRITE, failure.value(), archive_) : ZipResult();
    }

    QString Path() const { return draft_; }

    // Puts the written draft in the archive's place; an archive libzip left
    // without members (it removes the file) is removed.
    ZipResult Commit()
    {
        if (!QFileInfo::exists(draft_))
            return QFile::exists(archive_) && !QFile::remove(archive_)
                       ? ZipResult::Fail(kZipCreateFileError, archive_)
                       : ZipResult();
        if (::rename(QFile::encodeName(draft_).constData(), QFile::encodeName(archive_).constData()) != 0)
            return SystemFailure(ZIP_ER_RENAME, errno, archive_);
        return {};
    }

private:
    QString archive_;
    WorkFolder folder_;
    QString draft_;
};

// Whether a member is to be written for the file under the job's action.
bool Wanted(zip_t* zip, zip_int64_t existing, const QFileInfo& source, ZipAction action)
{
    if (action == ZipAction::AddReplace)
        return true;
    if (existing < 0)
        return action == ZipAction::Update;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, static_cast<zip_uint64_t>(existing), 0, &stat) != 0)
        return true;
    return source.lastModified().toSecsSinceEpoch() > stat.mtime + 1; // MS-DOS times keep even seconds
}

ZipResult AddOne(zip_t* zip, const ZipAddFile& file, const ZipAddJob& job, bool& added)
{
    const QFileInfo source(file.source);
    if (!source.isFile() || !source.isReadable())
        return ZipResult::Fail(kZipOpenFileError, file.source);
    const QByteArray name = file.name.toUtf8();
    const zip_int64_t existing = zip_name_locate(zip, name.constData(), ZIP_FL_NOCASE);
    if (!Wanted(zip, existing, source, job.action))
        return {};
    zip_source_t* data = zip_source_file(zip, QFile::encodeName(file.source).constData(), 0, 0);
    if (!data)
        return FromLibzip(zip_get_error(zip), file.source);
    zip_int64_t index = existing;
    if (existing >= 0) {
        if (zip_file_replace(zip, static_cast<zip_uint64_t>(existing), data, 0) != 0) {
            zip_source_free(data);
            return FromLibzip(zip_get_error(zip), file.name);
        }
    } else {
        index = zip_file_add(zip, name.constData(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            return FromLibzip(zip_get_error(zip), file.name);
        }
    }
    const zip_uint64_t at = static_cast<zip_uint64_t>(index);
    const int method = job.level == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    bool set = zip_set_file_compression(zip, at, method, static_cast<zip_uint32_t>(job.level)) == 0;
    if (set && !job.password.isEmpty())
        set = zip_file_set_encryption(zip, at, ZIP_EM_AES_256, job.password.toUtf8().constData()) == 0;
    if (set && !job.fileComment.isEmpty()) {
        const QByteArray comment = job.fileComment.toUtf8();
        set = zip_file_set_comment(zip, at, comment.constData(), static_cast<zip_uint16_t>(comment.size()),
                                   ZIP_FL_ENC_UTF_8)
              == 0;
    }
    if (!set)
        return FromLibzip(zip_get_error(zip), file.name);
    added = true;
    return {};
}

ZipResult AddMembers(const ZipAddJob& job, const QString& draft, ZipProgress& progress)
{
    ZipResult result;
    zip_t* zip = OpenArchive(draft, true, result);
    if (!zip)
        return result;
    bool changed = false;
    QList<QPair<QString, qint64>> items;
    for (const ZipAddFile& file : job.files) {
        bool added = false;
        result = AddOne(zip, file, job, added);
        if (!result.Ok()) {
            zip_discard(zip);
            return result;
        }
        if (added)
            items.append({file.name, QFileInfo(file.source).size()});
        changed = changed || added;
    }
    if (job.setArchiveComment) {
        const QByteArray comment = job.archiveComment.toUtf8();
        if (zip_set_archive_comment(zip, comment.constData(), static_cast<zip_uint16_t>(comment.size())) != 0) {
            result = FromLibzip(zip_get_error(zip), job.archive);
            zip_discard(zip);
            return result;
        }
        changed = true;
    }
    if (!changed) {
        zip_discard(zip);
        return ZipResult::Fail(kZipNothingToDo);
    }
    WriteProgress writing(progress, items);
    return Close(zip, writing, job.archive);
}

ZipResult DeleteMembers(const QString& archive, const QString& draft, const QStringList& patterns,
                        ZipProgress& progress, bool exactNames)
{
    ZipResult result;
    zip_t* zip = OpenArchive(draft, false, result);
    if (!zip)
        return result;
    int deleted = 0;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const QString name = QString::fromUtf8(zip_get_name(zip, static_cast<zip_uint64_t>(index), 0));
        if (ChosenMember(patterns, exactNames, name)) {
            progress.Item(name);
            zip_delete(zip, static_cast<zip_uint64_t>(index));
            ++deleted;
        }
    }
    if (deleted == 0) {
        zip_discard(zip);
        return ZipResult::Fail(count == 0 ? kZipEmpty : kZipNameNotMatched);
    }
    WriteProgress writing(progress, {});
    return Close(zip, writing, archive);
}

// Runs the write on a draft of the archive and puts the draft in its place
// when the write succeeded.
template <class Write>
ZipResult WriteAside(const QString& archive, Write write)
{
    if (archive.trimmed().isEmpty())
        return ZipResult::Fail(kZipInvalidArchiveName);
    ArchiveDraft draft(archive);
    ZipResult result = draft.Prepare();
    if (result.Ok())
        result = write(draft.Path());
    return result.Ok() ? draft.Commit() : result;
}

} // namespace

ZipResult AddToArchive(const ZipAddJob& job, ZipProgress& progress)
{
    return WriteAside(job.archive, [&](const QString& draft) { return AddMembers(job, draft, progress); });
}

ZipResult DeleteFromArchive(const QString& archive, const QStringList& patterns, ZipProgress& progress,
                            bool exactNames)
{
    return WriteAside(archive, [&](const QString& draft) {
        return DeleteMembers(archive, draft, patterns, progress, exactNames);
    });
}

} // namespace vl
