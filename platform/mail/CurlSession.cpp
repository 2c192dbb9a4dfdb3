#include "platform/mail/CurlSession.h"

#include <QRegularExpression>

namespace vl {
namespace {

bool CurlStarted()
{
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started;
}

QByteArray WithoutLineEnd(QByteArray text)
{
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return text;
}

} // namespace

int MailResultOfCurl(CURLcode code, bool cancelled, long responseCode, bool serverReplied)
{
    if (code == CURLE_OK)
        return kMailSent;
    if (cancelled)
        return kMailUserCancel;
    if (responseCode >= 400 && responseCode <= 599)
        return kMailServerError;
    switch (code) {
    case CURLE_ABORTED_BY_CALLBACK:
        return kMailUserCancel;
    case CURLE_OUT_OF_MEMORY:
        return kMailOutOfMemory;
    case CURLE_URL_MALFORMAT:
        return kMailBadArguments;
    case CURLE_COULDNT_RESOLVE_HOST:
        return kMailResolveFailed;
    case CURLE_COULDNT_CONNECT:
        return kMailConnectFailed;
    case CURLE_OPERATION_TIMEDOUT:
        return serverReplied ? kMailReceiveFailed : kMailConnectFailed;
    case CURLE_SEND_ERROR:
        return kMailSendFailed;
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
        return kMailReceiveFailed;
    default:
        return kMailUnknownError;
    }
}

CurlSession::CurlSession(MailLog& log, MailProgress& progress, const MailTimeouts& timeouts)
    : log_(log), progress_(progress)
{
    if (!CurlStarted())
        return;
    curl_ = curl_easy_init();
    if (!curl_)
        return;
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts.total.count()));
    curl_easy_setopt(curl_, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &CurlSession::OnProgress);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(curl_, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl_, CURLOPT_DEBUGFUNCTION, &CurlSession::OnDebug);
    curl_easy_setopt(curl_, CURLOPT_DEBUGDATA, this);
}

CurlSession::~CurlSession()
{
    if (curl_)
        curl_easy_cleanup(curl_);
}

MailOutcome CurlSession::Outcome(CURLcode code)
{
    if (code == CURLE_OK)
        return {kMailSent, {}, refusals_, refusedAddresses_};
    long responseCode = 0;
    curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &responseCode);
    log_.Note(QString::fromUtf8(errorBuffer_[0] ? errorBuffer_ : curl_easy_strerror(code)));
    const int result = MailResultOfCurl(code, progress_.CancelRequested(), responseCode, serverReplied_);
    return {result, result == kMailServerError ? QString::fromUtf8(errorReply_) : QString()};
}

int CurlSession::OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* self)
{
    auto* session = static_cast<CurlSession*>(self);
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    switch (type) {
    case CURLINFO_TEXT:
        session->log_.Note(QString::fromUtf8(WithoutLineEnd(bytes)));
        break;
    case CURLINFO_HEADER_OUT:
        for (const QByteArray& line : WithoutLineEnd(bytes).split('\n')) {
            session->log_.Client(line);
            session->lastCommand_ = line;
        }
        break;
    case CURLINFO_HEADER_IN:
        session->ServerData(bytes);
        break;
    case CURLINFO_DATA_OUT:
        if (!session->dataLogged_) {
            session->dataLogged_ = true;
            session->log_.Client("<message data, " + QByteArray::number(session->uploadTotal_) + " bytes>");
        }
        break;
    default:
        break;
    }
    return 0;
}

int CurlSession::OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    auto* session = static_cast<CurlSession*>(self);
    // libcurl counts the dots it adds to lines that begin with one; the
    // counters show the message's own bytes.
    session->progress_.Report(qMin(static_cast<qint64>(uploaded), session->uploadTotal_), session->uploadTotal_);
    return session->progress_.CancelRequested() ? 1 : 0;
}

void CurlSession::ServerData(const QByteArray& data)
{
    partialLine_ += data;
    qsizetype end;
    while ((end = partialLine_.indexOf('\n')) >= 0) {
        ServerLine(WithoutLineEnd(partialLine_.left(end + 1)));
        partialLine_.remove(0, end + 1);
    }
}

void CurlSession::ServerLine(const QByteArray& line)
{
    static const QRegularExpression kReplyLine("^([0-9]{3})([ -]|$)");
    log_.Server(line);
    serverReplied_ = true;
    currentReply_ += (currentReply_.isEmpty() ? "" : " ") + line;
    const auto match = kReplyLine.match(QString::fromLatin1(line));
    if (match.hasMatch() && match.captured(2) == "-")
        return; // more lines of the same reply follow
    if (match.hasMatch() && (line.at(0) == '4' || line.at(0) == '5')) {
        errorReply_ = currentReply_.trimmed();
        if (lastCommand_.startsWith("RCPT TO:")) {
            refusals_.append(QString::fromUtf8(errorReply_));
            const qsizetype open = lastCommand_.indexOf('<');
            const qsizetype close = lastCommand_.lastIndexOf('>');
            refusedAddresses_.append(open >= 0 && close > open
                                         ? QString::fromUtf8(lastCommand_.mid(open + 1, close - open - 1))
                                         : QString::fromUtf8(lastCommand_.mid(8).trimmed()));
        }
    }
    currentReply_.clear();
}

} // namespace vl
