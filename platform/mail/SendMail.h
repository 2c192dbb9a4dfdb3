#pragma once
// The mail library: sends one request and tells what happened. Mode 1 hands
// the message to an SMTP server, mode 2 posts it as a news article over NNTP.
// The call blocks until the server has answered (see BackgroundSend.h for
// callers on a window's thread); it never throws.

#include "platform/mail/MailProgress.h"
#include "platform/mail/MailRequest.h"
#include "platform/mail/MailResult.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vl {

struct MailOutcome {
    int result = kMailSent;
    // For kMailServerError: the reply that refused the message; for
    // kMailUnknownError: what failed, when that is known.
    QString serverReply;
    // For kMailSent: the server's replies to the recipients it refused; the
    // other recipients got the message.
    QStringList refusals;
    // The addresses those replies refused, in the same order.
    QStringList refusedAddresses;
};

MailOutcome SendMail(const MailRequest& request, MailProgress& progress);

// A library with the signature of SendMail.
using MailLibrary = std::function<MailOutcome(const MailRequest&, MailProgress&)>;

} // namespace vl
