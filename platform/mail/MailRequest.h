#pragma once
// One outgoing e-mail or news article as the mail library takes it: the
// whole content in one value, read by the library only during the send.

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

namespace vl {

enum class ServerMode : int {
    Mail = 1, // SMTP
    News = 2, // NNTP; the TO addresses are newsgroups
};

struct MailRecipient {
    QString name;
    QString address;
};

struct MailTimeouts {
    std::chrono::milliseconds connect{30'000};
    std::chrono::milliseconds total{600'000};
};

struct MailRequest {
    int serverMode = static_cast<int>(ServerMode::Mail);
    QString host;          // "name" or "name:port"; the protocol's port when none is given
    QString mailer;        // X-Mailer
    QString from;          // '"name" <address>', a bare address, or a name alone
    QString returnPath;    // envelope sender; also the From address when From has none
    QString organization;
    QString subject;
    QList<MailRecipient> to;
    QList<MailRecipient> cc;
    QList<MailRecipient> bcc; // envelope only, never a header
    int priority = 3;      // X-Priority
    QString userName;      // news server login, none when blank
    QString password;
    QString text;          // plain text, sent as UTF-8
    QStringList attachments; // file paths; each is named by its base name
    QString logFile;       // the dialogue of this send, rewritten each time; none when blank
    MailTimeouts timeouts;
};

} // namespace vl
