#pragma once
// QSystemTrayIcon behind the tray backend. Qt has no signal for a tray that
// starts after the program (or restarts), so availability is polled.

#include "core/frame/TrayBackend.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

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

    static constexpr int kPollMilliseconds = 2000;

    QSystemTrayIcon icon_;
    QTimer poll_;
    bool available_ = false;
    Handlers handlers_;
};

} // namespace vl
