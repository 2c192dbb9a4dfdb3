// A damaged main data file met at start: the frame does not start, and the
// user is offered its repair or the restore of the data files with the
// backup program.

#include "core/base/ProgramStop.h"
#include "core/repair/windows/RepairWindow.h"
#include "core/startup/DamagedFileOffer.h"
#include "platform/data/Connection.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/frame/frame/Main.h"
#include "platform/process/ExecutableDirectory.h"
#include "platform/widgets/QtPromptService.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QTableWidget>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

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

// The leaf page of a table or key that holds its highest entries (where the
// next task's number is read and its record goes), with its entry count.
struct LastLeaf {
    int64_t page = 0;
    int entries = 0;
    int pageSize = 0;
};

LastLeaf FindLastLeaf(const QString& path, const QString& object)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)"); // every page in the file itself
    LastLeaf leaf;
    leaf.pageSize = db.execAndGet("PRAGMA page_size").getInt();
    SQLite::Statement pages(db, "SELECT pageno, ncell FROM dbstat WHERE name = ? AND pagetype = 'leaf' "
                                "ORDER BY path DESC LIMIT 1");
    pages.bind(1, object.toStdString());
    if (pages.executeStep()) {
        leaf.page = pages.getColumn(0).getInt64();
        leaf.entries = pages.getColumn(1).getInt();
    }
    return leaf;
}

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

// Damage met while the frame runs: the new task's number cannot be read, or
// its record cannot be placed. The offer comes once; Repair mends the file
// with the frame still running, and the frame goes on over the repaired file.
TEST_F(DamagedDataFileTest, DamageMetWhileTheFrameRunsIsOfferedOnceAndRepairedUnderTheRunningFrame)
{
    struct Case {
        const char* name;
        const char* object; // in the file
        bool zeros;         // else random bytes
    };
    const Case cases[] = {
        {"zeros in a key page", "s|SCH:KEYID", true},
        {"random bytes in a key page", "s|SCH:KEYID", false},
        {"zeros in the task table's page", "s", true},
        {"random bytes in the task table's page", "s", false},
    };
    constexpr int kTasks = 400;
    const QString home = QDir::currentPath();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(home).mkpath(c.name));
        QDir::setCurrent(QDir(home).filePath(c.name));
        ASSERT_TRUE(OpenTable(Tables().Schedule));
        for (int i = 0; i < kTasks; ++i) {
            ScheduleRecord task;
            task.Description = QStringLiteral("task %1 of the list that fills its pages").arg(i);
            ASSERT_TRUE(Tables().Schedule.Add(task));
        }
        OpenFrame();

        const LastLeaf leaf = FindLastLeaf(MainDataFile(), QLatin1String(c.object));
        ASSERT_GT(leaf.page, 1);
        {
            QByteArray bytes(leaf.pageSize, '\0');
            if (!c.zeros) {
                QRandomGenerator noise(7);
                for (char& byte : bytes)
                    byte = static_cast<char>(noise.bounded(256));
                bytes[0] = '\x01'; // no kind of page
            }
            QFile file(MainDataFile());
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.seek((leaf.page - 1) * leaf.pageSize));
            ASSERT_EQ(file.write(bytes), leaf.pageSize);
        }
        DataConnection::ReleaseCachedPages(); // the pages are read from the file again

        test::ScriptedPrompt prompt;
        prompt.AnswerButton("Repair");
        ScheduleRecord added;
        EXPECT_FALSE(Tables().Schedule.Add(added));
        EXPECT_EQ(Tables().Schedule.ErrorCode(), kInvalidDataFile);
        EXPECT_FALSE(Tables().Schedule.Add(added)) << "met again before the offer: still one offer";

        // The offer comes when the frame's loop runs, and the repair runs
        // in the window it opens.
        DeliverPostedEvents();
        QPointer<RepairWindow> window = qobject_cast<RepairWindow*>(
            Threads().Window(Threads().ProcedureThread(QLatin1String(kRepairWindowProcedure))));
        if (window && window->Running()) {
            QEventLoop loop;
            QObject::connect(window, &RepairWindow::Finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
        ASSERT_TRUE(window) << "Repair opens the repair window";
        ASSERT_GE(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].caption, "Damaged Data File");
        EXPECT_TRUE(prompt.Questions()[0].text.startsWith("The data file " + QDir::toNativeSeparators(MainDataFile())))
            << prompt.Questions()[0].text.toStdString();
        EXPECT_EQ(prompt.Questions()[0].buttons, "&Repair|Re&store|E&xit");
        ASSERT_EQ(prompt.Questions().size(), 1u) << "the offer alone: Repair asks nothing more, and nothing failed";
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_TRUE(QFile::exists(MainDataFile() + ".damaged"));
        EXPECT_FALSE(frame->Ended());
        frame->TimerEvent();
        EXPECT_EQ(Tables().Schedule.Records(), kTasks - (QLatin1String(c.object) == "s" ? leaf.entries : 0))
            << "every task on a sound page is back";
        ScheduleRecord task;
        task.Description = QStringLiteral("after the repair");
        EXPECT_TRUE(Tables().Schedule.Add(task)) << Tables().Schedule.Error().toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(prompt.Questions().size(), 1u) << "the repaired file is sound: no second offer";

        frame.reset();
        Tables().CloseAll();
        QDir::setCurrent(home);
    }
}

// "Repair Files" opened from the menu while the frame runs and a list is
// open: after asking, the program lets go of the file itself, repairs it,
// and the list opens again over the repaired file.
TEST_F(DamagedDataFileTest, TheRepairWindowClosesTheProgramsOwnWindowsAndTablesAndOpensThemAgain)
{
    ASSERT_TRUE(OpenTable(Tables().Schedule));
    ScheduleRecord task;
    ASSERT_TRUE(Tables().Schedule.Add(task));
    OpenFrame();
    const QString list = QStringLiteral("DamagedDataFileTest.List");
    Procedures().RegisterWindow(list, [] { return new QWidget; });
    Procedures().RegisterWindow(QLatin1String(kRepairWindowProcedure), [] { return RepairFiles(); });
    ASSERT_TRUE(Procedures().Start(list, frame.get()));
    ASSERT_TRUE(Procedures().Start(QLatin1String(kRepairWindowProcedure), frame.get()));
    QPointer<RepairWindow> window = qobject_cast<RepairWindow*>(
        Threads().Window(Threads().ProcedureThread(QLatin1String(kRepairWindowProcedure))));
    ASSERT_TRUE(window);
    window->TagDataFile(MainDataFile());

    test::ScriptedPrompt prompt;
    prompt.AnswerButton("No");
    window->Button(RepairOperation::Fix)->click();
    EXPECT_FALSE(window->Running()) << "answered No, nothing is closed";
    EXPECT_NE(Threads().ProcedureThread(list), 0);

    prompt.AnswerButton("Yes").AnswerButton("Yes");
    QEventLoop loop;
    QObject::connect(window, &RepairWindow::Finished, &loop, &QEventLoop::quit);
    window->Button(RepairOperation::Fix)->click();
    ASSERT_TRUE(window->Running());
    EXPECT_EQ(Threads().ProcedureThread(list), 0) << "the list closed for the repair";
    EXPECT_FALSE(Tables().Schedule.IsOpen());
    loop.exec();

    ASSERT_EQ(prompt.Questions().size(), 3u) << "asked twice, then the whole-file question; no access error";
    EXPECT_EQ(prompt.Questions()[0].caption, "Repair Files");
    EXPECT_NE(Threads().ProcedureThread(list), 0) << "the list opens again";
    EXPECT_TRUE(Tables().Schedule.IsOpen()) << "and the table it had open";
    EXPECT_EQ(Tables().Schedule.Records(), 1);
    EXPECT_FALSE(frame->Ended());
    window->close();
    Procedures().Unregister(list);
    Procedures().Unregister(QLatin1String(kRepairWindowProcedure));
    Tables().Schedule.Close();
}

} // namespace
} // namespace vl
