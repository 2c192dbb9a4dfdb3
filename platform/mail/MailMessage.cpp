#include "platform/mail/MailMessage.h"

#include "platform/mail/HeaderText.h"
#include "platform/mail/MailDate.h"
#include "platform/mail/MimeEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

namespace vl {
namespace {

QByteArray Header(const char* name, const QByteArray& value)
{
    return QByteArray(name) + ": " + value + "\r\n";
}

QByteArray AddressList(const QList<MailRecipient>& recipients)
{
    QList<QByteArray> entries;
    for (const MailRecipient& r : recipients)
        entries.append(FormatMailbox({r.name, r.address}));
    return JoinHeaderList(entries);
}

QByteArray Newsgroups(const QList<MailRecipient>& groups)
{
    QList<QByteArray> names;
    for (const MailRecipient& g : groups)
        names.append(g.address.toUtf8());
    return names.join(',');
}

QByteArray MessageIdDomain(const QString& senderAddress)
{
    static const QRegularExpression kDomain("^[A-Za-z0-9.-]+$");
    const QString domain = senderAddress.mid(senderAddress.lastIndexOf('@') + 1);
    return senderAddress.contains('@') && kDomain.match(domain).hasMatch() ? domain.toLatin1()
                                                                          : QByteArray("localhost");
}

QByteArray TextPart(const QString& text)
{
    const QByteArray body = CrlfUtf8(text);
    const bool quoted = NeedsQuotedPrintable(body);
    return Header("Content-Type", "text/plain; charset=UTF-8")
        + Header("Content-Transfer-Encoding", quoted ? "quoted-printable" : "7bit") + "\r\n"
        + (quoted ? QuotedPrintable(body) : body);
}

QByteArray AttachmentPart(const AttachmentFile& file)
{
    return Header("Content-Type", "application/octet-stream; " + AttachmentNameParameter(file.baseName))
        + Header("Content-Transfer-Encoding", "base64")
        + Header("Content-Disposition", "attachment; " + AttachmentFileNameParameter(file.baseName))
        + "\r\n" + Base64Lines(file.content);
}

} // namespace

AttachmentLoad LoadAttachments(const QStringList& paths)
{
    AttachmentLoad load;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            load.failedPath = path;
            load.reason = file.errorString();
            return load;
        }
        QByteArray content = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            load.failedPath = path;
            load.reason = file.errorString();
            return load;
        }
        load.files.append({QFileInfo(path).fileName(), std::move(content)});
    }
    return load;
}

MessageStamp MakeMessageStamp(const QString& senderAddress)
{
    const QByteArray unique = QUuid::createUuid().toByteArray(QUuid::Id128);
    return {CurrentMailDate(), "<" + unique + "@" + MessageIdDomain(senderAddress) + ">",
            "=_vl_" + QUuid::createUuid().toByteArray(QUuid::Id128)};
}

QByteArray ComposeMessage(const MailRequest& request, const Mailbox& from,
                          const QList<AttachmentFile>& attachments, const MessageStamp& stamp)
{
    const bool news = request.serverMode == static_cast<int>(ServerMode::News);
    QByteArray message = Header("Date", stamp.date) + Header("Message-ID", stamp.messageId)
        + Header("From", FormatMailbox(from));
    if (news) {
        message += Header("Newsgroups", Newsgroups(request.to));
    } else {
        if (!request.to.isEmpty())
            message += Header("To", AddressList(request.to));
        if (!request.cc.isEmpty())
            message += Header("Cc", AddressList(request.cc));
    }
    message += Header("Subject", EncodeHeaderText(request.subject));
    if (!SingleLine(request.organization).trimmed().isEmpty())
        message += Header("Organization", EncodeHeaderText(request.organization));
    if (!SingleLine(request.mailer).trimmed().isEmpty())
        message += Header("X-Mailer", EncodeHeaderText(request.mailer));
    message += Header("X-Priority", QByteArray::number(request.priority));
    message += Header("MIME-Version", "1.0");

    if (attachments.isEmpty())
        return message + TextPart(request.text);

    const QByteArray delimiter = "\r\n--" + stamp.boundary + "\r\n";
    message += Header("Content-Type", "multipart/mixed; boundary=\"" + stamp.boundary + "\"");
    message += "\r\nThis is a multi-part message in MIME format.\r\n";
    message += delimiter + TextPart(request.text);
    for (const AttachmentFile& file : attachments)
        message += delimiter + AttachmentPart(file);
    return message + "\r\n--" + stamp.boundary + "--\r\n";
}

} // namespace vl
