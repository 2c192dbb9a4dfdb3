#include "platform/widgets/NumberedEvents.h"

#include "platform/ui/EventNumbers.h"

#include <QCoreApplication>
#include <QWidget>

namespace vl {

NumberedEvent::NumberedEvent(int number) : QEvent(EventType()), number_(number) {}

QEvent::Type NumberedEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

NumberedEvents::NumberedEvents(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

NumberedEvents* NumberedEvents::Of(QWidget* window)
{
    if (auto* existing = window->findChild<NumberedEvents*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new NumberedEvents(window);
}

bool NumberedEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != NumberedEvent::EventType() || watched != parent())
        return QObject::eventFilter(watched, event);
    const int number = static_cast<NumberedEvent*>(event)->Number();
    if (number == EventNumber::kBringForward)
        BringWindowForward(static_cast<QWidget*>(watched));
    emit Received(number);
    return true;
}

void PostNumberedEvent(QWidget* window, int number)
{
    NumberedEvents::Of(window);
    QCoreApplication::postEvent(window, new NumberedEvent(number));
}

void BringWindowForward(QWidget* window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace vl
