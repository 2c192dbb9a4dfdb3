#pragma once
// The message text handed to the server, the same for mail and news: headers,
// the UTF-8 text, and the attachments in a multipart/mixed body.

#include "platform/mail/MailAddress.h"
#include "platform/mail/MailRequest.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vl {

struct AttachmentFile {
    QString baseName; // the name the receiver sees; never the path
    QByteArray content;
};

struct AttachmentLoad {
    QList<AttachmentFile> files;
    QString failedPath; // the first file that could not be read, empty when all were
    QString reason;
};

// What makes one message unique: its Date, Message-ID and part boundary.
struct MessageStamp {
    QByteArray date;
    QByteArray messageId;
    QByteArray boundary;
};

// Reads every attachment file in order, stopping at the first that cannot be read.
AttachmentLoad LoadAttachments(const QStringList& paths);

// Today's date and a new Message-ID in the sender address's domain.
MessageStamp MakeMessageStamp(const QString& senderAddress);

// The whole message with CR LF line ends. Mail shows To and Cc (never Bcc);
// news shows Newsgroups (the TO addresses) instead. The From header shows the
// mailbox the caller resolved.
QByteArray ComposeMessage(const MailRequest& request, const Mailbox& from,
                          const QList<AttachmentFile>& attachments, const MessageStamp& stamp);

} // namespace vl
