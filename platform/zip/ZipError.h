#pragma once
// Results of the zip and unzip work: 0 for done, a negative code of the zip
// libraries otherwise, with the text the backup programs show for it.

#include <QString>

namespace vl {

// The codes this layer gives (the full table of texts is in ZipErrorText).
enum ZipCode : int {
    kZipOk = 0,
    kZipRefusedPattern = -1,      // a file pattern that was refused before any work
    kZipAborted = -30,
    kZipInvalidArchiveName = -151,
    kZipNameNotMatched = -159,
    kZipEmpty = -164,
    kZipNothingToDo = -167,
    kZipCreateFileError = -169,
    kZipWriteCentralDirectory = -183,
    kZipFormatError = -2,
    kZipArchiveError = -3,
    kZipOpenFileError = -9,
    kZipCrcError = -15,
    kZipDiskFull = -50,
    kZipStructureError = -51,
    kZipUnsafeName = -52,      // a member whose name leads out of the target folder
    kZipBadPassword = -61,
};

// The text of a code: empty for 0, "Unknown error #" and the code for codes
// no table names.
QString ZipErrorText(int code);

// The detail of a disk-full failure found before the work: how much room
// the work needs in the folder and how much is free.
QString NoRoomText(qint64 needed, qint64 free, const QString& folder);

struct ZipResult {
    int code = kZipOk;
    // What the code is about: the member or file concerned, the system's
    // message. Empty when the code says it all.
    QString detail;

    bool Ok() const { return code == kZipOk; }
    static ZipResult Fail(int code, const QString& detail = QString()) { return {code, detail}; }
};

} // namespace vl
