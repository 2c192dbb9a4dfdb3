#pragma once
// The main program's own message window "Message": the message with
// "&Snooze" (a one-time task a few minutes later, then the window closes),
// "&To Do" (a to-do item; the window stays), "&Email" (the forward window)
// and "Cl&ose", and the repeating alarm. The reminder window is the same
// window kept above all others. Each window holds its own message.

#include "message/AlarmRepeat.h"
#include "message/MessageDisplay.h"
#include "message/ShownMessage.h"

#include <QWidget>

namespace vl {

class MessageView;

class LocalMessageWindow : public QWidget {
    Q_OBJECT
public:
    LocalMessageWindow(const ShownMessage& message, bool topmost, QWidget* parent = nullptr);

    MessageView* View() const { return view_; }

private:
    void Snooze();
    void ToDo();
    void Email();

    CountedMessageDisplay counted_;
    MessageView* view_ = nullptr;
    AlarmRepeat alarm_;
};

// Opens and shows the window (it deletes itself when closed): the reminder
// on top of all windows, the message window as an ordinary one.
LocalMessageWindow* ReminderWindow(const ShownMessage& message);
LocalMessageWindow* MessageWindow(const ShownMessage& message);

// Installs these windows as the program's message windows for its lifetime.
class LocalMessageWindows : public MessageWindows {
public:
    LocalMessageWindows() : installed_(*this) {}
    void OpenReminder(const ShownMessage& message) override { ReminderWindow(message); }
    void OpenMessage(const ShownMessage& message) override { MessageWindow(message); }

private:
    MessageWindowsOverride installed_;
};

} // namespace vl
