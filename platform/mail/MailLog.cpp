#include "platform/mail/MailLog.h"

namespace vl {
namespace {

QByteArray WithoutLineEnd(QByteArray text)
{
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return text;
}

} // namespace

QByteArray MaskSecrets(const QByteArray& commandLine)
{
    static const QByteArray kPasswordCommand = "AUTHINFO PASS ";
    if (commandLine.toUpper().startsWith(kPasswordCommand))
        return commandLine.left(kPasswordCommand.size()) + "********";
    return commandLine;
}

MailLog::MailLog(const QString& path)
{
    if (path.trimmed().isEmpty())
        return;
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file_.setFileName(QString());
}

void MailLog::Note(const QString& text)
{
    Write("* ", text.toUtf8());
}

void MailLog::Client(const QByteArray& line)
{
    Write("C: ", MaskSecrets(WithoutLineEnd(line)));
}

void MailLog::Server(const QByteArray& line)
{
    Write("S: ", line);
}

void MailLog::Write(const char* prefix, const QByteArray& text)
{
    if (!file_.isOpen())
        return;
    file_.write(prefix + WithoutLineEnd(text) + "\n");
    file_.flush();
}

} // namespace vl
