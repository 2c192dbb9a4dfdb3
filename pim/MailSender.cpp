#include "pim/MailSender.h"

#include "platform/mail/BackgroundSend.h"
#include "platform/runtime/FixedText.h"

#include <utility>

namespace vl {
namespace {

// Field widths: a text of n bytes holds n - 1 characters.
constexpr int kTextWidth = 199;
constexpr int kNameWidth = 254;        // log file and attachment names
constexpr int kServerReplyWidth = 499;
constexpr int kErrorTextWidth = 255;
constexpr int kLibrarySentAbove = 1000;

QString Field(const QString& text, int width)
{
    return CutTo(Clip(text), width);
}

void AddRecipient(QList<MailRecipient>& list, const QString& name, const QString& address)
{
    const QString clipped = Field(address, kTextWidth);
    if (!clipped.isEmpty())
        list.append({Field(name, kTextWidth), clipped});
}

} // namespace

MailSender::MailSender() : MailSender(&SendMail) {}

MailSender::MailSender(MailLibrary library) : library_(std::move(library)) {}

void MailSender::Prepare()
{
    Release();
    priority_ = 3;
    serverMode_ = 1;
}

void MailSender::SetServerMode(uint8_t mode) { serverMode_ = mode; }
void MailSender::SetDebugFile(const QString& fileName) { debugFile_ = Field(fileName, kNameWidth); }
void MailSender::SetMailHost(const QString& host) { mailHost_ = Field(host, kTextWidth); }
void MailSender::SetFrom(const QString& from) { from_ = Field(from, kTextWidth); }
void MailSender::SetReturnPath(const QString& address) { returnPath_ = Field(address, kTextWidth); }
void MailSender::SetReplyTo(const QString& address) { returnPath_ = Field(address, kTextWidth); }
void MailSender::SetOrganization(const QString& organization) { organization_ = Field(organization, kTextWidth); }
void MailSender::SetMailer(const QString& mailer) { mailer_ = Field(mailer, kTextWidth); }
void MailSender::SetSubject(const QString& subject) { subject_ = Field(subject, kTextWidth); }

void MailSender::AddTo(const QString& name, const QString& address) { AddRecipient(to_, name, address); }
void MailSender::AddCc(const QString& name, const QString& address) { AddRecipient(cc_, name, address); }
void MailSender::AddBcc(const QString& address) { AddRecipient(bcc_, QString(), address); }

void MailSender::SetLogin(const QString& userName, const QString& password)
{
    userName_ = Field(userName, kTextWidth);
    userPassword_ = Field(password, kTextWidth);
}

void MailSender::SetMessageText(const QString& text, uint8_t /*type*/) { messageText_ = Clip(text); }

void MailSender::AddAttachment(const QString& fileName, uint8_t /*fileType*/)
{
    const QString clipped = Field(fileName, kNameWidth);
    if (!clipped.isEmpty())
        attachments_.append(clipped);
}

void MailSender::SetCallback(Callback callback) { progress_.SetCallback(std::move(callback)); }

void MailSender::Cancel() { progress_.RequestCancel(); }

MailRequest MailSender::MakeRequest() const
{
    MailRequest request;
    request.serverMode = serverMode_;
    request.host = mailHost_;
    request.mailer = mailer_;
    request.from = from_;
    request.returnPath = returnPath_;
    request.organization = organization_;
    request.subject = subject_;
    request.to = to_;
    request.cc = cc_;
    request.bcc = bcc_;
    request.priority = priority_;
    request.userName = userName_;
    request.password = userPassword_;
    request.text = messageText_;
    request.attachments = attachments_;
    request.logFile = debugFile_;
    return request;
}

int MailSender::Send()
{
    refusedAddresses_.clear();
    refusals_.clear();
    if (to_.isEmpty())
        return kMailNoRecipients;
    const MailOutcome outcome = SendInBackground(library_, MakeRequest(), progress_);
    serverErrorMessage_ = Field(outcome.serverReply, kServerReplyWidth);
    refusedAddresses_ = outcome.refusedAddresses;
    refusals_ = outcome.refusals;
    progress_.Reset();
    return outcome.result > kLibrarySentAbove ? kMailSent : outcome.result;
}

QString MailSender::ErrorText(int result) const
{
    static const char* const kTexts[] = {
        nullptr,
        "Bad arguments from form",
        "Unable to open temporary mailfile for read",
        "Failed to start sockets",
        "Failed to resolve host",
        "Failed to obtain socket handle",
        "Failed to connect. Mail Server not found!",
        "Failed to send",
        "Failed to receive",
        nullptr, // the server's reply, below
        "Failed to resolve the host IP name",
        "Out of memory",
        "Failed to open temporary file",
        "Unknown error",
        "User Cancel",
        "No recipiens specified",
    };
    QString text = "Unknown error";
    if (result == kMailServerError)
        text = "Mail Server Error:" + QString(QChar('\r')) + Clip(serverErrorMessage_);
    else if (result == kMailUnknownError && !Clip(serverErrorMessage_).isEmpty())
        text = "Unknown error: " + Clip(serverErrorMessage_);
    else if (result >= 1 && result <= kMailNoRecipients)
        text = kTexts[result];
    return CutTo(text, kErrorTextWidth);
}

void MailSender::Release()
{
    mailHost_.clear();
    mailer_.clear();
    from_.clear();
    returnPath_.clear();
    organization_.clear();
    subject_.clear();
    to_.clear();
    cc_.clear();
    bcc_.clear();
    userName_.clear();
    userPassword_.clear();
    messageText_.clear();
    attachments_.clear();
    debugFile_.clear();
    serverErrorMessage_.clear();
    refusedAddresses_.clear();
    refusals_.clear();
}

} // namespace vl
