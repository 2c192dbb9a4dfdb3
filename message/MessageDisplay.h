#pragma once
// Showing a task's message when the task is performed, without the
// scheduler ever waiting for the user: handed to the message program when
// UseExternalMessage (setting "UsePivra") is on, and shown by this program
// itself when it is off or the hand-over failed, as a plain box
// (UseWinMessage), a reminder window on top (UseModalMessage) or an ordinary
// message window. At most 60 such displays are open at once; a message beyond
// them becomes a plain box at once.

#include "core/dictionary/ScheduleRecord.h"
#include "message/ShownMessage.h"
#include "platform/runtime/ServiceSlot.h"

namespace vl {

inline constexpr int kMaxMessageDisplays = 60;

// This program's own message windows; the window layer installs them
// (windows/message/LocalMessageWindow.h) with MessageWindowsOverride. Until
// then, and in tests that install none, a message is shown as a plain box.
class MessageWindows {
public:
    virtual ~MessageWindows() = default;
    // Opens a window kept above all others.
    virtual void OpenReminder(const ShownMessage& message) = 0;
    // Opens an ordinary message window.
    virtual void OpenMessage(const ShownMessage& message) = 0;
};

MessageWindows& CurrentMessageWindows();

using MessageWindowsOverride = ServiceOverride<MessageWindows>;

// Shows the task's message (the scheduler and the script interpreter) and
// returns at once.
void DisplayTaskMessage(const ScheduleRecord& task);
// The same for a task performed on the user's request.
void ShowTaskMessageNow(const ScheduleRecord& task);

// Opens one of this program's own displays for the message.
void ShowTaskMessage(const ShownMessage& message);
// Logs the event "Message" and shows the message in a box with an OK button.
void ShowMessageBox(const ShownMessage& message);

// How many of this program's message displays are open.
int OpenMessageDisplays();

// Counts one open display for its lifetime.
class CountedMessageDisplay {
public:
    CountedMessageDisplay();
    ~CountedMessageDisplay();
    CountedMessageDisplay(const CountedMessageDisplay&) = delete;
    CountedMessageDisplay& operator=(const CountedMessageDisplay&) = delete;
};

} // namespace vl
