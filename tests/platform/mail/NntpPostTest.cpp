// Posts through a real news server on 127.0.0.1 (tests/peers/nntp_peer.py).

#include "platform/mail/SendMail.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::MailPeer;
using test::ReadFileBytes;

MailRequest NewsRequest(const QString& host)
{
    MailRequest request;
    request.serverMode = static_cast<int>(ServerMode::News);
    request.host = host;
    request.from = "Ann Sender";
    request.returnPath = "ann@example.test";
    request.mailer = "Velmora";
    request.subject = "Weekly notes";
    request.to = {{"comp.test", "comp.test"}};
    request.text = "First line\n.hidden line\n..two dots\nlast";
    request.logFile = "inserver.log";
    return request;
}

TEST(NntpPost, ArticleIsPostedWithNewsgroupsFromAndStuffedLines)
{
    MailPeer peer("nntp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailProgress progress;
    const MailOutcome outcome = SendMail(NewsRequest(peer.Host()), progress);
    ASSERT_EQ(outcome.result, kMailSent);

    const QJsonObject article = peer.Json("article-1.json");
    EXPECT_EQ(article.value("Newsgroups").toString(), "comp.test");
    const QJsonObject from = article.value("From").toArray().at(0).toObject();
    EXPECT_EQ(from.value("name").toString(), "Ann Sender");
    EXPECT_EQ(from.value("address").toString(), "ann@example.test");
    EXPECT_EQ(article.value("Subject").toString(), "Weekly notes");
    EXPECT_FALSE(article.value("header_names").toVariant().toStringList().contains("To"));
    // An article always ends with a line break.
    EXPECT_EQ(article.value("text").toString().replace("\r\n", "\n").toStdString(),
              "First line\n.hidden line\n..two dots\nlast\n");

    const QByteArray raw = ReadFileBytes(peer.Dir() + "/article-1.raw");
    EXPECT_TRUE(raw.contains("\r\n..hidden line\r\n"));
    EXPECT_TRUE(raw.contains("\r\n...two dots\r\n"));
    EXPECT_TRUE(raw.endsWith("\r\nlast\r\n.\r\n"));

    const QString transcript = test::ReadTextFile(peer.Dir() + "/transcript.txt");
    EXPECT_FALSE(transcript.contains("AUTHINFO"));
    const QString log = test::ReadTextFile("inserver.log");
    EXPECT_TRUE(log.contains("C: POST"));
    EXPECT_TRUE(log.contains("S: 240 article received ok"));
    EXPECT_TRUE(log.contains("C: QUIT"));
}

TEST(NntpPost, LoginIsSentAndThePasswordNeverLogged)
{
    MailPeer peer("nntp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailRequest request = NewsRequest(peer.Host());
    request.userName = "reader";
    request.password = "s3cret-word";
    MailProgress progress;
    ASSERT_EQ(SendMail(request, progress).result, kMailSent);

    const QString transcript = test::ReadTextFile(peer.Dir() + "/transcript.txt");
    EXPECT_TRUE(transcript.startsWith("AUTHINFO USER reader\r\nAUTHINFO PASS s3cret-word\r\nPOST\r\n"));
    const QString log = test::ReadTextFile("inserver.log");
    EXPECT_TRUE(log.contains("C: AUTHINFO USER reader"));
    EXPECT_TRUE(log.contains("C: AUTHINFO PASS ********"));
    EXPECT_FALSE(log.contains("s3cret-word"));
}

TEST(NntpPost, RefusedArticleGivesTheServersReply)
{
    MailPeer peer("nntp_peer.py", {"--refuse-article"});
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailProgress progress;
    const MailOutcome outcome = SendMail(NewsRequest(peer.Host()), progress);
    EXPECT_EQ(outcome.result, kMailServerError);
    EXPECT_EQ(outcome.serverReply, "441 posting failed");
}

TEST(NntpPost, LoginWithALineBreakIsRefusedAndNothingSent)
{
    MailPeer peer("nntp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailRequest request = NewsRequest(peer.Host());
    request.userName = "reader";
    request.password = "pw\r\nPOST";
    MailProgress progress;
    EXPECT_EQ(SendMail(request, progress).result, kMailBadArguments);
    EXPECT_FALSE(QFile::exists(peer.Dir() + "/transcript.txt"));
}

TEST(NntpPost, ClosedPortIsAConnectFailure)
{
    MailProgress progress;
    EXPECT_EQ(SendMail(NewsRequest("127.0.0.1:" + QString::number(test::ClosedLocalPort())), progress).result,
              kMailConnectFailed);
}

} // namespace
} // namespace vl
