#pragma once
// One libcurl easy handle set up the way both protocols use it: connect and
// overall timeouts, no signals, no proxy, the progress counters and the cancel
// flag on libcurl's progress callback, and libcurl's view of the dialogue
// written to the send's log. Server replies seen are kept so that a refused
// command can be reported with the server's own text.

#include "platform/mail/MailLog.h"
#include "platform/mail/MailProgress.h"
#include "platform/mail/MailRequest.h"
#include "platform/mail/SendMail.h"

#include <curl/curl.h>

#include <QByteArray>
#include <QString>

namespace vl {

// The result code of a finished libcurl transfer. serverReplied tells whether
// any server reply was read, which makes a timeout a receive failure rather
// than a failed connect.
int MailResultOfCurl(CURLcode code, bool cancelled, long responseCode, bool serverReplied);

class CurlSession {
public:
    CurlSession(MailLog& log, MailProgress& progress, const MailTimeouts& timeouts);
    ~CurlSession(); // may still log the closing dialogue
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    // False when libcurl could not be started (result 3).
    bool Valid() const { return curl_ != nullptr; }
    CURL* Handle() const { return curl_; }

    // The size of the message the transfer uploads, for the progress counters
    // and the log's one line about the message data.
    void SetUploadTotal(qint64 bytes) { uploadTotal_ = bytes; }

    // The outcome of a finished perform: code 9 carries the refusing reply,
    // a message sent to some recipients only the replies refusing the others.
    MailOutcome Outcome(CURLcode code);

private:
    static int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* self);
    static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded);
    void ServerData(const QByteArray& data);
    void ServerLine(const QByteArray& line);

    CURL* curl_ = nullptr;
    MailLog& log_;
    MailProgress& progress_;
    qint64 uploadTotal_ = 0;
    bool dataLogged_ = false;
    bool serverReplied_ = false;
    QByteArray partialLine_;
    QByteArray currentReply_; // lines of a multi-line reply so far
    QByteArray errorReply_;   // the last complete 4xx/5xx reply
    QByteArray lastCommand_;  // the last command line sent
    QStringList refusals_;    // 4xx/5xx replies to RCPT TO
    QStringList refusedAddresses_; // the addresses of those RCPT TO commands
    char errorBuffer_[CURL_ERROR_SIZE] = {};
};

} // namespace vl
