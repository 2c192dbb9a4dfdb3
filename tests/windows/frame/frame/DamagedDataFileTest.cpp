// A damaged main data file met at start: the frame does not start, and the
// user is offered its repair or the restore of the data files with the
// backup program.

#include "core/base/ProgramStop.h"
#include "core/repair/windows/RepairWindow.h"
#include "core/startup/DamagedFileOffer.h"
#include "windows/frame/frame/Main.h"
#include "platform/process/ExecutableDirectory.h"
#include "platform/widgets/QtPromptService.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTableWidget>

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

    // The stopped start leaves no loop ending: the question waits for the user.
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == "E&xit")
                        button->click();
    });
    QtPromptService onScreen;
    EXPECT_EQ(AskAboutDamagedFile(onScreen, ProgramStopReason()), DamagedFileChoice::Exit);

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

TEST_F(DamagedDataFileTest, RepairMendsTheFileInTheRepairWindowAndTheFrameStartsOverIt)
{
    ASSERT_TRUE(OpenTable(Tables().Schedule));
    for (int i = 0; i < 50; ++i) {
        ScheduleRecord task;
        task.Description = QStringLiteral("task %1").arg(i);
        ASSERT_TRUE(Tables().Schedule.Add(task));
    }
    Tables().Schedule.Close();
    OpenFrame(); // makes every table of the file
    frame.reset();
    Tables().CloseAll();
    {
        // The page that starts the file's list of tables, after its header.
        QFile file(MainDataFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(100));
        file.write(QByteArray(4096 - 100, '\xA5'));
    }
    test::ScriptedPrompt prompt;
    MakeFrame();
    ASSERT_FALSE(frame->Open());
    frame.reset();

    // What the program's main loop does with the answer "Repair".
    const QString damaged = DamagedDataFile();
    prompt.AnswerButton("Repair");
    ASSERT_EQ(AskAboutDamagedFile(prompt, ProgramStopReason()), DamagedFileChoice::Repair);
    ResetProgramStop();
    QStringList tagged;
    QString information;
    QString scheduleRecords;
    // Once the window is up: what it shows when its run has finished, and
    // the user's close.
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* window = qobject_cast<RepairWindow*>(widget);
                if (!window)
                    continue;
                for (const RepairRow& row : window->Rows()) {
                    if (row.tag == "1")
                        tagged << row.label;
                }
                EXPECT_TRUE(window->Running());
                EXPECT_EQ(window->Progress()->CurrentFile(), "VLDB.TPS");
                EXPECT_EQ(window->Progress()->FilesLeft(), "0") << "the tagged tables are all in that file";
                QObject::connect(window, &RepairWindow::Finished, window, [window, &information, &scheduleRecords] {
                    // The file is repaired once, on the first of its rows;
                    // every row of it shows its count.
                    information = window->List()->item(0, 3)->text();
                    for (int i = 0; i < window->List()->rowCount(); ++i) {
                        if (window->List()->item(i, 1)->text() == "Schedule")
                            scheduleRecords = window->List()->item(i, 2)->text();
                    }
                    window->close();
                });
            }
        },
        Qt::QueuedConnection);
    RepairDamagedFile(damaged);

    EXPECT_TRUE(tagged.contains("Schedule"));
    EXPECT_TRUE(tagged.contains("Todo"));
    EXPECT_FALSE(tagged.contains("MsgLink")) << "a table of another file";
    EXPECT_TRUE(information.startsWith("Repaired: ")) << information.toStdString();
    EXPECT_FALSE(information.contains("lost")) << information.toStdString();
    EXPECT_EQ(scheduleRecords, "50");
    EXPECT_TRUE(QFile::exists(MainDataFile() + ".damaged"));
    ASSERT_EQ(prompt.Questions().size(), 1u) << "the offer alone: choosing Repair is the answer";

    MakeFrame();
    EXPECT_TRUE(frame->Open());
    EXPECT_FALSE(ProgramStopRequested());
    ASSERT_TRUE(OpenTable(Tables().Schedule));
    EXPECT_EQ(Tables().Schedule.Records(), 50);
    Tables().Schedule.Close();
}

} // namespace
} // namespace vl
