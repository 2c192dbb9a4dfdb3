#pragma once
// The backup manager's zip preferences and how they turn into the zip
// work's action, compression level and option bits.

#include <QString>

namespace vl {

// Choices as the preferences window shows them.
enum class AddActionChoice { AddReplace = 1, Freshen = 2, UpdateAdd = 3 };
enum class CompressionChoice { Fast = 1, Normal = 2, Extra = 3, Store = 4 };
enum class PathChoice { NoPath = 1, Relative = 2, FullPath = 3 };

struct ZipPreferences {
    int compressionLevelSwitch = int(CompressionChoice::Normal);
    int pathInformationSwitch = int(PathChoice::Relative);
    bool recurseSubdirectories = false;
    int action = int(AddActionChoice::AddReplace);
    bool systemAndHidden = false;
    bool moveFiles = false;
    bool latestDate = false;
    bool createMultipleVolume = false;
    bool addFileComment = false;
    bool addArchiveComment = false;
    bool encryptData = false;
    bool useTempDir = false;
    QString tempDir;
    QString beforeDate; // eight digits, month, day, year; blank: every date
    QString afterDate;
};

// The zip work's actions and levels.
enum ZipActionCode : int { kZipActionNone = 0, kZipActionDelete = 1, kZipActionAdd = 2, kZipActionUpdate = 3,
                           kZipActionFreshen = 4 };

// Option bits of an add.
enum ZipOptionBit : int {
    kOptTempDir = 4096,
    kOptMultipleVolume = 16384,
    kOptLatestDate = 1024,
    kOptSystemHidden = 512,
    kOptMoveFiles = 256,
    kOptFullPath = 128,
    kOptFileComment = 64,
    kOptArchiveComment = 32,
    kOptEncrypt = 16,
};

// What the add learnt besides the preferences: a file comment and a password
// entered in their dialogs, a temporary folder that could be used.
struct AddAnswers {
    bool fileCommentEntered = false;
    QString fileComment;
    bool passwordEntered = false;
    QString password;
    bool tempDirAccepted = false;
};

// Action 1 gives 2 (add), 2 gives 4 (freshen), 3 gives 3 (update), else 0.
int ZipActionCodeOf(int actionSwitch);
// Fast 1, Normal 6, Extra 9, Store 0, else 0.
int ZipLevelOf(int compressionSwitch);
int ZipOptionBitsOf(const ZipPreferences& preferences, const AddAnswers& answers);

} // namespace vl
