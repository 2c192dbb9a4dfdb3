#include "pim/MailSender.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/TempDir.h"

#include <QJsonArray>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace vl {
namespace {

// Stands in for the mail library: records the request it was handed and
// answers with a fixed outcome.
struct FakeLibrary {
    MailOutcome answer{kMailSent, {}};
    int calls = 0;
    MailRequest request;
    bool cancelSeen = false;
    QThread* thread = nullptr;

    MailLibrary Function()
    {
        return [this](const MailRequest& r, MailProgress& progress) {
            ++calls;
            request = r;
            cancelSeen = progress.CancelRequested();
            thread = QThread::currentThread();
            return answer;
        };
    }
};

TEST(MailSender, PrepareGivesAnEmptyMailMessage)
{
    MailSender sender;
    sender.Prepare();
    const MailRequest request = sender.MakeRequest();
    EXPECT_EQ(request.serverMode, 1);
    EXPECT_EQ(request.priority, 3);
    EXPECT_TRUE(request.host.isEmpty());
    EXPECT_TRUE(request.to.isEmpty());
    EXPECT_TRUE(request.cc.isEmpty());
    EXPECT_TRUE(request.bcc.isEmpty());
    EXPECT_TRUE(request.attachments.isEmpty());
    EXPECT_TRUE(request.logFile.isEmpty());
}

TEST(MailSender, TextsAreClippedAndCutToTheirFields)
{
    MailSender sender;
    sender.Prepare();
    sender.SetSubject(QString(250, 's') + "   ");
    sender.SetMailHost("smtp.example.test   ");
    sender.SetDebugFile(QString(300, 'd'));
    sender.SetReturnPath("first@example.test");
    sender.SetReplyTo("reply@example.test  "); // the same field
    sender.SetMessageText("Body text   ", 6);
    sender.AddAttachment(QString(300, 'a'), 8);
    sender.AddTo(QString(250, 'n'), "bob@example.test   ");
    const MailRequest request = sender.MakeRequest();
    EXPECT_EQ(request.subject, QString(199, 's'));
    EXPECT_EQ(request.host, "smtp.example.test");
    EXPECT_EQ(request.logFile, QString(254, 'd'));
    EXPECT_EQ(request.returnPath, "reply@example.test");
    EXPECT_EQ(request.text, "Body text");
    EXPECT_EQ(request.attachments, QStringList{QString(254, 'a')});
    EXPECT_EQ(request.to.at(0).name, QString(199, 'n'));
    EXPECT_EQ(request.to.at(0).address, "bob@example.test");
}

TEST(MailSender, BlankAddressesAndAttachmentNamesAreNotAdded)
{
    MailSender sender;
    sender.Prepare();
    sender.AddTo("Nobody", "   ");
    sender.AddTo("Bob", "bob@example.test");
    sender.AddCc("Nobody", "");
    sender.AddCc("Dora", "dora@example.test");
    sender.AddBcc("  ");
    sender.AddBcc("hidden@example.test");
    sender.AddAttachment("   ", 8);
    sender.AddAttachment("VLDB.TPS", 8);
    const MailRequest request = sender.MakeRequest();
    ASSERT_EQ(request.to.size(), 1);
    EXPECT_EQ(request.to.at(0).name, "Bob");
    ASSERT_EQ(request.cc.size(), 1);
    ASSERT_EQ(request.bcc.size(), 1);
    EXPECT_EQ(request.bcc.at(0).name, "");
    EXPECT_EQ(request.bcc.at(0).address, "hidden@example.test");
    EXPECT_EQ(request.attachments, QStringList{"VLDB.TPS"});
}

TEST(MailSender, WithoutAToRecipientNothingIsSent)
{
    FakeLibrary library;
    MailSender sender(library.Function());
    sender.Prepare();
    sender.AddTo("Blank", "    ");
    sender.AddCc("Dora", "dora@example.test");
    sender.AddBcc("hidden@example.test");
    EXPECT_EQ(sender.Send(), kMailNoRecipients);
    EXPECT_EQ(library.calls, 0);
    EXPECT_EQ(sender.ErrorText(kMailNoRecipients), "No recipiens specified");
}

TEST(MailSender, LibraryResultsAboveOneThousandCountAsSent)
{
    FakeLibrary library;
    MailSender sender(library.Function());
    sender.Prepare();
    sender.AddTo("Bob", "bob@example.test");
    for (const auto& [answer, expected] : {std::pair{1001, 0}, std::pair{1000, 1000}, std::pair{7, 7}}) {
        library.answer = {answer, {}};
        EXPECT_EQ(sender.Send(), expected) << answer;
    }
    EXPECT_EQ(library.calls, 3);
}

TEST(MailSender, ServerErrorTextCarriesTheClippedReply)
{
    FakeLibrary library;
    library.answer = {kMailServerError, "550 5.1.1 <x@example.test>: Recipient address rejected   "};
    MailSender sender(library.Function());
    sender.Prepare();
    sender.AddTo("X", "x@example.test");
    EXPECT_EQ(sender.Send(), kMailServerError);
    EXPECT_EQ(sender.ErrorText(kMailServerError).toStdString(),
              "Mail Server Error:\r550 5.1.1 <x@example.test>: Recipient address rejected");

    library.answer = {kMailServerError, "554 " + QString(600, 'r')};
    EXPECT_EQ(sender.Send(), kMailServerError);
    const QString text = sender.ErrorText(kMailServerError);
    EXPECT_EQ(text.size(), 255);
    EXPECT_TRUE(text.startsWith("Mail Server Error:\r554 rrr"));

    sender.Release();
    EXPECT_EQ(sender.ErrorText(kMailServerError).toStdString(), "Mail Server Error:\r");
}

TEST(MailSender, AFailureOfTheLibraryKeepsItsText)
{
    MailSender sender([](const MailRequest&, MailProgress&) -> MailOutcome {
        throw std::runtime_error("no space left on device");
    });
    sender.Prepare();
    sender.AddTo("X", "x@example.test");
    EXPECT_EQ(sender.Send(), kMailUnknownError);
    EXPECT_EQ(sender.ErrorText(kMailUnknownError), "Unknown error: no space left on device");
}

TEST(MailSender, ErrorTexts)
{
    MailSender sender;
    EXPECT_EQ(sender.ErrorText(0), "Unknown error");
    EXPECT_EQ(sender.ErrorText(1), "Bad arguments from form");
    EXPECT_EQ(sender.ErrorText(2), "Unable to open temporary mailfile for read");
    EXPECT_EQ(sender.ErrorText(4), "Failed to resolve host");
    EXPECT_EQ(sender.ErrorText(6), "Failed to connect. Mail Server not found!");
    EXPECT_EQ(sender.ErrorText(10), "Failed to resolve the host IP name");
    EXPECT_EQ(sender.ErrorText(13), "Unknown error");
    EXPECT_EQ(sender.ErrorText(14), "User Cancel");
    EXPECT_EQ(sender.ErrorText(16), "Unknown error");
    EXPECT_EQ(sender.ErrorText(1001), "Unknown error");
    EXPECT_EQ(sender.ErrorText(-1), "Unknown error");
}

TEST(MailSender, SendHandsTheFilledMessageToTheLibraryOnAWorkerThread)
{
    FakeLibrary library;
    MailSender sender(library.Function());
    sender.Prepare();
    sender.SetServerMode(2);
    sender.SetDebugFile("inserver.log");
    sender.SetMailHost("news.example.test");
    sender.SetFrom("Ann Sender");
    sender.SetReturnPath("ann@example.test");
    sender.SetOrganization("Example Org");
    sender.SetMailer("Velmora");
    sender.SetSubject("Notes");
    sender.AddTo("comp.test", "comp.test");
    sender.SetLogin("reader", "secret");
    sender.SetMessageText("Body", 6);
    EXPECT_EQ(sender.Send(), kMailSent);
    EXPECT_NE(library.thread, QThread::currentThread());
    const MailRequest& r = library.request;
    EXPECT_EQ(r.serverMode, 2);
    EXPECT_EQ(r.logFile, "inserver.log");
    EXPECT_EQ(r.host, "news.example.test");
    EXPECT_EQ(r.from, "Ann Sender");
    EXPECT_EQ(r.returnPath, "ann@example.test");
    EXPECT_EQ(r.organization, "Example Org");
    EXPECT_EQ(r.mailer, "Velmora");
    EXPECT_EQ(r.subject, "Notes");
    EXPECT_EQ(r.userName, "reader");
    EXPECT_EQ(r.password, "secret");
    EXPECT_EQ(r.text, "Body");
}

TEST(MailSender, TheCallingThreadKeepsProcessingEventsDuringTheSend)
{
    // The library waits for a timer of the calling thread: if Send blocked
    // that thread's events, the timer could never fire.
    std::mutex mutex;
    std::condition_variable changed;
    bool timerFired = false;
    MailSender sender([&](const MailRequest&, MailProgress&) {
        std::unique_lock lock(mutex);
        const bool fired = changed.wait_for(lock, std::chrono::seconds(20), [&] { return timerFired; });
        return MailOutcome{fired ? kMailSent : kMailUnknownError, {}};
    });
    sender.Prepare();
    sender.AddTo("Bob", "bob@example.test");
    QTimer::singleShot(0, [&] {
        std::lock_guard lock(mutex);
        timerFired = true;
        changed.notify_all();
    });
    EXPECT_EQ(sender.Send(), kMailSent);
}

TEST(MailSender, CancelReachesTheLibraryAndIsResetAfterTheSend)
{
    FakeLibrary library;
    MailSender sender(library.Function());
    sender.Prepare();
    sender.AddTo("Bob", "bob@example.test");
    sender.Cancel();
    sender.Send();
    EXPECT_TRUE(library.cancelSeen);
    sender.Send();
    EXPECT_FALSE(library.cancelSeen);
}

TEST(MailSender, ReleaseDropsEverything)
{
    MailSender sender;
    sender.Prepare();
    sender.SetMailHost("smtp.example.test");
    sender.AddTo("Bob", "bob@example.test");
    sender.AddAttachment("a.txt", 8);
    sender.SetLogin("u", "p");
    sender.Release();
    const MailRequest request = sender.MakeRequest();
    EXPECT_TRUE(request.host.isEmpty());
    EXPECT_TRUE(request.to.isEmpty());
    EXPECT_TRUE(request.attachments.isEmpty());
    EXPECT_TRUE(request.password.isEmpty());
    EXPECT_EQ(sender.Send(), kMailNoRecipients);
}

// The whole road through the real library to a local SMTP server, as the
// options window's test mail and the forward windows call the class.
TEST(MailSender, SendsThroughTheMailLibrary)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailSender sender;
    sender.Prepare();
    sender.SetServerMode(1);
    sender.SetDebugFile("inmail.log");
    sender.SetMailHost(peer.Host());
    sender.SetFrom("Ann Sender"); // a name without an address
    sender.SetReturnPath("ann@example.test");
    sender.SetMailer("Velmora");
    sender.SetSubject("Test Email");
    sender.AddTo("Ann Sender", "ann@example.test");
    sender.AddBcc("support@example.test");
    sender.SetMessageText("This is a test email from Ann Sender using Velmora.", 6);
    ASSERT_EQ(sender.Send(), kMailSent);
    sender.Release();

    const QJsonObject m = peer.Json("message-1.json");
    EXPECT_EQ(m.value("mail_from").toString(), "ann@example.test");
    EXPECT_EQ(m.value("rcpt_tos").toVariant().toStringList(), (QStringList{"ann@example.test", "support@example.test"}));
    const QJsonObject from = m.value("From").toArray().at(0).toObject();
    EXPECT_EQ(from.value("name").toString(), "Ann Sender");
    EXPECT_EQ(from.value("address").toString(), "ann@example.test");
    EXPECT_FALSE(m.value("header_names").toVariant().toStringList().contains("Bcc"));
    EXPECT_TRUE(test::ReadTextFile("inmail.log").contains("RCPT TO:<support@example.test>"));
}

TEST(MailSender, UnusableAddressIsBadArguments)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MailSender sender;
    sender.Prepare();
    sender.SetMailHost(peer.Host());
    sender.SetReturnPath("ann@example.test");
    sender.AddTo("Bob", "bob@example.test");
    sender.AddCc("Two", "a@example.test, b@example.test");
    EXPECT_EQ(sender.Send(), kMailBadArguments);
    EXPECT_EQ(sender.ErrorText(kMailBadArguments), "Bad arguments from form");
    EXPECT_EQ(peer.Count("message-", ".eml"), 0);
}

} // namespace
} // namespace vl
