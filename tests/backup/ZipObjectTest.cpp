#include "backup/ZipListingText.h"
#include "backup/ZipObject.h"
#include "platform/zip/ZipArchive.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

namespace vl {
namespace {

TEST(ZipListingText, RawFieldsAreShownAsTheListingShowsThem)
{
    EXPECT_EQ(TimeFromDos((13 << 11) | (45 << 5) | 29), MakeClock(13, 45, 58));
    EXPECT_EQ(DateFromDos(((2024 - 1980) << 9) | (2 << 5) | 29), MakeDate(2, 29, 2024));
    EXPECT_EQ(CrcText(0x0A1B2C3D), "0a1b2c3d");
    const struct {
        uint32_t attributes;
        const char* text;
    } attributes[] = {{0x21, "r  a   "}, {0x18, "    V  "}, {0x10, "    D  "}, {0x4006, " hs  + "}, {0, "       "}};
    for (const auto& c : attributes)
        EXPECT_EQ(AttributeText(c.attributes), c.text) << c.attributes;
    const struct {
        int method;
        uint16_t flags;
        const char* name;
    } methods[] = {{0, 0, "Stored"}, {6, 0, "Imploded"}, {8, 0, "DeflatedN"}, {8, 2, "DeflatedX"},
                   {8, 4, "DeflatedF"}, {8, 6, "DeflatedS"}, {8, 1, ""}, {12, 0, "Undefined"}};
    for (const auto& c : methods)
        EXPECT_EQ(MethodName(c.method, c.flags), c.name) << c.method << "/" << c.flags;
}

class ZipObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Three members that compress differently: text, a little, nothing.
        test::WriteTextFile("b.txt", QString("abc").repeated(3000));
        test::WriteTextFile("a.txt", "Only a short line of text, hardly compressible.");
        test::WriteTextFile("c.txt", QString());
        ZipAddJob job;
        job.archive = test::TestPath("list.zip");
        job.level = 6;
        for (const char* name : {"b.txt", "a.txt", "c.txt"})
            job.files.append({test::TestPath(name), name});
        ZipProgress quiet;
        ASSERT_TRUE(AddToArchive(job, quiet).Ok());
        zip.archiveName = job.archive;
    }

    QStringList Names() const
    {
        QStringList names;
        for (const ZipListingEntry& row : zip.listing)
            names << row.fileName;
        return names;
    }

    ZipObject zip;
};

TEST_F(ZipObjectTest, ListingCarriesTotalsAndTheSavedShare)
{
    ASSERT_TRUE(zip.LoadArchiveList());
    EXPECT_EQ(zip.members, 3);
    EXPECT_EQ(zip.originalSize, 9000 + 47);
    EXPECT_EQ(zip.listing.at(0).index, 1);
    EXPECT_EQ(zip.listing.at(0).method, "DeflatedN");
    EXPECT_EQ(zip.listing.at(0).crc32.size(), 8);
    EXPECT_NEAR(zip.compressionRatio, (1.0 - double(zip.compressedSize) / double(zip.originalSize)) * 100.0, 0.01);

    zip.archiveName = test::TestPath("missing.zip");
    ZipResult failure;
    EXPECT_FALSE(zip.LoadArchiveList(&failure));
    EXPECT_EQ(failure.code, kZipOpenFileError);
    EXPECT_TRUE(zip.listing.isEmpty());
    EXPECT_EQ(zip.compressionRatio, 0);
}

TEST_F(ZipObjectTest, SortingOrdersTheListingAndClearsEveryMark)
{
    ASSERT_TRUE(zip.LoadArchiveList());
    const struct {
        ZipSortOrder order;
        bool descending;
        QStringList names;
    } cases[] = {
        {ZipSortOrder::Ratio, true, {"b.txt", "c.txt", "a.txt"}},
        {ZipSortOrder::FileName, false, {"a.txt", "b.txt", "c.txt"}},
        {ZipSortOrder::OriginalSize, true, {"b.txt", "a.txt", "c.txt"}},
        {ZipSortOrder::Index, false, {"b.txt", "a.txt", "c.txt"}},
        {ZipSortOrder(9), false, {"b.txt", "a.txt", "c.txt"}},
    };
    for (const auto& c : cases) {
        zip.SelectAll();
        zip.Sort(c.order, c.descending);
        EXPECT_EQ(Names(), c.names) << int(c.order);
        zip.CountMarked();
        EXPECT_EQ(zip.selectedFiles, int(c.order) == 9 ? 3 : 0) << int(c.order);
    }
    zip.SelectAll();
    zip.DeselectAll(1);
    zip.CountMarked();
    EXPECT_EQ(zip.selectedFiles, 1);
    EXPECT_EQ(zip.MarkedNames(), QStringList{"a.txt"});
    EXPECT_FALSE(zip.multiSelect);
    zip.Clear();
    EXPECT_TRUE(zip.archiveName.isEmpty());
    EXPECT_TRUE(zip.listing.isEmpty());
}

} // namespace
} // namespace vl
