#pragma once
// QSystemTrayIcon behind the tray backend. Qt has no signal for a tray that
// starts after the program (or restarts), so availability is polled, every
// other second on the program's beat (SecondBeat.h) rather than on a wake-up
// of its own.

#include "core/frame/TrayBackend.h"

#include <QObject>
#include <QSystemTrayIcon>

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

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);
    void PollAvailability();

    static constexpr int kPollBeats = 2;

    QSystemTrayIcon icon_;
    int beats_ = 0;
    bool available_ = false;
    Handlers handlers_;
};

} // namespace vl
