#pragma once
// Hands a finished message to an SMTP server through libcurl.

#include "platform/mail/MailHost.h"
#include "platform/mail/MailLog.h"
#include "platform/mail/MailProgress.h"
#include "platform/mail/SendMail.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vl {

inline constexpr int kSmtpPort = 25;

// One SMTP transaction: MAIL FROM the sender, RCPT TO every recipient, DATA
// the message. A refused recipient does without the message while the others
// get it (the outcome lists the refusals); when every recipient is refused,
// nothing is sent and the last refusal is the server error.
MailOutcome SendBySmtp(const MailHost& host, const QString& sender, const QStringList& recipients,
                       const QByteArray& message, const MailTimeouts& timeouts,
                       MailProgress& progress, MailLog& log);

} // namespace vl
