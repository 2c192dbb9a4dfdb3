#include "scripting/run/ScriptEmail.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "platform/mail/MailResult.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QRegularExpression>
#include <QStringList>

namespace vl {
namespace {

constexpr uint8_t kMailMode = 1;
constexpr uint8_t kNewsMode = 2;
constexpr uint8_t kPlainText = 6;

// Addresses of a recipient field: separated by commas or semicolons.
QStringList Addresses(const QString& field)
{
    QStringList addresses;
    for (const QString& part : field.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            addresses << part.trimmed();
    }
    return addresses;
}

} // namespace

int32_t SendMessageEmail(int32_t emailId, MailSender& sender)
{
    MessagesRecord message;
    message.EmailID = emailId;
    if (emailId == 0 || !Tables().Messages.Get(M_KEYEMAILID, message)) {
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Error sending message"));
        return kEmailUnreadable;
    }
    const QString type = Clip(message.MAILTYPE);
    if (type.compare(QLatin1String("Mass Mailing"), Qt::CaseInsensitive) == 0) {
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Mass mailing not sent"));
        return kMailNoRecipients;
    }
    const bool news = type.compare(QLatin1String("News"), Qt::CaseInsensitive) == 0;
    const QString host = Clip(news ? (Clip(message.NEWS_SERVER).isEmpty() ? News::Host : message.NEWS_SERVER)
                                   : (Clip(message.MAIL_SERVER).isEmpty() ? Email::Host : message.MAIL_SERVER));
    if (host.isEmpty()) {
        Prompt::Notify(QStringLiteral("Email not setup.  Set the mail server in Options before sending messages."),
                       QStringLiteral("Send Email"), PromptIcon::Exclamation);
        return kEmailNotSetUp;
    }
    sender.Prepare();
    sender.SetServerMode(news ? kNewsMode : kMailMode);
    sender.SetMailHost(host);
    sender.SetFrom(Clip(news ? News::SenderName : Email::SenderName));
    sender.SetReturnPath(Clip(news ? News::Sender : Email::Sender));
    sender.SetOrganization(Clip(news ? News::Organization : Email::Organization));
    sender.SetMailer(QStringLiteral("Velmora"));
    sender.SetSubject(Clip(message.Subject));
    for (const QString& address : Addresses(message.EmailTo))
        sender.AddTo(Clip(message.EMAILTONAME), address);
    for (const QString& address : Addresses(message.CC))
        sender.AddCc(QString(), address);
    for (const QString& address : Addresses(message.BCC))
        sender.AddBcc(address);
    if (news && !Clip(message.NEWS_USER).isEmpty())
        sender.SetLogin(Clip(message.NEWS_USER), Clip(message.NEWS_PASSWORD));
    sender.SetMessageText(message.Message, kPlainText);
    if (!Clip(message.ATTACHMENT).isEmpty())
        sender.AddAttachment(Clip(message.ATTACHMENT), 0);
    const int result = sender.Send();
    sender.Release();
    if (result == 0) {
        message.LastDateSent = Today();
        Tables().Messages.Put(message);
    }
    return result;
}

} // namespace vl
