#pragma once
// The program's icon in the notification area. It belongs to one window (the
// frame): it shows the icon with a tip, changes them, and can turn the
// window's minimise into hiding it in the tray. Clicks on the icon reach the
// frame's thread as numbered events (1089 click, 1090 right click, 1091
// double click), and a tray that appears after the icon was added (a desktop
// panel starting or restarting) posts 1093, to which the frame answers by
// adding the icon again with Tip() and Icon().
//
// Without a tray nothing fails: the calls report false and the window
// minimises to the taskbar as usual. All calls come from the GUI thread.

#include "core/frame/TrayBackend.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;

namespace vl {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // Widest tip kept, and widest tip shown.
    static constexpr int kTipSize = 255;
    static constexpr int kShownTipSize = 63;

    TrayIcon();
    explicit TrayIcon(std::unique_ptr<TrayBackend> backend);
    ~TrayIcon() override;

    // Adds the icon for the window. Unless minimizeToTaskbar or noSubclassing
    // is set, minimising the window then hides it in the tray.
    // noSubclassing: the window's minimise is never watched.
    bool Attach(QWidget* window, bool minimizeToTaskbar, bool noSubclassing, const QString& tip,
                const QString& icon);
    // Stops watching the window and removes the icon.
    void Detach();

    // The icon is named by its file ("tray.ico") or resource name
    // ("tray_ico"); both are kept as the resource name.
    bool Add(const QString& tip, const QString& icon);
    // A tip or icon equal to the current one changes nothing and reports
    // true, unless AlwaysRefresh is set.
    bool SetTip(const QString& tip);
    bool SetIcon(const QString& icon);
    bool Remove();
    QString Tip() const { return tip_; }
    QString Icon() const { return icon_; }
    void SetAlwaysRefresh(bool on) { alwaysRefresh_ = on; }

    // Hides the window in the tray; without a tray it is minimised to the
    // taskbar instead, so it can always be found again.
    virtual void HideToTray();
    // Shows the window again (from the tray or minimised), raised and active.
    virtual void Restore();
    // Switches between hiding in the tray and minimising to the taskbar.
    void EnableTrayMinimise();
    void DisableTrayMinimise();
    bool MinimisesToTray() const { return hooked_; }
    // The window is minimised or hidden in the tray.
    bool Iconized() const;

    // The frame's popup menu for the icon and what makes it ready to show
    // (its enable rules); ShowPopupMenu, the frame's answer to a right click,
    // applies them and opens the menu at the mouse.
    void SetPopupMenu(QMenu* menu, std::function<void()> prepare);
    void ShowPopupMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString ShownTip() const;
    QIcon Picture() const;
    bool CanHideInTray() const;
    void Hook();
    void Unhook();
    void Activated(TrayActivation activation);
    void AvailabilityChanged(bool available);

    std::unique_ptr<TrayBackend> backend_;
    QPointer<QWidget> window_;
    QPointer<QMenu> menu_;
    std::function<void()> preparePopup_;
    QString tip_;
    QString icon_;
    bool alwaysRefresh_ = false;
    bool minimizeToTaskbar_ = false;
    bool noSubclassing_ = false;
    bool hooked_ = false;
    bool added_ = false;
    bool hiddenInTray_ = false;
};

} // namespace vl
