// A damaged main data file met at start: the frame does not start, and the
// user is offered its repair or the restore of the data files with the
// backup program.

#include "core/base/ProgramStop.h"
#include "core/startup/DamagedFileOffer.h"
#include "platform/process/ExecutableDirectory.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>

namespace vl {
namespace {

class DamagedDataFileTest : public test::MainFrameFixture {
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        ResetProgramStop();
    }
    void TearDown() override
    {
        ResetProgramStop();
        MainFrameFixture::TearDown();
    }
    static QString MainDataFile() { return QDir::current().absoluteFilePath("VLDB.TPS"); }
};

TEST_F(DamagedDataFileTest, RestoreStartsTheBackupRunnerOnTheDataDirectory)
{
    {
        QFile file(MainDataFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("SQLite format 3\0 and then nothing a data file holds", 52));
    }
    test::ScriptedPrompt prompt; // the frame's start asks nothing itself
    MakeFrame();
    EXPECT_FALSE(frame->Open());
    EXPECT_TRUE(prompt.Questions().empty());
    ASSERT_EQ(QFileInfo(DamagedDataFile()).absoluteFilePath(), MainDataFile());

    prompt.AnswerButton("Restore");
    EXPECT_EQ(AskAboutDamagedFile(prompt, ProgramStopReason()), DamagedFileChoice::Restore);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    const test::PromptQuestion& offer = prompt.Questions()[0];
    EXPECT_EQ(offer.caption, "Damaged Data File");
    EXPECT_EQ(offer.buttons, "&Repair|Re&store|E&xit");
    EXPECT_TRUE(offer.text.startsWith("The data file " + QDir::toNativeSeparators(MainDataFile()) + " cannot be used"))
        << offer.text.toStdString();
    EXPECT_FALSE(offer.text.contains("\\!")) << "no table's name inside the file";

    ProgramStart started;
    EXPECT_TRUE(StartRestore(prompt, DamagedDataFile(), [&started](const ProgramStart& start) {
        started = start;
        return RunResult::Success();
    }));
    EXPECT_EQ(started.program, QDir(ExecutableDirectory()).filePath("Halvex"));
    EXPECT_EQ(started.arguments, QStringList{"VLDB.TPS"});
    EXPECT_EQ(QDir(started.workingDirectory).absolutePath(), QDir::currentPath());
}

} // namespace
} // namespace vl
