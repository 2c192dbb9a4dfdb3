// The main frame as a user meets it: its menus and toolbar, start-up,
// the inactive state, closing and exiting, and a prompt inside a tick.

#include "core/config/ConfigStore.h"
#include "core/frame/FrameMenus.h"
#include "platform/widgets/FrameProcedures.h"
#include "core/frame/FrameRules.h"
#include "core/settings/CommandLine.h"
#include "core/startup/SchedulerHandOver.h"
#include "windows/frame/frame/SchedulerService.h"
#include "windows/frame/tray/TrayPopupMenu.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/SecondBeat.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/ThreadRegistry.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ModalRejecter.h"
#include "tests/support/ScriptedPrompt.h"

#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QKeyEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

namespace vl {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Every item of a menu as "Menu > Submenu > Item [shortcut]"; separators
// as "-".
void Flatten(const QMenu* menu, const QString& path, QStringList& out)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            out << path + " > -";
        else if (action->menu())
            Flatten(action->menu(), path + " > " + Plain(action->text()), out);
        else {
            QString line = path + " > " + Plain(action->text());
            if (!action->shortcut().isEmpty())
                line += " [" + action->shortcut().toString(QKeySequence::PortableText) + "]";
            out << line;
        }
    }
}

QStringList MenuLines(const MainFrame& frame)
{
    QStringList lines;
    for (QAction* top : frame.menuBar()->actions())
        Flatten(top->menu(), Plain(top->text()), lines);
    return lines;
}

class MainFrameTest : public test::MainFrameFixture {};

TEST_F(MainFrameTest, MenusHoldEveryItemInOrderWithItsAccelerator)
{
    MakeFrame();
    const QStringList expected = {
        "File > Setup > Options... [F10]",
        "File > Setup > Task Categories",
        "File > Setup > Contact Categories",
        "File > Setup > Clipboard Categories",
        "File > Setup > Holidays",
        "File > Setup > Script Templates",
        "File > Import > Schedule",
        "File > Import > Contacts",
        "File > Import > To Do",
        "File > Export > Schedule",
        "File > Export > Contacts",
        "File > Export > To Do",
        "File > Synchronization [F7]",
        "File > View Log [F8]",
        "File > Backup/Restore",
        "File > Support Tools > View Current Script",
        "File > Support Tools > Report Bug [F9]",
        "File > Support Tools > Explore Schedule [Ctrl+Shift+X]",
        "File > Support Tools > File Manager",
        "File > -",
        "File > Print Setup...",
        "File > -",
        "File > Exit",
        "Edit > Cut [Ctrl+X]",
        "Edit > Copy [Ctrl+C]",
        "Edit > Paste [Ctrl+V]",
        "Lists > Scheduled Tasks [Ctrl+S]",
        "Lists > Hot Keys [Ctrl+K]",
        "Lists > To Do Items [Ctrl+T]",
        "Lists > Contacts [Ctrl+O]",
        "Lists > E-mail Messages [Ctrl+E]",
        "Lists > Clipboard Saver",
        "Lists > -",
        "Lists > Task Categories",
        "Lists > Contact Categories",
        "Lists > Clipboard Categories",
        "Actions > New Message (Wizard) [Ctrl+Shift+M]",
        "Actions > New Program (Wizard) [Ctrl+Shift+P]",
        "Actions > New Script (Wizard) [Ctrl+Shift+S]",
        "Actions > New Task (Wizard) [Ctrl+Shift+B]",
        "Actions > New Hot Key [Ctrl+Shift+H]",
        "Reports > Schedule > Brief Schedule",
        "Reports > Schedule > Specific Category",
        "Reports > Schedule > Checklist Style",
        "Reports > Schedule > All in Date Order",
        "Reports > Schedule > All in Category Order",
        "Reports > To Do List > Priority",
        "Reports > To Do List > Category",
        "Reports > Contacts",
        "Reports > Categories",
        "Window > Tile",
        "Window > Cascade",
        "Window > Arrange Icons",
        "Help > Contents",
        "Help > Search for Help On...",
        "Help > How to Use Help",
        "Help > -",
        "Help > Email Us",
        "Help > Home Page",
        "Help > -",
        "Help > About",
    };
    EXPECT_THAT(MenuLines(*frame), ElementsAreArray(expected));

    QStringList buttons;
    for (QAction* action : frame->ToolBar()->actions()) {
        if (!action->text().isEmpty())
            buttons << action->text();
    }
    EXPECT_THAT(buttons, ElementsAre("Options", "View Schedule", "To Do List", "Contacts", "Email Messages",
                                     "Clipboard Saver", "Message Wizard", "Program Wizard", "Script Wizard"));
}

// The text on screen at the status bar's left end: the label drawn there,
// whole; "(covered)" when nothing shows there or it is cut.
QString StatusShown(MainFrame& frame)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // laid out as when painted
    QStatusBar* bar = frame.statusBar();
    const auto* label = qobject_cast<QLabel*>(bar->childAt(8, bar->height() / 2));
    if (!label || !label->isVisible()
        || label->contentsRect().width() < label->fontMetrics().horizontalAdvance(label->text()))
        return "(covered)";
    return label->text();
}

// Highlights every item of an open menu as the arrow keys do, submenus
// opened with the right arrow, and notes what the frame's status bar then
// shows. A disabled item cannot be highlighted: its status text is noted.
void HighlightEach(MainFrame& frame, QMenu* menu, const QString& path, QStringList& out)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString line = path + " > " + Plain(action->text());
        if (!action->isEnabled()) {
            out << line + ": " + action->statusTip();
            continue;
        }
        menu->setActiveAction(action);
        out << line + ": " + StatusShown(frame);
        if (action->menu()) {
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &right);
            HighlightEach(frame, action->menu(), line, out);
            action->menu()->hide();
            menu->setActiveAction(action);
        }
    }
}

TEST_F(MainFrameTest, HighlightedMenuItemShowsItsStatusTextInTheStatusBar)
{
    MakeFrame();
    // As in the program, every window library has registered its procedures.
    QStringList registered;
    for (const QMenu* menu : frame->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->objectName().isEmpty() && !Procedures().Has(action->objectName())) {
                Procedures().RegisterWindow(action->objectName(), [] { return new QWidget; });
                registered << action->objectName();
            }
        }
    }
    frame->show();
    QStringList shown;
    for (QAction* top : frame->menuBar()->actions()) {
        frame->menuBar()->setActiveAction(top);
        HighlightEach(*frame, top->menu(), Plain(top->text()), shown);
        top->menu()->close();
    }
    for (const QString& procedure : std::as_const(registered))
        Procedures().Unregister(procedure);
    const QStringList expected = {
        "File > Setup: Program options and the lists behind them",
        "File > Setup > Options...: Set the program's options",
        "File > Setup > Task Categories: Maintain the task categories",
        "File > Setup > Contact Categories: Maintain the contact categories",
        "File > Setup > Clipboard Categories: Maintain the clipboard categories",
        "File > Setup > Holidays: Maintain the holidays",
        "File > Setup > Script Templates: Maintain the script templates",
        "File > Import: Import From Comma-Delimited Files",
        "File > Import > Schedule: Import Tasks From a Comma-Delimited File",
        "File > Import > Contacts: Import Contacts From a Comma-Delimited File",
        "File > Import > To Do: Import To Do Items From a Comma-Delimited File",
        "File > Export: Export to Comma-Delimited Text Files",
        "File > Export > Schedule: Export to a Comma-Delimited Text File",
        "File > Export > Contacts: Export Contacts to Comma-Delimited Text File",
        "File > Export > To Do: Export To Do List to Comma-Delimited File",
        "File > Synchronization: Send/Receive between Velmora databases",
        "File > View Log: View the event log",
        "File > Backup/Restore: Back up the data files or restore them from a backup",
        "File > Support Tools: Tools for checking the program and its data",
        "File > Support Tools > View Current Script: View the script that is running",
        "File > Support Tools > Report Bug: Report a bug by e-mail",
        "File > Support Tools > Explore Schedule: Explore the schedule with filters",
        "File > Support Tools > File Manager: Check, repair and pack the data files",
        "File > Print Setup...: Choose the printer and its settings",
        "File > Exit: Close Velmora",
        "Edit > Cut: Move the selection to the clipboard",
        "Edit > Copy: Copy the selection to the clipboard",
        "Edit > Paste: Insert the clipboard's text",
        "Lists > Scheduled Tasks: Browse the scheduled tasks",
        "Lists > Hot Keys: Browse the hot keys",
        "Lists > To Do Items: Browse the to-do list",
        "Lists > Contacts: Browse the contacts",
        "Lists > E-mail Messages: Browse the stored e-mail messages",
        "Lists > Clipboard Saver: Browse the saved clipboard entries",
        "Lists > Task Categories: Maintain the task categories",
        "Lists > Contact Categories: Maintain the contact categories",
        "Lists > Clipboard Categories: Maintain the clipboard categories",
        "Actions > New Message (Wizard): Schedule a new message with the wizard",
        "Actions > New Program (Wizard): Schedule a new program with the wizard",
        "Actions > New Script (Wizard): Schedule a new script with the wizard",
        "Actions > New Task (Wizard): Schedule a new task with the wizard",
        "Actions > New Hot Key: Add a new hot key",
        "Reports > Schedule: Print the scheduled tasks",
        "Reports > Schedule > Brief Schedule: Print the coming tasks in brief",
        "Reports > Schedule > Specific Category: Print schedule for one category only",
        "Reports > Schedule > Checklist Style: Print the coming tasks as a checklist",
        "Reports > Schedule > All in Date Order: Print ordered by Date",
        "Reports > Schedule > All in Category Order: Print ordered by Category",
        "Reports > To Do List: Print the to-do list",
        "Reports > To Do List > Priority: Print the to-do list ordered by Priority",
        "Reports > To Do List > Category: Print the to-do list ordered by Category",
        "Reports > Contacts: Print the contacts",
        "Reports > Categories: Print ordered by Category",
        "Window > Tile: Arrange the open windows side by side",
        "Window > Cascade: Arrange the open windows overlapping",
        "Window > Arrange Icons: Arrange the minimised windows",
        "Help > Contents: Show the help's contents",
        "Help > Search for Help On...: Search the help for a topic",
        "Help > How to Use Help: How to use the help",
        "Help > Email Us: Write to us by e-mail",
        "Help > Home Page: Visit our home page",
        "Help > About: Program information, version and copyright",
    };
    EXPECT_THAT(shown, ElementsAreArray(expected));

    for (QAction* button : frame->ToolBar()->actions()) {
        if (button->text().isEmpty())
            continue;
        EXPECT_FALSE(button->statusTip().isEmpty()) << button->text().toStdString();
        EXPECT_EQ(button->statusTip(), frame->CommandAction(button->objectName())->statusTip())
            << "the button says what its menu item says: " << button->text().toStdString();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(frame->ToolBar()->widgetForAction(button), &enter);
        EXPECT_EQ(StatusShown(*frame), button->statusTip()) << "shown while pointed at";
    }
}

TEST_F(MainFrameTest, ItemsOfProceduresNotBuiltAreDisabledUntilRegistered)
{
    MakeFrame();
    // BackupRestore starts the backup runner, which is built with the frame.
    for (const char* own : {"Options", "About", "Exit", "EmailUs", "HomePage", "Tile", "BackupRestore"})
        EXPECT_TRUE(frame->CommandAction(own)->isEnabled()) << own;
    for (const char* waiting : {"BrowseSchedule", "AddTaskWizard", "Print:SCH:OneCategory", "PrintSetup"})
        EXPECT_FALSE(frame->CommandAction(waiting)->isEnabled()) << waiting;
    EXPECT_FALSE(frame->CommandAction("HelpContents")->isEnabled()) << "no help file on this system";

    int opened = 0;
    Procedures().RegisterWindow("BrowseSchedule", [&] {
        ++opened;
        return new QWidget;
    });
    for (QAction* action : frame->CommandActions("BrowseSchedule"))
        EXPECT_TRUE(action->isEnabled()) << "menu item and toolbar button alike";
    ASSERT_EQ(frame->CommandActions("BrowseSchedule").size(), 2);

    frame->RunCommand("BrowseSchedule");
    frame->RunCommand("BrowseSchedule");
    EXPECT_EQ(opened, 1) << "a second start brings the open list forward";
    const int thread = Threads().ProcedureThread("BrowseSchedule");
    ASSERT_NE(thread, 0);
    delete Threads().Window(thread);

    Procedures().Unregister("BrowseSchedule");
    EXPECT_FALSE(frame->CommandAction("BrowseSchedule")->isEnabled());
}

TEST_F(MainFrameTest, StartUpStoresTheVersionLogsAndOpensTheStartUpLists)
{
    // "StartUpSchedule" is stored inverted: 0 means "show it".
    Settings("LogEvents=1\nStartUpContacts=1\nStartUpToDo=1\nStartUpSchedule=0\n");
    QStringList opened;
    for (const char* list : {"BrowseContacts", "BrowseClipboard", "BrowseToDoList", "BrowseSchedule"}) {
        Procedures().RegisterWindow(list, [&opened, list] {
            opened << list;
            return nullptr;
        });
    }

    OpenFrame();
    EXPECT_TRUE(opened.isEmpty()) << "the frame shows before the lists open";
    DeliverPostedEvents();
    EXPECT_THAT(opened, ElementsAre("BrowseContacts", "BrowseToDoList", "BrowseSchedule"));
    EXPECT_EQ(GetConfigValue("VLMRV"), "vlmr");
    EXPECT_EQ(GetConfigValue("Version"), "1.91");
    EXPECT_EQ(frame->windowTitle(), "Velmora 2000 1.91");
    EXPECT_THAT(LoggedLabels(), ElementsAre("Started"));
    EXPECT_TRUE(test::ReadTextFile("VLMREVNT.LOG").contains("Velmora 2000 1.91"));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(Threads().Window(ThreadRegistry::kFrameThread), frame.get());
    CurrentTaskFrame().SetTrayTip("Next: Backup");
    EXPECT_EQ(frame->Tray().Tip(), "Next: Backup") << "a due task reaches the open frame's tray icon";
    ScheduleRecord task;
    EXPECT_TRUE(Tables().Schedule.Set(SCH_KEYDATEENABLED)) << "the scheduler's tables are ready on first use";
    EXPECT_FALSE(Tables().Schedule.Next(task));
    EXPECT_EQ(Tables().Schedule.ErrorCode(), kRecordNotAvailable) << "an empty table, not a missing one";

    for (const char* list : {"BrowseContacts", "BrowseClipboard", "BrowseToDoList", "BrowseSchedule"})
        Procedures().Unregister(list);
}

TEST_F(MainFrameTest, EveryFileAStartCreatesTakesItsDirectorysAccessAndWhatExistsKeepsItsMode)
{
    // A private data directory under the usual umask or none, one shared
    // with a group on purpose, and what the umask takes away (owner, group
    // and others' bits of QFileDevice).
    const struct {
        mode_t directory, umask;
        int file;
    } cases[] = {{0700, 022, 0x6000}, {0700, 000, 0x6000}, {0755, 022, 0x6044}, {0777, 027, 0x6040}, {0770, 002, 0x6060}};
    for (const auto& c : cases) {
        const QString dir = test::TestPath(QStringLiteral("%1-%2").arg(c.directory, 0, 8).arg(c.umask, 0, 8));
        ASSERT_TRUE(QDir().mkdir(dir) && ::chmod(QFile::encodeName(dir).constData(), c.directory) == 0);
        QDir::setCurrent(dir);
        const mode_t mask = ::umask(c.umask);
        ASSERT_TRUE(IniFile(QStringLiteral("vlmr.INI")).Put("Settings", "LogEvents", "1"));
        OpenFrame();
        ::umask(mask);
        const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden);
        ASSERT_GE(files.size(), 5) << "VLDB.TPS with its logs, vlmr.INI, VLMREVNT.LOG at least";
        for (const QFileInfo& file : files)
            EXPECT_EQ(file.permissions().toInt() & 0x7077, c.file) << file.fileName().toStdString();
        frame.reset();
        Tables().CloseAll();
    }
    // A start in a directory that exists, under a narrower umask.
    const QStringList names = QDir().entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0644), 0);
    const mode_t mask = ::umask(077);
    OpenFrame();
    ::umask(mask);
    for (const QString& name : names)
        EXPECT_EQ(QFileInfo(name).permissions().toInt() & 0x7077, 0x6044) << name.toStdString();
    EXPECT_EQ(QFileInfo(".").permissions().toInt() & 0x7077, 0x7070);
    QDir::setCurrent(test::TestDir());
}

TEST_F(MainFrameTest, InactiveFrameSaysSoAndPerformsNoTask)
{
    Settings("StartUpActive=1\n"); // stored inverted: the scheduler is off
    int lookups = 0;
    TickRoutines().findDueTask = [&] { ++lookups; };
    OpenFrame();
    for (int i = 0; i < 8; ++i)
        frame->TimerEvent();
    EXPECT_EQ(lookups, 0);
    EXPECT_TRUE(frame->windowTitle().endsWith(" (Inactive)"));
    EXPECT_EQ(frame->StatusZone(2)->text(), "Inactive");
    EXPECT_EQ(frame->WorkingIconName(), "~blank.ico");
    EXPECT_EQ(frame->StatusZone(3)->text(), DateZoneText(Today()));
}

TEST_F(MainFrameTest, ActiveFrameLooksForTheDueTaskEveryFourthTick)
{
    int lookups = 0;
    TickRoutines().findDueTask = [&] {
        ++lookups;
        NextTaskText = "Next: Weekly backup";
    };
    OpenFrame();
    for (int i = 0; i < 8; ++i)
        frame->TimerEvent();
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(frame->windowTitle(), "Velmora 2000");
    EXPECT_EQ(frame->StatusZone(2)->text(), "Next: Weekly backup");
}

// Idle, the frame wakes once a second and runs the whole cycle then; a running
// script takes its steps at the frame's own timer, and the beat adds none.
TEST_F(MainFrameTest, IdleFrameRunsTheWholeCycleOnEachBeat)
{
    int lookups = 0;
    int warnings = 0;
    int steps = 0;
    TickRoutines().findDueTask = [&] { ++lookups; };
    TickRoutines().checkAdvanceWarnings = [&] { ++warnings; };
    TickRoutines().runDueScriptItem = [&] { ++steps; };
    OpenFrame();
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(frame->Cycle().Phase(), 4);

    ScriptQueue << ScriptQueueEntry{};
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(steps, 1) << "the tick that finds the script runs its step";
    EXPECT_EQ(frame->Cycle().Phase(), 1) << "and leaves the rest of the second to the timer";
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(steps, 1);
    frame->TimerEvent();
    EXPECT_EQ(steps, 2);

    ScriptQueue.clear();
    frame->TimerEvent(); // phase 3
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(lookups, 3) << "back on the beat once the script has ended";
    EXPECT_EQ(frame->Cycle().Phase(), 3);
    frame->close();
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(lookups, 3) << "a closed frame ticks no more";
}

// A beat within the same second repaints none of the status texts; the next
// second repaints the clock alone.
TEST_F(MainFrameTest, StatusTextsRepaintOnlyWhenTheyChange)
{
    SettableClock clock(MakeDate(3, 2, 2026), MakeClock(10, 0));
    ClockOverride install(clock);
    TickRoutines().findDueTask = [] { NextTaskText = "Next: Weekly backup"; };
    OpenFrame();
    emit SecondBeat::Instance().Beat();
    QApplication::processEvents();

    struct PaintCount : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++painted[watched];
            return false;
        }
        QHash<QObject*, int> painted;
    } paints;
    for (int zone = 2; zone <= 4; ++zone)
        frame->StatusZone(zone)->installEventFilter(&paints);
    emit SecondBeat::Instance().Beat();
    QApplication::processEvents();
    EXPECT_TRUE(paints.painted.isEmpty());

    clock.Advance(100);
    emit SecondBeat::Instance().Beat();
    QApplication::processEvents();
    EXPECT_EQ(paints.painted.value(frame->StatusZone(2)), 0);
    EXPECT_EQ(paints.painted.value(frame->StatusZone(3)), 0);
    EXPECT_EQ(paints.painted.value(frame->StatusZone(4)), 1);
    EXPECT_EQ(frame->StatusZone(4)->text(), ClockZoneText(MakeClock(10, 0) + 100));
}

TEST_F(MainFrameTest, TimerOutsideOneToAHundredIsResetWhenDrawn)
{
    MakeFrame();
    for (const int wrong : {0, 200}) {
        frame->SetTimer(wrong);
        frame->PrepareDisplay();
        EXPECT_EQ(frame->Timer(), 100) << wrong;
    }
    frame->SetTimer(50);
    frame->PrepareDisplay();
    EXPECT_EQ(frame->Timer(), 50);
}

TEST_F(MainFrameTest, CloseRequestIconizesWhenMinimisingOnCloseAndExitAsks)
{
    Settings("LogEvents=1\nMinimizeOnCloseRequest=1\n");
    OpenFrame();
    int closed = 0;
    QObject::connect(frame.get(), &MainFrame::Closed, [&closed] { ++closed; });

    EXPECT_FALSE(frame->close()) << "the close box iconizes instead";
    EXPECT_TRUE(frame->Iconized());
    EXPECT_FALSE(frame->Ended());

    test::ScriptedPrompt prompt;
    prompt.AnswerButton("No");
    frame->RunCommand(FrameCommand::kExit);
    EXPECT_FALSE(frame->Ended());
    EXPECT_EQ(closed, 0);

    prompt.AnswerButton("Yes");
    frame->RunCommand(FrameCommand::kExit);
    EXPECT_TRUE(frame->Ended());
    EXPECT_EQ(closed, 1);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions().at(1).caption, kExitWarningCaption);
    EXPECT_THAT(LoggedLabels(), ElementsAre("Started", "Exit Velmora"));
    EXPECT_FALSE(Tables().Categories.IsOpen()) << "the frame's tables are closed";
}

TEST_F(MainFrameTest, CloseRequestClosesAtOnceWithoutTheSetting)
{
    OpenFrame();
    int closed = 0;
    QObject::connect(frame.get(), &MainFrame::Closed, [&closed] { ++closed; });
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(frame->Ended());
    EXPECT_TRUE(IniFile("POSITION.INI").Get("Main", "Width").toInt() > 0) << "the place is saved";
}

// A prompt whose modal loop delivers the frame's timer events while it is
// open, as a real message box would.
class PromptThatKeepsTicking : public PromptService {
public:
    explicit PromptThatKeepsTicking(MainFrame& frame) : frame_(frame) {}
    int Message(const QString&, const QString&, PromptIcon, const QString&, int) override
    {
        ++asked;
        for (int i = 0; i < 9; ++i)
            frame_.TimerEvent();
        return 1;
    }
    void Notify(const QString&, const QString&, PromptIcon) override { ++asked; }
    QString SelectDirectory(const QString&, const QString&) override { return {}; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
    int asked = 0;

private:
    MainFrame& frame_;
};

TEST_F(MainFrameTest, PromptInsideATickHoldsTheNextTicksBack)
{
    OpenFrame();
    PromptThatKeepsTicking prompt(*frame);
    PromptOverride install(prompt);
    int lookups = 0;
    int warnings = 0;
    TickRoutines().checkAdvanceWarnings = [&] { ++warnings; };
    TickRoutines().findDueTask = [&] {
        ++lookups;
        Prompt::Message("Backup was not run.  Run it now?", "Missed Task", PromptIcon::Question, "&Yes|&No");
    };
    for (int i = 0; i < 4; ++i)
        frame->TimerEvent();
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(lookups, 1) << "the ticks during the prompt performed nothing";
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(frame->Cycle().Phase(), 4);
    EXPECT_FALSE(frame->Cycle().InTick());
}

TEST_F(MainFrameTest, TrayAndStopScriptsControlEmptyTheScriptQueue)
{
    OpenFrame();
    ScriptQueue << ScriptQueueEntry{} << ScriptQueueEntry{};
    frame->TrayMenu()->Action(TrayMenu::kStopScript)->trigger();
    DeliverPostedEvents();
    EXPECT_TRUE(ScriptQueue.isEmpty()) << "tray: Stop Active Scripts";

    ScriptQueue << ScriptQueueEntry{};
    frame->findChild<QToolButton*>("StopScripts")->click();
    EXPECT_TRUE(ScriptQueue.isEmpty()) << "the frame's stop-scripts control";
}

TEST_F(MainFrameTest, TrayDoubleClickRestoresTheIconizedFrame)
{
    OpenFrame();
    frame->Iconize();
    EXPECT_TRUE(frame->Iconized());
    tray->Click(TrayActivation::DoubleClick);
    DeliverPostedEvents();
    EXPECT_FALSE(frame->Iconized());
}

TEST_F(MainFrameTest, AStartUnsureOfBeingTheOnlySchedulerSaysSoAndASecondStartRestoresTheFrame)
{
    QDir().mkdir(SchedulerLockName(QString())); // no lock file can be made
    EXPECT_EQ(ClaimProgramScheduler(CurrentPromptService(), ".", QString()), SchedulerStart::RunUnsure);
    OpenFrame();
    ReleaseProgramScheduler();
    EXPECT_EQ(frame->StatusZone(1)->text(), kSchedulerUnsureText);
    frame->Iconize();
    SchedulerService* service = frame->findChild<SchedulerService*>();
    service->HandOver({"/I"});
    EXPECT_FALSE(frame->Iconized());

    // "/CONFIG" handed over opens Options, even where this program's own "/I" refuses them.
    const CommandLineOverride inactive({"VLMR", "/I"});
    const test::ModalRejecter closer;
    service->HandOver({"/config"});
    DeliverPostedEvents();
    EXPECT_EQ(closer.Shown(), "Options");
}

TEST_F(MainFrameTest, ViewCurrentScriptFollowsTheRunningScript)
{
    Procedures().RegisterWindow(FrameCommand::kViewCurrentScript, [] { return nullptr; });
    OpenFrame();
    QAction* view = frame->CommandAction(FrameCommand::kViewCurrentScript);
    EXPECT_FALSE(view->isEnabled());
    ScriptQueue << ScriptQueueEntry{};
    frame->TimerEvent();
    EXPECT_TRUE(view->isEnabled());
    EXPECT_EQ(frame->ScriptIndicatorLabel()->text(), "*");
    ScriptQueue.clear();
    frame->TimerEvent();
    EXPECT_FALSE(view->isEnabled());
    EXPECT_EQ(frame->ScriptIndicatorLabel()->text(), "");
    Procedures().Unregister(FrameCommand::kViewCurrentScript);
}

TEST_F(MainFrameTest, EmptyClipboardGetsTheNewestSavedEntryBack)
{
    ASSERT_TRUE(OpenTable(Tables().Clipboard));
    for (const auto& [date, text] : {std::pair{MakeDate(3, 1, 2024), "older entry"},
                                     std::pair{MakeDate(3, 9, 2024), "newest entry"}}) {
        ClipboardRecord record;
        record.ClipDate = date;
        record.ClipTime = 1;
        record.ClipHashKey = QString::fromLatin1(text).toUpper().remove(' ');
        record.ClipContents = text;
        ASSERT_TRUE(Tables().Clipboard.Add(record));
    }
    Tables().Clipboard.Close();

    QGuiApplication::clipboard()->clear();
    OpenFrame();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "newest entry");
    EXPECT_EQ(ClipboardBuffer.ClipContents, "newest entry") << "capture must know it is stored";

    // Text on the clipboard stays as it is.
    frame.reset();
    QGuiApplication::clipboard()->setText("copied by the user");
    OpenFrame();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "copied by the user");
    ClipboardBuffer = {};
}

} // namespace
} // namespace vl
