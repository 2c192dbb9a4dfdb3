#pragma once
// Posts a finished article to a news server. libcurl has no NNTP posting, so
// it only opens the connection (resolve, connect, timeouts, cancel); the
// dialogue is ours: greeting, optional AUTHINFO USER/PASS, POST, the
// dot-stuffed article, QUIT.

#include "platform/mail/MailHost.h"
#include "platform/mail/MailLog.h"
#include "platform/mail/MailProgress.h"
#include "platform/mail/SendMail.h"

#include <QByteArray>
#include <QString>

namespace vl {

inline constexpr int kNntpPort = 119;

// The article as it travels after POST: every line that begins with "." gets
// a second ".", and the terminating line "." follows the last CR LF.
QByteArray DotStuffed(const QByteArray& crlfArticle);

MailOutcome PostByNntp(const MailHost& host, const QString& userName, const QString& password,
                       const QByteArray& article, const MailTimeouts& timeouts,
                       MailProgress& progress, MailLog& log);

} // namespace vl
