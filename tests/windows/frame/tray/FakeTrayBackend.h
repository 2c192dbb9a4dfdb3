#pragma once
// A notification area for tests: records what the tray icon class asks of it
// and lets a test click the icon or make the tray come and go.

#include "core/frame/TrayBackend.h"

#include <QStringList>

namespace vl::test {

class FakeTrayBackend : public TrayBackend {
public:
    bool available = true;
    bool shown = false;
    QString tip;
    QIcon icon;
    int shows = 0;
    int hides = 0;
    QStringList tipChanges;
    int iconChanges = 0;

    bool Available() const override { return available; }
    bool Show(const QIcon& newIcon, const QString& newTip) override
    {
        ++shows;
        icon = newIcon;
        tip = newTip;
        shown = available;
        return shown;
    }
    bool SetTip(const QString& newTip) override
    {
        tipChanges.append(newTip);
        tip = newTip;
        return shown;
    }
    bool SetIcon(const QIcon& newIcon) override
    {
        ++iconChanges;
        icon = newIcon;
        return shown;
    }
    bool Hide() override
    {
        ++hides;
        const bool was = shown;
        shown = false;
        return was;
    }
    void SetHandlers(Handlers newHandlers) override { handlers = std::move(newHandlers); }

    void Click(TrayActivation activation) { handlers.activated(activation); }
    void SetAvailable(bool now)
    {
        available = now;
        if (!now)
            shown = false;
        handlers.availabilityChanged(now);
    }

    Handlers handlers;
};

} // namespace vl::test
