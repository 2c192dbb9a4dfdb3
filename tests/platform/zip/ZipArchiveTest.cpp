#include "platform/zip/ZipArchive.h"
#include "tests/platform/zip/ZipFixtures.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QDateTime>
#include <QDir>

#include <sys/stat.h>

namespace vl {
namespace {

using test::ReadFileBytes;
using test::TestPath;

const QByteArray kText = QByteArray("Dear diary, today the tasks ran on time. ").repeated(200);

class Aborting : public ZipProgress {
public:
    bool Aborted() override { return true; }
};

class Recording : public ZipProgress {
public:
    void Item(const QString& name) override { items << name; }
    QStringList items;
};

// An archive of two members, the first deflated from compressible text.
ZipAddJob TwoFiles(const QString& archive)
{
    test::WriteTextFile("in/notes.txt", QString::fromLatin1(kText));
    test::WriteTextFile("in/small.ini", "[Preserved]\nGLO:Operation=Backup\n");
    ZipAddJob job;
    job.archive = TestPath(archive);
    job.files = {{TestPath("in/notes.txt"), "notes.txt"}, {TestPath("in/small.ini"), "cfg/small.ini"}};
    job.level = 9;
    return job;
}

TEST(ZipArchive, AddListTestAndExtractRoundTrip)
{
    for (const QString& password : {QString(), QStringLiteral("s3cret")}) {
        ZipAddJob job = TwoFiles("round.zip");
        job.password = password;
        job.fileComment = "daily";
        job.setArchiveComment = true;
        job.archiveComment = "Backup of the data";
        Recording added;
        const mode_t mask = ::umask(022);
        ASSERT_TRUE(AddToArchive(job, added).Ok());
        ::umask(mask);
        EXPECT_THAT(added.items, ::testing::Contains("cfg/small.ini"));
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(job.archive).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << "it carries the files' contents: its owner's only";

        ZipListing listing;
        ASSERT_TRUE(ListArchive(job.archive, listing).Ok());
        EXPECT_EQ(listing.comment, "Backup of the data");
        ASSERT_EQ(listing.entries.size(), 2);
        const ZipEntry& notes = listing.entries.at(0);
        EXPECT_EQ(notes.index, 1);
        EXPECT_EQ(notes.name, "notes.txt");
        EXPECT_EQ(notes.size, uint32_t(kText.size()));
        EXPECT_EQ(notes.method, 8);
        EXPECT_GT(notes.ratio, 80);
        EXPECT_EQ(notes.comment, "daily");
        EXPECT_EQ(notes.encrypted, !password.isEmpty());
        const QDateTime stamp = QFileInfo(TestPath("in/notes.txt")).lastModified();
        EXPECT_EQ(notes.dosTime >> 11, stamp.time().hour());
        EXPECT_EQ((notes.dosDate >> 5) & 0xF, stamp.date().month());

        UnzipJob unzip{job.archive, {}, password, TestPath("out"), true, true};
        QDir().mkpath(unzip.targetDir);
        ASSERT_TRUE(TestArchive(unzip, added).Ok());
        QStringList written;
        ASSERT_TRUE(ExtractArchive(unzip, added, &written).Ok());
        EXPECT_EQ(written.size(), 2);
        EXPECT_EQ(ReadFileBytes(TestPath("out/notes.txt")), kText);
        EXPECT_EQ(ReadFileBytes(TestPath("out/cfg/small.ini")), ReadFileBytes(TestPath("in/small.ini")));

        // Only the chosen members; nothing that matches is an error.
        unzip.patterns = {"*.ini"};
        unzip.useFolderNames = false;
        unzip.targetDir = TestPath("flat");
        QDir().mkpath(unzip.targetDir);
        ASSERT_TRUE(ExtractArchive(unzip, added).Ok());
        EXPECT_EQ(QDir(unzip.targetDir).entryList(QDir::Files), QStringList{"small.ini"});
        unzip.patterns = {"*.doc"};
        EXPECT_EQ(TestArchive(unzip, added).code, kZipNameNotMatched);
        QFile::remove(job.archive);
    }
}

TEST(ZipArchive, UpdateFreshenAndDeleteChooseTheirMembers)
{
    const ZipAddJob job = TwoFiles("act.zip");
    ZipProgress quiet;
    ZipAddJob first = job;
    first.files.removeLast();
    ASSERT_TRUE(AddToArchive(first, quiet).Ok());

    ZipAddJob freshen = job;
    freshen.action = ZipAction::Freshen;
    EXPECT_EQ(AddToArchive(freshen, quiet).code, kZipNothingToDo) << "nothing newer, nothing new taken";
    ZipAddJob update = job;
    update.action = ZipAction::Update;
    ASSERT_TRUE(AddToArchive(update, quiet).Ok());
    ZipListing listing;
    ListArchive(job.archive, listing);
    EXPECT_EQ(listing.entries.size(), 2);

    ASSERT_TRUE(DeleteFromArchive(job.archive, {"*.txt"}, quiet).Ok());
    ListArchive(job.archive, listing);
    ASSERT_EQ(listing.entries.size(), 1);
    EXPECT_EQ(listing.entries.at(0).name, "cfg/small.ini");
    EXPECT_EQ(DeleteFromArchive(job.archive, {"*.txt"}, quiet).code, kZipNameNotMatched);
}

TEST(ZipArchive, WrongOrMissingPasswordIsReportedAndNothingIsWritten)
{
    ZipAddJob job = TwoFiles("locked.zip");
    job.password = "right";
    ZipProgress quiet;
    ASSERT_TRUE(AddToArchive(job, quiet).Ok());
    QDir().mkpath(TestPath("out"));
    for (const char* password : {"wrong", ""}) {
        const UnzipJob unzip{job.archive, {}, password, TestPath("out"), true, false};
        EXPECT_EQ(TestArchive(unzip, quiet).code, kZipBadPassword) << password;
        EXPECT_EQ(ExtractArchive(unzip, quiet).code, kZipBadPassword) << password;
        EXPECT_TRUE(QDir(TestPath("out")).isEmpty()) << password;
    }
}

TEST(ZipArchive, DamagedArchivesAreReportedAndNothingIsWritten)
{
    using test::Damage;
    for (Damage damage : {Damage::Truncated, Damage::FlippedDataByte, Damage::NotAnArchive}) {
        ZipAddJob job = TwoFiles("damaged.zip");
        job.level = 0;
        ZipProgress quiet;
        ASSERT_TRUE(AddToArchive(job, quiet).Ok());
        test::DamageArchive(job.archive, damage);
        QDir(TestPath("out")).removeRecursively();
        QDir().mkpath(TestPath("out"));
        const UnzipJob unzip{job.archive, {}, {}, TestPath("out"), true, false};
        const ZipResult tested = TestArchive(unzip, quiet);
        EXPECT_FALSE(tested.Ok()) << int(damage);
        EXPECT_FALSE(ZipErrorText(tested.code).startsWith("Unknown")) << tested.code;
        EXPECT_FALSE(ExtractArchive(unzip, quiet).Ok()) << int(damage);
        EXPECT_THAT(QDir(TestPath("out")).entryList(QDir::Files | QDir::Hidden), ::testing::Not(::testing::Contains("notes.txt")))
            << "no half-written member";
        QFile::remove(job.archive);
    }
}

TEST(ZipArchive, MembersLeavingTheTargetFolderAreRefusedBeforeAnyWrite)
{
    QDir().mkpath(TestPath("out/inside"));
    QFile::link(TestPath("elsewhere"), TestPath("out/away"));
    QDir().mkpath(TestPath("elsewhere"));
    for (const char* name : {"../evil.txt", "/tmp/evil.txt", "inside/../../evil.txt", "..\\evil.txt", "away/evil.txt"}) {
        const QString archive = TestPath("slip.zip");
        ASSERT_TRUE(test::WriteRawArchive(archive, {{"good.txt", "fine"}, {name, "gotcha"}})) << name;
        for (bool folders : {true, false}) {
            const UnzipJob unzip{archive, {}, {}, TestPath("out"), true, folders};
            ZipProgress quiet;
            const ZipResult result = ExtractArchive(unzip, quiet);
            if (!folders && QString(name) == "away/evil.txt")
                continue; // without folders it is plainly out/evil.txt
            EXPECT_EQ(result.code, kZipUnsafeName) << name;
            EXPECT_EQ(result.detail, name);
            EXPECT_FALSE(QFile::exists(TestPath("out/good.txt"))) << "refused before anything was written";
        }
        EXPECT_FALSE(QFile::exists(TestPath("evil.txt")));
        EXPECT_FALSE(QFile::exists(TestPath("elsewhere/evil.txt")));
        QFile::remove(TestPath("out/evil.txt"));
    }
}

TEST(ZipArchive, LinksAndExpansionTrapsAreRefusedBeforeAnyWrite)
{
    QDir().mkpath(TestPath("out"));
    const QString archive = TestPath("trap.zip");
    const QByteArray zeros(4 * 1024 * 1024, '\0'); // deflates about a thousand times
    const struct {
        const char* name;
        QByteArray data;
        bool link;
        int code;
        const char* said;
    } cases[] = {
        {"link.txt", "/etc/passwd", true, kZipUnsafeName, "link.txt: a link, not a file"},
        {"bomb.TPS", zeros, false, kZipStructureError, "bomb.TPS: expands"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(test::WriteRawArchive(archive, {{"good.txt", "fine"}, {c.name, c.data}})) << c.name;
        if (c.link) {
            int error = 0;
            zip_t* zip = zip_open(QFile::encodeName(archive).constData(), 0, &error);
            ASSERT_TRUE(zip);
            ASSERT_EQ(zip_file_set_external_attributes(zip, 1, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16), 0);
            ASSERT_EQ(zip_close(zip), 0);
        }
        const UnzipJob unzip{archive, {}, {}, TestPath("out"), true, false};
        ZipProgress quiet;
        const ZipResult result = ExtractArchive(unzip, quiet);
        EXPECT_EQ(result.code, c.code) << c.name;
        EXPECT_THAT(result.detail.toStdString(), ::testing::StartsWith(c.said));
        EXPECT_EQ(CheckExtract(unzip).code, c.code) << "the same checks on their own";
        EXPECT_TRUE(QDir(TestPath("out")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) << c.name;
    }
}

TEST(ZipArchive, AFailedWriteLeavesTheOldArchiveAndNoTemporaryFile)
{
    enum class Failure { DiskFull, Aborted };
    for (Failure failure : {Failure::DiskFull, Failure::Aborted}) {
        QDir(TestPath("a")).removeRecursively();
        QDir().mkpath(TestPath("a"));
        ZipAddJob job = TwoFiles("a/keep.zip");
        ZipProgress quiet;
        ASSERT_TRUE(AddToArchive(job, quiet).Ok());
        const QByteArray before = ReadFileBytes(job.archive);
        test::WriteTextFile("in/big.txt", QString(200000, QChar('x')));
        job.files.append({TestPath("in/big.txt"), "big.txt"});
        job.level = 0;
        ZipResult result;
        if (failure == Failure::DiskFull) {
            const test::FileSizeLimit limit(100000);
            result = AddToArchive(job, quiet);
            EXPECT_EQ(result.code, kZipDiskFull) << result.detail.toStdString();
            EXPECT_TRUE(result.detail.endsWith("larger than the system allows a file to be"))
                << result.detail.toStdString();
        } else {
            Aborting abort;
            result = AddToArchive(job, abort);
            EXPECT_EQ(result.code, kZipAborted);
        }
        EXPECT_EQ(ReadFileBytes(job.archive), before);
        EXPECT_EQ(QDir(TestPath("a")).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.zip"});
    }
    Aborting abort;
    EXPECT_EQ(AddToArchive(TwoFiles("a/new.zip"), abort).code, kZipAborted);
    EXPECT_EQ(QDir(TestPath("a")).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.zip"})
        << "a new archive that failed leaves no empty file behind";
}

} // namespace
} // namespace vl
