#include "platform/zip/CentralDirectory.h"

#include <QByteArray>
#include <QFile>

namespace vl {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kLongestTail = kEndSize + 0xFFFF; // the end record and the longest comment
constexpr qint64 kEntrySize = 46;

uint64_t Little(const QByteArray& bytes, qint64 at, int size)
{
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

bool Has(const QByteArray& bytes, qint64 at, qint64 size)
{
    return at >= 0 && at + size <= bytes.size();
}

} // namespace

QList<CentralRecord> ReadCentralDirectory(const QString& archive)
{
    QFile file(archive);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kEndSize)
        return {};
    const qint64 tailStart = std::max<qint64>(0, file.size() - kLongestTail);
    file.seek(tailStart);
    const QByteArray tail = file.readAll();
    qint64 end = tail.size() - kEndSize;
    while (end >= 0 && Little(tail, end, 4) != kEndSignature)
        --end;
    if (end < 0)
        return {};
    uint64_t count = Little(tail, end + 10, 2);
    uint64_t offset = Little(tail, end + 16, 4);
    if (offset == 0xFFFFFFFF || count == 0xFFFF) {
        const qint64 locator = end - 20;
        if (!Has(tail, locator, 20) || Little(tail, locator, 4) != kZip64LocatorSignature)
            return {};
        const uint64_t zip64End = Little(tail, locator + 8, 8);
        if (zip64End > static_cast<uint64_t>(file.size()) || !file.seek(static_cast<qint64>(zip64End)))
            return {};
        const QByteArray record = file.read(56);
        if (!Has(record, 0, 56) || Little(record, 0, 4) != kZip64EndSignature)
            return {};
        count = Little(record, 32, 8);
        offset = Little(record, 48, 8);
    }
    // An offset past the end is a damaged or cut archive, not a directory.
    if (offset > static_cast<uint64_t>(file.size()) || !file.seek(static_cast<qint64>(offset)))
        return {};
    const QByteArray directory = file.read(file.size() - static_cast<qint64>(offset));
    QList<CentralRecord> records;
    qint64 at = 0;
    for (uint64_t n = 0; n < count; ++n) {
        if (!Has(directory, at, kEntrySize) || Little(directory, at, 4) != kEntrySignature)
            return {};
        CentralRecord record;
        record.flags = static_cast<uint16_t>(Little(directory, at + 8, 2));
        record.dosTime = static_cast<uint16_t>(Little(directory, at + 12, 2));
        record.dosDate = static_cast<uint16_t>(Little(directory, at + 14, 2));
        record.disk = static_cast<uint16_t>(Little(directory, at + 34, 2));
        records << record;
        at += kEntrySize + static_cast<qint64>(Little(directory, at + 28, 2) + Little(directory, at + 30, 2)
                                               + Little(directory, at + 32, 2));
    }
    return records;
}

} // namespace vl
