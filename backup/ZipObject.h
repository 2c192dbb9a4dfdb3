#pragma once
// The zip class of the backup programs: the archive being worked on, the
// listing of its members with totals and marks, and the choices of the
// unzip work (wildcard, password, target folder, extract options). Each
// program keeps one for its run.

#include "platform/runtime/Calendar.h"
#include "platform/zip/ZipError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace vl {

inline constexpr int kZipClassRelease = 2010;

// One member of the listing, in archive order.
struct ZipListingEntry {
    int index = 0;
    QString fileName;
    Date fileDate = 0;
    ClockTime fileTime = 0;
    uint32_t originalSize = 0;
    int ratio = 0; // percent
    uint32_t compressedSize = 0;
    QString method;
    QString crc32;
    QString attribute;
    QString fileComment;
    int diskNumber = 0;
    bool marked = false;
};

// Orders of the listing as offered to the user.
enum class ZipSortOrder { Index = 1, FileName, OriginalSize, Ratio, CompressedSize, FileDate };

class ZipObject {
public:
    QString archiveName; // blank: no archive open
    QList<ZipListingEntry> listing;
    int members = 0;
    int64_t originalSize = 0;
    int64_t compressedSize = 0;
    double compressionRatio = 0; // percent, two decimals
    int selectedFiles = 0;
    int64_t selectedBytes = 0;
    bool multiSelect = false;

    QString wildcard;    // blank: the marked members
    QString password;
    QString destinationDir;
    bool overwriteExistingFiles = false;
    bool useFolderNames = false;
    QString archiveComment;

    // Reads the listing and the comment of the archive named in archiveName
    // and sums the totals; false with the failure when it cannot be read (the
    // listing is then empty).
    bool LoadArchiveList(ZipResult* failure = nullptr);
    // Empties the listing, zeroes totals and marks, blanks the archive, the
    // wildcard, the password and the comment.
    void Clear();
    // Sorts the listing (ascending unless descending) and clears the marks.
    void Sort(ZipSortOrder order, bool descending);
    void SelectAll();
    // Clears every mark but that of the current row (-1: none).
    void DeselectAll(int currentRow = -1);
    // Sets selectedFiles and selectedBytes from the marks.
    void CountMarked();
    // The names of the marked members, for the unzip work.
    QStringList MarkedNames() const;
};

} // namespace vl
