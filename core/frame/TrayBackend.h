#pragma once
// The notification area as the tray icon class sees it: show an icon with a
// tip, change either, take it away, and hear clicks and the tray coming and
// going. The program uses the Qt tray (QtTrayBackend.h); tests use a fake,
// which also stands for a desktop without any tray.

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

namespace vl {

enum class TrayActivation { Click, DoubleClick, RightClick };

class TrayBackend {
public:
    struct Handlers {
        std::function<void(TrayActivation)> activated;
        // The tray appeared (true) or went away (false).
        std::function<void(bool)> availabilityChanged;
    };

    virtual ~TrayBackend() = default;

    // A notification area is there to show icons in.
    virtual bool Available() const = 0;
    // Each returns true when the tray took the change.
    virtual bool Show(const QIcon& icon, const QString& tip) = 0;
    virtual bool SetTip(const QString& tip) = 0;
    virtual bool SetIcon(const QIcon& icon) = 0;
    virtual bool Hide() = 0;
    virtual void SetHandlers(Handlers handlers) = 0;
};

// The desktop's notification area through QSystemTrayIcon.
std::unique_ptr<TrayBackend> MakeQtTrayBackend();

} // namespace vl
