#include "pim/ForwardMail.h"

#include "core/base/Globals.h"
#include "pim/MessageProgramIni.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"

namespace vl {

namespace {

constexpr char kEmailSection[] = "Email";
constexpr char kRecipientKey[] = "Recipient";
constexpr char kRecipientNameKey[] = "RecipientName";
constexpr uint8_t kMailServerMode = 1;
constexpr uint8_t kPlainTextMessage = 6;

} // namespace

ForwardRecipient LoadForwardRecipient()
{
    const IniFile ini(MessageProgramIniPath());
    return {CutTo(ini.Get(QLatin1String(kEmailSection), QLatin1String(kRecipientKey)), kRecipientAddressWidth),
            CutTo(ini.Get(QLatin1String(kEmailSection), QLatin1String(kRecipientNameKey)), kRecipientNameWidth)};
}

bool SaveForwardRecipient(const ForwardRecipient& recipient)
{
    IniFile ini(MessageProgramIniPath());
    const bool address = ini.Put(QLatin1String(kEmailSection), QLatin1String(kRecipientKey), Clip(recipient.address));
    const bool name = ini.Put(QLatin1String(kEmailSection), QLatin1String(kRecipientNameKey), Clip(recipient.name));
    return address && name;
}

ForwardRecipient CompleteRecipient(ForwardRecipient recipient)
{
    if (Clip(recipient.name).isEmpty())
        recipient.name = CutTo(recipient.address, kRecipientNameWidth);
    return recipient;
}

int SendForwardedMessage(MailSender& sender, const QString& title, const QString& text,
                         const ForwardRecipient& recipient)
{
    sender.Prepare();
    sender.SetServerMode(kMailServerMode);
    sender.SetDebugFile(QStringLiteral("inmail.log"));
    sender.SetMailHost(Clip(Email::Host));
    if (!Clip(Email::SenderName).isEmpty())
        sender.SetFrom(Clip(Email::SenderName));
    if (!Clip(Email::Sender).isEmpty())
        sender.SetReturnPath(Clip(Email::Sender));
    if (!Clip(Email::Organization).isEmpty())
        sender.SetOrganization(Clip(Email::Organization));
    sender.SetMailer(QStringLiteral("Velmora"));
    sender.SetSubject(Clip(title).isEmpty() ? QStringLiteral("Forwarded Message") : Clip(title));
    sender.AddTo(Clip(recipient.name), Clip(recipient.address));
    sender.SetMessageText(text, kPlainTextMessage);
    return sender.Send();
}

QString ForwardStatusText(int result, const QString& errorText)
{
    if (result == 0)
        return QStringLiteral("Message sent.");
    // "|" is the line break of the program's message texts.
    return QStringLiteral("Message was not sent.||Error:|") + errorText + QStringLiteral("||Sender:") +
           Clip(Email::Sender) + QStringLiteral("|Host:") + Clip(Email::Host);
}

} // namespace vl
