#include "platform/zip/LibzipError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace vl {

namespace {

int CodeOf(int libzip, int system)
{
    // Whatever libzip was doing (writing, seeking, renaming), the system's
    // word that there is no room is what the user must hear.
    if (system == ENOSPC || system == EFBIG || system == EDQUOT)
        return kZipDiskFull;
    switch (libzip) {
    case ZIP_ER_OK:
        return kZipOk;
    case ZIP_ER_WRITE:
    case ZIP_ER_CLOSE:
        return kZipWriteCentralDirectory;
    case ZIP_ER_TMPOPEN:
        return kZipCreateFileError;
    case ZIP_ER_RENAME:
        return -189; // "Replave archive error"
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
        return kZipOpenFileError;
    case ZIP_ER_NOZIP:
        return kZipFormatError;
    case ZIP_ER_INCONS:
        return kZipStructureError;
    case ZIP_ER_CRC:
        return kZipCrcError;
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return kZipBadPassword;
    case ZIP_ER_CANCELLED:
        return kZipAborted;
    case ZIP_ER_MEMORY:
        return -4;
    default:
        return kZipArchiveError;
    }
}

// The system's reason for a lack of room in plain words; libzip's own text
// for these is often only "Unknown error".
QString RoomText(int system)
{
    switch (system) {
    case EFBIG:
        return QStringLiteral("the archive would be larger than the system allows a file to be");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    default:
        return QStringLiteral("there is no space left on the disk");
    }
}

} // namespace

ZipResult FromLibzip(zip_error_t* error, const QString& about)
{
    const int code = CodeOf(zip_error_code_zip(error), zip_error_code_system(error));
    if (code == kZipOk)
        return {};
    QString detail = code == kZipDiskFull ? RoomText(zip_error_code_system(error))
                                          : QString::fromLocal8Bit(zip_error_strerror(error));
    if (!about.isEmpty())
        detail = about + QStringLiteral(": ") + detail;
    return ZipResult::Fail(code, detail);
}

ZipResult FromLibzipCode(int libzipCode, const QString& about)
{
    zip_error_t error;
    zip_error_init_with_code(&error, libzipCode);
    ZipResult result = FromLibzip(&error, about);
    zip_error_fini(&error);
    return result;
}

zip_t* OpenArchive(const QString& archive, bool create, ZipResult& result)
{
    if (archive.trimmed().isEmpty()) {
        result = ZipResult::Fail(kZipInvalidArchiveName);
        return nullptr;
    }
    int code = ZIP_ER_OK;
    int flags = ZIP_CHECKCONS | (create ? ZIP_CREATE : 0);
    // An empty file (made first to give a new archive its mode) holds
    // nothing to lose: written to, it becomes a new archive. Read, it is no
    // archive: a whole one, even without members, holds its end record.
    const QFileInfo file(archive);
    if (file.exists() && file.size() == 0) {
        if (!create) {
            result = ZipResult::Fail(kZipFormatError, archive + QStringLiteral(": the file is empty"));
            return nullptr;
        }
        flags |= ZIP_TRUNCATE;
    }
    zip_t* zip = zip_open(QFile::encodeName(archive).constData(), flags, &code);
    if (!zip)
        result = FromLibzipCode(code, archive);
    return zip;
}

} // namespace vl
