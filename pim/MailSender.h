#pragma once
// The e-mail class: holds one outgoing e-mail or news article and hands it to
// the mail library in one call. Every sender builds a fresh object, fills it,
// sends once and releases it. The message program uses the same class and
// simply calls fewer of its setters.
//
// Texts are stored clipped of trailing blanks and cut to the width of their
// field (199 characters, 254 for the log file and attachment names).

#include "platform/mail/MailProgress.h"
#include "platform/mail/MailRequest.h"
#include "platform/mail/MailResult.h"
#include "platform/mail/SendMail.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace vl {

class MailSender {
public:
    using Callback = MailProgress::Callback;

    MailSender(); // sends through the mail library
    explicit MailSender(MailLibrary library);
    MailSender(const MailSender&) = delete;
    MailSender& operator=(const MailSender&) = delete;

    // An empty message: server mode 1 (mail), priority 3, no recipients.
    void Prepare();

    void SetServerMode(uint8_t mode); // 1 mail, 2 news
    void SetDebugFile(const QString& fileName);
    void SetMailHost(const QString& host);
    void SetFrom(const QString& from);
    void SetReturnPath(const QString& address);
    void SetReplyTo(const QString& address); // the same field as the return path
    void SetOrganization(const QString& organization);
    void SetMailer(const QString& mailer);
    void SetSubject(const QString& subject);
    // Recipients whose clipped address is blank are not added.
    void AddTo(const QString& name, const QString& address);
    void AddCc(const QString& name, const QString& address);
    void AddBcc(const QString& address);
    void SetLogin(const QString& userName, const QString& password);
    // The library sends every text as plain UTF-8 text and every attachment
    // as a binary file, so the type codes callers pass change nothing.
    void SetMessageText(const QString& text, uint8_t type);
    void AddAttachment(const QString& fileName, uint8_t fileType);
    // Progress of the send, called on the sending thread (never a window's).
    void SetCallback(Callback callback);
    // Asks a running send to stop (result 14); callable from any thread.
    void Cancel();

    // Sends and returns a MailResult: 15 without a TO recipient (nothing is
    // sent), a library result above 1000 counts as 0. Blocks the caller until
    // done while its thread keeps processing events (BackgroundSend.h).
    int Send();
    // The text of a result, at most 255 characters; "Unknown error" for 0 and
    // for codes above 15.
    QString ErrorText(int result) const;
    // Drops everything the object holds.
    void Release();
    // After a send that reached only some of its recipients: the addresses
    // the server refused and its replies to them, in the same order; empty
    // after any other send.
    const QStringList& RefusedAddresses() const { return refusedAddresses_; }
    const QStringList& Refusals() const { return refusals_; }

    // The request Send hands the library, built afresh from the fields.
    MailRequest MakeRequest() const;

private:
    MailLibrary library_;
    MailProgress progress_;
    QString mailHost_;
    QString mailer_;
    QString from_;
    QString returnPath_;
    QString organization_;
    QString subject_;
    QList<MailRecipient> to_;
    QList<MailRecipient> cc_;
    QList<MailRecipient> bcc_;
    uint8_t priority_ = 3;
    uint8_t serverMode_ = 1;
    QString userName_;
    QString userPassword_;
    QString messageText_;
    QStringList attachments_;
    QString debugFile_;
    QString serverErrorMessage_;
    QStringList refusedAddresses_;
    QStringList refusals_;
};

} // namespace vl
