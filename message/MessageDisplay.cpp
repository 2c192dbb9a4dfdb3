#include "message/MessageDisplay.h"

#include "message/MessageHandOff.h"
#include "core/base/Globals.h"
#include "platform/ui/PromptService.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

namespace vl {

namespace {

int openDisplays = 0;

// The box waits for the user: it is shown from the event loop, never inside
// the caller (the scheduler's tick), and counts as open from now.
void QueueMessageBox(const ShownMessage& message)
{
    auto counted = std::make_shared<CountedMessageDisplay>();
    QTimer::singleShot(0, QCoreApplication::instance(), [message, counted] { ShowMessageBox(message); });
}

class MessageBoxes : public MessageWindows {
public:
    void OpenReminder(const ShownMessage& message) override { QueueMessageBox(message); }
    void OpenMessage(const ShownMessage& message) override { QueueMessageBox(message); }
};

} // namespace

CountedMessageDisplay::CountedMessageDisplay() { ++openDisplays; }

CountedMessageDisplay::~CountedMessageDisplay() { --openDisplays; }

int OpenMessageDisplays() { return openDisplays; }

void DisplayTaskMessage(const ScheduleRecord& task)
{
    const ShownMessage message = MessageOfTask(task);
    if (UseExternalMessage != 0 && HandOffMessage(message) == 0)
        return;
    if (OpenMessageDisplays() >= kMaxMessageDisplays) {
        // A plain box at once, but one that nobody waits for: the scheduler's
        // tick goes on while it is open.
        Prompt::Notify(message.text, message.title);
        return;
    }
    ShowTaskMessage(message);
}

void ShowTaskMessageNow(const ScheduleRecord& task)
{
    DisplayTaskMessage(task);
}

void ShowTaskMessage(const ShownMessage& message)
{
    if (UseWinMessage != 0) {
        QueueMessageBox(message);
        return;
    }
    if (UseModalMessage != 0)
        CurrentMessageWindows().OpenReminder(message);
    else
        CurrentMessageWindows().OpenMessage(message);
}

MessageWindows& CurrentMessageWindows()
{
    static MessageBoxes boxes;
    return InstalledOr<MessageWindows>(boxes);
}

void ShowMessageBox(const ShownMessage& message)
{
    LogShownMessage(message);
    Prompt::Message(message.text, message.title);
}

} // namespace vl
