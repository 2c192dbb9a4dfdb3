#include "backup/BackupRunner.h"
#include "backup/DataFileArchive.h"
#include "backup/HeldSignals.h"
#include "backup/RestoreJournal.h"
#include "backup/ZipWork.h"
#include "platform/data/Maintenance.h"
#include "platform/data/TableFile.h"
#include "platform/zip/WorkFolder.h"
#include "platform/zip/ZipArchive.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/platform/data/TestTables.h"
#include "tests/platform/zip/ZipFixtures.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <QDir>
#include <QStorageInfo>

#include <csignal>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

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
    SQLite::Transaction batch(db);
    db.exec("DELETE FROM t");
    for (int n = 1; n <= count; ++n)
        db.exec("INSERT INTO t VALUES (" + std::to_string(n) + ")");
    batch.commit();
}

bool Sound(const QString& name)
{
    QStringList problems;
    return CheckDataFile(TestPath(name), &problems).Ok() && problems.isEmpty();
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

// What the data folder holds, by name and content; without the logs of
// data files that are open (which their connections change).
QMap<QString, QByteArray> Folder(const QString& dir = test::TestDir(), bool withLogs = true)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (withLogs || !(name.endsWith("-wal") || name.endsWith("-shm")))
            files[name] = test::ReadFileBytes(QDir(dir).filePath(name));
    }
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

TEST_F(BackupRunnerTest, ARestoredFileKeepsTheModeOfTheFileItReplacesOrTakesItsDirectorys)
{
    ASSERT_TRUE(Backup().Ok() && QFile::remove(TestPath("VLDB.TPS"))) << Said(prompt);
    test::WriteTextFile(TestPath("VLTpl.TPS"), QString(4096, QChar(u'\0'))); // too damaged to open: renamed over
    ASSERT_TRUE(::chmod("VLTpl.TPS", 0640) == 0 && Restore().Ok()) << Said(prompt);
    EXPECT_EQ(QFile::permissions(TestPath("VLDB.TPS")).toInt() & 0x7077, 0x6000);
    EXPECT_EQ(QFile::permissions(TestPath("VLTpl.TPS")).toInt() & 0x7077, 0x6040);
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
    QDir().mkpath(TestPath("bad"));
    MakeDataFile("bad/VLDB.TPS", 3000);
    ASSERT_TRUE(test::DamagePage(TestPath("bad/VLDB.TPS"), "t", true, -1, '\0'));
    locked.password.clear();
    locked.archive = TestPath("archives/Bad.zip");
    locked.files = {{TestPath("bad/VLDB.TPS"), "VLDB.TPS"}, {TestPath("VLTpl.TPS"), "VLTpl.TPS"}};
    ASSERT_TRUE(AddToArchive(locked, quiet).Ok());
    QDir().mkpath(TestPath("cut"));
    MakeDataFile("cut/VLDB.TPS", 3000);
    ASSERT_TRUE(QFile::resize(TestPath("cut/VLDB.TPS"), QFileInfo(TestPath("cut/VLDB.TPS")).size() / 2));
    locked.archive = TestPath("archives/Cut.zip");
    locked.files = {{TestPath("cut/VLDB.TPS"), "VLDB.TPS"}};
    ASSERT_TRUE(AddToArchive(locked, quiet).Ok());
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
        {"archives/Damaged2.zip", "No files in archive: this is not a whole zip archive."},
        {"archives/Missing.zip", "Open file error"},
        {"archives/Bad.zip", "VLDB.TPS in the archive is damaged"},
        {"archives/Cut.zip", "VLDB.TPS in the archive is damaged"},
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

TEST_F(BackupRunnerTest, ABackupChangesNothingOfWhatItReadsAndSaysWhichFilesAreDamaged)
{
    MakeDataFile("VLDB.TPS", 3000);
    {
        SQLite::Database templates(TestPath("VLTpl.TPS").toStdString(), SQLite::OPEN_READWRITE);
        templates.exec("PRAGMA journal_mode = DELETE");
    }
    ASSERT_TRUE(test::DamagePage(TestPath("VLDB.TPS"), "t", true, -1, '\0'));
    for (const char* log : {"VLDB.TPS-wal", "VLDB.TPS-shm"})
        QFile::remove(TestPath(log)); // left empty by the damage's own look at the file
    QMap<QString, QByteArray> before = Folder();
    before.remove("archives");
    prompt.Answer(1);
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    EXPECT_THAT(Said(prompt), HasSubstr("These data files are damaged; the archive holds them as they are, damage "
                                        "and all:|VLDB.TPS: "));
    QMap<QString, QByteArray> after = Folder();
    after.remove("archives");
    EXPECT_EQ(after, before) << "the log mode and content of every file read stay";
}

TEST_F(BackupRunnerTest, AFailedBackupLeavesTheArchiveItReplaces)
{
    ASSERT_TRUE(Backup().Ok());
    const QByteArray good = test::ReadFileBytes(TestPath("archives/Daily.ZIP"));
    MakeDataFile("VLDB.TPS", 3000);
    {
        // Room for the copies of the data files, not for the archive of both.
        const test::FileSizeLimit limit(QFileInfo(TestPath("VLDB.TPS")).size() + 8192);
        EXPECT_EQ(Backup().code, kZipDiskFull) << Said(prompt);
    }
    {
        // No room for the snapshot of the data file either.
        const test::FileSizeLimit limit(QFileInfo(TestPath("VLDB.TPS")).size() / 2);
        EXPECT_EQ(Backup().code, kZipDiskFull) << Said(prompt);
    }
    EXPECT_THAT(Said(prompt), HasSubstr("Could not create backup.||Archive: archives/Daily.ZIP|Error -50:  Disk full error"));
    EXPECT_EQ(test::ReadFileBytes(TestPath("archives/Daily.ZIP")), good);
    EXPECT_EQ(QDir(TestPath("archives")).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Daily.ZIP"});

    QFile::remove(TestPath("VLDB.TPS"));
    QFile::remove(TestPath("VLTpl.TPS"));
    EXPECT_EQ(Backup().code, kZipNothingToDo);
    EXPECT_EQ(prompt.Questions().back().text, "Nothing to process:  *.TPS.");
    EXPECT_EQ(test::ReadFileBytes(TestPath("archives/Daily.ZIP")), good);
}

TEST_F(BackupRunnerTest, ARestoreReachesAProgramWritingInAnotherProcessAndKeepsItsLaterWrites)
{
    using test::ItemRecord;
    const auto definition = [] { return test::ItemDefinition("VLDB\\!Items"); };
    const auto add = [](Table<ItemRecord>& items, const char* name) {
        ItemRecord item = test::Item(name);
        return items.Add(item);
    };
    {
        Table<ItemRecord> items(definition());
        test::OpenCreated(items);
        for (const char* name : {"archived 1", "archived 2"})
            ASSERT_TRUE(add(items, name));
    }
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(toParent), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // The main program: writes through the data file layer, before the
        // restore and after it, on the connection it had all along.
        Table<ItemRecord> items(definition());
        bool added = items.Open();
        for (const char* name : {"before 1", "before 2", "before 3"})
            added = added && add(items, name);
        char go = 0;
        if (write(toParent[1], "r", 1) != 1 || read(toChild[0], &go, 1) != 1 || !added)
            _exit(1);
        if (items.Records() != 2)
            _exit(2); // the restored content is not what it sees
        for (const char* name : {"after 1", "after 2"})
            added = added && add(items, name);
        for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files)) {
            const QString file = fd.symLinkTarget();
            if (file.contains(".TPS") && (file.contains("deleted") || !QFileInfo::exists(file)))
                _exit(3); // a file it has open was replaced under it
        }
        _exit(added ? 0 : 1);
    }
    char ready = 0;
    ASSERT_EQ(read(toParent[0], &ready, 1), 1);
    EXPECT_TRUE(Restore().Ok()) << Said(prompt);
    ASSERT_EQ(write(toChild[1], "g", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: could not write, 2: saw the old content, 3: a file was replaced under it";
    Table<ItemRecord> items(definition());
    ASSERT_TRUE(items.Open());
    EXPECT_THAT(test::Names(test::Walk(items, test::ITM_KEYID)),
                ::testing::ElementsAre("archived 1", "archived 2", "after 1", "after 2"));
    items.Close();
    EXPECT_TRUE(Sound("VLDB.TPS"));
}

TEST_F(BackupRunnerTest, ARestoreThatFailsHalfWayTakesBackWhatItPutInPlace)
{
    MakeDataFile("VLTpl.TPS", 3000);
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    const qint64 archived = QFileInfo(TestPath("VLTpl.TPS")).size();
    for (const char* name : {"VLTpl.TPS", "VLTpl.TPS-wal", "VLTpl.TPS-shm"})
        QFile::remove(TestPath(name));
    MakeDataFile("VLTpl.TPS", 1);
    MakeDataFile("VLDB.TPS", 9);
    // Both files are open in a program; the new content of the main file
    // fits, that of the templates fits extracted but not into its log.
    SQLite::Database live(TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Database liveTemplates(TestPath("VLTpl.TPS").toStdString(), SQLite::OPEN_READWRITE);
    ASSERT_EQ(Rows(live), 9);
    const QMap<QString, QByteArray> before = Folder(test::TestDir(), false);
    {
        const test::FileSizeLimit limit(archived + 16);
        EXPECT_EQ(Restore().code, kZipDiskFull) << Said(prompt);
    }
    EXPECT_THAT(Said(prompt), HasSubstr("Disk full error"));
    EXPECT_THAT(Said(prompt), HasSubstr("No file was changed."));
    EXPECT_EQ(Rows(live), 9) << "the main file, restored first, is taken back";
    EXPECT_EQ(Rows(liveTemplates), 1);
    EXPECT_EQ(Folder(test::TestDir(), false), before);
    EXPECT_TRUE(Sound("VLDB.TPS"));
    EXPECT_TRUE(Sound("VLTpl.TPS"));
    live.exec("INSERT INTO t VALUES (10)");
    EXPECT_EQ(Rows("VLDB.TPS"), 10) << "the program keeps working on it";
}

TEST_F(BackupRunnerTest, ARestoreWhileAProgramHoldsItsFileForAWriteSaysSoAndChangesNothing)
{
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    MakeDataFile("VLDB.TPS", 9);
    SQLite::Database live(TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
    live.exec("BEGIN IMMEDIATE");
    live.exec("INSERT INTO t VALUES (10)");
    SetLockWait(50);
    const ZipResult result = Restore();
    SetLockWait(5000);
    EXPECT_FALSE(result.Ok()) << "never reported as restored";
    EXPECT_THAT(Said(prompt), HasSubstr("File Is Already Locked (32)|No file was changed."));
    live.exec("COMMIT");
    EXPECT_EQ(Rows("VLDB.TPS"), 10);
    EXPECT_EQ(Rows("VLTpl.TPS"), 2);
}

// A disk that is really full, where the test may mount one.
TEST_F(BackupRunnerTest, ARestoreWithoutRoomToPutTheFilesInPlaceChangesNothing)
{
    MakeDataFile("VLDB.TPS", 3000);
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    const qint64 archived = QFileInfo(TestPath("VLDB.TPS")).size();
    const QString disk = TestPath("disk");
    QDir().mkpath(disk);
    if (mount("tmpfs", disk.toUtf8().constData(), "tmpfs", 0, "size=4m") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Unmount {
        QString path;
        ~Unmount() { umount2(path.toUtf8().constData(), MNT_DETACH); }
    } unmount{disk};
    MakeDataFile("disk/VLDB.TPS", 9);
    SQLite::Database live(TestPath("disk/VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
    const qint64 free = QStorageInfo(disk).bytesAvailable();
    {
        // No room even to extract the file.
        test::WriteBytes(TestPath("disk/filler"), QByteArray(free - archived / 2, 'f'));
        const QMap<QString, QByteArray> before = Folder(disk, false);
        prompt.Answer(1);
        EXPECT_EQ(RunRestore(zip, TestPath("archives/Daily.ZIP"), disk).code, kZipDiskFull);
        EXPECT_EQ(Folder(disk, false), before);
    }
    // Room to extract the file, not to write it into the open one as well.
    test::WriteBytes(TestPath("disk/filler"), QByteArray(free - archived - 64 * 1024, 'f'));
    const QMap<QString, QByteArray> before = Folder(disk, false);
    prompt.Answer(1);
    EXPECT_EQ(RunRestore(zip, TestPath("archives/Daily.ZIP"), disk).code, kZipDiskFull);
    EXPECT_THAT(Said(prompt), HasSubstr("Not enough room in"));
    EXPECT_EQ(Folder(disk, false), before);
    EXPECT_EQ(Rows(live), 9);
    QFile::remove(TestPath("disk/filler"));
    prompt.Answer(1);
    EXPECT_TRUE(RunRestore(zip, TestPath("archives/Daily.ZIP"), disk).Ok()) << Said(prompt);
    EXPECT_EQ(Rows(live), 3000);
    EXPECT_TRUE(Sound("disk/VLDB.TPS"));
}

// Stops the process at the given step of a restore (a member extracted, a
// file about to be placed): as an exit without any clean-up, or killed.
class StopAtStep : public ZipProgress {
public:
    explicit StopAtStep(int step) : step_(step) {}
    void Item(const QString&) override
    {
        if (++steps_ == step_)
            step_ % 2 ? _exit(3) : (void)std::raise(SIGKILL);
    }

private:
    int step_;
    int steps_ = 0;
};

TEST_F(BackupRunnerTest, ARestoreStoppedAtAnyStepIsWholeOrUndoneAtTheNextStart)
{
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    ZipAddJob added;
    added.archive = TestPath("archives/Daily.ZIP");
    added.files = {{TestPath("vlmr.INI"), "Notes.TPS"}};
    ZipProgress quiet;
    ASSERT_TRUE(AddToArchive(added, quiet).Ok());
    // Before: one data file to be written through the data file layer, one
    // to be renamed over (it is no data file now), one new.
    const auto old = [] {
        MakeDataFile("VLDB.TPS", 9);
        for (const char* name : {"VLTpl.TPS", "VLTpl.TPS-wal", "VLTpl.TPS-shm", "Notes.TPS"})
            QFile::remove(TestPath(name));
        test::WriteTextFile("VLTpl.TPS", "old templates");
    };
    const auto state = [] {
        if (Rows("VLDB.TPS") == 9 && test::ReadTextFile(TestPath("VLTpl.TPS")) == "old templates"
            && !QFile::exists(TestPath("Notes.TPS")))
            return QString("old");
        if (Rows("VLDB.TPS") == 3 && Rows("VLTpl.TPS") == 2 && QFile::exists(TestPath("Notes.TPS")))
            return QString("new");
        return QString("mixed");
    };
    UnzipJob job;
    job.archive = TestPath("archives/Daily.ZIP");
    job.targetDir = test::TestDir();
    job.overwrite = true;
    QStringList outcomes;
    for (int step = 1; step <= 7; ++step) {
        old();
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            StopAtStep stop(step);
            _exit(RestoreDataFiles(job, stop).Ok() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        if (step < 7)
            prompt.Answer(1); // what the next start says it did
        FinishUnfinishedRestore(test::TestDir()); // the next start
        outcomes << state();
        for (const QString& name : Folder().keys())
            EXPECT_FALSE(name.startsWith(".halvex") || name == kRestoreJournalName) << name.toStdString() << step;
        EXPECT_TRUE(Sound("VLDB.TPS")) << step;
    }
    EXPECT_FALSE(outcomes.contains("mixed")) << outcomes.join(' ').toStdString();
    EXPECT_EQ(outcomes.first(), "old") << "stopped while extracting: nothing changed";
    EXPECT_EQ(outcomes.last(), "new");
    EXPECT_THAT(Said(prompt), HasSubstr("was stopped part way; it has now been completed."));
}

// Counts the calls of the work's progress (the snapshots copied one by one,
// then the archive written), and kills the process at the one given.
class KillAtCall : public ZipProgress {
public:
    explicit KillAtCall(int call = 0) : call_(call) {}
    void Item(const QString&) override { Count(); }
    void Percent(int) override { Count(); }
    bool Aborted() override { return Count(), false; }
    int Calls() const { return calls_; }

private:
    void Count()
    {
        if (++calls_ == call_)
            std::raise(SIGKILL);
    }
    int call_;
    int calls_ = 0;
};

TEST_F(BackupRunnerTest, AKilledBackupLeavesNoArchiveThatIsNotWholeAndTheNextRunRemovesItsWorkFiles)
{
    MakeDataFile("VLDB.TPS", 3000);
    const QString archive = TestPath("archives/New.zip");
    const auto entries = [] {
        return QDir(TestPath("archives")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList files = {"VLDB.TPS", "VLTpl.TPS"};
    KillAtCall counting;
    ASSERT_TRUE(BackupDataFiles(test::TestDir(), files, "archives/Count.zip", counting).Ok());
    ASSERT_TRUE(QFile::remove(TestPath("archives/Count.zip")));
    const int calls = counting.Calls();
    ASSERT_GT(calls, 3);
    // Killed anywhere, a first backup to a new name leaves nothing under it;
    // each run removes the work folders of the run killed before it.
    QStringList dead;
    for (const int call : {1, calls / 3, 2 * calls / 3, calls}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            KillAtCall kill(call);
            _exit(BackupDataFiles(test::TestDir(), files, "archives/New.zip", kill).Ok() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status)) << call;
        EXPECT_FALSE(QFile::exists(archive)) << call;
        const QStringList left = entries();
        for (const QString& folder : dead)
            EXPECT_FALSE(left.contains(folder)) << call << ": " << folder.toStdString();
        dead = left.filter(kWorkFolderPrefix);
        EXPECT_FALSE(dead.isEmpty()) << call;
    }

    // A live run's work folder, held by another process, beside a dead one.
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(toParent), 0);
    const pid_t live = fork();
    ASSERT_GE(live, 0);
    if (live == 0) {
        ::close(toParent[0]);
        ::close(toChild[1]);
        bool told = false;
        {
            const WorkFolder work(TestPath("archives"));
            char go = 0;
            told = write(toParent[1], "r", 1) == 1 && read(toChild[0], &go, 1) == 1;
        }
        _exit(told ? 0 : 1);
    }
    // Each side keeps only its own ends: either one ending ends the other's wait.
    ::close(toParent[1]);
    ::close(toChild[0]);
    char ready = 0;
    ASSERT_EQ(read(toParent[0], &ready, 1), 1);
    const QStringList before = entries();
    ASSERT_EQ(before.size(), dead.size() + 1) << before.join(' ').toStdString();
    ASSERT_TRUE(Backup("archives/New.zip").Ok()) << Said(prompt);
    const QStringList after = entries();
    ASSERT_EQ(after.size(), 2) << after.join(' ').toStdString() << ": the archive and the live run's folder";
    EXPECT_TRUE(after.contains("New.zip"));
    ZipListing listing;
    EXPECT_TRUE(ListArchive(archive, listing).Ok() && listing.entries.size() == 2);
    EXPECT_TRUE(before.contains(after.filter(kWorkFolderPrefix).value(0))) << "the live run's folder is kept";
    ASSERT_EQ(write(toChild[1], "g", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(live, &status, 0), live);
    ::close(toParent[0]);
    ::close(toChild[1]);
    EXPECT_EQ(entries(), QStringList{"New.zip"}) << "a run removes its own work folder";
}

TEST_F(BackupRunnerTest, ABackupHoldsTheSetAsideLogsOfItsDataFilesAndNamesThem)
{
    for (const char* name : {"VLDB.TPS-wal.damaged", "VLDB.TPS-wal.damaged2", "VLDB.TPS-wal.damaged-notes"})
        test::WriteTextFile(name, name);
    ASSERT_TRUE(Backup().Ok()) << Said(prompt);
    ZipListing listing;
    ASSERT_TRUE(ListArchive(TestPath("archives/Daily.ZIP"), listing).Ok());
    QStringList names;
    for (const ZipEntry& entry : listing.entries)
        names << entry.name;
    EXPECT_THAT(names, ::testing::UnorderedElementsAre("VLDB.TPS", "VLDB.TPS-wal.damaged", "VLDB.TPS-wal.damaged2",
                                                       "VLTpl.TPS"));
    EXPECT_EQ(prompt.Questions().back().text.toStdString(),
              "Backup complete.||The last changes of a data file could not be read: its log was set aside, and the "
              "archive holds it too:|VLDB.TPS-wal.damaged|VLDB.TPS-wal.damaged2||The repair in VLMR (File › Support "
              "Tools › File Manager, Repair) can take those changes back.");
}

TEST(HeldSignals, AFileSizeLimitFailsTheWriteAndATermWaitsUntilTheWorkIsDone)
{
    static volatile std::sig_atomic_t received = 0;
    struct sigaction mine {};
    struct sigaction before {};
    mine.sa_handler = [](int signal) { received = signal; };
    sigaction(SIGTERM, &mine, &before);
    {
        const HeldSignals held;
        std::raise(SIGXFSZ); // would end the program
        std::raise(SIGTERM);
        EXPECT_EQ(received, 0) << "held back";
    }
    EXPECT_EQ(received, SIGTERM) << "raised again once the work is done";
    sigaction(SIGTERM, &before, nullptr);
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
