#include "scheduler/options/TestEmail.h"

#include "core/base/Globals.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

constexpr uint8_t kMailServerMode = 1;
constexpr uint8_t kPlainTextMessage = 6;
constexpr char kMailLogFile[] = "inmail.log";

} // namespace

int SendTestEmail(MailSender& sender)
{
    const QString replyTo = Clip(Email::Sender);
    const QString senderName = Clip(Email::SenderName);
    const QString host = Clip(Email::Host);
    if (replyTo.isEmpty() || host.isEmpty()) {
        Prompt::Message(QStringLiteral("You must enter your reply to address and mail host."), QStringLiteral("Error"),
                        PromptIcon::Stop);
        return -1;
    }

    sender.Prepare();
    sender.SetServerMode(kMailServerMode);
    sender.SetDebugFile(QLatin1String(kMailLogFile));
    sender.SetMailHost(host);
    sender.SetFrom(senderName.isEmpty() ? replyTo : QLatin1Char('"') + senderName + "\" <" + replyTo + ">");
    sender.SetReplyTo(replyTo);
    if (!Clip(Email::Organization).isEmpty())
        sender.SetOrganization(Clip(Email::Organization));
    sender.SetMailer(Clip(ProductName));
    sender.SetSubject(QStringLiteral("Test Email"));
    sender.AddTo(senderName, replyTo);
    sender.SetMessageText("This is a test email from " + senderName + " using Velmora.", kPlainTextMessage);
    const int result = sender.Send();
    if (result == 0) {
        Prompt::Message(QStringLiteral("Test message sent without errors."), QStringLiteral("Success"),
                        PromptIcon::Information);
    } else {
        // "|" is the line break of the program's message texts.
        Prompt::Message("Test message not sent.||Error:  " + sender.ErrorText(result), QStringLiteral("Warning"),
                        PromptIcon::Exclamation);
    }
    sender.Release();
    return result;
}

} // namespace vl
