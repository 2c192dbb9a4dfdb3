#include "backup/ZipObject.h"

#include "backup/ZipListingText.h"
#include "platform/zip/ZipArchive.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {

ZipListingEntry ListingEntry(const ZipEntry& entry)
{
    ZipListingEntry row;
    row.index = entry.index;
    row.fileName = entry.name;
    row.fileDate = DateFromDos(entry.dosDate);
    row.fileTime = TimeFromDos(entry.dosTime);
    row.originalSize = entry.size;
    row.ratio = entry.ratio;
    row.compressedSize = entry.compressedSize;
    row.method = MethodName(entry.method, entry.optionFlags);
    row.crc32 = CrcText(entry.crc);
    row.attribute = AttributeText(entry.attributes);
    row.fileComment = entry.comment;
    row.diskNumber = entry.disk;
    return row;
}

// The key of a row in an order; rows equal in it keep their archive order.
template <class Key>
void SortBy(QList<ZipListingEntry>& rows, bool descending, Key key)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const ZipListingEntry& a, const ZipListingEntry& b) {
        return descending ? key(b) < key(a) : key(a) < key(b);
    });
}

} // namespace

bool ZipObject::LoadArchiveList(ZipResult* failure)
{
    if (archiveName.trimmed().isEmpty())
        return false;
    listing.clear();
    members = 0;
    originalSize = compressedSize = 0;
    compressionRatio = 0;
    ZipListing read;
    const ZipResult result = ListArchive(archiveName, read);
    if (failure)
        *failure = result;
    if (!result.Ok())
        return false;
    archiveComment = read.comment;
    for (const ZipEntry& entry : read.entries) {
        listing << ListingEntry(entry);
        originalSize += entry.size;
        compressedSize += entry.compressedSize;
    }
    members = static_cast<int>(listing.size());
    // The share saved, in percent also when the archive grew; nothing saved
    // of nothing.
    if (originalSize > 0)
        compressionRatio =
            std::round((1.0 - double(compressedSize) / double(originalSize)) * 10000.0) / 100.0;
    return true;
}

void ZipObject::Clear()
{
    listing.clear();
    members = 0;
    originalSize = compressedSize = 0;
    compressionRatio = 0;
    selectedFiles = 0;
    selectedBytes = 0;
    multiSelect = false;
    wildcard.clear();
    password.clear();
    archiveName.clear();
    archiveComment.clear();
}

void ZipObject::Sort(ZipSortOrder order, bool descending)
{
    switch (order) {
    case ZipSortOrder::Index:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.index; });
        break;
    case ZipSortOrder::FileName:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.fileName.toUpper(); });
        break;
    case ZipSortOrder::OriginalSize:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.originalSize; });
        break;
    case ZipSortOrder::Ratio:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.ratio; });
        break;
    case ZipSortOrder::CompressedSize:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.compressedSize; });
        break;
    case ZipSortOrder::FileDate:
        SortBy(listing, descending, [](const ZipListingEntry& row) { return row.fileDate; });
        break;
    default:
        return;
    }
    DeselectAll();
}

void ZipObject::SelectAll()
{
    multiSelect = true;
    for (ZipListingEntry& row : listing)
        row.marked = true;
}

void ZipObject::DeselectAll(int currentRow)
{
    for (int row = 0; row < listing.size(); ++row) {
        if (row != currentRow)
            listing[row].marked = false;
    }
    multiSelect = false;
}

void ZipObject::CountMarked()
{
    selectedFiles = 0;
    selectedBytes = 0;
    for (const ZipListingEntry& row : listing) {
        if (row.marked) {
            ++selectedFiles;
            selectedBytes += row.originalSize;
        }
    }
}

QStringList ZipObject::MarkedNames() const
{
    QStringList names;
    for (const ZipListingEntry& row : listing) {
        if (row.marked)
            names << row.fileName;
    }
    return names;
}

} // namespace vl
