#pragma once
// Error codes and texts of the data file layer. Every table operation leaves
// one of these behind (0 = no error); nothing throws.

#include <QString>

namespace vl {

enum DataErrorCode : int {
    kNoError = 0,
    kFileNotFound = 2,
    kAccessDenied = 5,
    kIsLocked = 32,          // file locked or busy in another process
    kRecordNotAvailable = 33, // no record (end of a scan, no current record)
    kRecordNotFound = 35,    // Get by key or by pointer found nothing
    kInvalidDataFile = 36,   // a damaged file, or one that is no data file at all
    kFileNotOpen = 37,
    kDuplicateKey = 40,
    kKeysNeedRebuilding = 46,
    kInvalidRecordDeclaration = 47, // stored layout newer than / different from the program's
    kFileAlreadyOpen = 52,
    kFileSystemError = 90,   // any other failure of the storage engine
};

// The standard text of an error code ("Record Not Found"); empty for 0.
QString DataErrorText(int code);

struct DataError {
    int code = kNoError;
    QString text;          // DataErrorText(code), for 40 followed by the key's name
    QString file;          // the table's file name ("vldb\!s")
    QString key;           // for 40: the key that refused the record
    int driverCode = 0;    // the storage engine's own code, when it gave one
    QString driverMessage; // and its message

    bool Ok() const { return code == kNoError; }
    // For the last step of a walk over a table: true when it stopped on a
    // failure, not at the end of its key (33) or by the walker's own choice.
    bool WalkFailed() const { return code != kNoError && code != kRecordNotAvailable; }
    // The error text, a blank and the code in parentheses; for an engine
    // failure (90) the engine's message and its code: "Record Not Found (35)",
    // "disk I/O error (10)".
    QString Describe() const;

    static DataError Make(int code, const QString& file = QString());
    // Error 40 naming the key the record collides in (when known).
    static DataError DuplicateKey(const QString& key, const QString& file = QString());
};

} // namespace vl
