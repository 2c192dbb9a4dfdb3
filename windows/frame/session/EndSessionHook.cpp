#include "windows/frame/session/EndSessionHook.h"

#include "core/session/TerminationSignals.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/TerminationRequest.h"
#include "platform/widgets/NumberedEvents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace vl {

EndSessionHook::EndSessionHook() : quit_([] { QCoreApplication::exit(0); }) {}

EndSessionHook::~EndSessionHook()
{
    Detach();
}

void EndSessionHook::Attach(QWidget* window, bool sessionMayEnd)
{
    Detach();
    window_ = window;
    sessionMayEnd_ = sessionMayEnd;
    endAllowed_ = false;

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connections_ << connect(app, &QGuiApplication::commitDataRequest, this, &EndSessionHook::CommitData,
                                Qt::DirectConnection);
        app->installEventFilter(this);
    }
    signals_ = std::make_unique<TerminationSignals>();
    // Queued, so that the signals object is never inside its own
    // notification when the end detaches the hook.
    connect(
        signals_.get(), &TerminationSignals::Received, this,
        [this] {
            // Told to terminate: the window hears the question and the end
            // together; the answer cannot hold the end up.
            if (window_)
                PostNumberedEvent(window_, EventNumber::kSessionEndQuery);
            End();
        },
        Qt::QueuedConnection);
}

void EndSessionHook::Detach()
{
    for (const QMetaObject::Connection& connection : std::as_const(connections_))
        disconnect(connection);
    connections_.clear();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    signals_.reset();
    window_ = nullptr;
    endAllowed_ = false;
}

bool EndSessionHook::QueryEnd()
{
    if (window_)
        PostNumberedEvent(window_, EventNumber::kSessionEndQuery);
    endAllowed_ = sessionMayEnd_;
    return sessionMayEnd_;
}

void EndSessionHook::End()
{
    // From now on no question holds the end up or decides anything.
    RequestTermination();
    if (window_)
        PostNumberedEvent(window_, EventNumber::kSessionEnd);
    emit SessionEnding();
    if (quit_)
        quit_();
}

void EndSessionHook::CommitData(QSessionManager& manager)
{
    if (!QueryEnd())
        manager.cancel();
}

bool EndSessionHook::eventFilter(QObject* watched, QEvent* event)
{
    // The session manager's quit, once it was told the session may end:
    // the program ends here instead of closing its windows one by one.
    if (endAllowed_ && event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        End();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vl
