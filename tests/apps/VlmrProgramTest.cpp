// VLMR as a process: started in a data directory, told to terminate as the
// desktop session does at logout, also with trayer's notification area on a
// display of its own, a modal box open, or at a question of its start (the
// data directory's, a damaged data file's).

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/Table.h"
#include "platform/runtime/IniFile.h"
#include "tests/platform/desktop/PrivateXServer.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <X11/Xlib.h>

#include <csignal>
#include <memory>

namespace vl {
namespace {

using ::testing::ElementsAre;

QStringList LoggedLabels()
{
    QStringList labels;
    for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
        labels << line.mid(22, 32).trimmed();
    return labels;
}

class VlmrProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An empty main data file: the data directory is found at once and
        // no dialog appears.
        test::WriteTextFile("VLDB.TPS", QString());
        test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\n");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
        vlmr.setProcessEnvironment(environment);
        vlmr.setWorkingDirectory(test::TestDir());
        vlmr.setProgram(QStringLiteral(VL_BIN_DIR "/VLMR"));
    }

    void TearDown() override
    {
        if (vlmr.state() != QProcess::NotRunning) {
            vlmr.kill();
            vlmr.waitForFinished();
        }
    }

    // Waits until the program has logged its start, or has ended without;
    // on a busy machine as long as that takes (the suite's timeout bounds it).
    bool Started()
    {
        while (!LoggedLabels().contains("Started")) {
            if (vlmr.waitForFinished(50))
                return LoggedLabels().contains("Started");
        }
        return true;
    }

    QProcess vlmr;
};

TEST_F(VlmrProgramTest, TerminateEndsTheProgramWithoutCloseStepsAndLosesNothing)
{
    vlmr.start();
    ASSERT_TRUE(vlmr.waitForStarted(-1)) << vlmr.errorString().toStdString();
    ASSERT_TRUE(Started()) << vlmr.readAllStandardError().toStdString();

    ASSERT_EQ(::kill(static_cast<pid_t>(vlmr.processId()), SIGTERM), 0);
    ASSERT_TRUE(vlmr.waitForFinished(-1));
    EXPECT_EQ(vlmr.exitStatus(), QProcess::NormalExit) << "ended by itself, not killed by the signal";
    EXPECT_EQ(vlmr.exitCode(), 0);

    EXPECT_THAT(LoggedLabels(), ElementsAre("Started")) << "no close steps: no \"Exit Velmora\"";
    IniFile positions("POSITION.INI");
    EXPECT_GT(positions.Get("Main", "Width").toInt(), 0) << "the frame's place was saved";

    // The data written at start-up is in the data file, readable by the
    // next run.
    DictionaryStart();
    EXPECT_EQ(GetConfigValue("VLMRV"), "vlmr");
    EXPECT_EQ(GetConfigValue("Version"), "1.91");
    DictionaryEnd();
}

class VlmrSignalTest : public VlmrProgramTest {
protected:
    void SetUp() override
    {
        VlmrProgramTest::SetUp();
        trayer.setProcessEnvironment(Environment());
        trayer.start("trayer", {"--edge", "top"});
        ASSERT_TRUE(display);
        // Ready once it owns the tray selection, however long that takes on a
        // busy machine: a count bounds the wait, no time does.
        const Atom tray = XInternAtom(display.get(), "_NET_SYSTEM_TRAY_S0", False);
        for (int round = 0; XGetSelectionOwner(display.get(), tray) == None; ++round)
            ASSERT_TRUE(round < 6000 && !trayer.waitForFinished(50)) << "no notification area on the display";
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(); // with the test's bus
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", server.DisplayName());
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
        return environment;
    }

    // Starts VLMR; the event log tells of this run alone.
    void Start(QProcess& process, const QString& directory, const QStringList& arguments = {})
    {
        QFile::remove("VLMREVNT.LOG");
        process.setProcessEnvironment(Environment());
        process.setWorkingDirectory(directory);
        process.start(QStringLiteral(VL_BIN_DIR "/VLMR"), arguments);
        ASSERT_TRUE(process.waitForStarted(-1)) << process.errorString().toStdString();
    }

    // Waits until a window of that title is on the display; false when VLMR ends first.
    bool Shows(const QByteArray& title)
    {
        for (QProcess windows;; windows.close()) {
            windows.start("xwininfo", {"-display", server.DisplayName(), "-root", "-children"});
            if (windows.waitForFinished(-1) && windows.readAll().contains("\"" + title + "\":"))
                return true;
            if (vlmr.waitForFinished(50))
                return false;
        }
    }

    // The signal ends VLMR by itself, with exit code 0, its lock and log files gone.
    void ExpectCleanEnd(int signal, const QString& directory)
    {
        ASSERT_EQ(::kill(static_cast<pid_t>(vlmr.processId()), signal), 0);
        ASSERT_TRUE(vlmr.waitForFinished(-1));
        EXPECT_TRUE(vlmr.exitStatus() == QProcess::NormalExit && !vlmr.exitCode()) << vlmr.readAllStandardError().data();
        for (const char* left : {"/VLMR.LCK", "/VLDB.TPS-wal", "/VLDB.TPS-shm"})
            EXPECT_FALSE(QFile::exists(directory + left)) << left;
    }

    test::PrivateXServer server;
    std::unique_ptr<Display, decltype(&XCloseDisplay)> display{XOpenDisplay(server.DisplayName()), XCloseDisplay};
    QProcess trayer;
};

TEST_F(VlmrSignalTest, ASignalEndsItCleanlyWithItsIconInTheNotificationAreaOrAModalBoxOpen)
{
    const test::PrivateBus bus;
    // The frame hidden in the tray, shown, and with Options open (modal) over it.
    for (const int round : {0, 1, 2}) {
        test::WriteTextFile("vlmr.INI", round == 0 ? "[Settings]\nLogEvents=1\nStartUpMinimized=1\n"
                                                   : "[Settings]\nLogEvents=1\n");
        Start(vlmr, test::TestDir());
        ASSERT_TRUE(Started()) << vlmr.readAllStandardError().toStdString();
        QProcess second; // hands "/CONFIG" over: the running one opens Options
        if (round == 2)
            Start(second, test::TestDir(), {"/CONFIG"});
        ASSERT_TRUE(round < 2 || Shows("Options")) << vlmr.readAllStandardError().toStdString();
        ExpectCleanEnd(round == 1 ? SIGINT : SIGTERM, test::TestDir());
    }
}

TEST_F(VlmrSignalTest, ASignalAtAStartsQuestionEndsItWritingNothing)
{
    const QString start = test::TestPath("start");
    ASSERT_TRUE(QDir().mkpath(start));
    Start(vlmr, start);
    ASSERT_TRUE(Shows("Select data directory")) << vlmr.readAllStandardError().toStdString();
    ExpectCleanEnd(SIGTERM, start);
    for (const QString& directory : {start, test::TestPath("xdg/velmora")})
        EXPECT_THAT(QDir(directory).entryList(QDir::Files | QDir::Hidden), ::testing::IsEmpty());

    // A damaged main data file's question (Repair is its default): the
    // signal ends it there, without a repair and without the frame.
    DictionaryStart();
    GetConfigValue("Version");
    DictionaryEnd();
    QFile data("VLDB.TPS");
    ASSERT_TRUE(data.open(QIODevice::ReadWrite) && data.seek(47) && data.putChar(char(0xff)));
    data.close();
    const auto bytes = [] {
        QFile file("VLDB.TPS");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray damaged = bytes();
    Start(vlmr, test::TestDir());
    ASSERT_TRUE(Shows("Damaged Data File")) << vlmr.readAllStandardError().toStdString();
    ExpectCleanEnd(SIGTERM, test::TestDir());
    EXPECT_TRUE(bytes() == damaged);
    EXPECT_FALSE(QFile::exists("VLDB.TPS.damaged")) << "no repair began";
}

// A signal at a question of the start answers nothing: neither the repair a
// crash left asked for nor the keys' rebuild runs, and the question is asked
// again at the next start.
TEST_F(VlmrSignalTest, ASignalAtAQuestionStartsNothingAnyButtonWould)
{
    DictionaryStart();
    GetConfigValue("Version");
    {
        Table<ScheduleRecord> schedule(ScheduleDefinition());
        ASSERT_TRUE(schedule.Open(TableFile::kDeclaredMode, true));
    }
    DictionaryEnd();
    const auto bytes = [] {
        QFile file("VLDB.TPS");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString crashed = "[Settings]\nLogEvents=1\n[VLMR]\nBadFile=Schedule\n";
    test::WriteTextFile("vlmr.INI", crashed);
    const QByteArray before = bytes();
    for (int start = 0; start < 2; ++start) {
        Start(vlmr, test::TestDir());
        ASSERT_TRUE(Shows("Warning")) << vlmr.readAllStandardError().toStdString();
        ExpectCleanEnd(SIGTERM, test::TestDir());
        EXPECT_EQ(IniFile("vlmr.INI").Get("VLMR", "BadFile"), "Schedule") << "kept for the next start";
        EXPECT_TRUE(bytes() == before);
        EXPECT_FALSE(QFile::exists("VLDB.TPS.damaged")) << "no repair began";
    }

    test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\n");
    SQLite::Database("VLDB.TPS", SQLite::OPEN_READWRITE).exec("DROP INDEX \"s|SCH:KEYDATE\"");
    for (const int signal : {SIGTERM, SIGHUP}) {
        Start(vlmr, test::TestDir());
        ASSERT_TRUE(Shows("Invalid Key")) << vlmr.readAllStandardError().toStdString();
        ExpectCleanEnd(signal, test::TestDir());
        EXPECT_FALSE(LoggedLabels().contains("Started")) << "no frame, no scheduler";
        EXPECT_EQ(SQLite::Database("VLDB.TPS").execAndGet(
                      "SELECT COUNT(*) FROM sqlite_master WHERE name = 's|SCH:KEYDATE'").getInt(), 0)
            << "the keys were not rebuilt";
    }
}

} // namespace
} // namespace vl
