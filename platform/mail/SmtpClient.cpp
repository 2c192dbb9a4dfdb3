#include "platform/mail/SmtpClient.h"

#include "platform/mail/CurlSession.h"

#include <QRegularExpression>
#include <QSysInfo>

#include <cstring>
#include <memory>

namespace vl {
namespace {

struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Slist = std::unique_ptr<curl_slist, SlistFree>;

struct Upload {
    const QByteArray& data;
    qsizetype offset = 0;
    const MailProgress& progress;
};

size_t ReadMessage(char* buffer, size_t size, size_t count, void* state)
{
    auto* upload = static_cast<Upload*>(state);
    if (upload->progress.CancelRequested())
        return CURL_READFUNC_ABORT;
    const size_t left = static_cast<size_t>(upload->data.size() - upload->offset);
    const size_t n = qMin(size * count, left);
    std::memcpy(buffer, upload->data.constData() + upload->offset, n);
    upload->offset += static_cast<qsizetype>(n);
    return n;
}

// The name this machine greets the server with.
QByteArray GreetingDomain()
{
    static const QRegularExpression kPlainName("^[A-Za-z0-9.-]+$");
    const QString name = QSysInfo::machineHostName();
    return kPlainName.match(name).hasMatch() ? name.toLatin1() : QByteArray("localhost");
}

QByteArray Angled(const QString& address)
{
    return "<" + address.toUtf8() + ">";
}

// libcurl before 8.2 (Debian 12 has 7.88) spells the option with three Ls.
#if LIBCURL_VERSION_NUM < 0x080200
constexpr CURLoption kAllowRecipientFailures = CURLOPT_MAIL_RCPT_ALLLOWFAILS;
#else
constexpr CURLoption kAllowRecipientFailures = CURLOPT_MAIL_RCPT_ALLOWFAILS;
#endif

} // namespace

MailOutcome SendBySmtp(const MailHost& host, const QString& sender, const QStringList& recipients,
                       const QByteArray& message, const MailTimeouts& timeouts,
                       MailProgress& progress, MailLog& log)
{
    Slist recipientList;
    for (const QString& address : recipients) {
        curl_slist* appended = curl_slist_append(recipientList.get(), Angled(address).constData());
        if (!appended)
            return {kMailOutOfMemory, {}};
        recipientList.release();
        recipientList.reset(appended);
    }
    Upload upload{message, 0, progress};

    CurlSession session(log, progress, timeouts);
    if (!session.Valid())
        return {kMailSocketsFailed, {}};
    CURL* curl = session.Handle();
    const QByteArray url = "smtp://" + host.Authority().toLatin1() + "/" + GreetingDomain();
    const QByteArray from = Angled(sender);
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipientList.get());
    curl_easy_setopt(curl, kAllowRecipientFailures, 1L);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &ReadMessage);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    // Close (QUIT) within the transfer, so the goodbye is logged and bounded by its timeout.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    session.SetUploadTotal(message.size());
    return session.Outcome(curl_easy_perform(curl));
}

} // namespace vl
