#include "platform/mail/NntpClient.h"

#include "platform/mail/CurlSession.h"

#include <poll.h>

#include <chrono>

namespace vl {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kCancelPoll{100};
constexpr qsizetype kMaxReplyLine = 64 * 1024;
constexpr qsizetype kSendChunk = 16 * 1024;

struct Reply {
    int code = 0;
    QByteArray text; // the whole line without its line end
};

// The dialogue over the socket libcurl connected. Every wait checks the cancel
// flag and the deadline of the whole send.
class Conversation {
public:
    Conversation(CURL* curl, curl_socket_t socket, SteadyClock::time_point deadline,
                 MailProgress& progress, MailLog& log)
        : curl_(curl), socket_(socket), deadline_(deadline), progress_(progress), log_(log)
    {
    }

    // 0 or the result code of the failure.
    int ReadReply(Reply& reply)
    {
        qsizetype end;
        while ((end = buffer_.indexOf('\n')) < 0) {
            if (buffer_.size() > kMaxReplyLine)
                return kMailReceiveFailed;
            char chunk[4096];
            size_t received = 0;
            const CURLcode code = curl_easy_recv(curl_, chunk, sizeof chunk, &received);
            if (code == CURLE_AGAIN) {
                if (const int failed = Wait(POLLIN, kMailReceiveFailed))
                    return failed;
                continue;
            }
            if (code != CURLE_OK || received == 0) {
                log_.Note(code == CURLE_OK ? "Connection closed by the server" : curl_easy_strerror(code));
                return kMailReceiveFailed;
            }
            buffer_.append(chunk, static_cast<qsizetype>(received));
        }
        QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        log_.Server(line);
        bool ok = line.size() >= 3;
        reply.code = ok ? line.left(3).toInt(&ok) : 0;
        reply.text = line;
        return ok ? 0 : kMailUnknownError;
    }

    int SendLine(const QByteArray& line)
    {
        log_.Client(line);
        return SendBytes(line + "\r\n", false);
    }

    int SendArticle(const QByteArray& stuffed)
    {
        log_.Client("<article, " + QByteArray::number(stuffed.size()) + " bytes>");
        return SendBytes(stuffed, true);
    }

private:
    int SendBytes(const QByteArray& data, bool report)
    {
        qsizetype sent = 0;
        while (sent < data.size()) {
            if (progress_.CancelRequested())
                return kMailUserCancel;
            size_t written = 0;
            const size_t length = static_cast<size_t>(qMin(kSendChunk, data.size() - sent));
            const CURLcode code = curl_easy_send(curl_, data.constData() + sent, length, &written);
            if (code == CURLE_AGAIN) {
                if (const int failed = Wait(POLLOUT, kMailSendFailed))
                    return failed;
                continue;
            }
            if (code != CURLE_OK) {
                log_.Note(curl_easy_strerror(code));
                return kMailSendFailed;
            }
            sent += static_cast<qsizetype>(written);
            if (report)
                progress_.Report(sent, data.size());
        }
        return 0;
    }

    // 0 when the socket is ready; cancel, the deadline or a poll failure otherwise.
    int Wait(short events, int timeoutResult)
    {
        for (;;) {
            if (progress_.CancelRequested())
                return kMailUserCancel;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - SteadyClock::now());
            if (left.count() <= 0) {
                log_.Note("Timed out");
                return timeoutResult;
            }
            pollfd fd{socket_, events, 0};
            const int ready = poll(&fd, 1, static_cast<int>(qMin(left, kCancelPoll).count()));
            if (ready > 0)
                return 0;
            if (ready < 0 && errno != EINTR)
                return timeoutResult;
        }
    }

    CURL* curl_;
    curl_socket_t socket_;
    SteadyClock::time_point deadline_;
    MailProgress& progress_;
    MailLog& log_;
    QByteArray buffer_;
};

MailOutcome Refused(const Reply& reply)
{
    if (reply.code >= 400 && reply.code <= 599)
        return {kMailServerError, QString::fromUtf8(reply.text)};
    return {kMailUnknownError, {}};
}

MailOutcome Dialogue(Conversation& talk, const QString& userName, const QString& password,
                     const QByteArray& article)
{
    Reply reply;
    if (const int failed = talk.ReadReply(reply))
        return {failed, {}};
    if (reply.code != 200 && reply.code != 201)
        return Refused(reply);

    if (!userName.isEmpty()) {
        if (const int failed = talk.SendLine("AUTHINFO USER " + userName.toUtf8()))
            return {failed, {}};
        if (const int failed = talk.ReadReply(reply))
            return {failed, {}};
        if (reply.code == 381) {
            if (const int failed = talk.SendLine("AUTHINFO PASS " + password.toUtf8()))
                return {failed, {}};
            if (const int failed = talk.ReadReply(reply))
                return {failed, {}};
        }
        if (reply.code != 281)
            return Refused(reply);
    }

    if (const int failed = talk.SendLine("POST"))
        return {failed, {}};
    if (const int failed = talk.ReadReply(reply))
        return {failed, {}};
    if (reply.code != 340)
        return Refused(reply);
    if (const int failed = talk.SendArticle(DotStuffed(article)))
        return {failed, {}};
    if (const int failed = talk.ReadReply(reply))
        return {failed, {}};
    if (reply.code != 240)
        return Refused(reply);

    // The article is accepted; a failing goodbye changes nothing.
    if (talk.SendLine("QUIT") == 0)
        talk.ReadReply(reply);
    return {kMailSent, {}};
}

} // namespace

QByteArray DotStuffed(const QByteArray& crlfArticle)
{
    QByteArray out;
    out.reserve(crlfArticle.size() + crlfArticle.size() / 64 + 5);
    bool lineStart = true;
    for (char c : crlfArticle) {
        if (lineStart && c == '.')
            out += '.';
        out += c;
        lineStart = c == '\n';
    }
    if (!out.isEmpty() && !out.endsWith("\r\n"))
        out += "\r\n";
    return out + ".\r\n";
}

MailOutcome PostByNntp(const MailHost& host, const QString& userName, const QString& password,
                       const QByteArray& article, const MailTimeouts& timeouts,
                       MailProgress& progress, MailLog& log)
{
    const auto deadline = SteadyClock::now() + timeouts.total;
    CurlSession session(log, progress, timeouts);
    if (!session.Valid())
        return {kMailSocketsFailed, {}};
    CURL* curl = session.Handle();
    // The scheme only lets libcurl resolve and connect; nothing is sent through it.
    const QByteArray url = "http://" + host.Authority().toLatin1() + "/";
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
    const MailOutcome connected = session.Outcome(curl_easy_perform(curl));
    if (connected.result != kMailSent)
        return connected;
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 0L); // the dialogue is logged line by line below

    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(curl, CURLINFO_ACTIVESOCKET, &socket) != CURLE_OK || socket == CURL_SOCKET_BAD)
        return {kMailConnectFailed, {}};
    Conversation talk(curl, socket, deadline, progress, log);
    return Dialogue(talk, userName, password, article);
}

} // namespace vl
