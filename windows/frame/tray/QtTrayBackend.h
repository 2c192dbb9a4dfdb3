#pragma once
// QSystemTrayIcon behind the tray backend. QSystemTrayIcon has no signal for
// a tray that starts after the program (or goes), so availability is looked
// at when the X11 platform says the tray's window came or went (the signal of
// its native interface that Qt's own tray icon follows), and polled on the
// program's beat (SecondBeat.h): every other second where no such signal
// exists, every tenth for a tray that is not an X11 window (one on D-Bus).
// The icon is made when it is first shown: making it asks the session bus
// for a tray, which costs the program's first window its time on the screen.

#include "core/frame/TrayBackend.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

namespace vl {

class QtTrayBackend : public QObject, public TrayBackend {
    Q_OBJECT
public:
    QtTrayBackend();

    bool Available() const override;
    bool Show(const QIcon& icon, const QString& tip) override;
    bool SetTip(const QString& tip) override;
    bool SetIcon(const QIcon& icon) override;
    bool Hide() override;
    void SetHandlers(Handlers handlers) override;

private slots:
    void PollAvailability();

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);

    static constexpr int kPollBeats = 2;
    static constexpr int kToldPollBeats = 10;

    QSystemTrayIcon& Icon();

    std::unique_ptr<QSystemTrayIcon> icon_; // made on first use
    int beats_ = 0;
    int pollBeats_ = kPollBeats;
    bool available_ = false;
    Handlers handlers_;
};

} // namespace vl
