#include "backup/ArchiveDialogRules.h"
#include "backup/ArchiveOperations.h"
#include "backup/BackupRecommendation.h"
#include "platform/zip/ZipArchive.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/platform/zip/ZipFixtures.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <sys/stat.h>

namespace vl {
namespace {

using ::testing::HasSubstr;
using test::TestPath;

std::string Said(const test::ScriptedPrompt& prompt)
{
    std::string said;
    for (const test::PromptQuestion& question : prompt.Questions())
        said += (question.caption + ": " + question.text + "\n").toStdString();
    return said;
}

TEST(ZipPreferencesMapping, ActionsLevelsAndOptionBits)
{
    const int actions[][2] = {{1, 2}, {2, 4}, {3, 3}, {0, 0}, {4, 0}};
    for (const auto& c : actions)
        EXPECT_EQ(ZipActionCodeOf(c[0]), c[1]) << c[0];
    const int levels[][2] = {{1, 1}, {2, 6}, {3, 9}, {4, 0}, {5, 0}};
    for (const auto& c : levels)
        EXPECT_EQ(ZipLevelOf(c[0]), c[1]) << c[0];

    ZipPreferences all;
    all.systemAndHidden = all.moveFiles = all.latestDate = all.createMultipleVolume = true;
    all.addFileComment = all.encryptData = all.addArchiveComment = all.useTempDir = true;
    all.pathInformationSwitch = 3;
    all.tempDir = "/tmp";
    const struct {
        ZipPreferences preferences;
        AddAnswers answers;
        int bits;
    } cases[] = {
        {ZipPreferences{}, {}, 0},
        {all, {true, "c", true, "p", true}, 512 + 256 + 1024 + 16384 + 128 + 64 + 16 + 32 + 4096},
        {all, {}, 512 + 256 + 1024 + 16384 + 128 + 32}, // no comment, no password, no usable folder
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZipOptionBitsOf(c.preferences, c.answers), c.bits);
}

TEST(ArchiveDialogRules, ChoicesPasswordsDatesAndRatio)
{
    ZipObject zip;
    zip.listing = {{1, "a", 0, 0, 10}, {2, "b", 0, 0, 20}, {3, "c", 0, 0, 40}};
    zip.members = 3;
    zip.originalSize = 70;
    EXPECT_EQ(InitialMemberChoice(zip), MemberChoice::All);
    zip.listing[1].marked = zip.listing[2].marked = true;
    EXPECT_EQ(InitialMemberChoice(zip), MemberChoice::Selected);
    const struct {
        MemberChoice choice;
        int files;
        int64_t bytes;
        const char* wildcard;
    } choices[] = {{MemberChoice::All, 3, 70, "*"}, {MemberChoice::Selected, 2, 60, ""}, {MemberChoice::Wildcard, 0, 0, "*.txt"}};
    for (const auto& c : choices) {
        EXPECT_EQ(CountsFor(zip, c.choice).files, c.files);
        EXPECT_EQ(CountsFor(zip, c.choice).bytes, c.bytes);
        ApplyMemberChoice(zip, c.choice, " *.txt ", "pw");
        EXPECT_EQ(zip.wildcard, c.wildcard);
        EXPECT_EQ(zip.password, "pw");
    }
    EXPECT_EQ(CheckPasswords("", ""), PasswordCheck::NoPassword);
    EXPECT_EQ(CheckPasswords("a", "b"), PasswordCheck::Mismatch);
    EXPECT_EQ(CheckPasswords("a", "a"), PasswordCheck::Agreed);
    Date date = 0;
    EXPECT_TRUE(FilterDate("02292024", date));
    EXPECT_EQ(date, MakeDate(2, 29, 2024));
    for (const char* bad : {"02302024", "13012024", "0101202", "ab012024"})
        EXPECT_FALSE(FilterDate(bad, date)) << bad;
    EXPECT_EQ(RatioText(41.5), "41.50%");
}

TEST(BackupRecommendation, ShownOnceForEachListOfFiles)
{
    test::ScriptedPrompt prompt;
    IniFile ini(TestPath("Halvex.INI"));
    EXPECT_FALSE(RecommendBackup(" ", ini));
    prompt.Answer(1);
    EXPECT_TRUE(RecommendBackup("VLDB.TPS ", ini));
    EXPECT_EQ(prompt.Questions().back().caption, "Olvo Backup Assistant");
    EXPECT_THAT(prompt.Questions().back().text.toStdString(),
                HasSubstr("following file(s):|VLDB.TPS||TIP:  Create a new archive"));
    EXPECT_EQ(ini.Get("Qestrin", "LastWarning"), "VLDB.TPS");
    EXPECT_FALSE(RecommendBackup("VLDB.TPS", ini)) << "the same list again";
    prompt.Answer(1);
    EXPECT_TRUE(RecommendBackup("VLDB.TPS VLTpl.TPS", ini));
}

// A data file in the log mode the programs use, with rows 1 to count.
void MakeDataFile(const QString& path, int rows)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = WAL");
    db.exec("CREATE TABLE t (n INTEGER)");
    db.exec("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r WHERE n < " + std::to_string(rows)
            + ") INSERT INTO t SELECT n FROM r");
}

class ArchiveOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(TestPath("src"));
        test::WriteTextFile("src/a.txt", QString("alpha ").repeated(500));
        test::WriteTextFile("src/b.txt", "bravo");
        zip.archiveName = TestPath("work.zip");
        preferences.pathInformationSwitch = int(PathChoice::NoPath);
    }

    ZipResult Add(const QStringList& names, const AddAnswers& answers = {})
    {
        QStringList files;
        for (const QString& name : names)
            files << TestPath("src/" + name);
        return AddFiles(zip, preferences, files, answers, test::TestDir());
    }

    QStringList Members() const
    {
        QStringList names;
        for (const ZipListingEntry& row : zip.listing)
            names << row.fileName;
        return names;
    }

    void Mark(const QString& name)
    {
        for (ZipListingEntry& row : zip.listing)
            row.marked = row.fileName == name;
    }

    test::ScriptedPrompt prompt;
    ZipObject zip;
    ZipPreferences preferences;
};

TEST_F(ArchiveOperationsTest, NewArchiveReplacesAnOldFileButNeverADataFile)
{
    test::WriteTextFile("old.zip", "old");
    prompt.AnswerPath(TestPath("old"));
    EXPECT_EQ(NewArchive("cur.zip"), TestPath("old.ZIP")) << "no file of that exact name";
    prompt.AnswerPath(TestPath("old.zip"));
    EXPECT_EQ(NewArchive("cur.zip"), TestPath("old.zip"));
    EXPECT_FALSE(QFile::exists(TestPath("old.zip")));
    EXPECT_EQ(prompt.Questions().back().caption, "New ZIP archive");

    SQLite::Database(TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
        .exec("CREATE TABLE t (n INTEGER)");
    prompt.AnswerPath(TestPath("VLDB.TPS"));
    prompt.Answer(1);
    EXPECT_EQ(NewArchive("cur.zip"), "cur.zip");
    EXPECT_TRUE(QFile::exists(TestPath("VLDB.TPS")));
    prompt.Cancel();
    EXPECT_EQ(NewArchive("cur.zip"), "cur.zip");
}

TEST_F(ArchiveOperationsTest, AddWritesTheChosenOptionsAndALaterComment)
{
    preferences.pathInformationSwitch = int(PathChoice::Relative);
    preferences.compressionLevelSwitch = int(CompressionChoice::Store);
    preferences.addFileComment = preferences.moveFiles = true;
    zip.archiveComment = "weekly";
    preferences.addArchiveComment = true; // "Save Later"
    ASSERT_TRUE(Add({"a.txt", "b.txt"}, {true, "note"}).Ok()) << Said(prompt);
    EXPECT_EQ(Members(), QStringList({"src/a.txt", "src/b.txt"}));
    EXPECT_EQ(zip.listing.at(0).method, "Stored");
    EXPECT_EQ(zip.listing.at(1).fileComment, "note");
    EXPECT_EQ(zip.archiveComment, "weekly");
    EXPECT_FALSE(QFile::exists(TestPath("src/a.txt"))) << "moved into the archive";

    // A date that does not exist: asked, and No adds nothing.
    test::WriteTextFile("src/c.txt", "charlie");
    preferences.moveFiles = preferences.addArchiveComment = false;
    preferences.beforeDate = "02302030";
    prompt.AnswerButton("No");
    EXPECT_TRUE(Add({"c.txt"}).Ok());
    EXPECT_EQ(prompt.Questions().back().text, "Date filter error. Process anyway?");
    EXPECT_EQ(zip.members, 2);
    EXPECT_TRUE(preferences.beforeDate.isEmpty()) << "the filter is used once";
    // A date in the past lets nothing through.
    preferences.beforeDate = "01011990";
    prompt.Answer(1);
    EXPECT_EQ(Add({"c.txt"}).code, kZipNothingToDo);
    EXPECT_THAT(Said(prompt), HasSubstr("Add: Nothing to do"));
    prompt.Answer(1);
    EXPECT_EQ(AddFiles(zip, preferences, {}, {}, test::TestDir()).code, kZipRefusedPattern);
    EXPECT_EQ(prompt.Questions().back().text, "Wildcard pattern error.");
    // Only hidden files picked, and hidden files left out: an empty choice.
    test::WriteTextFile("src/.d.txt", "delta");
    prompt.Answer(1);
    EXPECT_EQ(Add({".d.txt"}).code, kZipRefusedPattern);
    EXPECT_EQ(prompt.Questions().back().text, "Wildcard pattern error.");
}

TEST_F(ArchiveOperationsTest, DeleteTakesTheMarkedNamesAndRewritesWholeOrNotAtAll)
{
    test::WriteTextFile("src/a*.txt", "a name with a star");
    ASSERT_TRUE(Add({"a.txt", "b.txt", "a*.txt"}).Ok());
    Mark("a*.txt");
    ASSERT_TRUE(DeleteMembers(zip).Ok()) << Said(prompt);
    EXPECT_EQ(Members(), QStringList({"a.txt", "b.txt"})) << "only the marked member";

    const QByteArray before = test::ReadFileBytes(zip.archiveName);
    zip.wildcard = "b.txt";
    prompt.Answer(1);
    {
        const test::FileSizeLimit limit(64); // no room for the rewritten archive
        EXPECT_EQ(DeleteMembers(zip).code, kZipDiskFull);
    }
    EXPECT_THAT(Said(prompt), HasSubstr("Delete files: Disk full error"));
    EXPECT_EQ(test::ReadFileBytes(zip.archiveName), before);
    EXPECT_EQ(Members(), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(QDir(test::TestDir()).entryList(QStringList{"work.zip*"}, QDir::Files | QDir::Hidden),
              QStringList{"work.zip"}) << "no temporary file left";

    prompt.Answer(1);
    EXPECT_EQ(DeleteMembers(zip).code, kZipRefusedPattern) << "nothing marked";
}

TEST_F(ArchiveOperationsTest, ExtractKeepsFilesUnlessOverwriteAndReportsWhatItKept)
{
    ASSERT_TRUE(Add({"a.txt", "b.txt"}).Ok());
    QDir().mkpath(TestPath("out"));
    test::WriteTextFile("out/b.txt", "mine");
    zip.destinationDir = TestPath("out");
    zip.wildcard = "*";
    prompt.Answer(1);
    ASSERT_TRUE(ExtractMembers(zip).Ok()) << Said(prompt);
    EXPECT_EQ(test::ReadTextFile(TestPath("out/b.txt")), "mine");
    EXPECT_EQ(test::ReadTextFile(TestPath("out/a.txt")), QString("alpha ").repeated(500));
    EXPECT_THAT(prompt.Questions().back().text.toStdString(), HasSubstr("kept as they are:|" + TestPath("out/b.txt").toStdString()));
    EXPECT_TRUE(zip.wildcard.isEmpty());

    zip.wildcard = "b.txt";
    zip.overwriteExistingFiles = true;
    prompt.Answer(1);
    ASSERT_TRUE(ExtractMembers(zip).Ok()) << Said(prompt);
    EXPECT_EQ(test::ReadTextFile(TestPath("out/b.txt")), "bravo");
    EXPECT_EQ(prompt.Questions().back().text, "1 file was extracted to " + TestPath("out") + ".");
}

TEST_F(ArchiveOperationsTest, ExtractOverADataFileAProgramHasOpenWritesThroughTheDataFileLayer)
{
    const auto rows = [](SQLite::Database& db) { return db.execAndGet("SELECT COUNT(*) FROM t").getInt(); };
    MakeDataFile(TestPath("src/VLDB.TPS"), 2);
    ASSERT_TRUE(Add({"VLDB.TPS"}).Ok()) << Said(prompt);
    // The program's own file in the data folder, where the manager extracts
    // by default: open, with commits in its log.
    MakeDataFile(TestPath("VLDB.TPS"), 5);
    SQLite::Database live(TestPath("VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
    live.exec("INSERT INTO t VALUES (6)");
    const auto inode = [](const char* name) {
        struct stat info {};
        return stat(QFile::encodeName(TestPath(name)).constData(), &info) == 0 ? info.st_ino : 0;
    };
    const QByteArray file = QFileInfo(TestPath("VLDB.TPS")).canonicalFilePath().toUtf8();
    const auto log = inode("VLDB.TPS-wal");
    zip.wildcard = "VLDB.TPS";
    zip.overwriteExistingFiles = true;
    prompt.Answer(1);
    ASSERT_TRUE(ExtractMembers(zip).Ok()) << Said(prompt);
    EXPECT_EQ(rows(live), 2) << "the program sees the extracted content";
    EXPECT_EQ(inode("VLDB.TPS-wal"), log) << "its log was not replaced under it";
    live.exec("INSERT INTO t VALUES (3)");
    {
        SQLite::Database other(file.toStdString(), SQLite::OPEN_READONLY);
        EXPECT_EQ(rows(other), 3) << "a later write reaches the file";
        EXPECT_EQ(other.execAndGet("PRAGMA integrity_check").getString(), "ok");
    }
    EXPECT_TRUE(QDir().entryList({".halvex*"}, QDir::Dirs | QDir::Hidden).isEmpty()) << "no work folder left";
}

// A damaged data file (a page zeroed, or the file cut short) is taken out,
// named in a warning, where it replaces no live data file; into a folder
// that holds the programs' data, the data directory the main program finds
// from elsewhere, or over a data file this program or another has open, it
// is refused and nothing changes, wherever the manager was started.
TEST_F(ArchiveOperationsTest, ADamagedDataFileIsExtractedOnlyWhereItReplacesNoLiveDataFile)
{
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", TestPath("xdg").toUtf8());
    const auto restore = qScopeGuard([&home] { qputenv("XDG_DATA_HOME", home); });
    for (const char* folder : {"here", "busy", "out", "data", "xdg/velmora"}) {
        QDir().mkpath(TestPath(folder));
        MakeDataFile(TestPath(folder) + "/VLDB.TPS", 5);
    }
    test::WriteTextFile("data/POSITION.INI", "[Main]\n");
    const SQLite::Database here(TestPath("here/VLDB.TPS").toStdString(), SQLite::OPEN_READONLY);
    const test::OtherProgramLock busy(TestPath("busy/VLDB.TPS"));
    ASSERT_TRUE(busy.Held());
    zip.overwriteExistingFiles = true;
    for (const bool cut : {false, true}) {
        const QString source = TestPath("src/VLDB.TPS");
        QFile::remove(source);
        MakeDataFile(source, 3000);
        ASSERT_TRUE(cut ? QFile::resize(source, QFileInfo(source).size() / 2)
                        : test::DamagePage(source, "t", true, -1, '\0'));
        QFile::remove(zip.archiveName);
        ASSERT_TRUE(Add({"VLDB.TPS"}).Ok()) << Said(prompt);
        const struct {
            QString dir;
            QString said;
        } refused[] = {
            {TestPath("data"), TestPath("data") + " holds the programs' data"},
            {TestPath("xdg/velmora"), TestPath("xdg/velmora") + " holds the programs' data"},
            {TestPath("here"), "A program has " + TestPath("here/VLDB.TPS") + " open"},
            {TestPath("busy"), "A program has " + TestPath("busy/VLDB.TPS") + " open"},
        };
        for (const auto& r : refused) {
            const QString target = QDir(r.dir).filePath("VLDB.TPS");
            const QByteArray before = test::ReadFileBytes(target);
            zip.destinationDir = r.dir;
            zip.wildcard = "*";
            prompt.Answer(1);
            EXPECT_FALSE(ExtractMembers(zip).Ok()) << cut << r.said.toStdString();
            EXPECT_THAT(Said(prompt), HasSubstr("VLDB.TPS in the archive is damaged: "));
            EXPECT_THAT(prompt.Questions().back().text.toStdString(), HasSubstr(r.said.toStdString()));
            EXPECT_TRUE(test::ReadFileBytes(target) == before) << r.said.toStdString();
        }
        zip.destinationDir = TestPath("out");
        zip.wildcard = "*";
        prompt.Answer(1);
        ASSERT_TRUE(ExtractMembers(zip).Ok()) << Said(prompt);
        EXPECT_TRUE(test::ReadFileBytes(TestPath("out/VLDB.TPS")) == test::ReadFileBytes(source)) << "as the archive holds it";
        EXPECT_THAT(prompt.Questions().back().text.toStdString(),
                    HasSubstr("These data files are damaged; they were extracted as the archive holds them, damage "
                              "and all:|VLDB.TPS: "));
        EXPECT_EQ(prompt.Questions().back().icon, PromptIcon::Exclamation);
        EXPECT_THAT(Said(prompt), ::testing::ContainsRegex("VLDB.TPS: page [0-9]+ of the file is damaged"))
            << "the damaged page in plain words, not the engine's";
    }
}

TEST_F(ArchiveOperationsTest, UnsafeNamesAndWrongPasswordsAreReportedAndWriteNothing)
{
    ASSERT_TRUE(test::WriteRawArchive(TestPath("slip.zip"), {{"ok.txt", "x"}, {"../evil.txt", "x"}}));
    ZipAddJob locked;
    locked.archive = TestPath("locked.zip");
    locked.password = "right";
    locked.files = {{TestPath("src/b.txt"), "b.txt"}};
    ZipProgress quiet;
    ASSERT_TRUE(AddToArchive(locked, quiet).Ok());
    QDir().mkpath(TestPath("out"));
    const struct {
        const char* archive;
        const char* password;
        bool extract;
        const char* said;
    } cases[] = {
        {"slip.zip", "", true, "../evil.txt"},
        {"locked.zip", "wrong", true, "Extract files: Bad or missing decryption key"},
        {"locked.zip", "", true, "Extract files: Bad or missing decryption key"},
        {"locked.zip", "wrong", false, "Test files: Bad or missing decryption key"},
    };
    for (const auto& c : cases) {
        zip.archiveName = TestPath(c.archive);
        zip.destinationDir = TestPath("out");
        zip.wildcard = "*";
        zip.password = c.password;
        prompt.Answer(1);
        EXPECT_FALSE((c.extract ? ExtractMembers(zip) : TestMembers(zip)).Ok()) << c.archive;
        EXPECT_THAT(Said(prompt), HasSubstr(c.said)) << c.archive;
        EXPECT_TRUE(QDir(TestPath("out")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) << c.archive;
    }
    EXPECT_FALSE(QFile::exists(TestPath("evil.txt")));
    zip.password = "right";
    zip.wildcard = "*";
    prompt.Answer(1);
    EXPECT_TRUE(TestMembers(zip).Ok());
    EXPECT_EQ(prompt.Questions().back().text, "No errors were found in the tested files.");
}

} // namespace
} // namespace vl

namespace vl {
namespace {

// A cut, empty or leftover work file is refused as no whole zip archive;
// the archive open stays open.
TEST_F(ArchiveOperationsTest, OpenRefusesAFileThatIsNoWholeArchive)
{
    ASSERT_TRUE(Add({"a.txt", "b.txt"}).Ok());
    const QByteArray whole = test::ReadFileBytes(zip.archiveName);
    test::WriteBytes(TestPath("cut.zip"), whole.left(whole.size() / 2));
    test::WriteBytes(TestPath("empty.zip"), QByteArray());
    test::WriteBytes(TestPath("zeroed.zip"), QByteArray(whole.size(), '\0'));
    for (const char* name : {"cut.zip", "empty.zip", "zeroed.zip"}) {
        prompt.Answer(1);
        EXPECT_FALSE(ReadArchiveToOpen(zip, TestPath(name))) << name;
        EXPECT_EQ(prompt.Questions().back().caption, "Open ZIP archive");
        EXPECT_THAT(prompt.Questions().back().text.toStdString(),
                    HasSubstr("No files in archive: this is not a whole zip archive."));
        EXPECT_EQ(zip.archiveName, TestPath("work.zip")) << name;
        EXPECT_EQ(zip.members, 2) << name;
    }
    EXPECT_TRUE(ReadArchiveToOpen(zip, TestPath("work.zip")));
}

} // namespace
} // namespace vl
