#include "pim/MessageForm.h"

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QFileInfo>

namespace vl {
namespace {

constexpr int kContactEmailWidth = 40;
constexpr int kGroupWidth = 20;
constexpr int kMessageTextWidth = 10000;
constexpr char kNotApplicable[] = "N/A";

bool Refuse(const QString& text, PromptIcon icon = PromptIcon::Exclamation)
{
    Prompt::Message(text, QLatin1String(kMessagesCaption), icon);
    return false;
}

} // namespace

MessageLayout LayoutOfType(const QString& mailType)
{
    MessageLayout layout;
    layout.recipientPrompt = QStringLiteral("*To:");
    switch (KindOfMessage(mailType)) {
    case MessageKind::News:
        layout.recipientPrompt = QStringLiteral("*Newsgroup:");
        layout.contactPick = false;
        layout.copies = false;
        break;
    case MessageKind::MassMailing:
        layout.recipient = false;
        layout.contactPick = false;
        layout.category = true;
        layout.copies = false;
        break;
    case MessageKind::Email:
        break;
    }
    return layout;
}

void FillRememberedDefault(MessagesRecord& message)
{
    const MessageKind kind = KindOfMessage(message.MAILTYPE);
    if (kind == MessageKind::News && Clip(message.EmailTo).isEmpty())
        message.EmailTo = GetConfigValue(QLatin1String(kLastNewsgroupKey));
    else if (kind == MessageKind::MassMailing && Clip(message.EMAILTOGROUP).isEmpty())
        message.EMAILTOGROUP = CutTo(GetConfigValue(QLatin1String(kLastMassMailingKey)), kGroupWidth);
}

void RememberDefault(const MessagesRecord& message)
{
    const MessageKind kind = KindOfMessage(message.MAILTYPE);
    const char* key = kind == MessageKind::News          ? kLastNewsgroupKey
                      : kind == MessageKind::MassMailing ? kLastMassMailingKey
                                                         : kLastEmailKey;
    const QString value = Clip(kind == MessageKind::MassMailing ? message.EMAILTOGROUP : message.EmailTo);
    if (!value.isEmpty())
        PutConfigValue(QLatin1String(key), value);
}

QString ContactName(const ContactRecord& contact)
{
    return (Clip(contact.FirstName) + QLatin1Char(' ') + Clip(contact.LastName)).trimmed();
}

void TakeContact(MessagesRecord& message, const ContactRecord& contact)
{
    message.CONTACTID = contact.ClientID;
    message.EmailTo = Clip(contact.Email);
    message.EMAILTONAME = ContactName(contact);
}

bool TakeContactById(Table<ContactRecord>& contacts, MessagesRecord& message, int32_t contactId)
{
    ContactRecord contact;
    contact.ClientID = contactId;
    if (contactId == 0 || !contacts.Get(C_KEYCLIENTID, contact))
        return false;
    TakeContact(message, contact);
    return true;
}

void MatchContactByAddress(Table<ContactRecord>& contacts, MessagesRecord& message)
{
    if (Clip(message.EmailTo).isEmpty() || !Clip(message.EMAILTONAME).isEmpty())
        return;
    ContactRecord contact;
    contact.Email = CutTo(Clip(message.EmailTo), kContactEmailWidth);
    if (!contacts.Get(C_KEYEMAIL, contact))
        return;
    message.CONTACTID = contact.ClientID;
    message.EMAILTONAME = ContactName(contact);
}

void CategoryEntered(MessagesRecord& message)
{
    if (!Clip(message.EMAILTOGROUP).isEmpty() && Clip(message.EmailTo).isEmpty())
        message.EmailTo = QLatin1String(kNotApplicable);
}

void AttachmentEntered(MessagesRecord& message)
{
    if (!Clip(message.ATTACHMENT).isEmpty() && Clip(message.Subject).isEmpty())
        message.Subject = QFileInfo(Clip(message.ATTACHMENT)).fileName();
}

QString MissingField(const MessagesRecord& message)
{
    switch (KindOfMessage(message.MAILTYPE)) {
    case MessageKind::News:
        if (Clip(message.EmailTo).isEmpty())
            return QStringLiteral("Enter the newsgroup to post the message to.");
        break;
    case MessageKind::MassMailing:
        if (Clip(message.EMAILTOGROUP).isEmpty()
            && (Clip(message.EmailTo).isEmpty() || SameTextNoCase(Clip(message.EmailTo), QLatin1String(kNotApplicable))))
            return QStringLiteral("Enter the contact category to send the mass mailing to.");
        break;
    case MessageKind::Email:
        if (Clip(message.EmailTo).isEmpty())
            return QStringLiteral("Enter the address to send the message to.");
        break;
    }
    if (Clip(message.Subject).isEmpty())
        return QStringLiteral("Enter the message's subject.");
    if (Clip(message.Message).size() > kMessageTextWidth)
        return QStringLiteral("The message holds %1 characters; a stored message keeps at most %2. "
                              "Shorten it before saving.")
            .arg(Clip(message.Message).size())
            .arg(kMessageTextWidth);
    return QString();
}

bool StoreMessage(Table<MessagesRecord>& messages, FormRequest request, MessagesRecord& message)
{
    if (request == FormRequest::View)
        return true;
    if (request == FormRequest::Delete) {
        // A message that script items send is refused (and said so) by the relation.
        RelationSet& relations = Tables().Relations;
        if (relations.Delete(messages, message))
            return true;
        if (!relations.LastError().Ok())
            Refuse(relations.LastError().Describe(), PromptIcon::Stop);
        return false;
    }
    const QString missing = MissingField(message);
    if (!missing.isEmpty())
        return Refuse(missing);
    MessagesRecord stored = message;
    const bool done = request == FormRequest::Insert ? messages.Add(stored) : messages.Put(stored);
    if (!done)
        return Refuse(messages.LastError().Describe(), PromptIcon::Stop);
    message = stored;
    return true;
}

SendNowReport ReportOfSendNow(const MessagesRecord& message, const StoredMessageOutcome& outcome)
{
    const QString to = Clip(message.EmailTo);
    if (outcome.result != kMailSent)
        return {QStringLiteral("Mail Error"), QStringLiteral("Could not send:  ") + to + QStringLiteral("||")
                                                  + Clip(outcome.errorText)};
    QString text = QStringLiteral("Mail sent:  ") + to;
    if (!outcome.refused.isEmpty())
        text += QStringLiteral("||Not sent to:|") + outcome.refused.join(QLatin1Char('|'));
    return {QStringLiteral("Mail"), text};
}

QString MessageItemDescription(const MessagesRecord& message)
{
    return Clip(message.Subject) + QStringLiteral(" - ") + Clip(message.EmailTo);
}

} // namespace vl
