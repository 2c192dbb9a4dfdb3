#include "windows/frame/frame/MainFrame.h"
#include "windows/frame/frame/SchedulerService.h"

#include "windows/frame/about/AboutWindow.h"
#include "windows/frame/frame/DamageWatch.h"
#include "platform/widgets/WindowPosition.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/OpenDataFile.h"
#include "scheduler/engine/DueTask.h"
#include "core/base/EventLog.h"
#include "core/cycle/SchedulerState.h"
#include "core/frame/FrameMenus.h"
#include "platform/widgets/FrameProcedures.h"
#include "core/frame/FrameRules.h"
#include "core/frame/FrameStartUp.h"
#include "core/frame/WindowArrangement.h"
#include "windows/frame/options/OptionsWindow.h"
#include "core/base/Globals.h"
#include "core/base/ProgramStop.h"
#include "core/startup/WritableDataDirectory.h"
#include "core/settings/CommandLine.h"
#include "core/startup/SchedulerHandOver.h"
#include "windows/frame/tray/TrayPopupMenu.h"
#include "platform/desktop/HotKeyBackend.h"
#include "platform/process/ExecutableDirectory.h"
#include "platform/process/ProcessStart.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/SecondBeat.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/ThreadRegistry.h"
#include "resources/ProgramIcons.h"
#include "scheduler/run/ScriptInterpreter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <exception>
#include <functional>

namespace vl {

namespace {

constexpr char kBackupProgram[] = "Halvex";
constexpr char kMainDataFile[] = "VLDB.TPS";

constexpr int kStatusZones = 4;
constexpr int kToolIconSize = 24;
constexpr int kCascadeStep = 28;
constexpr int kInitialWidth = 760;
constexpr int kCompanionWatchMs = 1000;

// The tables the frame keeps open while it runs, and those it only marks
// for use.
QList<TableFile*> FrameTables()
{
    Dictionary& tables = Tables();
    return {&tables.Categories, &tables.Clipboard, &tables.Configuration, &tables.Holidays};
}

QList<TableFile*> MarkedTables()
{
    Dictionary& tables = Tables();
    return {&tables.Schedule, &tables.Messages, &tables.Scripting, &tables.SysHotKeys};
}

// Commands the frame runs itself, always available.
bool FrameOwnCommand(const QString& command)
{
    using namespace FrameCommand;
    for (const char* own : {kOptions, kAbout, kExit, kBackupRestore, kCut, kCopy, kPaste, kTile, kCascade,
                            kEmailUs, kHomePage}) {
        if (command == QLatin1String(own))
            return true;
    }
    return false;
}

// The tray menu's items and the commands they run.
QString TrayItemCommand(const QString& item)
{
    static const QHash<QString, QString> commands = {
        {TrayMenu::kAddProgram, QStringLiteral("AddProgramWizard")},
        {TrayMenu::kAddMessage, QStringLiteral("AddMessageWizard")},
        {TrayMenu::kAddScript, QStringLiteral("AddScriptWizard")},
        {TrayMenu::kHotKeys, QStringLiteral("BrowseHotKeys")},
        {TrayMenu::kOptions, FrameCommand::kOptions},
        {TrayMenu::kAbout, FrameCommand::kAbout},
        {TrayMenu::kExit, FrameCommand::kExit},
    };
    return commands.value(item);
}

QLabel* ZoneLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

// The widest text the clock zone can show in this font: every digit made the
// widest one, in the morning and in the afternoon, with one- and two-digit
// hours.
QString WidestClockText(const QFontMetrics& metrics)
{
    QChar widestDigit = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(digit);
    }
    QString widest;
    for (const int hours : {1, 11, 13, 23}) {
        QString text = ClockZoneText(MakeClock(hours, 0));
        for (QChar& c : text) {
            if (c.isDigit())
                c = widestDigit;
        }
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

} // namespace

MainFrame::MainFrame(IniFile& positions, std::unique_ptr<TrayBackend> tray)
    : positions_(positions), tray_(std::move(tray)), cycle_(*this)
{
    setObjectName(QStringLiteral("Main"));
    SetTitle(Clip(ProductName));
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    // Wide enough for every toolbar button, and no taller than its bars: the
    // frame is a control strip, the work happens in the windows it opens.
    resize(std::max(kInitialWidth, toolBar_->sizeHint().width() + 16), sizeHint().height());

    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &MainFrame::TimerEvent);
    companionWatch_.setInterval(kCompanionWatchMs);
    connect(&companionWatch_, &QTimer::timeout, this, [this] {
        if (!companions_.Poll())
            companionWatch_.stop();
    });
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, &MainFrame::UserEvent);
    connect(&sessionHook_, &EndSessionHook::SessionEnding, this, &MainFrame::SessionEnding);
    connect(&Procedures(), &FrameProcedures::Changed, this, &MainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

MainFrame::~MainFrame() = default;

bool MainFrame::Open()
{
    for (TableFile* table : FrameTables()) {
        if (!OpenDataFile(*table, true, false, TableFile::kDeclaredMode, false))
            return false;
    }
    // The tables the scheduler reads open on first use; in a new data
    // directory they are created now, with the same warnings on failure.
    for (TableFile* table : MarkedTables()) {
        if (!table->IsOpen()) {
            if (!OpenDataFile(*table, true, false, TableFile::kDeclaredMode, false))
                return false;
            table->Close();
        }
        table->MarkForUse();
    }
    opened_ = true;
    damageWatch_ = std::make_unique<DamageWatch>(DamageWatch::FrameHooks{
        [this] { return cycle_.InTick(); },
        [this] { StopTicking(); },
        [this] {
            ticking_ = true;
            ChooseTicking();
        },
        [this] {
            exitConfirmed_ = true;
            close();
        }});

    Threads().RegisterFrame(this);
    setAttribute(Qt::WA_DeleteOnClose, false); // the frame belongs to Main, not to the registry
    // While the frame is open, performing a due task reaches its tray icon.
    taskFrameOverride_.emplace(static_cast<TaskFrame&>(*this));
    // Before the window shows: a termination signal from then on ends the
    // program through its close steps.
    sessionHook_.Attach(this, true);
    RestoreWindowPosition(positions_, *this, QString::fromLatin1(kFramePositionName));
    if (ProgramSchedulerUnsure()) {
        SetZoneText(1, QLatin1String(kSchedulerUnsureText));
        zones_.at(0)->setToolTip(QLatin1String(kSchedulerUnsureTip));
    }

    FrameStartUp();
    if (ProgramStopRequested())
        return false;
    RestoreClipboard();
    PrepareDisplay();
    ticking_ = true;
    ChooseTicking();
    return true;
}

void MainFrame::FrameStartUp()
{
    // The tray icon's tip is the program's name, not the start-up title.
    const QString trayTip = windowTitle();
    SetTitle(StartUpTitle());
    LoadProgramSettings();
    UpdateCommandStates();

    // The settings are loaded now: minimise to the tray or the taskbar as
    // they say before the first iconize.
    if (StartUpMinimized) {
        AttachToDesktop(trayTip);
        ChooseTrayMinimising();
        Iconize();
    } else {
        show();
        // On the screen before the lists and the desktop's parts: neither
        // a long list nor a slow session bus holds it back.
        QGuiApplication::sync();
        // A frame closed meanwhile (by a termination signal) has given its
        // parts back already.
        if (!ended_) {
            AttachToDesktop(trayTip);
            ChooseTrayMinimising();
        }
    }
    // The lists open once the frame's start is over.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (ended_)
                return;
            for (const QString& list : StartUpLists())
                Procedures().Start(list, this);
        },
        Qt::QueuedConnection);

    WriteEventLog(QStringLiteral("Started"), windowTitle());
}

void MainFrame::AttachToDesktop(const QString& trayTip)
{
    // Drawn at every size the desktop may show it, which is why it waits
    // until the window is on the screen.
    setWindowIcon(LoadIcon(QString::fromLatin1(kIdleTrayIcon)));
    tray_.Attach(this, NoTray != 0, false, trayTip, QString::fromLatin1(kIdleTrayIcon));
    hotKeys_ = std::make_unique<ProgramHotKeys>(CurrentHotKeyBackend(), hotKeyOutput_, [this] { tray_.Restore(); });
    hotKeys_->Start();
    BuildTrayMenu();
    // Served before "Started" is logged: a second start from then on finds this frame.
    connect(new SchedulerService(ProgramSchedulerBusName(), this), &SchedulerService::HandedOver, this,
            &MainFrame::SecondStart);
}

void MainFrame::RestoreClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->text().isEmpty())
        return;
    // The newest saved entry goes back; it stays in the shared buffer, so
    // clipboard capture knows it is stored already.
    Table<ClipboardRecord>& table = Tables().Clipboard;
    ClipboardRecord record;
    if (table.Set(CLI_KEYCLIPDATE) && table.Next(record)) {
        ClipboardBuffer = record;
        clipboard->setText(record.ClipContents);
    }
}

// ---- menus, toolbar, status bar ----

QAction* MainFrame::AddCommand(QMenu* menu, const FrameMenuItem& item)
{
    const QString& command = item.command;
    QAction* action = menu->addAction(item.text);
    action->setObjectName(command);
    action->setStatusTip(item.statusText);
    const QString& shortcut = item.shortcut;
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    commands_[command] << action;
    return action;
}

void MainFrame::BuildMenus()
{
    // Builds one menu's items, submenus included.
    std::function<void(QMenu*, const QList<FrameMenuItem>&)> fill = [&](QMenu* menu,
                                                                         const QList<FrameMenuItem>& items) {
        for (const FrameMenuItem& item : items) {
            if (item.IsSeparator())
                menu->addSeparator();
            else if (item.IsSubmenu()) {
                QMenu* submenu = menu->addMenu(item.text);
                submenu->menuAction()->setStatusTip(item.statusText);
                fill(submenu, item.items);
            } else {
                AddCommand(menu, item);
            }
        }
    };
    for (const FrameMenuItem& menu : FrameMenuBar())
        fill(menuBar()->addMenu(menu.text), menu.items);

    const auto setIcon = [this](const char* command, const char* icon) {
        for (QAction* action : CommandActions(QString::fromLatin1(command)))
            action->setIcon(LoadIcon(QString::fromLatin1(icon)));
    };
    setIcon(FrameCommand::kOptions, "wrench16.ico");
    setIcon(FrameCommand::kAbout, "fourstar.ico");
    setIcon(FrameCommand::kExit, "exit.ico");
    setIcon("AddProgramWizard", "prgwiz16.ico");
    setIcon("AddMessageWizard", "msgwiz16.ico");
    setIcon("AddScriptWizard", "scrwiz16.ico");
    setIcon("BrowseHotKeys", "keydown.ico");
}

void MainFrame::BuildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(kToolIconSize, kToolIconSize));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    for (const ToolbarButton& button : FrameToolbar()) {
        if (button.IsSeparator()) {
            toolBar_->addSeparator();
            continue;
        }
        QIcon icon = LoadIcon(button.icon);
        for (const QString& name : button.themeIcon.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!icon.isNull())
                break;
            icon = QIcon::fromTheme(name);
        }
        QAction* action = toolBar_->addAction(icon, button.text);
        action->setObjectName(button.command);
        action->setToolTip(button.text);
        // A button says in the status bar what its menu item says.
        if (const QAction* item = CommandAction(button.command))
            action->setStatusTip(item->statusTip());
        connect(action, &QAction::triggered, this, [this, command = button.command] { RunCommand(command); });
        commands_[button.command] << action;
    }

    // The script controls at the toolbar's right end: stop every running
    // script, the running-script mark, and the working icon.
    auto* spacer = new QWidget(toolBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);

    stopScripts_ = new QToolButton(toolBar_);
    stopScripts_->setObjectName(QStringLiteral("StopScripts"));
    stopScripts_->setIcon(LoadIcon(QStringLiteral("stopscr.ico")));
    stopScripts_->setToolTip(QStringLiteral("Stop Active Scripts"));
    stopScripts_->setAutoRaise(true);
    connect(stopScripts_, &QToolButton::clicked, this, &MainFrame::StopScripts);
    toolBar_->addWidget(stopScripts_);

    scriptIndicator_ = new QLabel(toolBar_);
    scriptIndicator_->setObjectName(QStringLiteral("ScriptIndicator"));
    scriptIndicator_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('*')) * 3);
    scriptIndicator_->setAlignment(Qt::AlignCenter);
    toolBar_->addWidget(scriptIndicator_);

    workingIconLabel_ = new QLabel(toolBar_);
    workingIconLabel_->setObjectName(QStringLiteral("WorkingIcon"));
    workingIconLabel_->setFixedSize(kToolIconSize + 8, kToolIconSize + 8);
    workingIconLabel_->setAlignment(Qt::AlignCenter);
    // It changes every second: drawn on its own background (the toolbar's
    // plain one), so the toolbar under it is not drawn again each time.
    workingIconLabel_->setAutoFillBackground(true);
    toolBar_->addWidget(workingIconLabel_);
    SetWorkingIcon(QString::fromLatin1(kBlankIcon));
}

void MainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    for (int zone = 1; zone <= kStatusZones; ++zone) {
        QLabel* label = ZoneLabel(bar);
        label->setObjectName(QStringLiteral("StatusZone%1").arg(zone));
        zones_ << label;
    }
    // Zone 1 shows the status text of the highlighted menu item or toolbar
    // button, in zone 2's room while it does (event()); zones 3 and 4 always
    // show.
    bar->addWidget(zones_.at(0), 1);
    zones_.at(1)->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    bar->addPermanentWidget(zones_.at(1), 2);
    bar->addPermanentWidget(zones_.at(2));
    bar->addPermanentWidget(zones_.at(3));
    // The clock changes every second: at a size that fits every time of day,
    // and on a background of its own, a new text repaints the zone alone,
    // without laying out or drawing the rest of the frame again.
    QLabel* clock = zones_.at(3);
    clock->setText(WidestClockText(clock->fontMetrics()));
    clock->setFixedSize(clock->sizeHint());
    clock->setAutoFillBackground(true);
    RefreshDateAndClock();
}

void MainFrame::BuildTrayMenu()
{
    if (trayMenu_)
        return;
    trayMenu_ = new TrayPopupMenu(this);
    connect(trayMenu_, &TrayPopupMenu::Chosen, this, &MainFrame::TrayCommand);
    tray_.SetPopupMenu(trayMenu_, [this] {
        trayMenu_->Apply({!ScriptQueue.isEmpty(), Iconized()});
        for (QAction* action : trayMenu_->actions()) {
            const QString command = TrayItemCommand(action->objectName());
            if (!command.isEmpty() && !CommandEnabled(command))
                action->setEnabled(false);
        }
    });
}

bool MainFrame::CommandEnabled(const QString& command) const
{
    if (CommandUnavailable(command))
        return false;
    if (command == QLatin1String(FrameCommand::kViewCurrentScript))
        return viewScriptEnabled_ && Procedures().Has(command);
    return FrameOwnCommand(command) || Procedures().Has(command);
}

void MainFrame::UpdateCommandStates()
{
    for (auto it = commands_.cbegin(); it != commands_.cend(); ++it) {
        const bool enabled = CommandEnabled(it.key());
        for (QAction* action : it.value())
            action->setEnabled(enabled);
    }
}

QList<QAction*> MainFrame::CommandActions(const QString& command) const
{
    return commands_.value(command);
}

QAction* MainFrame::CommandAction(const QString& command) const
{
    const QList<QAction*> actions = commands_.value(command);
    return actions.isEmpty() ? nullptr : actions.first();
}

QLabel* MainFrame::StatusZone(int zone) const
{
    return zone >= 1 && zone <= zones_.size() ? zones_.at(zone - 1) : nullptr;
}

// ---- commands ----

void MainFrame::RunCommand(const QString& command)
{
    using namespace FrameCommand;
    if (!CommandEnabled(command))
        return;
    // The frame's own commands; any other names a procedure.
    const std::pair<const char*, std::function<void()>> own[] = {
        {kOptions, [this] { Options(this); }},
        {kAbout, [this] { About(this, Clip(ProductName), Clip(VersionNumber)); }},
        {kExit, [this] { Exit(); }},
        {kBackupRestore, [this] { StartBackupProgram(); }},
        {kCut, [this] { EditCommand("cut"); }},
        {kCopy, [this] { EditCommand("copy"); }},
        {kPaste, [this] { EditCommand("paste"); }},
        {kTile, [this] { ArrangeWindows(true); }},
        {kCascade, [this] { ArrangeWindows(false); }},
        {kEmailUs, [this] { OpenSupportAddress(QStringLiteral("mailto:") + QLatin1String(kSupportMailbox)); }},
        {kHomePage, [this] { OpenSupportAddress(QLatin1String(kHomePageAddress)); }},
    };
    try {
        for (const auto& [name, run] : own) {
            if (command == QLatin1String(name)) {
                run();
                return;
            }
        }
        Procedures().Start(command, this);
    } catch (const std::exception& error) {
        // A procedure that failed to start leaves the frame running.
        Prompt::Message(QString::fromLocal8Bit(error.what()), Clip(ProductName), PromptIcon::Stop);
    }
}

void MainFrame::Exit()
{
    if (!ConfirmExit(MinimizeOnCloseRequest != 0))
        return;
    exitConfirmed_ = true;
    close();
}

void MainFrame::StartBackupProgram()
{
    ProgramStart start;
    start.program = CompanionProgramPath(QString::fromLatin1(kBackupProgram));
    start.arguments = {QString::fromLatin1(kMainDataFile)};
    start.workingDirectory = QDir::currentPath();
    if (companions_.Start(QStringLiteral("The backup program"), start, Clip(ProductName)))
        companionWatch_.start();
}

void MainFrame::OpenSupportAddress(const QString& address)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        Prompt::Message(QStringLiteral("No program is set up to open %1").arg(address), Clip(ProductName),
                        PromptIcon::Exclamation);
}

void MainFrame::EditCommand(const char* slot)
{
    // The standard editing commands act on the control that has the focus.
    if (QWidget* focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

void MainFrame::ArrangeWindows(bool tile)
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !window->isMinimized() && window->isWindow()
            && window->windowType() == Qt::Window)
            windows << window;
    }
    const QRect area = screen() ? screen()->availableGeometry() : QRect();
    const QList<QRect> places =
        tile ? TileWindows(int(windows.size()), area) : CascadeWindows(int(windows.size()), area, kCascadeStep);
    for (int i = 0; i < places.size(); ++i) {
        windows.at(i)->setGeometry(places.at(i));
        windows.at(i)->raise();
    }
}

void MainFrame::TrayCommand(const QString& name)
{
    if (TrayMenu::RestoresFrameFirst(name))
        tray_.Restore();
    if (name == QLatin1String(TrayMenu::kRestore))
        NotifyTaskLists();
    else if (name == QLatin1String(TrayMenu::kStopScript))
        PostNumberedEvent(this, EventNumber::kStopScripts);
    else
        RunCommand(TrayItemCommand(name));
}

void MainFrame::TrayRestore()
{
    NotifyTaskLists();
    tray_.Restore();
}

void MainFrame::SecondStart(const QStringList& arguments)
{
    if (ended_)
        return;
    TrayRestore();
    if (!HasCommandSwitch(QStringList{QString()} + arguments, QLatin1String(kConfigSwitch)))
        return;
    // After the call has been answered; the switch allows Options as it would
    // on this program's own command line. Options already open stay the one.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (ended_ || QApplication::activeModalWidget() || !CommandEnabled(QLatin1String(FrameCommand::kOptions)))
                return;
            OptionsWindow window(this);
            if (window.Opened())
                window.exec();
        },
        Qt::QueuedConnection);
}

void MainFrame::StopScripts()
{
    CurrentScriptInterpreter().StopActiveScripts();
}

void MainFrame::UserEvent(int number)
{
    // An ended frame answers nothing: a tray appearing now must not bring
    // its icon back.
    if (ended_)
        return;
    switch (number) {
    case EventNumber::kTrayDoubleClick:
        TrayRestore();
        break;
    case EventNumber::kTrayRightClick:
        tray_.ShowPopupMenu();
        break;
    case EventNumber::kTaskbarCreated:
        tray_.Add(tray_.Tip(), tray_.Icon());
        break;
    case EventNumber::kStopScripts:
        StopScripts();
        break;
    case EventNumber::kRegisterHotKeys:
        if (hotKeys_)
            hotKeys_->Reregister();
        break;
    default:
        // A left click, a right double click and the session's own events
        // need nothing here: the end-of-session hook ends the program.
        break;
    }
}

// ---- timer ----

void MainFrame::SetTimer(int hundredths)
{
    timerHundredths_ = hundredths;
    if (hundredths > 0)
        timer_.setInterval(hundredths * 10);
}

void MainFrame::PrepareDisplay()
{
    SetTimer(ClampTimerInterval(timerHundredths_));
    RefreshDateAndClock();
}

void MainFrame::TimerEvent()
{
    RefreshDateAndClock();
    if (damageWatch_)
        damageWatch_->Tick(Today());
    try {
        cycle_.Tick();
    } catch (const std::exception& error) {
        // The scheduler goes on with the next tick.
        tickFailures_.Report(QString::fromLocal8Bit(error.what()));
    }
    ChooseTicking();
}

void MainFrame::SecondOfTicks()
{
    const int ticks = std::max(1, (100 + timerHundredths_ / 2) / std::max(1, timerHundredths_));
    // A script that starts on one of them takes the rest of the second at the
    // frame's own timer.
    for (int tick = 0; tick < ticks && !ended_ && !cycle_.ScriptRunning(); ++tick)
        TimerEvent();
}

void MainFrame::ChooseTicking()
{
    // Inside a tick (a prompt's loop delivering timer events) the script
    // state is that of a tick half done: the tick decides when it ends.
    if (!ticking_ || cycle_.InTick())
        return;
    if (cycle_.ScriptRunning()) {
        disconnect(beat_);
        if (!timer_.isActive())
            timer_.start();
    } else {
        timer_.stop();
        if (!beat_)
            beat_ = connect(&SecondBeat::Instance(), &SecondBeat::Beat, this, &MainFrame::SecondOfTicks);
    }
}

void MainFrame::StopTicking()
{
    ticking_ = false;
    timer_.stop();
    disconnect(beat_);
}

void MainFrame::RefreshDateAndClock()
{
    // Several ticks a second: the texts are made again only when the second
    // or the day they show has passed.
    const Date today = Today();
    const ClockTime now = Now();
    const ClockTime second = now / 100;
    if (today != shownDay_) {
        shownDay_ = today;
        SetZoneText(3, DateZoneText(today));
    }
    if (second != shownSecond_) {
        shownSecond_ = second;
        SetZoneText(4, ClockZoneText(now));
    }
}

void MainFrame::SetZoneText(int zone, const QString& text)
{
    // Several ticks a second: an unchanged zone is not laid out or painted again.
    QLabel* label = zones_.at(zone - 1);
    if (label->text() != text)
        label->setText(text);
}

// ---- tick surface ----

QString MainFrame::Title() const
{
    return title_;
}

void MainFrame::SetTitle(const QString& title)
{
    // Read-only data stays marked in every title the frame shows.
    title_ = title;
    setWindowTitle(MarkedTitle(title));
}

void MainFrame::SetScriptStatus(const QString& text)
{
    SetZoneText(2, text);
}

void MainFrame::SetScriptIndicator(const QString& text)
{
    if (scriptIndicator_->text() != text)
        scriptIndicator_->setText(text);
}

void MainFrame::SetWorkingIcon(const QString& icon)
{
    if (icon == workingIcon_)
        return;
    workingIcon_ = icon;
    // The animation steps through a few pictures: each is drawn from its SVG
    // once and kept.
    auto drawn = workingPixmaps_.find(icon);
    if (drawn == workingPixmaps_.end())
        drawn = workingPixmaps_.insert(icon, LoadIcon(icon).pixmap(kToolIconSize, kToolIconSize));
    workingIconLabel_->setPixmap(*drawn);
}

void MainFrame::SetTrayIcon(const QString& icon)
{
    tray_.SetIcon(icon);
}

void MainFrame::EnableViewCurrentScript(bool enabled)
{
    viewScriptEnabled_ = enabled;
    const bool on = CommandEnabled(QString::fromLatin1(FrameCommand::kViewCurrentScript));
    for (QAction* action : CommandActions(QString::fromLatin1(FrameCommand::kViewCurrentScript)))
        action->setEnabled(on);
}

void MainFrame::ChooseTrayMinimising()
{
    if (NoTray)
        tray_.DisableTrayMinimise();
    else
        tray_.EnableTrayMinimise();
}

void MainFrame::NotifyTaskLists()
{
    NotifyBrowseThreads();
}

// ---- window state and closing ----

void MainFrame::Iconize()
{
    if (tray_.MinimisesToTray())
        tray_.HideToTray();
    else
        showMinimized();
}

bool MainFrame::Iconized() const
{
    return isMinimized() || !isVisible();
}

void MainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    SavePosition();
}

void MainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    SavePosition();
}

void MainFrame::SavePosition()
{
    if (opened_ && !ended_)
        SaveWindowPosition(positions_, *this, QString::fromLatin1(kFramePositionName));
}

bool MainFrame::event(QEvent* event)
{
    // The status bar's own message would be drawn in the room its widgets
    // leave it, which the zones take: the text goes to zone 1 instead, which
    // takes zone 2's room while it shows one.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        SetZoneText(1, tip);
        zones_.at(1)->setVisible(tip.isEmpty());
        return true;
    }
    return QMainWindow::event(event);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    if (ended_) {
        event->accept();
        return;
    }
    if (DecideCloseRequest(MinimizeOnCloseRequest != 0, exitConfirmed_) == CloseAction::Iconize) {
        event->ignore();
        Iconize();
        return;
    }
    MainClose();
    event->accept();
    emit Closed();
}

void MainFrame::MainClose()
{
    WriteEventLog(QStringLiteral("Exit Velmora"), QString());
    StopTicking();
    damageWatch_.reset();
    if (opened_) {
        for (TableFile* table : FrameTables())
            table->Close();
    }
    hotKeys_.reset(); // every key goes back to the desktop
    sessionHook_.Detach();
    tray_.Detach();
    SavePosition();
    ended_ = true;
    taskFrameOverride_.reset();
}

void MainFrame::SessionEnding()
{
    // The program ends without its close steps; what must survive is saved
    // now. The event log is written line by line and needs nothing.
    SavePosition();
    StopTicking();
    damageWatch_.reset();
    hotKeys_.reset();
    ended_ = true;
    sessionEnded_ = true;
    emit Closed();
}

} // namespace vl
