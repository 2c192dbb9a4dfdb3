#include "platform/mail/CurlSession.h"
#include "platform/mail/MailLog.h"
#include "platform/mail/MailMessage.h"
#include "platform/mail/NntpClient.h"
#include "platform/mail/SendMail.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace vl {
namespace {

const MessageStamp kStamp{"Tue, 14 Mar 2023 10:15:00 +0100", "<id1@example.test>", "=_vl_b1"};

MailRequest Request()
{
    MailRequest request;
    request.host = "smtp.example.test";
    request.subject = "Status";
    request.organization = "Example Org";
    request.mailer = "Velmora";
    request.to = {{"Bob", "bob@example.test"}, {"", "carl@example.test"}};
    request.cc = {{"dora@example.test", "dora@example.test"}};
    request.bcc = {{"", "hidden@example.test"}};
    request.text = "Line one\nLine two";
    return request;
}

const Mailbox kFrom{"Ann Sender", "ann@example.test"};

QByteArray Head(const QByteArray& message)
{
    return message.left(message.indexOf("\r\n\r\n") + 2);
}

TEST(MailMessage, MailHeadersInOrderWithoutBcc)
{
    const QByteArray message = ComposeMessage(Request(), kFrom, {}, kStamp);
    EXPECT_EQ(message,
              "Date: Tue, 14 Mar 2023 10:15:00 +0100\r\n"
              "Message-ID: <id1@example.test>\r\n"
              "From: \"Ann Sender\" <ann@example.test>\r\n"
              "To: \"Bob\" <bob@example.test>,\r\n carl@example.test\r\n"
              "Cc: dora@example.test\r\n"
              "Subject: Status\r\n"
              "Organization: Example Org\r\n"
              "X-Mailer: Velmora\r\n"
              "X-Priority: 3\r\n"
              "MIME-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=UTF-8\r\n"
              "Content-Transfer-Encoding: 7bit\r\n"
              "\r\n"
              "Line one\r\nLine two");
}

TEST(MailMessage, NoHeaderCanBeInjectedThroughAValue)
{
    MailRequest request = Request();
    request.subject = "Keyword value\r\nBcc: victim@example.test";
    request.organization = "Org\nX-Evil: 1";
    request.to = {{"Bob\r\nCc: x@example.test", "bob@example.test"}};
    request.cc.clear();
    const QByteArray head = Head(ComposeMessage(request, {"Ann\rReply-To: y@example.test", "ann@example.test"}, {}, kStamp));
    for (const QByteArray& line : head.split('\n')) {
        EXPECT_FALSE(line.startsWith("Bcc") || line.startsWith("X-Evil") || line.startsWith("Reply-To")) << line.constData();
        EXPECT_FALSE(line.startsWith("Cc")) << line.constData();
    }
    EXPECT_TRUE(head.contains("Subject: Keyword value Bcc: victim@example.test\r\n"));
}

TEST(MailMessage, NewsShowsNewsgroupsInsteadOfRecipients)
{
    MailRequest request = Request();
    request.serverMode = static_cast<int>(ServerMode::News);
    request.to = {{"Tests", "comp.test"}, {"", "misc.test"}};
    request.organization.clear();
    const QByteArray head = Head(ComposeMessage(request, kFrom, {}, kStamp));
    EXPECT_TRUE(head.contains("\r\nNewsgroups: comp.test,misc.test\r\n"));
    EXPECT_FALSE(head.contains("\r\nTo:"));
    EXPECT_FALSE(head.contains("\r\nCc:"));
    EXPECT_FALSE(head.contains("Organization"));
}

TEST(MailMessage, TextBeyondAsciiIsQuotedPrintableUtf8)
{
    MailRequest request = Request();
    request.text = QString::fromUtf8("Grüße");
    const QByteArray message = ComposeMessage(request, kFrom, {}, kStamp);
    EXPECT_TRUE(message.contains("Content-Transfer-Encoding: quoted-printable\r\n\r\nGr=C3=BC=C3=9Fe"));
}

TEST(MailMessage, AttachmentsMakeAMultipartMessageNamedByBaseName)
{
    const QList<AttachmentFile> files{{"a.bin", QByteArray("\x00\x01\x02", 3)}, {"notes.txt", "hello"}};
    const QByteArray message = ComposeMessage(Request(), kFrom, files, kStamp);
    EXPECT_TRUE(message.contains("Content-Type: multipart/mixed; boundary=\"=_vl_b1\"\r\n"));
    EXPECT_EQ(message.count("\r\n--=_vl_b1\r\n"), 3);
    EXPECT_TRUE(message.endsWith("\r\n--=_vl_b1--\r\n"));
    EXPECT_TRUE(message.contains("--=_vl_b1\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                                 "Content-Transfer-Encoding: 7bit\r\n\r\nLine one\r\nLine two\r\n--=_vl_b1"));
    EXPECT_TRUE(message.contains("Content-Type: application/octet-stream; name=\"a.bin\"\r\n"
                                 "Content-Transfer-Encoding: base64\r\n"
                                 "Content-Disposition: attachment; filename=\"a.bin\"\r\n\r\nAAEC\r\n"));
    EXPECT_TRUE(message.contains("filename=\"notes.txt\"\r\n\r\naGVsbG8=\r\n"));
}

TEST(MailMessage, AttachmentsAreReadWholeOrReportTheFirstFailure)
{
    test::WriteTextFile(test::TestPath("sub/dir/report.txt"), "report");
    AttachmentLoad load = LoadAttachments({"sub/dir/report.txt"});
    ASSERT_TRUE(load.failedPath.isEmpty());
    ASSERT_EQ(load.files.size(), 1);
    EXPECT_EQ(load.files.at(0).baseName, "report.txt");
    EXPECT_EQ(load.files.at(0).content, "report");

    load = LoadAttachments({"sub/dir/report.txt", "nope.txt", "sub"});
    EXPECT_EQ(load.failedPath, "nope.txt");
    EXPECT_FALSE(load.reason.isEmpty());
    EXPECT_EQ(LoadAttachments({"sub"}).failedPath, "sub"); // a directory is no file
}

TEST(MailMessage, StampsAreUniqueAndNamedAfterTheSendersDomain)
{
    const MessageStamp a = MakeMessageStamp("ann@example.test");
    const MessageStamp b = MakeMessageStamp("ann");
    EXPECT_TRUE(a.messageId.startsWith('<'));
    EXPECT_TRUE(a.messageId.endsWith("@example.test>"));
    EXPECT_TRUE(b.messageId.endsWith("@localhost>"));
    EXPECT_NE(a.messageId, b.messageId);
    EXPECT_NE(a.boundary, b.boundary);
}

TEST(NntpArticle, DotStuffing)
{
    EXPECT_EQ(DotStuffed("a\r\n.b\r\n..c\r\nd.e\r\n"), "a\r\n..b\r\n...c\r\nd.e\r\n.\r\n");
    EXPECT_EQ(DotStuffed(".first\r\nlast"), "..first\r\nlast\r\n.\r\n");
    EXPECT_EQ(DotStuffed("x\r\n.\r\n"), "x\r\n..\r\n.\r\n");
}

TEST(MailLogFile, SecretsAreMasked)
{
    EXPECT_EQ(MaskSecrets("AUTHINFO PASS hunter2"), "AUTHINFO PASS ********");
    EXPECT_EQ(MaskSecrets("authinfo pass hunter2"), "authinfo pass ********");
    EXPECT_EQ(MaskSecrets("AUTHINFO USER bob"), "AUTHINFO USER bob");
}

TEST(CurlResults, MappedToMailResults)
{
    EXPECT_EQ(MailResultOfCurl(CURLE_OK, false, 250, true), kMailSent);
    EXPECT_EQ(MailResultOfCurl(CURLE_COULDNT_RESOLVE_HOST, false, 0, false), kMailResolveFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_COULDNT_CONNECT, false, 0, false), kMailConnectFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_OPERATION_TIMEDOUT, false, 0, false), kMailConnectFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_OPERATION_TIMEDOUT, false, 250, true), kMailReceiveFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_SEND_ERROR, false, 250, true), kMailSendFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_SEND_ERROR, false, 550, true), kMailServerError);
    EXPECT_EQ(MailResultOfCurl(CURLE_WEIRD_SERVER_REPLY, false, 421, true), kMailServerError);
    EXPECT_EQ(MailResultOfCurl(CURLE_RECV_ERROR, false, 354, true), kMailReceiveFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_GOT_NOTHING, false, 0, true), kMailReceiveFailed);
    EXPECT_EQ(MailResultOfCurl(CURLE_OUT_OF_MEMORY, false, 0, false), kMailOutOfMemory);
    EXPECT_EQ(MailResultOfCurl(CURLE_ABORTED_BY_CALLBACK, false, 0, true), kMailUserCancel);
    EXPECT_EQ(MailResultOfCurl(CURLE_READ_ERROR, true, 354, true), kMailUserCancel);
    EXPECT_EQ(MailResultOfCurl(CURLE_SSL_CONNECT_ERROR, false, 0, true), kMailUnknownError);
}

TEST(SendMailArguments, RefusedBeforeAnyServerIsContacted)
{
    MailRequest request = Request();
    request.returnPath = "ann@example.test";
    request.logFile = "inmail.log";
    MailProgress progress;

    MailRequest noHost = request;
    noHost.host = "  ";
    EXPECT_EQ(SendMail(noHost, progress).result, kMailBadArguments);
    EXPECT_TRUE(test::ReadTextFile("inmail.log").contains("No usable host"));

    MailRequest noSender = request;
    noSender.returnPath.clear();
    EXPECT_EQ(SendMail(noSender, progress).result, kMailBadArguments);
    EXPECT_TRUE(test::ReadTextFile("inmail.log").contains("No sender address"));

    MailRequest badMode = request;
    badMode.serverMode = 3;
    EXPECT_EQ(SendMail(badMode, progress).result, kMailBadArguments);

    MailRequest noLog = noHost;
    noLog.logFile.clear();
    EXPECT_EQ(SendMail(noLog, progress).result, kMailBadArguments);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"inmail.log"});
}

} // namespace
} // namespace vl
