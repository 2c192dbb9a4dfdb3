// VLMR as a process: started in a data directory, told to terminate as the
// desktop session does at logout, also with a notification area on its
// display, a modal box open, or at the first start's question.

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/IniFile.h"
#include "tests/platform/desktop/PrivateXServer.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <X11/Xlib.h>

#include <csignal>

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

// A display of the test's own with a notification area (trayer) on it.
class TrayDisplay {
public:
    TrayDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", server_.DisplayName());
        trayer_.setProcessEnvironment(environment);
        trayer_.start("trayer", {"--edge", "top"});
        display_ = XOpenDisplay(server_.DisplayName().constData());
        if (!display_ || !trayer_.waitForStarted(-1))
            return;
        // Ready once it owns the tray selection, however long that takes on a
        // busy machine: a count bounds the wait, no time does.
        const Atom tray = XInternAtom(display_, "_NET_SYSTEM_TRAY_S0", False);
        for (int round = 0; round < 6000 && !ready_ && !trayer_.waitForFinished(50); ++round)
            ready_ = XGetSelectionOwner(display_, tray) != None;
    }
    ~TrayDisplay()
    {
        trayer_.kill();
        trayer_.waitForFinished();
        if (display_)
            XCloseDisplay(display_);
    }
    bool Ready() const { return ready_; }
    QString Name() const { return QString::fromLatin1(server_.DisplayName()); }
    // A top-level window of that title is on the screen.
    bool Shows(const QByteArray& title) const
    {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        const Atom name = XInternAtom(display_, "_NET_WM_NAME", False);
        bool shown = false;
        for (unsigned int i = 0; i < count && !shown; ++i) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, left = 0;
            unsigned char* value = nullptr;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state == IsViewable
                && XGetWindowProperty(display_, children[i], name, 0, 64, False, AnyPropertyType, &type, &format,
                                      &items, &left, &value) == Success && value) {
                shown = QByteArray(reinterpret_cast<const char*>(value), static_cast<int>(items)) == title;
                XFree(value);
            }
        }
        XFree(children);
        return shown;
    }

private:
    test::PrivateXServer server_;
    QProcess trayer_;
    Display* display_ = nullptr;
    bool ready_ = false;
};

class VlmrSignalTest : public VlmrProgramTest {
protected:
    void SetUp() override
    {
        VlmrProgramTest::SetUp();
        ASSERT_TRUE(tray.Ready()) << "a notification area on the test's display";
    }

    void Start(QProcess& process, const QString& directory, const QStringList& arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(); // with the test's bus
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", tray.Name());
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory);
        process.start(QStringLiteral(VL_BIN_DIR "/VLMR"), arguments);
        ASSERT_TRUE(process.waitForStarted(-1)) << process.errorString().toStdString();
    }

    bool Shows(const QByteArray& title)
    {
        while (!tray.Shows(title)) {
            if (vlmr.waitForFinished(50))
                return false;
        }
        return true;
    }

    // The signal ends VLMR by itself, with exit code 0, its lock and log files gone.
    void ExpectCleanEnd(int signal, const QString& directory)
    {
        ASSERT_EQ(::kill(static_cast<pid_t>(vlmr.processId()), signal), 0);
        ASSERT_TRUE(vlmr.waitForFinished(-1));
        const QString errors = QString::fromLocal8Bit(vlmr.readAllStandardError());
        EXPECT_EQ(vlmr.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(vlmr.exitCode(), 0) << errors.toStdString();
        for (const char* left : {"/VLMR.LCK", "/VLDB.TPS-wal", "/VLDB.TPS-shm"})
            EXPECT_FALSE(QFile::exists(directory + left)) << left;
    }

    TrayDisplay tray;
};

TEST_F(VlmrSignalTest, ASignalEndsItCleanlyWithItsIconInTheNotificationArea)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        // SIGTERM finds the frame hidden in the tray.
        test::WriteTextFile("vlmr.INI", signal == SIGTERM ? "[Settings]\nLogEvents=1\nStartUpMinimized=1\n"
                                                          : "[Settings]\nLogEvents=1\n");
        QFile::remove("VLMREVNT.LOG");
        Start(vlmr, test::TestDir());
        ASSERT_TRUE(Started()) << vlmr.readAllStandardError().toStdString();
        ExpectCleanEnd(signal, test::TestDir());
    }
}

TEST_F(VlmrSignalTest, ASignalEndsItWhileAModalBoxIsOpen)
{
    const test::PrivateBus bus;
    Start(vlmr, test::TestDir());
    ASSERT_TRUE(Started()) << vlmr.readAllStandardError().toStdString();
    QProcess second; // hands "/CONFIG" over: the running one opens Options, modal
    Start(second, test::TestDir(), {"/CONFIG"});
    ASSERT_TRUE(second.waitForFinished(-1));
    ASSERT_TRUE(Shows("Options")) << vlmr.readAllStandardError().toStdString();
    ExpectCleanEnd(SIGTERM, test::TestDir());
}

TEST_F(VlmrSignalTest, ASignalAtTheFirstStartsQuestionEndsItWritingNothing)
{
    const QString start = test::TestPath("start");
    ASSERT_TRUE(QDir().mkpath(start));
    Start(vlmr, start);
    ASSERT_TRUE(Shows("Select data directory")) << vlmr.readAllStandardError().toStdString();
    ExpectCleanEnd(SIGTERM, start);
    const QString install = test::TestPath("xdg/velmora");
    EXPECT_THAT(QDir(install).entryList(QDir::Files | QDir::Hidden), ::testing::IsEmpty());
    EXPECT_THAT(QDir(start).entryList(QDir::Files | QDir::Hidden), ::testing::IsEmpty());
}

} // namespace
} // namespace vl
