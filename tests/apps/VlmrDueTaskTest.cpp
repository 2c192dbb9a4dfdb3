// VLMR as a process performs a task that falls due while it runs: the
// task's program starts, the task moves to its next day, and the run is kept
// as history and in the event log. One VLMR performs the tasks of a data
// directory: another started there hands over to it and ends.

#include "core/dictionary/Dictionary.h"
#include "core/schedule/RunTimes.h"
#include "platform/runtime/Clock.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <csignal>

namespace vl {
namespace {

// Every task of the data file, read afresh (VLMR writes it meanwhile).
std::vector<ScheduleRecord> StoredTasks()
{
    DictionaryStart();
    std::vector<ScheduleRecord> tasks;
    ScheduleRecord task;
    if (OpenTable(Tables().Schedule))
        for (Tables().Schedule.Set(SCH_KEYID); Tables().Schedule.Next(task);)
            tasks.push_back(task);
    DictionaryEnd();
    return tasks;
}

// Adds a daily task due in a few seconds to the data of the directory, which
// logs its events and opens no list at start; the task appends a line to
// ran.txt there.
ScheduleRecord AddDueTask(const QString& directory)
{
    const QString current = QDir::currentPath();
    QDir().mkpath(directory);
    QDir::setCurrent(directory);
    test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\nStartUpSchedule=1\n");
    ScheduleRecord task;
    task.Description = "Write the marker";
    task.TaskType = "Run Program";
    task.Command = "/bin/sh -c \"echo ran >> ran.txt\"";
    task.Path = directory;
    task.ScheduleType = "Day of Week"; // daily
    task.Date = Today();
    task.Time = Now() + 3 * kClockPerSecond;
    CarryDays(task.Date, task.Time);
    DictionaryStart();
    EXPECT_TRUE(OpenTable(Tables().Schedule) && Tables().Schedule.Add(task));
    DictionaryEnd();
    QDir::setCurrent(current);
    return task;
}

QString Log(const QString& directory)
{
    return test::ReadTextFile(directory + "/VLMREVNT.LOG");
}

// The top-level windows on the X display, bottom to top.
std::vector<Window> Stack(Display* display)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return {};
    std::vector<Window> stack(children, children + count);
    XFree(children);
    return stack;
}

qint64 ProcessOf(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &left,
                           &value) != Success || !value)
        return 0;
    const qint64 pid = items == 1 ? qint64(*reinterpret_cast<unsigned long*>(value)) : 0;
    XFree(value);
    return pid;
}

// The process's frame: its shown top-level window that a window manager
// would manage (menus, tips and a tray icon's window bypass it); 0 while
// there is none.
Window FrameOf(Display* display, qint64 pid)
{
    for (const Window window : Stack(display)) {
        XWindowAttributes shown;
        if (XGetWindowAttributes(display, window, &shown) && shown.map_state == IsViewable && !shown.override_redirect
            && ProcessOf(display, window) == pid)
            return window;
    }
    return 0;
}

bool LiesAbove(Display* display, Window upper, Window lower)
{
    const std::vector<Window> stack = Stack(display);
    const auto at = [&](Window window) { return std::find(stack.begin(), stack.end(), window); };
    return at(lower) < at(upper) && at(upper) != stack.end();
}

// What lies above the window, for a failure to show: each shown window's
// name and process.
std::string ShownAboveOf(Display* display, Window lower)
{
    std::string shown;
    bool passed = false;
    for (const Window window : Stack(display)) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (passed && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable) {
            XFetchName(display, window, &name);
            shown += QStringLiteral("\"%1\" of %2%3; ")
                         .arg(QString::fromLocal8Bit(name ? name : ""))
                         .arg(ProcessOf(display, window))
                         .arg(attributes.override_redirect ? QStringLiteral(", unmanaged") : QString())
                         .toStdString();
            XFree(name);
        }
        passed = passed || window == lower;
    }
    return shown;
}

class VlmrDueTaskTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QProcess* process : {&vlmr, &second}) {
            process->kill();
            process->waitForFinished();
        }
    }

    void Start(QProcess& process, const QString& directory, const char* platform = "offscreen")
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", platform);
        environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(directory);
        process.start(QStringLiteral(VL_BIN_DIR "/VLMR"), {});
        ASSERT_TRUE(process.waitForStarted(-1)) << process.errorString().toStdString();
    }

    // Waits for the condition as long as it takes on a busy machine, or until
    // the program ends; the suite's timeout for the test bounds the wait.
    template <class Condition>
    bool Eventually(Condition condition, QProcess* process = nullptr)
    {
        while (!condition()) {
            if ((process ? process : &vlmr)->waitForFinished(100))
                return condition();
        }
        return true;
    }

    QProcess vlmr, second;
};

TEST_F(VlmrDueTaskTest, ATaskDueInAFewSecondsRunsOnceAndMovesToItsNextDay)
{
    const ScheduleRecord task = AddDueTask(test::TestDir());
    Start(vlmr, test::TestDir());

    ASSERT_TRUE(Eventually([] { return QFile::exists("ran.txt"); }))
        << Log(".").toStdString() << vlmr.readAllStandardError().toStdString();
    ASSERT_TRUE(Eventually([] { return StoredTasks().size() == 2; })) << "the history record";
    const std::vector<ScheduleRecord> tasks = StoredTasks();
    EXPECT_EQ(tasks[0].Date, task.Date + 1);
    EXPECT_EQ(tasks[0].Time, task.Time);
    EXPECT_GE(tasks[0].LastRunDate, task.Date);
    EXPECT_EQ(tasks[1].Date, task.Date);
    EXPECT_EQ(tasks[1].Completed, 1);

    const QString log = Log(".");
    EXPECT_TRUE(log.contains("Started")) << log.toStdString();
    EXPECT_EQ(log.count("Run Program"), 1) << log.toStdString();
    EXPECT_EQ(test::ReadTextFile("ran.txt"), "ran\n");
}

TEST_F(VlmrDueTaskTest, ASecondStartRaisesTheFirstAndEndsAlsoThroughALinkSoEachTaskRunsOnce)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        GTEST_SKIP() << "needs an X display";
    const test::PrivateBus bus;
    AddDueTask(test::TestDir());
    ASSERT_TRUE(QFile::link(test::TestDir(), test::TestPath("link")));
    Start(vlmr, test::TestDir(), "xcb");
    ASSERT_TRUE(Eventually([] { return Log(".").contains("Started"); })) << vlmr.readAllStandardError().toStdString();

    Window frame = 0;
    ASSERT_TRUE(Eventually([&] { return (frame = FrameOf(display, vlmr.processId())) != 0; }));

    // A window over the frame, as the user's other programs lie over it.
    const Window cover = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 800, 600, 0, 0, 0);
    XMapRaised(display, cover);
    XSync(display, False);
    EXPECT_FALSE(LiesAbove(display, frame, cover)) << ShownAboveOf(display, cover);

    for (const QString& directory : {test::TestDir(), test::TestPath("link")}) {
        Start(second, directory);
        ASSERT_TRUE(second.waitForFinished(-1)) << directory.toStdString();
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    }
    EXPECT_TRUE(Eventually([&] { return LiesAbove(display, frame, cover); })) << ShownAboveOf(display, cover);
    XDestroyWindow(display, cover);
    XCloseDisplay(display);

    ASSERT_TRUE(Eventually([] { return StoredTasks().size() == 2; })) << Log(".").toStdString();
    EXPECT_EQ(test::ReadTextFile("ran.txt"), "ran\n");
    EXPECT_EQ(Log(".").count("Started"), 1) << "the second start opened no frame";
}

TEST_F(VlmrDueTaskTest, TwoDirectoriesHaveTwoSchedulersAndNeitherAKilledHolderNorAnUnmadeLockStopsAStart)
{
    const test::PrivateBus bus;
    const QString one = test::TestPath("one"), two = test::TestPath("two");
    AddDueTask(two);
    // Something else where the second directory's lock file would be made.
    ASSERT_TRUE(QDir(two).mkdir("VLMR.LCK"));
    ASSERT_TRUE(QDir().mkpath(one));
    test::WriteTextFile(one + "/VLDB.TPS", QString());
    test::WriteTextFile(one + "/vlmr.INI", "[Settings]\nLogEvents=1\n");
    Start(vlmr, one);
    ASSERT_TRUE(Eventually([&] { return Log(one).contains("Started"); }));
    ASSERT_EQ(::kill(static_cast<pid_t>(vlmr.processId()), SIGKILL), 0);
    ASSERT_TRUE(vlmr.waitForFinished());

    AddDueTask(one);
    Start(vlmr, one);
    Start(second, two);
    EXPECT_TRUE(Eventually([&] { return QFile::exists(one + "/ran.txt"); })) << Log(one).toStdString();
    EXPECT_TRUE(Eventually([&] { return QFile::exists(two + "/ran.txt"); }, &second)) << Log(two).toStdString();
}

} // namespace
} // namespace vl
