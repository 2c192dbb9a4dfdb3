#pragma once
// The main frame: menu bar, toolbar and status bar, the notification-area
// icon with its popup menu, the end-of-session hook, and the timer whose
// tick (SchedulerCycle) drives all unattended work. Lists, wizards, reports
// and tools open from its menus as windows of their own
// (FrameProcedures.h); Options and About run modally over it.
//
// Status zones: 1 menu hints, 2 the next task or the running script's step
// ("Inactive" while the scheduler is off), 3 weekday and date, 4 the clock.
//
// Idle, the frame wakes once a second, on the program's beat (SecondBeat.h),
// and runs a second's worth of ticks at once: at the usual timer of 25
// hundredths that is the whole four-phase cycle, so every phase still runs
// once a second and the clock turns with the second. While a script runs,
// the frame's own timer ticks at the set interval, so the script's steps
// come when they are due.

#include "core/cycle/SchedulerCycle.h"
#include "core/cycle/TickFailures.h"
#include "scheduler/engine/TaskFrame.h"
#include "core/frame/CompanionPrograms.h"
#include "windows/frame/session/EndSessionHook.h"
#include "core/frame/TrayBackend.h"
#include "windows/frame/tray/TrayIcon.h"
#include "hotkeys/DesktopHotKeyOutput.h"
#include "hotkeys/ProgramHotKeys.h"
#include "platform/runtime/IniFile.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace vl {

class DamageWatch;
class TrayPopupMenu;
struct FrameMenuItem;

// The section of POSITION.INI that keeps the frame's place.
inline constexpr char kFramePositionName[] = "Main";

// The frame's timer, in hundredths of a second, as built.
inline constexpr int kFrameTimer = 25;

class MainFrame : public QMainWindow, private TickSurface, private TaskFrame {
    Q_OBJECT
public:
    // positions: the window-position file; tray: the notification area
    // (tests give a fake).
    explicit MainFrame(IniFile& positions, std::unique_ptr<TrayBackend> tray = MakeQtTrayBackend());
    ~MainFrame() override;

    // Opens the frame's tables, attaches the tray icon, the hot keys and the
    // end-of-session hook, restores the frame's place, builds the tray menu and runs the
    // start-up (settings, start-up lists, "Started"). Shows the frame unless
    // it starts minimised. False when the program has been asked to stop.
    bool Open();

    // One timer event: refreshes the date and clock, then runs the tick.
    void TimerEvent();
    // The frame's timer in hundredths of a second; PrepareDisplay brings a
    // value outside 1 to 100 back to 100.
    int Timer() const { return timerHundredths_; }
    void SetTimer(int hundredths);
    void PrepareDisplay();

    // Runs a menu, toolbar or tray command (a procedure name or a
    // FrameCommand).
    void RunCommand(const QString& command);
    // File, Exit (and the tray's Exit): asks while the frame minimises on
    // close requests, then closes the frame.
    void Exit();
    // Minimises the frame, into the tray when it hides there.
    void Iconize();
    bool Iconized() const;
    // The frame has closed (the program ends).
    bool Ended() const { return ended_; }
    // The session ended it (or the program was told to terminate): it ended
    // without its close steps.
    bool SessionEnded() const { return sessionEnded_; }

    // What tests and the tick's routines look at.
    QAction* CommandAction(const QString& command) const;
    QList<QAction*> CommandActions(const QString& command) const;
    QToolBar* ToolBar() const { return toolBar_; }
    QLabel* StatusZone(int zone) const;
    QLabel* ScriptIndicatorLabel() const { return scriptIndicator_; }
    QString WorkingIconName() const { return workingIcon_; }
    TrayIcon& Tray() { return tray_; }
    TrayPopupMenu* TrayMenu() const { return trayMenu_; }
    SchedulerCycle& Cycle() { return cycle_; }
    EndSessionHook& SessionHook() { return sessionHook_; }

signals:
    // The frame has closed; the program ends.
    void Closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // TickSurface
    QString Title() const override;
    void SetTitle(const QString& title) override;
    void SetScriptStatus(const QString& text) override;
    void SetScriptIndicator(const QString& text) override;
    void SetWorkingIcon(const QString& icon) override;
    void SetTrayIcon(const QString& icon) override;
    void EnableViewCurrentScript(bool enabled) override;
    void ChooseTrayMinimising() override;
    void NotifyTaskLists() override;

    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildTrayMenu();
    QAction* AddCommand(QMenu* menu, const FrameMenuItem& item);
    void UpdateCommandStates();
    bool CommandEnabled(const QString& command) const;

    void FrameStartUp();
    // The window's icon, the tray icon and its menu, the global hot keys,
    // and the session bus on which a second start hands over: made once the
    // frame is on the screen (or, starting minimised, before it goes to the
    // tray).
    void AttachToDesktop(const QString& trayTip);
    void RestoreClipboard();
    void UserEvent(int number);
    void TrayCommand(const QString& name);
    void TrayRestore();
    // Another start of VLMR handed its command line over: the frame comes
    // forward, and "/CONFIG" opens Options.
    void SecondStart(const QStringList& arguments);
    void StopScripts();
    void RefreshDateAndClock();
    // The ticks of one second, at once (the program's beat while idle).
    void SecondOfTicks();
    // Ticks on the frame's own timer while a script runs, otherwise on the
    // beat; nothing once the frame has closed.
    void ChooseTicking();
    void StopTicking();
    // Status zone 1-4.
    void SetZoneText(int zone, const QString& text);
    void SavePosition();
    void SessionEnding();
    void MainClose();

    void StartBackupProgram();
    void OpenSupportAddress(const QString& address);
    void EditCommand(const char* slot);
    void ArrangeWindows(bool tile);

    // What performing a due task asks of the frame: its tray icon.
    void RestoreFromTray() override { tray_.Restore(); }
    void SetTrayTip(const QString& tip) override { tray_.SetTip(tip); }

    IniFile& positions_;
    TrayIcon tray_;
    std::optional<TaskFrameOverride> taskFrameOverride_;
    // Damage found while the frame runs, and the background check.
    std::unique_ptr<DamageWatch> damageWatch_;
    // Win+W and the hot keys of the table, held while the frame is open.
    DesktopHotKeyOutput hotKeyOutput_;
    std::unique_ptr<ProgramHotKeys> hotKeys_;
    EndSessionHook sessionHook_;
    SchedulerCycle cycle_;
    TickFailures tickFailures_;
    QTimer timer_;
    QMetaObject::Connection beat_;
    QString title_; // the title as the frame sets it, without the read-only mark
    bool ticking_ = false;
    int timerHundredths_ = kFrameTimer;
    CompanionPrograms companions_;
    QTimer companionWatch_; // runs while a companion program does

    QHash<QString, QList<QAction*>> commands_;
    QToolBar* toolBar_ = nullptr;
    QToolButton* stopScripts_ = nullptr;
    QLabel* scriptIndicator_ = nullptr;
    QLabel* workingIconLabel_ = nullptr;
    QString workingIcon_;
    QHash<QString, QPixmap> workingPixmaps_;
    QList<QLabel*> zones_;
    Date shownDay_ = -1;         // the day zone 3 shows
    ClockTime shownSecond_ = -1; // the second zone 4 shows
    TrayPopupMenu* trayMenu_ = nullptr;

    bool opened_ = false;
    bool viewScriptEnabled_ = false;
    bool exitConfirmed_ = false;
    bool ended_ = false;
    bool sessionEnded_ = false;
};

} // namespace vl
