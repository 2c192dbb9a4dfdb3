#include "backup/BackupRunner.h"
#include "backup/ZipWork.h"
#include "platform/zip/ZipArchive.h"
#include "tests/platform/zip/ZipFixtures.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <SQLiteCpp/Database.h>

#include <QDir>

namespace vl {
namespace {

using ::testing::HasSubstr;
using test::TestPath;

// A data file in the log mode the programs use, with rows 1 to count.
void MakeDataFile(const QString& name, int count)
{
    SQLite::Database db(TestPath(name).toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = WAL");
    db.exec("CREATE TABLE IF NOT EXISTS t (n INTEGER)");
    db.exec("DELETE FROM t");
    for (int n = 1; n <= count; ++n)
        db.exec("INSERT INTO t VALUES (" + std::to_string(n) + ")");
}

int Rows(SQLite::Database& db)
{
    return db.execAndGet("SELECT COUNT(*) FROM t").getInt();
}

int Rows(const QString& name)
{
    SQLite::Database db(TestPath(name).toStdString(), SQLite::OPEN_READONLY);
    return Rows(db);
}

std::string Said(const test::ScriptedPrompt& prompt)
{
    std::string said;
    for (const test::PromptQuestion& question : prompt.Questions())
        said += (question.caption + ": " + question.text + "\n").toStdString();
    return said;
}

// What the data folder holds, by name and content.
QMap<QString, QByteArray> Folder()
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(test::TestDir()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot))
        files[name] = test::FileBytes(TestPath(name));
    return files;
}

class BackupRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeDataFile("VLDB.TPS", 3);
        MakeDataFile("VLTpl.TPS", 2);
        test::WriteTextFile("vlmr.INI", "[Settings]\nDebug=0\n");
        QDir().mkpath(TestPath("archives"));
    }

    ZipResult Backup(const QString& archive = "archives/Daily")
    {
        prompt.Answer(1);
        return RunBackup(zip, archive, test::TestDir());
    }

    ZipResult Restore(const QString& archive = "archives/Daily.ZIP")
    {
        prompt.Answer(1);
        return RunRestore(zip, archive, test::TestDir());
    }

    test::ScriptedPrompt prompt;
    ZipObject zip;
};

TEST_F(BackupRunnerTest, DataFilesRoundTripIntoAProgramThatHasThemOpen)
{
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    EXPECT_EQ(prompt.Questions().back().text, "Backup complete.");
    ZipListing listing;
    ASSERT_TRUE(ListArchive(TestPath("archives/Daily.ZIP"), listing).Ok());
    QStringList names;
    for (const ZipEntry& entry : listing.entries)
        names << entry.name;
    EXPECT_THAT(names, ::testing::UnorderedElementsAre("VLDB.TPS", "VLTpl.TPS")) << "the data files only";

    // The main program keeps the file open and has changed it since.
    SQLite::Database live(TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
    live.exec("INSERT INTO t VALUES (4)");
    MakeDataFile("VLTpl.TPS", 7);
    ASSERT_TRUE(Restore().Ok()) << Said(prompt);
    EXPECT_EQ(prompt.Questions().back().text, "Files successfully restored.");
    EXPECT_EQ(Rows(live), 3) << "the open program sees the restored content";
    EXPECT_EQ(Rows("VLTpl.TPS"), 2);
    live.exec("INSERT INTO t VALUES (5)");
    EXPECT_EQ(Rows("VLDB.TPS"), 4) << "and keeps working on it";
    for (const QString& name : Folder().keys())
        EXPECT_FALSE(name.startsWith(".halvex")) << "no working folder left behind";
}

TEST_F(BackupRunnerTest, ARestoreThatCannotBeDoneSoundlyChangesNothing)
{
    ASSERT_TRUE(Backup().Ok());
    ZipProgress quiet;
    ZipAddJob locked;
    locked.archive = TestPath("archives/Locked.zip");
    locked.password = "only I know";
    locked.files = {{TestPath("VLDB.TPS"), "VLDB.TPS"}};
    ASSERT_TRUE(AddToArchive(locked, quiet).Ok());
    ASSERT_TRUE(test::WriteRawArchive(TestPath("archives/Slip.zip"), {{"VLDB.TPS", "x"}, {"../Evil.TPS", "x"}}));
    for (test::Damage damage : {test::Damage::Truncated, test::Damage::FlippedDataByte, test::Damage::NotAnArchive}) {
        const QString name = QStringLiteral("archives/Damaged%1.zip").arg(int(damage));
        QFile::copy(TestPath("archives/Daily.ZIP"), TestPath(name));
        test::DamageArchive(TestPath(name), damage);
    }
    MakeDataFile("VLDB.TPS", 9);
    const struct {
        const char* archive;
        const char* said;
    } cases[] = {
        {"archives/Locked.zip", "Bad or missing decryption key"},
        {"archives/Slip.zip", "../Evil.TPS"},
        {"archives/Damaged0.zip", "Error -"},
        {"archives/Damaged1.zip", "Archive test failed."},
        {"archives/Damaged2.zip", "No files in archive."},
        {"archives/Missing.zip", "Open file error"},
    };
    const QMap<QString, QByteArray> before = Folder();
    for (const auto& c : cases) {
        EXPECT_FALSE(Restore(c.archive).Ok()) << c.archive;
        EXPECT_THAT(Said(prompt), HasSubstr(c.said)) << c.archive;
        EXPECT_EQ(Folder(), before) << c.archive;
    }
    EXPECT_EQ(Rows("VLDB.TPS"), 9);
    EXPECT_FALSE(QFile::exists(TestPath("../Evil.TPS")));
}

TEST_F(BackupRunnerTest, AFailedBackupLeavesTheArchiveItReplaces)
{
    ASSERT_TRUE(Backup().Ok());
    const QByteArray good = test::FileBytes(TestPath("archives/Daily.ZIP"));
    MakeDataFile("VLDB.TPS", 3000);
    {
        // Room for the copies of the data files, not for the archive of both.
        const test::FileSizeLimit limit(QFileInfo(TestPath("VLDB.TPS")).size() + 8192);
        EXPECT_EQ(Backup().code, kZipDiskFull) << Said(prompt);
    }
    EXPECT_THAT(Said(prompt), HasSubstr("Could not create backup.||Archive: archives/Daily.ZIP|Error -50:  Disk full error"));
    EXPECT_EQ(test::FileBytes(TestPath("archives/Daily.ZIP")), good);
    EXPECT_EQ(QDir(TestPath("archives")).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Daily.ZIP"});

    QFile::remove(TestPath("VLDB.TPS"));
    QFile::remove(TestPath("VLTpl.TPS"));
    EXPECT_EQ(Backup().code, kZipNothingToDo);
    EXPECT_EQ(prompt.Questions().back().text, "Nothing to process:  *.TPS.");
    EXPECT_EQ(test::FileBytes(TestPath("archives/Daily.ZIP")), good);
}

TEST(BackupRunnerChoice, StoredChoicesAndArchiveNames)
{
    IniFile ini(test::TestPath("Halvex.INI"));
    RunnerChoice choice = ReadRunnerChoice(ini);
    EXPECT_EQ(choice.operation, "Backup to an archive");
    EXPECT_EQ(choice.archiveName, "Backup.zip");
    ASSERT_TRUE(WriteRunnerChoice(ini, {"Restore", "nightly"}));
    choice = ReadRunnerChoice(ini);
    EXPECT_EQ(OperationOf(choice.operation), RunnerOperation::Restore);
    EXPECT_EQ(choice.archiveName, "nightly") << "kept as typed";
    EXPECT_EQ(OperationOf("backup to an ARCHIVE"), RunnerOperation::Backup);
    EXPECT_EQ(OperationOf("Restore from an archive"), RunnerOperation::Restore);
    EXPECT_EQ(OperationOf("Copy"), RunnerOperation::Unknown);
    EXPECT_EQ(ArchiveFileName(" nightly "), "nightly.ZIP");
    EXPECT_EQ(ArchiveFileName("dir.d/nightly"), "dir.d/nightly.ZIP");
    EXPECT_EQ(ArchiveFileName("nightly.bak"), "nightly.bak");
    // The overall percentage stops at 99 while the work runs.
    EXPECT_EQ(OverallPercent(1, 3), 33);
    EXPECT_EQ(OverallPercent(3, 3), 99);
    EXPECT_EQ(OverallPercent(3, 0), 6);
    EXPECT_EQ(OverallPercent(80, 0), 99);
}

} // namespace
} // namespace vl
