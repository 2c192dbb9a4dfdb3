#include "windows/frame/tray/QtTrayBackend.h"

#include "platform/widgets/SecondBeat.h"

#include <QGuiApplication>

namespace vl {

QtTrayBackend::QtTrayBackend()
{
    // The signal is the X11 platform's own, so it is named, not typed; the
    // native interface is a QObject whose class Qt keeps private, and its
    // QObject is its only base.
    auto* platform = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
    if (platform && platform->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0) {
        connect(platform, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(PollAvailability()));
        pollBeats_ = kToldPollBeats;
    }
    connect(&SecondBeat::Instance(), &SecondBeat::Beat, this, [this] {
        if (++beats_ % pollBeats_ == 0)
            PollAvailability();
    });
}

QSystemTrayIcon& QtTrayBackend::Icon()
{
    if (!icon_) {
        available_ = QSystemTrayIcon::isSystemTrayAvailable();
        icon_ = std::make_unique<QSystemTrayIcon>();
        connect(icon_.get(), &QSystemTrayIcon::activated, this, &QtTrayBackend::Activated);
    }
    return *icon_;
}

bool QtTrayBackend::Available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool QtTrayBackend::Show(const QIcon& icon, const QString& tip)
{
    QSystemTrayIcon& shown = Icon();
    shown.setIcon(icon);
    shown.setToolTip(tip);
    // Shown even without a tray: Qt docks the icon once a tray appears.
    shown.show();
    return Available();
}

bool QtTrayBackend::SetTip(const QString& tip)
{
    if (!icon_)
        return false; // Show gives the tip
    icon_->setToolTip(tip);
    return icon_->isVisible() && Available();
}

bool QtTrayBackend::SetIcon(const QIcon& icon)
{
    if (!icon_)
        return false; // Show gives the picture
    icon_->setIcon(icon);
    return icon_->isVisible() && Available();
}

bool QtTrayBackend::Hide()
{
    if (!icon_)
        return false;
    const bool wasShown = icon_->isVisible();
    icon_->hide();
    return wasShown;
}

void QtTrayBackend::SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

void QtTrayBackend::Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (!handlers_.activated)
        return;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        handlers_.activated(TrayActivation::Click);
        break;
    case QSystemTrayIcon::DoubleClick:
        handlers_.activated(TrayActivation::DoubleClick);
        break;
    case QSystemTrayIcon::Context:
        handlers_.activated(TrayActivation::RightClick);
        break;
    default:
        break;
    }
}

void QtTrayBackend::PollAvailability()
{
    if (!icon_)
        return;
    const bool available = Available();
    if (available == available_)
        return;
    available_ = available;
    if (handlers_.availabilityChanged)
        handlers_.availabilityChanged(available);
}

std::unique_ptr<TrayBackend> MakeQtTrayBackend() { return std::make_unique<QtTrayBackend>(); }

} // namespace vl
