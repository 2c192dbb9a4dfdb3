#include "platform/runtime/ProgramPages.h"

#include <QFile>
#include <QList>

#include <sys/mman.h>

namespace vl {

std::vector<MappedRange> ReadOnlyFileMappings(const QByteArray& maps)
{
    std::vector<MappedRange> ranges;
    for (const QByteArray& line : maps.split('\n')) {
        // start-end perms offset device inode path
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6)
            continue;
        const QByteArray& perms = fields[1];
        const bool readOnlyPrivate = perms.size() == 4 && perms[0] == 'r' && perms[1] == '-' && perms[3] == 'p';
        const bool file = fields[4] != "0" && fields[5].startsWith('/');
        const QList<QByteArray> bounds = fields[0].split('-');
        bool startRead = false;
        bool endRead = false;
        const MappedRange range{static_cast<std::uintptr_t>(bounds.value(0).toULongLong(&startRead, 16)),
                                static_cast<std::uintptr_t>(bounds.value(1).toULongLong(&endRead, 16))};
        if (readOnlyPrivate && file && startRead && endRead && range.start < range.end)
            ranges.push_back(range);
    }
    return ranges;
}

int ReleaseReadOnlyFilePages()
{
#ifdef MADV_PAGEOUT
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    int released = 0;
    for (const MappedRange& range : ReadOnlyFileMappings(maps.readAll())) {
        // A kernel without the advice refuses it; the pages then stay.
        if (madvise(reinterpret_cast<void*>(range.start), range.end - range.start, MADV_PAGEOUT) == 0)
            ++released;
    }
    return released;
#else
    return 0;
#endif
}

} // namespace vl
