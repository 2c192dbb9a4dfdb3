#pragma once
// The log file of one send: the client/server dialogue, rewritten at the start
// of every send so it always shows the last one. Lines the client sent begin
// with "C: ", server replies with "S: ", notes with "* ". Passwords never
// reach the file. A log that cannot be written is skipped: it never stops a send.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vl {

// The command line as the log shows it: the secret of a login command masked.
QByteArray MaskSecrets(const QByteArray& commandLine);

class MailLog {
public:
    explicit MailLog(const QString& path); // blank path: no log
    MailLog(const MailLog&) = delete;
    MailLog& operator=(const MailLog&) = delete;

    void Note(const QString& text);
    void Client(const QByteArray& line);
    void Server(const QByteArray& line);

private:
    void Write(const char* prefix, const QByteArray& text);
    QFile file_;
};

} // namespace vl
