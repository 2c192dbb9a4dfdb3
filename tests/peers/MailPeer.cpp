#include "tests/peers/MailPeer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vl::test {

MailPeer::MailPeer(const QString& script, const QStringList& arguments)
    : dir_(QDir::current().absoluteFilePath("peer"))
{
    // VL_PEERS_DIR: this folder, set by the test targets that compile this file.
    const QString path = QStringLiteral(VL_PEERS_DIR) + "/" + script;
    // -B: no byte-code files in the source tree.
    process_.start("/usr/bin/python3", QStringList{"-B", path, "--dir", dir_} + arguments);
    process_.setReadChannel(QProcess::StandardOutput);
    while (process_.state() != QProcess::NotRunning && !process_.canReadLine()) {
        if (!process_.waitForReadyRead(-1)) // the peer ended without its port
            return;
    }
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("PORT "))
        port_ = line.mid(5).toInt();
}

MailPeer::~MailPeer()
{
    process_.closeWriteChannel(); // the peer stops when its stdin closes
    if (!process_.waitForFinished(5'000)) {
        process_.kill();
        process_.waitForFinished(5'000);
    }
}

QString MailPeer::Errors()
{
    return QString::fromUtf8(process_.readAllStandardError());
}

QString MailPeer::Host() const
{
    return "127.0.0.1:" + QString::number(port_);
}

QJsonObject MailPeer::Json(const QString& name) const
{
    QFile file(dir_ + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

int MailPeer::Count(const QString& prefix, const QString& suffix) const
{
    return static_cast<int>(QDir(dir_).entryList({prefix + "*" + suffix}, QDir::Files).size());
}

int ClosedLocalPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd); // bound but never listening: nothing accepts on it once closed
    return port;
}

} // namespace vl::test
