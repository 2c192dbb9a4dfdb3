#include "platform/data/DataError.h"

namespace vl {

namespace {

// The engine's failures of the disk in words a user acts on; the engine's
// own words for anything else.
QString PlainDriverText(int driverCode, const QString& driverMessage)
{
    switch (driverCode & 0xff) {
    case 13: return QStringLiteral("The disk is full");
    case 10: return QStringLiteral("The disk could not be read or written");
    case 7: return QStringLiteral("Out of memory");
    default: return driverMessage;
    }
}

} // namespace

QString DataErrorText(int code)
{
    switch (code) {
    case kNoError: return QString();
    case kFileNotFound: return QStringLiteral("File Not Found");
    case kAccessDenied: return QStringLiteral("Access Denied");
    case kIsLocked: return QStringLiteral("File Is Already Locked");
    case kRecordNotAvailable: return QStringLiteral("Record Not Available");
    case kRecordNotFound: return QStringLiteral("Record Not Found");
    case kInvalidDataFile: return QStringLiteral("Invalid Data File");
    case kFileNotOpen: return QStringLiteral("File Not Open");
    case kDuplicateKey: return QStringLiteral("Creates Duplicate Key");
    case kKeysNeedRebuilding: return QStringLiteral("Key Files Must Be Rebuilt");
    case kInvalidRecordDeclaration: return QStringLiteral("Invalid Record Declaration");
    case kFileAlreadyOpen: return QStringLiteral("File Already Open");
    case kFileSystemError: return QStringLiteral("File System Error");
    default: return QStringLiteral("Error %1").arg(code);
    }
}

QString DataError::Describe() const
{
    if (code == kNoError)
        return QString();
    if (code == kFileSystemError && !driverMessage.isEmpty())
        return QStringLiteral("%1 (%2)").arg(PlainDriverText(driverCode, driverMessage)).arg(driverCode);
    return QStringLiteral("%1 (%2)").arg(text).arg(code);
}

DataError DataError::Make(int code, const QString& file)
{
    DataError error;
    error.code = code;
    error.text = DataErrorText(code);
    error.file = file;
    return error;
}

DataError DataError::DuplicateKey(const QString& key, const QString& file)
{
    DataError error = Make(kDuplicateKey, file);
    error.key = key;
    if (!key.isEmpty())
        error.text += QStringLiteral(": ") + key;
    return error;
}

} // namespace vl
