#pragma once
// Forwarding a shown message by e-mail to one recipient, with the user's mail
// settings (Email::Host, Sender, SenderName, Organization). The last
// recipient is remembered in section "Email" of the message program's INI
// file, so both programs offer it next time.

#include "pim/MailSender.h"

#include <QString>

namespace vl {

inline constexpr int kRecipientAddressWidth = 255;
inline constexpr int kRecipientNameWidth = 60;

struct ForwardRecipient {
    QString address;
    QString name;
};

// The recipient remembered last; blank entries when there is none.
ForwardRecipient LoadForwardRecipient();
// False when the INI file could not be written.
bool SaveForwardRecipient(const ForwardRecipient& recipient);

// A blank name becomes the address (its first 60 characters).
ForwardRecipient CompleteRecipient(ForwardRecipient recipient);

// Fills the prepared sender from the mail settings and the message (the
// subject "Forwarded Message" when the title is blank), sends it to the
// recipient and returns the MailResult.
int SendForwardedMessage(MailSender& sender, const QString& title, const QString& text,
                         const ForwardRecipient& recipient);

// The text of the "Status" box after a send: "Message sent." for result 0,
// otherwise why it was not sent, with the sender and the host.
QString ForwardStatusText(int result, const QString& errorText);

} // namespace vl
