// Opening data files with the standard warnings, answered by a scripted
// prompt service, on real data files.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <SQLiteCpp/Database.h>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/OpenDataFile.h"
#include "core/dictionary/StandardWarnings.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/base/ProgramStop.h"
#include "platform/data/TableDeclaration.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl {
namespace {

constexpr int kShared = AccessMode::kReadWrite | AccessMode::kDenyNone;

QByteArray ReadBytes(const QString& name)
{
    QFile file(test::TestPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The main data file as the messages name it.
QString DataFilePath()
{
    return QDir::toNativeSeparators(QFileInfo(test::TestPath("VLDB.TPS")).absoluteFilePath());
}

class OpenDataFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramStop(); }
    void TearDown() override { ResetProgramStop(); }

    Table<ScheduleRecord> schedule{ScheduleDefinition()};

    void CreateSchedule()
    {
        Table<ScheduleRecord> maker(ScheduleDefinition());
        ASSERT_TRUE(maker.Open(TableFile::kDeclaredMode, true));
        ScheduleRecord task;
        task.Description = QStringLiteral("kept");
        ASSERT_TRUE(maker.Add(task));
        maker.Close();
    }
};

TEST_F(OpenDataFileTest, AnOpenTableOrAMissingOneToCreateOpensSilently)
{
    test::ScriptedPrompt prompt; // no question may be asked
    EXPECT_TRUE(OpenDataFile(schedule, true, false, kShared, false));
    EXPECT_TRUE(QFile::exists("VLDB.TPS"));
    EXPECT_TRUE(OpenDataFile(schedule, false, false, kShared, false));
    EXPECT_EQ(schedule.ErrorCode(), kFileAlreadyOpen);
    EXPECT_FALSE(ProgramStopRequested());
    schedule.Close();
    schedule.Close();
}

TEST_F(OpenDataFileTest, AMissingFileOpenedQuietlyIsNotCreatedAndStopsTheProgram)
{
    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(OpenDataFile(schedule, true, true, kShared, false));
    EXPECT_FALSE(QFile::exists("VLDB.TPS"));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "File Access Error");
    EXPECT_EQ(prompt.Questions()[0].text,
              "File (" + DataFilePath() + ") could not be opened.  Error: File Not Found (2).")
        << "the data file by its path, never by a table's name inside it";
    EXPECT_EQ(prompt.Questions()[1].caption, "Disk Error");
    EXPECT_EQ(prompt.Questions()[1].text, "Velmora cannot go on without the data file|" + DataFilePath() +
                                              "|Error: File Not Found (2)||The file is missing. Restore it from a "
                                              "backup, or start Velmora in the data directory that holds it.||"
                                              "Velmora will now close.")
        << "what failed and what the user can do";
    EXPECT_EQ(ProgramStopReason(), "Disk Error");
}

TEST_F(OpenDataFileTest, AMissingFileNotToBeCreatedEndsWithWarningFour)
{
    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(OpenDataFile(schedule, false, false, kShared, false));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "File Creation Error");
    EXPECT_EQ(prompt.Questions()[0].text,
              "Error: (File Not Found (2)) creating " + DataFilePath() + ".  Press OK to end this application.");
    EXPECT_EQ(ProgramStopReason(), "File Creation Error!");
    EXPECT_FALSE(QFile::exists("VLDB.TPS"));
}

TEST_F(OpenDataFileTest, ADamagedDataFileStopsTheStartNamingItAndIsLeftUntouched)
{
    const QByteArray damaged("SQLite format 3\0 but not really, and more bytes after it", 56);
    {
        QFile file(test::TestPath("VLDB.TPS"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    test::ScriptedPrompt prompt; // the program offers repair and restore; no box here
    EXPECT_FALSE(OpenDataFile(schedule, true, false, kShared, false));
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_TRUE(ProgramStopRequested());
    EXPECT_EQ(ProgramStopReason(),
              "The data file " + QDir::current().absoluteFilePath("VLDB.TPS") +
                  " cannot be used: it is damaged, or it is not a Velmora data file.|Error: Invalid Data File "
                  "(36)||The file has been left as it is.");
    EXPECT_EQ(QFileInfo(DamagedDataFile()).absoluteFilePath(), QDir::current().absoluteFilePath("VLDB.TPS"));

    EXPECT_EQ(ReadBytes("VLDB.TPS"), damaged);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList({"VLDB.TPS"}));
}

TEST_F(OpenDataFileTest, ANewerLayoutStopsWithTheUpgradeErrorAndLeavesItInTheClipboard)
{
    {
        Table<ScheduleRecord> newer(TableDeclaration<ScheduleRecord>("Schedule", "SCH")
                                        .FileName(QLatin1String(kScheduleFileName))
                                        .Version(12)
                                        .Long("SCH:ID", &ScheduleRecord::ID)
                                        .Build());
        ASSERT_TRUE(newer.Open(TableFile::kDeclaredMode, true));
        newer.Close();
    }
    const QByteArray before = ReadBytes("VLDB.TPS");
    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1).Answer(1);
    EXPECT_FALSE(OpenDataFile(schedule, true, false, kShared, false));
    ASSERT_EQ(prompt.Questions().size(), 3u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Upgrade Error");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("The databases must be upgraded before using this version"));
    EXPECT_EQ(prompt.Questions()[1].caption, "Assistant");
    EXPECT_EQ(ProgramStopReason(), "Cannot proceed.");

    const QString clip = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(clip.startsWith("\r\nError:  ")) << qPrintable(clip);
    EXPECT_TRUE(clip.contains("\r\nPath:  ")) << qPrintable(clip);
    EXPECT_TRUE(clip.endsWith("\r\n")) << qPrintable(clip);
    EXPECT_EQ(ReadBytes("VLDB.TPS"), before);
}

TEST_F(OpenDataFileTest, DamagedKeysAreRebuiltOnlyWithTheUsersConsent)
{
    CreateSchedule();
    auto dropKey = [] {
        SQLite::Database db("VLDB.TPS", SQLite::OPEN_READWRITE);
        db.exec("DROP INDEX \"s|SCH:KEYDATE\"");
    };
    dropKey();
    {
        test::ScriptedPrompt prompt;
        prompt.AnswerButton("No").Answer(1);
        EXPECT_FALSE(OpenDataFile(schedule, true, false, kShared, false));
        ASSERT_EQ(prompt.Questions().size(), 2u);
        EXPECT_EQ(prompt.Questions()[0].caption, "Invalid Key");
        EXPECT_EQ(prompt.Questions()[0].text, DataFilePath() + " key file is invalid.  Do you want to rebuild the key?");
        EXPECT_EQ(prompt.Questions()[0].buttons, "&Yes|&No");
        EXPECT_EQ(ProgramStopReason(), "Invalid Key!");
    }
    ResetProgramStop();
    test::ScriptedPrompt prompt;
    prompt.AnswerButton("Yes");
    EXPECT_TRUE(OpenDataFile(schedule, true, false, kShared, false));
    EXPECT_FALSE(ProgramStopRequested());
    EXPECT_EQ(schedule.Records(), 1);
    schedule.Close();
}

TEST_F(OpenDataFileTest, AFileLockedByAnotherProgramIsTriedTwiceThenReported)
{
    CreateSchedule();
    const int savedWait = LockWait();
    SetLockWait(50);
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    // Readers never wait for a writer in the log mode; a program that takes
    // the file back to the old journal mode locks them out.
    other.exec("PRAGMA journal_mode = DELETE");
    other.exec("BEGIN EXCLUSIVE");
    test::ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    EXPECT_FALSE(OpenDataFile(schedule, true, false, kShared, true));
    other.exec("ROLLBACK");
    SetLockWait(savedWait);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "File Access Error");
    EXPECT_TRUE(prompt.Questions()[0].text.contains("(32)")) << qPrintable(prompt.Questions()[0].text);
    EXPECT_TRUE(prompt.Questions()[1].text.contains("Another program holds the file."));
    EXPECT_EQ(ProgramStopReason(), "Disk Error");
}

TEST(StandardWarningsTest, TextsOfTheWarningsThatEndTheProgram)
{
    ResetProgramStop();
    const DataError error = DataError::Make(kAccessDenied);
    test::ScriptedPrompt prompt;
    for (int i = 0; i < 7; ++i)
        prompt.Answer(1);
    EXPECT_EQ(ShowFileWarning(kWarnInvalidFile, "Hot Keys", error), 0);
    ResetProgramStop();
    EXPECT_EQ(ShowFileWarning(kWarnKeyRebuildError, "Hot Keys", error), 0);
    ResetProgramStop();
    EXPECT_EQ(ShowFileWarning(kWarnCreatedFileOpenError, "Hot Keys", error), 0);
    ResetProgramStop();
    EXPECT_EQ(ShowFileWarning(kWarnFileAccessError, "Hot Keys", error), 1);
    EXPECT_FALSE(ProgramStopRequested());
    const auto& q = prompt.Questions();
    ASSERT_EQ(q.size(), 7u);
    EXPECT_EQ(q[0].caption, "Invalid File");
    EXPECT_EQ(q[0].text, "Error: (Access Denied (5)) accessing Hot Keys.  Press OK to end this application.");
    EXPECT_EQ(q[1].text, "Invalid File!");
    EXPECT_EQ(q[2].caption, "Key Rebuild Error");
    EXPECT_EQ(q[2].text, "Error: (Access Denied (5)) repairing key for Hot Keys.  Press OK to end this application.");
    EXPECT_EQ(q[3].text, "Error Rebuilding Key!");
    EXPECT_EQ(q[4].text,
              "Error: (Access Denied (5)) opening created file:Hot Keys.  Press OK to end this application.");
    EXPECT_EQ(q[6].text, "File (Hot Keys) could not be opened.  Error: Access Denied (5).");
    prompt.Answer(1);
    EXPECT_EQ(ShowWarning(kWarnFileAccessError, error), 1);
    ResetProgramStop();
}

} // namespace
} // namespace vl
