#include "platform/mail/SendMail.h"

#include "platform/mail/MailEnvelope.h"
#include "platform/mail/MailHost.h"
#include "platform/mail/MailLog.h"
#include "platform/mail/MailMessage.h"
#include "platform/mail/NntpClient.h"
#include "platform/mail/SmtpClient.h"

#include <new>

namespace vl {
namespace {

MailOutcome Refuse(MailLog& log, int result, const QString& why)
{
    log.Note(why);
    log.Note("Result " + QString::number(result));
    return {result, {}};
}

MailOutcome SendChecked(MailRequest request, MailProgress& progress)
{
    MailLog log(request.logFile);
    const bool news = request.serverMode == static_cast<int>(ServerMode::News);
    if (!news && request.serverMode != static_cast<int>(ServerMode::Mail))
        return Refuse(log, kMailBadArguments, "Unknown server mode " + QString::number(request.serverMode));
    log.Note(QString(news ? "News article to " : "Mail to ") + request.host);

    const auto host = ParseMailHost(request.host, news ? kNntpPort : kSmtpPort);
    if (!host)
        return Refuse(log, kMailBadArguments, "No usable host");
    MailEnvelope envelope;
    const QString problem = PrepareEnvelope(request, envelope);
    if (!problem.isEmpty())
        return Refuse(log, kMailBadArguments, problem);

    // Every attachment is read before the server is contacted: a message is
    // never sent without one of its files.
    const AttachmentLoad attachments = LoadAttachments(request.attachments);
    if (!attachments.failedPath.isEmpty())
        return Refuse(log, kMailCannotReadAttachment,
                      "Cannot read attachment " + attachments.failedPath + ": " + attachments.reason);

    const QByteArray message =
        ComposeMessage(request, envelope.from, attachments.files, MakeMessageStamp(envelope.sender));
    const MailOutcome outcome = news
        ? PostByNntp(*host, request.userName, request.password, message, request.timeouts, progress, log)
        : SendBySmtp(*host, envelope.sender, envelope.recipients, message, request.timeouts, progress, log);
    log.Note("Result " + QString::number(outcome.result));
    return outcome;
}

} // namespace

MailOutcome SendMail(const MailRequest& request, MailProgress& progress)
{
    try {
        return SendChecked(request, progress);
    } catch (const std::bad_alloc&) {
        return {kMailOutOfMemory, {}};
    } catch (const std::exception& failure) {
        return {kMailUnknownError, QString::fromLocal8Bit(failure.what())};
    } catch (...) {
        return {kMailUnknownError, {}};
    }
}

} // namespace vl
