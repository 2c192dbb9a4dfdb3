#pragma once
// A local mail or news server for the tests: one of the Python peers of this
// folder, run by the system interpreter on a free port of 127.0.0.1. It
// records what it receives into a directory and stops with the test.

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vl::test {

class MailPeer {
public:
    // script: "smtp_peer.py" or "nntp_peer.py"; records go to <current dir>/peer.
    explicit MailPeer(const QString& script, const QStringList& arguments = {});
    ~MailPeer();
    MailPeer(const MailPeer&) = delete;
    MailPeer& operator=(const MailPeer&) = delete;

    bool Started() const { return port_ > 0; }
    // What the peer wrote to stderr so far (why it did not start).
    QString Errors();
    // "127.0.0.1:port", the way a user names a server with its port.
    QString Host() const;
    QString Dir() const { return dir_; }
    // A record file's parsed JSON ("message-1.json"); empty when missing.
    QJsonObject Json(const QString& name) const;
    // How many record files with this prefix and suffix exist.
    int Count(const QString& prefix, const QString& suffix) const;

private:
    QProcess process_;
    QString dir_;
    int port_ = 0;
};

// A port of 127.0.0.1 that nothing listens on.
int ClosedLocalPort();

} // namespace vl::test
