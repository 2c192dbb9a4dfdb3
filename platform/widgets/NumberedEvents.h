#pragma once
// Numbered events posted to a window, the way one logical thread tells
// another something (EventNumbers.h). A window reacts by connecting to its
// receiver:
//
//     connect(NumberedEvents::Of(this), &NumberedEvents::Received, this,
//             [this](int number) { if (number == EventNumber::kRefreshTaskList) Refresh(); });
//
// Event 518 (bring forward) is handled for every window before Received is
// emitted, so a window only adds what it needs beyond that.

#include <QEvent>
#include <QObject>

class QWidget;

namespace vl {

// The Qt event that carries the number.
class NumberedEvent : public QEvent {
public:
    explicit NumberedEvent(int number);
    int Number() const { return number_; }
    static QEvent::Type EventType();

private:
    int number_;
};

// Catches the numbered events posted to one window and emits them.
class NumberedEvents : public QObject {
    Q_OBJECT
public:
    // The window's receiver, created on first use as a child of the window, so
    // that it lives exactly as long as the window.
    static NumberedEvents* Of(QWidget* window);

signals:
    void Received(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NumberedEvents(QWidget* window);
};

// Posts the number to the window; it arrives once the event loop runs. Events
// still queued for a window that is destroyed are dropped with it.
void PostNumberedEvent(QWidget* window, int number);

// Restores a minimised window, shows, raises and activates it.
void BringWindowForward(QWidget* window);

} // namespace vl
