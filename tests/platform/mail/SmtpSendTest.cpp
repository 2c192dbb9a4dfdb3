// Sends through a real SMTP server on 127.0.0.1 (tests/peers/smtp_peer.py).

#include "platform/mail/SendMail.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/TempDir.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::MailPeer;

QString Sha256(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

QByteArray WriteBinary(const QString& name, const QByteArray& content)
{
    QFile file(test::TestPath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return content;
}

QByteArray PatternBytes(qsizetype size)
{
    QByteArray data(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return data;
}

MailRequest BasicRequest(const QString& host)
{
    MailRequest request;
    request.host = host;
    request.from = "\"Ann Sender\" <ann@example.test>";
    request.returnPath = "ann@example.test";
    request.subject = "Hello";
    request.to = {{"Bob", "bob@example.test"}};
    request.text = "Hi Bob";
    request.logFile = "inmail.log";
    return request;
}

QStringList Addresses(const QJsonValue& list)
{
    QStringList out;
    for (const QJsonValue& v : list.toArray())
        out << v.toObject().value("address").toString();
    return out;
}

TEST(SmtpSend, MessageArrivesWithEnvelopeHeadersTextAndAttachments)
{
    MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    const QByteArray binary = WriteBinary("data.bin", PatternBytes(200'000));
    const QByteArray notes = WriteBinary(QString::fromUtf8("Notizen für Bob.txt"), "line one\r\n.line two\n");

    MailRequest request = BasicRequest(peer.Host());
    request.from = QString::fromUtf8("\"Jörg Müller\" <ann@example.test>");
    request.subject = QString::fromUtf8("Grüße aus Köln");
    request.organization = "Example Org";
    request.mailer = "Velmora";
    request.to.append(MailRecipient{"", "carl@example.test"});
    request.cc = {{"Dora", "dora@example.test"}};
    request.bcc = {{"", "hidden@example.test"}};
    request.text = QString::fromUtf8("Hallo Bob,\n.a line that starts with a dot\nsmörgåsbord\n");
    request.attachments = {test::TestPath("data.bin"), test::TestPath(QString::fromUtf8("Notizen für Bob.txt"))};

    MailProgress progress;
    qint64 lastProcessed = 0;
    qint64 lastTotal = 0;
    progress.SetCallback([&](qint64 processed, qint64 total) {
        lastProcessed = processed;
        lastTotal = total;
    });
    const MailOutcome outcome = SendMail(request, progress);
    ASSERT_EQ(outcome.result, kMailSent) << outcome.serverReply.toStdString();
    EXPECT_GT(lastTotal, 200'000);
    EXPECT_EQ(lastProcessed, lastTotal);

    ASSERT_EQ(peer.Count("message-", ".json"), 1);
    const QJsonObject m = peer.Json("message-1.json");
    EXPECT_EQ(m.value("mail_from").toString(), "ann@example.test");
    EXPECT_EQ(m.value("rcpt_tos").toVariant().toStringList(),
              (QStringList{"bob@example.test", "carl@example.test", "dora@example.test", "hidden@example.test"}));
    EXPECT_EQ(Addresses(m.value("To")), (QStringList{"bob@example.test", "carl@example.test"}));
    EXPECT_EQ(Addresses(m.value("Cc")), QStringList{"dora@example.test"});
    EXPECT_EQ(m.value("From").toArray().at(0).toObject().value("name").toString(), QString::fromUtf8("Jörg Müller"));
    EXPECT_FALSE(m.value("header_names").toVariant().toStringList().contains("Bcc", Qt::CaseInsensitive));
    EXPECT_EQ(m.value("Subject").toString(), QString::fromUtf8("Grüße aus Köln"));
    EXPECT_EQ(m.value("Organization").toString(), "Example Org");
    EXPECT_EQ(m.value("X-Mailer").toString(), "Velmora");
    EXPECT_EQ(m.value("X-Priority").toString(), "3");
    EXPECT_TRUE(m.value("Message-ID").toString().endsWith("@example.test>"));
    EXPECT_EQ(m.value("text").toString().replace("\r\n", "\n"),
              QString::fromUtf8("Hallo Bob,\n.a line that starts with a dot\nsmörgåsbord\n"));
    EXPECT_TRUE(m.value("defects").toArray().isEmpty());

    const QJsonArray files = m.value("attachments").toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0).toObject().value("filename").toString(), "data.bin");
    EXPECT_EQ(files.at(0).toObject().value("sha256").toString(), Sha256(binary));
    EXPECT_EQ(files.at(1).toObject().value("filename").toString(), QString::fromUtf8("Notizen für Bob.txt"));
    EXPECT_EQ(files.at(1).toObject().value("sha256").toString(), Sha256(notes));

    const QString log = test::ReadTextFile("inmail.log");
    EXPECT_TRUE(log.contains("C: MAIL FROM:<ann@example.test>"));
    EXPECT_TRUE(log.contains("C: RCPT TO:<hidden@example.test>"));
    EXPECT_TRUE(log.contains("S: 250 Message accepted"));
}

TEST(SmtpSend, ARefusedRecipientGoesWithoutWhileTheOthersGetTheMessage)
{
    MailPeer peer("smtp_peer.py", {"--reject", "carl@example.test", "--reject", "eve@example.test"});
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailRequest request = BasicRequest(peer.Host());
    request.cc = {{"", "carl@example.test"}, {"Dora", "dora@example.test"}};
    MailProgress progress;
    MailOutcome outcome = SendMail(request, progress);
    EXPECT_EQ(outcome.result, kMailSent) << outcome.serverReply.toStdString();
    EXPECT_EQ(outcome.refusals, QStringList{"550 5.1.1 <carl@example.test>: Recipient address rejected"});
    EXPECT_EQ(outcome.refusedAddresses, QStringList{"carl@example.test"});
    ASSERT_EQ(peer.Count("message-", ".json"), 1);
    EXPECT_EQ(peer.Json("message-1.json").value("rcpt_tos").toVariant().toStringList(),
              (QStringList{"bob@example.test", "dora@example.test"}));

    // With every recipient refused nothing is sent, and the last refusal is the error.
    request.to = {{"", "eve@example.test"}};
    request.cc = {{"", "carl@example.test"}};
    outcome = SendMail(request, progress);
    EXPECT_EQ(outcome.result, kMailServerError);
    EXPECT_EQ(outcome.serverReply, "550 5.1.1 <carl@example.test>: Recipient address rejected");
    EXPECT_EQ(peer.Count("message-", ".json"), 1);
}

TEST(SmtpSend, ConnectAndResolveFailures)
{
    MailProgress progress;
    MailRequest request = BasicRequest("127.0.0.1:" + QString::number(test::ClosedLocalPort()));
    EXPECT_EQ(SendMail(request, progress).result, kMailConnectFailed);

    request.host = "no-such-host.invalid";
    const int result = SendMail(request, progress).result;
    EXPECT_TRUE(result == kMailResolveFailed || result == kMailResolveNameFailed) << result;
    EXPECT_TRUE(test::ReadTextFile("inmail.log").contains("no-such-host.invalid"));
}

TEST(SmtpSend, CancelDuringALargeAttachmentStopsTheSend)
{
    MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    WriteBinary("large.bin", PatternBytes(12'000'000));
    MailRequest request = BasicRequest(peer.Host());
    request.attachments = {"large.bin"};

    MailProgress progress;
    qint64 cancelledAt = -1;
    qint64 total = 0;
    progress.SetCallback([&](qint64 processed, qint64 bytesTotal) {
        if (processed > 0 && processed < bytesTotal && cancelledAt < 0) {
            cancelledAt = processed;
            total = bytesTotal;
            progress.RequestCancel();
        }
    });
    EXPECT_EQ(SendMail(request, progress).result, kMailUserCancel);
    EXPECT_GT(cancelledAt, 0);
    EXPECT_LT(cancelledAt, total);
    EXPECT_EQ(peer.Count("message-", ".eml"), 0);
}

TEST(SmtpSend, MissingAttachmentSendsNothing)
{
    MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailRequest request = BasicRequest(peer.Host());
    test::WriteTextFile(test::TestPath("present.txt"), "here");
    request.attachments = {"present.txt", "missing.txt"};
    MailProgress progress;
    EXPECT_EQ(SendMail(request, progress).result, kMailCannotReadAttachment);
    EXPECT_EQ(peer.Count("message-", ".eml"), 0);
    const QString log = test::ReadTextFile("inmail.log");
    EXPECT_TRUE(log.contains("missing.txt"));
    EXPECT_FALSE(log.contains("MAIL FROM")); // the server was never contacted
}

} // namespace
} // namespace vl
