#pragma once
// Sending a stored message (Messages) by its type: "News" is posted as a news
// article, "Mass Mailing" goes as one e-mail to the message's address and
// every contact of its contact category, any other type as a plain e-mail.
// Keywords in square brackets are expanded in the subject and the text.
//
// Every send writes its outcome to the event log and leaves it in the script
// variables "Mail" ("Sent" or "Error") and "MailError" ("None" or why); the
// e-mail senders also leave "EmailHost", "EmailSenderName" and
// "EmailReturnPath". Mass mailings and news articles that fail also say so in
// a notice with the settings used; a plain e-mail reports only to the log and
// the variables, its caller shows what it wants. Notices never wait, so the
// scheduler's tick may send.
//
// Addresses: the recipient, CC and BCC fields may each hold several
// addresses separated by commas or semicolons. A message that reached only
// some of its recipients counts as sent; the refused addresses are logged,
// "MailError" names them and the outcome lists them.

#include "core/dictionary/MessagesRecord.h"
#include "pim/MailSender.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace vl {

// The result when the message cannot be read or mail (news) is not set up.
inline constexpr int kMessageNotSent = 1;

inline constexpr char kNotSetUpCaption[] = "Error!";
inline constexpr char kMailNotSetUpText[] =
    "Email not setup.  Select File->Setup, Email tab, and fill in the required information.";
inline constexpr char kNewsNotSetUpText[] =
    "Email (News) not setup. Select File->Setup, Email tab, and fill in the required information.";

enum class MessageKind { Email, News, MassMailing };

// The kind a message's type names; a blank or unknown type is an e-mail.
MessageKind KindOfMessage(const QString& mailType);

struct StoredMessageOutcome {
    int result = kMailSent;      // a MailResult, or kMessageNotSent
    QString errorText;           // why it was not sent; empty when sent
    QStringList refused;         // sent, but not to these: "address: the server's reply"
};

// The message as it is in hand (the message form's "&Send Now", saved or
// not): nothing is read and nothing is stamped.
StoredMessageOutcome SendLoadedMessage(const MessagesRecord& message, MailSender& sender);

// The message stored under the ID (the "Send Email" script step and the
// message list's "Send E-mail"): read, sent, and when sent its last-sent date
// is stamped today. Only that date is written, on the record as stored after
// the send, so a change saved while it was sending is kept. A message that
// cannot be read is logged ("Script", "Error sending message"). A send the
// message list queued ends with a notice of what was sent, or why not, as
// "&Send Now" says it.
StoredMessageOutcome SendStoredMessage(int32_t emailId, MailSender& sender);

// While it lives, told after each SendStoredMessage, on the thread that
// sent, with the message as read (only its ID when it could not be read) and
// the outcome: the windows that show messages read them again at once.
class StoredMessageSendWatch {
public:
    using Told = std::function<void(const MessagesRecord& message, const StoredMessageOutcome& outcome)>;
    explicit StoredMessageSendWatch(Told told);
    ~StoredMessageSendWatch();
    StoredMessageSendWatch(const StoredMessageSendWatch&) = delete;
    StoredMessageSendWatch& operator=(const StoredMessageSendWatch&) = delete;

    void Tell(const MessagesRecord& message, const StoredMessageOutcome& outcome) const { told_(message, outcome); }

private:
    Told told_;
};

// The text of a message with its keywords expanded (blanks and line breaks
// kept, the value of a keyword without its trailing blanks).
QString BuildMailBody(const QString& text);

} // namespace vl
