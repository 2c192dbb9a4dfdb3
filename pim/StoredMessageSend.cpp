#include "pim/StoredMessageSend.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/cycle/SchedulerState.h"
#include "core/dictionary/ContactRecord.h"
#include "core/dictionary/Dictionary.h"
#include "pim/MessageForm.h"
#include "pim/MessageQueue.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "scripting/Keywords.h"
#include "scripting/ScriptVariables.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <vector>

namespace vl {
namespace {

constexpr uint8_t kMailMode = 1;
constexpr uint8_t kNewsMode = 2;
constexpr uint8_t kPlainText = 6;
constexpr uint8_t kBinaryFile = 8;
constexpr char kNotApplicable[] = "N/A";
constexpr char kSendingText[] = "Sending Email...";
constexpr char kMailErrorLabel[] = "Mail Error";
constexpr char kNewsErrorLabel[] = "News Error";
constexpr char kMassMailingCaption[] = "Error Sending Mass Mailing";
constexpr char kNewsCaption[] = "Error Sending News Article";

void SetVariable(const char* name, const QString& value)
{
    CurrentScriptVariables().Set(QLatin1String(name), value);
}

// The addresses of a recipient field: split at commas and semicolons.
QStringList Addresses(const QString& field)
{
    static const QRegularExpression kSeparators(QStringLiteral("[,;]"));
    QStringList addresses;
    for (const QString& part : field.split(kSeparators, Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            addresses << part.trimmed();
    }
    return addresses;
}

bool IsAddress(const QString& field)
{
    return !Clip(field).isEmpty() && !SameTextNoCase(Clip(field), QLatin1String(kNotApplicable));
}

// The message's own recipient: one named TO entry, or one per address of a list.
int AddPrimaryRecipient(MailSender& sender, const MessagesRecord& message)
{
    if (!IsAddress(message.EmailTo))
        return 0;
    const QStringList addresses = Addresses(message.EmailTo);
    for (const QString& address : addresses)
        sender.AddTo(addresses.size() == 1 ? Clip(message.EMAILTONAME) : QString(), address);
    return static_cast<int>(addresses.size());
}

void AddCopies(MailSender& sender, const MessagesRecord& message)
{
    for (const QString& address : Addresses(message.CC))
        sender.AddCc(address, address);
    for (const QString& address : Addresses(message.BCC))
        sender.AddBcc(address);
}

// The sender fields of an e-mail and the variables that name them.
void SetMailSender(MailSender& sender, const QString& from)
{
    sender.SetMailHost(Clip(Email::Host));
    SetVariable("EmailHost", Clip(Email::Host));
    SetVariable("EmailSenderName", Clip(Email::SenderName));
    if (!from.isEmpty())
        sender.SetFrom(from);
    if (!Clip(Email::Sender).isEmpty()) {
        sender.SetReturnPath(Clip(Email::Sender));
        sender.SetReplyTo(Clip(Email::Sender));
    }
    SetVariable("EmailReturnPath", Clip(Email::Sender));
    if (!Clip(Email::Organization).isEmpty())
        sender.SetOrganization(Clip(Email::Organization));
    sender.SetMailer(ProductName);
}

QString ExpandedSubject(const MessagesRecord& message)
{
    return Clip(ExpandKeywords(message.Subject));
}

void SetContent(MailSender& sender, const MessagesRecord& message, const QString& subject)
{
    if (!subject.isEmpty())
        sender.SetSubject(subject);
    sender.SetMessageText(BuildMailBody(message.Message), kPlainText);
    if (!Clip(message.ATTACHMENT).isEmpty())
        sender.AddAttachment(Clip(message.ATTACHMENT), kBinaryFile);
}

int SendWithProgress(MailSender& sender)
{
    MailProgressText = QLatin1String(kSendingText);
    const int result = sender.Send();
    MailProgressText.clear();
    return result;
}

// Lines of a notice, each on a line of its own, the last followed by a break.
QString Listing(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += QLatin1Char('|') + Clip(line);
    return text + QLatin1Char('|');
}

// Logs and publishes the outcome of a send; the error text is taken before
// the sender is released.
StoredMessageOutcome Report(MailSender& sender, int result, const MessagesRecord& message, bool news)
{
    StoredMessageOutcome outcome;
    outcome.result = result;
    const QString label = QLatin1String(news ? kNewsErrorLabel : kMailErrorLabel);
    if (result == kMailSent) {
        WriteEventLog(Clip(message.MAILTYPE), QStringLiteral("Sent ") + Clip(message.EmailTo));
        for (qsizetype i = 0; i < sender.RefusedAddresses().size(); ++i) {
            const QString& address = sender.RefusedAddresses().at(i);
            const QString reply = i < sender.Refusals().size() ? sender.Refusals().at(i) : QString();
            WriteEventLog(label, QStringLiteral("Error:  ") + reply);
            WriteEventLog(label, QStringLiteral("Could not send ") + address);
            outcome.refused << address + QStringLiteral(": ") + reply;
        }
        SetVariable("Mail", QStringLiteral("Sent"));
        SetVariable("MailError", sender.RefusedAddresses().isEmpty()
                                     ? QStringLiteral("None")
                                     : QStringLiteral("Refused: ") + sender.RefusedAddresses().join(QStringLiteral(", ")));
    } else {
        outcome.errorText = sender.ErrorText(result);
        WriteEventLog(label, news ? outcome.errorText : QStringLiteral("Error:  ") + outcome.errorText);
        WriteEventLog(label, QStringLiteral("Could not send ") + Clip(message.EmailTo));
        SetVariable("Mail", QStringLiteral("Error"));
        SetVariable("MailError", outcome.errorText);
    }
    sender.Release();
    return outcome;
}

StoredMessageOutcome SendPlainMail(const MessagesRecord& message, MailSender& sender)
{
    sender.Prepare();
    sender.SetServerMode(kMailMode);
    sender.SetDebugFile(QStringLiteral("inmail.log"));
    const QString name = Clip(Email::SenderName);
    const QString address = Clip(Email::Sender);
    SetMailSender(sender, name.isEmpty() ? address : QStringLiteral("\"%1\" <%2>").arg(name, address));
    AddPrimaryRecipient(sender, message);
    AddCopies(sender, message);
    SetContent(sender, message, ExpandedSubject(message));
    return Report(sender, SendWithProgress(sender), message, false);
}

// The contacts of the category as TO recipients; each counts, also one
// without an address (which the sender leaves out). False on a read error,
// with its text in error.
bool AddCategoryRecipients(MailSender& sender, const QString& category, int& count, QString& error)
{
    if (Clip(category).isEmpty())
        return true;
    Table<ContactRecord>& contacts = Tables().Contact;
    const bool opened = OpenTable(contacts);
    bool read = opened;
    if (opened) {
        Cursor<ContactRecord> cursor(contacts);
        ContactRecord position;
        position.ContactCategory = category;
        read = cursor.Set(C_KEYCATEGORY, position);
        ContactRecord contact;
        while (read && cursor.Next(contact) && SameTextNoCase(Clip(contact.ContactCategory), Clip(category))) {
            sender.AddTo(Clip(Clip(contact.FirstName) + QLatin1Char(' ') + Clip(contact.LastName)).trimmed(),
                         Clip(contact.Email));
            ++count;
        }
        read = read && (contacts.ErrorCode() == kNoError || contacts.ErrorCode() == kRecordNotAvailable);
    }
    if (!read)
        error = contacts.Error();
    if (opened)
        contacts.Close();
    return read;
}

// Logs and shows why a mass mailing was not sent.
void NotSent(MailSender& sender, const MessagesRecord& message, const QString& reason, const QString& notice)
{
    WriteEventLog(QLatin1String(kMailErrorLabel), QStringLiteral("Error:  ") + reason);
    WriteEventLog(QLatin1String(kMailErrorLabel), QStringLiteral("Could not send ") + Clip(message.EmailTo));
    SetVariable("Mail", QStringLiteral("Error"));
    SetVariable("MailError", reason);
    Prompt::Notify(notice, QLatin1String(kMassMailingCaption), PromptIcon::Stop);
    sender.Release();
}

StoredMessageOutcome SendMassMailing(const MessagesRecord& message, MailSender& sender)
{
    sender.Prepare();
    sender.SetServerMode(kMailMode);
    sender.SetDebugFile(QStringLiteral("inmail.log"));
    SetMailSender(sender, Clip(Email::SenderName));
    const QString subject = ExpandedSubject(message);
    const QString listing = Listing({Email::Host, Email::Sender, Email::SenderName, ProductName, subject,
                                     message.EMAILTOGROUP});
    int count = AddPrimaryRecipient(sender, message);
    QString readError;
    // A category read in part would reach only some of its contacts: none get it.
    if (!AddCategoryRecipients(sender, message.EMAILTOGROUP, count, readError)) {
        const QString reason = QStringLiteral("Error retrieving contact information ") + readError;
        NotSent(sender, message, reason, reason + QStringLiteral("|The message was sent to no one.") + listing);
        return {kMessageNotSent, reason, {}};
    }
    if (count == 0) {
        NotSent(sender, message, QStringLiteral("No recipients"), QStringLiteral("Error: No recipients.") + listing);
        return {kMailNoRecipients, sender.ErrorText(kMailNoRecipients), {}};
    }
    AddCopies(sender, message);
    SetContent(sender, message, subject);
    const StoredMessageOutcome outcome = Report(sender, SendWithProgress(sender), message, false);
    if (outcome.result != kMailSent)
        Prompt::Notify(QStringLiteral("Error: ") + Clip(outcome.errorText) + listing,
                       QLatin1String(kMassMailingCaption), PromptIcon::Stop);
    else if (!outcome.refused.isEmpty())
        Prompt::Notify(QStringLiteral("Sent, but not to these recipients:") + Listing(outcome.refused),
                       QLatin1String(kMassMailingCaption), PromptIcon::Exclamation);
    return outcome;
}

StoredMessageOutcome PostNewsArticle(const MessagesRecord& message, MailSender& sender)
{
    sender.Prepare();
    sender.SetServerMode(kNewsMode);
    sender.SetDebugFile(QStringLiteral("inserver.log"));
    sender.SetMailHost(Clip(News::Host));
    sender.SetReturnPath(Clip(News::Sender));
    sender.SetFrom(Clip(Email::SenderName));
    sender.SetMailer(ProductName);
    const QString subject = ExpandedSubject(message);
    const QString group = Clip(message.EmailTo);
    const QString name = Clip(message.EMAILTONAME).isEmpty() ? group : Clip(message.EMAILTONAME);
    sender.AddTo(name, group);
    // No setting holds a news login; a message that carries one uses it.
    if (!Clip(message.NEWS_USER).isEmpty())
        sender.SetLogin(Clip(message.NEWS_USER), Clip(message.NEWS_PASSWORD));
    SetContent(sender, message, subject);
    const StoredMessageOutcome outcome = Report(sender, sender.Send(), message, true);
    if (outcome.result != kMailSent)
        Prompt::Notify(QStringLiteral("Error: ") + Clip(outcome.errorText)
                           + Listing({News::Host, News::Sender, Email::SenderName, ProductName, subject, name, group}),
                       QLatin1String(kNewsCaption), PromptIcon::Stop);
    return outcome;
}

bool SetUp(MessageKind kind)
{
    const bool news = kind == MessageKind::News;
    if (news ? !Clip(News::Host).isEmpty() && !Clip(News::Sender).isEmpty()
             : !Clip(Email::Host).isEmpty() && !Clip(Email::Sender).isEmpty())
        return true;
    Prompt::Notify(QLatin1String(news ? kNewsNotSetUpText : kMailNotSetUpText), QLatin1String(kNotSetUpCaption),
                   PromptIcon::Stop);
    return false;
}

} // namespace

MessageKind KindOfMessage(const QString& mailType)
{
    if (SameTextNoCase(Clip(mailType), QStringLiteral("News")))
        return MessageKind::News;
    if (SameTextNoCase(Clip(mailType), QStringLiteral("Mass Mailing")))
        return MessageKind::MassMailing;
    return MessageKind::Email;
}

QString BuildMailBody(const QString& text)
{
    return ExpandKeywords(text, std::numeric_limits<int>::max());
}

StoredMessageOutcome SendLoadedMessage(const MessagesRecord& message, MailSender& sender)
{
    const MessageKind kind = KindOfMessage(message.MAILTYPE);
    if (!SetUp(kind))
        return {kMessageNotSent, QLatin1String(kind == MessageKind::News ? kNewsNotSetUpText : kMailNotSetUpText), {}};
    switch (kind) {
    case MessageKind::News:
        return PostNewsArticle(message, sender);
    case MessageKind::MassMailing:
        return SendMassMailing(message, sender);
    case MessageKind::Email:
        break;
    }
    return SendPlainMail(message, sender);
}

namespace {

std::vector<const StoredMessageSendWatch*>& SendWatches()
{
    static std::vector<const StoredMessageSendWatch*> watches;
    return watches;
}

// The watches are told, and a send the list queued reports how it went.
StoredMessageOutcome Sent(const MessagesRecord& message, const StoredMessageOutcome& outcome)
{
    // A watch may go while it is told (its window closes): tell a copy.
    const std::vector<const StoredMessageSendWatch*> watches = SendWatches();
    for (const StoredMessageSendWatch* watch : watches) {
        if (std::find(SendWatches().begin(), SendWatches().end(), watch) != SendWatches().end())
            watch->Tell(message, outcome);
    }
    if (TakeQueuedMessageSend(message.EmailID)) {
        const SendNowReport report = ReportOfSendNow(message, outcome);
        Prompt::Notify(report.text, report.caption,
                       outcome.result == kMailSent ? PromptIcon::Information : PromptIcon::Exclamation);
    }
    return outcome;
}

} // namespace

StoredMessageSendWatch::StoredMessageSendWatch(Told told) : told_(std::move(told))
{
    SendWatches().push_back(this);
}

StoredMessageSendWatch::~StoredMessageSendWatch()
{
    std::erase(SendWatches(), this);
}

StoredMessageOutcome SendStoredMessage(int32_t emailId, MailSender& sender)
{
    Table<MessagesRecord>& messages = Tables().Messages;
    const bool opened = OpenTable(messages);
    MessagesRecord message;
    message.EmailID = emailId;
    if (!opened || emailId == 0 || !messages.Get(M_KEYEMAILID, message)) {
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Error sending message"));
        if (opened)
            messages.Close();
        MessagesRecord unread;
        unread.EmailID = emailId;
        return Sent(unread, {kMessageNotSent, QStringLiteral("Error sending message"), {}});
    }
    StoredMessageOutcome outcome = SendLoadedMessage(message, sender);
    if (outcome.result == kMailSent) {
        // Read again: the form may have saved the message while it was sent.
        MessagesRecord stored;
        stored.EmailID = emailId;
        const bool found = messages.Get(M_KEYEMAILID, stored);
        if (found)
            stored.LastDateSent = Today();
        if (!found || !messages.Put(stored))
            WriteEventLog(QLatin1String(kMailErrorLabel),
                          QStringLiteral("Sent, but the date sent was not stored: ") + messages.Error());
    }
    messages.Close();
    return Sent(message, outcome);
}

} // namespace vl
