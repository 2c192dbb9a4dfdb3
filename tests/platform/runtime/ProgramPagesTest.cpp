#include "platform/runtime/ProgramPages.h"

#include <QFile>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <sys/mman.h>

namespace vl {
namespace {

TEST(ProgramPages, OnlyPrivateReadOnlyFileMappingsAreGivenBack)
{
    const QByteArray maps = "55d0c0000000-55d0c0100000 r-xp 00001000 fd:01 1234 /usr/bin/prog\n"
                            "55d0c0100000-55d0c0110000 r--p 00101000 fd:01 1234 /usr/bin/prog\n"
                            "55d0c0110000-55d0c0120000 rw-p 00111000 fd:01 1234 /usr/bin/prog\n"
                            "55d0c1000000-55d0c1400000 rw-p 00000000 00:00 0 [heap]\n"
                            "7f0000000000-7f0000100000 rw-s 00000000 00:01 77 /memfd:xorg (deleted)\n"
                            "7f0000100000-7f0000200000 r--s 00000000 fd:01 88 /usr/share/fonts/a.ttf\n"
                            "7f0000200000-7f0000300000 ---p 00000000 00:00 0\n"
                            "7ffd00000000-7ffd00002000 r-xp 00000000 00:00 0 [vdso]\n"
                            "7f0000300000-7f0000400000 r--p 00000000 fd:01 99 /usr/lib/locale/C.utf8/LC_CTYPE\n"
                            "zz-7f0000500000 r--p 00000000 fd:01 99 /usr/lib/cut\n"
                            "7f0000500000-7f0000500000 r--p 00000000 fd:01 99 /usr/lib/empty\n"
                            "7f0000600000-7f00006";
    const std::vector<MappedRange> expected = {{0x55d0c0000000, 0x55d0c0100000},
                                               {0x55d0c0100000, 0x55d0c0110000},
                                               {0x7f0000300000, 0x7f0000400000}};
    EXPECT_EQ(ReadOnlyFileMappings(maps), expected);
}

TEST(ProgramPages, AReadOnlyFileMappingOfThisProcessIsFoundAndGivenBack)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write(QByteArray(1 << 16, 'x')) == 1 << 16 && file.flush());
    void* mapped = mmap(nullptr, 1 << 16, PROT_READ, MAP_PRIVATE, file.handle(), 0);
    ASSERT_NE(mapped, MAP_FAILED);
    EXPECT_EQ(static_cast<const char*>(mapped)[100], 'x');

    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    bool found = false;
    for (const MappedRange& range : ReadOnlyFileMappings(maps.readAll()))
        found = found || (range.start <= start && start < range.end);
    EXPECT_TRUE(found);
    ReleaseReadOnlyFilePages();
    // Whatever the kernel gave back, the file's content reads as before.
    EXPECT_EQ(static_cast<const char*>(mapped)[(1 << 16) - 1], 'x');
    munmap(mapped, 1 << 16);
}

} // namespace
} // namespace vl
