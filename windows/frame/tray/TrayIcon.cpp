#include "windows/frame/tray/TrayIcon.h"

#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/ThreadRegistry.h"
#include "resources/ProgramIcons.h"

#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace vl {
namespace {

// Shown when the icon asked for is not among the program's, so that the
// icon never turns invisible (a window hidden in the tray must stay reachable).
const QString kProgramIcon = QStringLiteral("tray_ico");

} // namespace

TrayIcon::TrayIcon() : TrayIcon(MakeQtTrayBackend()) {}

TrayIcon::TrayIcon(std::unique_ptr<TrayBackend> backend) : backend_(std::move(backend))
{
    backend_->SetHandlers({[this](TrayActivation activation) { Activated(activation); },
                           [this](bool available) { AvailabilityChanged(available); }});
}

TrayIcon::~TrayIcon()
{
    Detach();
    backend_->SetHandlers({});
}

bool TrayIcon::Attach(QWidget* window, bool minimizeToTaskbar, bool noSubclassing, const QString& tip,
                      const QString& icon)
{
    if (window_ != window)
        Unhook();
    window_ = window;
    minimizeToTaskbar_ = minimizeToTaskbar;
    noSubclassing_ = noSubclassing;
    const bool added = Add(tip, icon);
    if (!noSubclassing_ && !minimizeToTaskbar_)
        Hook();
    return added;
}

void TrayIcon::Detach()
{
    Unhook();
    Remove();
}

bool TrayIcon::Add(const QString& tip, const QString& icon)
{
    icon_ = CutTo(IconResourceName(icon), kTipSize);
    tip_ = CutTo(Clip(tip), kTipSize);
    added_ = backend_->Show(Picture(), ShownTip());
    return added_;
}

bool TrayIcon::SetTip(const QString& tip)
{
    const QString clipped = CutTo(Clip(tip), kTipSize);
    if (!alwaysRefresh_ && clipped == tip_)
        return true;
    tip_ = clipped;
    return backend_->SetTip(ShownTip());
}

bool TrayIcon::SetIcon(const QString& icon)
{
    const QString name = CutTo(IconResourceName(icon), kTipSize);
    if (!alwaysRefresh_ && name == icon_)
        return true;
    icon_ = name;
    return backend_->SetIcon(Picture());
}

bool TrayIcon::Remove()
{
    added_ = false;
    return backend_->Hide();
}

QString TrayIcon::ShownTip() const { return CutTo(tip_, kShownTipSize); }

QIcon TrayIcon::Picture() const
{
    const QIcon icon = LoadIcon(icon_);
    return icon.isNull() ? LoadIcon(kProgramIcon) : icon;
}

bool TrayIcon::CanHideInTray() const { return added_ && backend_->Available(); }

void TrayIcon::HideToTray()
{
    if (!window_)
        return;
    if (!CanHideInTray()) {
        if (!window_->isMinimized())
            window_->showMinimized();
        return;
    }
    // Hidden first, then un-minimised, so that showing it again later brings
    // back a normal window and nothing flickers now.
    window_->hide();
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    hiddenInTray_ = true;
}

void TrayIcon::Restore()
{
    if (!window_)
        return;
    hiddenInTray_ = false;
    BringWindowForward(window_);
}

void TrayIcon::EnableTrayMinimise()
{
    if (noSubclassing_ || !minimizeToTaskbar_)
        return;
    Hook();
    minimizeToTaskbar_ = false;
}

void TrayIcon::DisableTrayMinimise()
{
    if (noSubclassing_ || minimizeToTaskbar_)
        return;
    Unhook();
    minimizeToTaskbar_ = true;
}

bool TrayIcon::Iconized() const { return window_ && (window_->isMinimized() || !window_->isVisible()); }

void TrayIcon::SetPopupMenu(QMenu* menu, std::function<void()> prepare)
{
    menu_ = menu;
    preparePopup_ = std::move(prepare);
}

void TrayIcon::ShowPopupMenu()
{
    if (!menu_)
        return;
    if (preparePopup_)
        preparePopup_();
    menu_->popup(QCursor::pos());
}

void TrayIcon::Hook()
{
    if (hooked_ || !window_)
        return;
    window_->installEventFilter(this);
    hooked_ = true;
}

void TrayIcon::Unhook()
{
    if (!hooked_)
        return;
    if (window_)
        window_->removeEventFilter(this);
    hooked_ = false;
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowStateChange && window_->isMinimized()) {
        // Hidden once the minimise has been handled, not inside its notice.
        QTimer::singleShot(0, this, [this] {
            if (hooked_ && window_ && window_->isMinimized() && CanHideInTray())
                HideToTray();
        });
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::Activated(TrayActivation activation)
{
    int number = 0;
    switch (activation) {
    case TrayActivation::Click:
        number = EventNumber::kTrayClick;
        break;
    case TrayActivation::RightClick:
        number = EventNumber::kTrayRightClick;
        break;
    case TrayActivation::DoubleClick:
        number = EventNumber::kTrayDoubleClick;
        break;
    }
    Threads().Post(ThreadRegistry::kFrameThread, number);
}

void TrayIcon::AvailabilityChanged(bool available)
{
    if (!window_)
        return;
    if (available) {
        Threads().Post(ThreadRegistry::kFrameThread, EventNumber::kTaskbarCreated);
        return;
    }
    // The tray went away: a window hidden in it goes to the taskbar.
    added_ = false;
    if (hiddenInTray_ && !window_->isVisible()) {
        hiddenInTray_ = false;
        window_->showMinimized();
    }
}

} // namespace vl
