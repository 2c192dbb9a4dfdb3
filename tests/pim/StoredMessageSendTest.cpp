// Stored messages sent through local mail and news servers: the plain
// e-mail with its keywords and copies, header lines that keywords cannot
// add, failures that carry the server's reply and never stamp the message,
// recipients refused while the others get it, the mass mailing to a contact
// category, the news article, and a stamp that keeps a change saved during
// the send.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "pim/StoredMessageSend.h"
#include "platform/runtime/Clock.h"
#include "scripting/ScriptVariables.h"
#include "tests/peers/MailPeer.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>

#include <functional>

namespace vl {
namespace {

constexpr Date kToday = 80000;

class StoredMessageSendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        OpenTable(Tables().Messages);
        OpenTable(Tables().Contact);
        GlobalUseLog = true;
        Defaults();
    }
    // Mail and news settings whose servers do not answer.
    static void Defaults()
    {
        Email::Host = "127.0.0.1:" + QString::number(test::ClosedLocalPort());
        Email::Sender = "ann@example.test";
        Email::SenderName = "Ann Example";
        Email::Organization = "Example Org";
        News::Host = Email::Host;
        News::Sender = "news@example.test";
    }
    void TearDown() override
    {
        GlobalUseLog = false;
        DictionaryEnd();
    }

    static MessagesRecord Message(const char* type, const char* to, const char* subject = "Hello")
    {
        MessagesRecord m;
        m.MAILTYPE = type;
        m.EmailTo = to;
        m.Subject = subject;
        m.Message = "Text";
        return m;
    }
    static int32_t Store(MessagesRecord m)
    {
        EXPECT_TRUE(Tables().Messages.Add(m));
        return m.EmailID;
    }
    static MessagesRecord Stored(int32_t id)
    {
        MessagesRecord m;
        m.EmailID = id;
        EXPECT_TRUE(Tables().Messages.Get(M_KEYEMAILID, m));
        return m;
    }
    static void AddContact(const char* first, const char* last, const char* email, const char* category)
    {
        ContactRecord c;
        c.FirstName = first;
        c.LastName = last;
        c.Email = email;
        c.ContactCategory = category;
        EXPECT_TRUE(Tables().Contact.Add(c));
    }
    QString Var(const char* name) const
    {
        const auto v = variables.Find(name);
        return v ? v->STRINGVALUE : QStringLiteral("<unset>");
    }
    // "label|text" of every logged event.
    static QStringList Logged()
    {
        QStringList events;
        for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
            events << line.mid(22, 32).trimmed() + '|' + line.mid(54).trimmed();
        return events;
    }
    static QStringList Recipients(const test::MailPeer& peer, const char* file = "message-1.json")
    {
        return peer.Json(file).value("rcpt_tos").toVariant().toStringList();
    }

    SettableClock clock{kToday, 100};
    ClockOverride useClock{clock};
    ScriptVariables variables;
    ScriptVariablesOverride useVariables{variables};
    test::ScriptedPrompt prompt;
    MailSender sender;
};

TEST_F(StoredMessageSendTest, AnEmailGoesWithItsKeywordsCopiesAndSettingsAndIsStamped)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    variables.Set("WHO", "Q3   ");
    variables.Set("INJECT", "x\r\nBcc: evil@example.test");
    MessagesRecord m = Message("", "bob@example.test", "Report [WHO] [INJECT]");
    m.EMAILTONAME = "Bob";
    m.CC = "carl@example.test; dora@example.test";
    m.BCC = "hidden@example.test";
    m.Message = "Hello [WHO]!\nA [NOTHING] and a [ stay.";
    const int32_t id = Store(m);

    const StoredMessageOutcome outcome = SendStoredMessage(id, sender);
    ASSERT_EQ(outcome.result, kMailSent) << outcome.errorText.toStdString();
    const QJsonObject sent = peer.Json("message-1.json");
    EXPECT_EQ(Recipients(peer), (QStringList{"bob@example.test", "carl@example.test", "dora@example.test",
                                             "hidden@example.test"}));
    EXPECT_TRUE(sent.value("Subject").toString().startsWith("Report Q3 x")) << sent.value("Subject").toString().toStdString();
    EXPECT_FALSE(sent.value("Subject").toString().contains('\n'));
    EXPECT_FALSE(sent.value("header_names").toVariant().toStringList().contains("Bcc"));
    EXPECT_EQ(sent.value("text").toString().replace("\r\n", "\n").trimmed(), "Hello Q3!\nA [NOTHING] and a [ stay.");
    const QJsonObject from = sent.value("From").toArray().at(0).toObject();
    EXPECT_EQ(from.value("name").toString(), "Ann Example");
    EXPECT_EQ(from.value("address").toString(), "ann@example.test");
    EXPECT_EQ(sent.value("Organization").toString(), "Example Org");
    EXPECT_EQ(sent.value("X-Mailer").toString(), ProductName);
    EXPECT_EQ(Stored(id).LastDateSent, kToday);
    EXPECT_EQ(Var("Mail"), "Sent");
    EXPECT_EQ(Var("MailError"), "None");
    EXPECT_EQ(Var("EmailHost"), peer.Host());
    EXPECT_EQ(Var("EmailReturnPath"), "ann@example.test");
    EXPECT_TRUE(Logged().contains("|Sent bob@example.test")); // the blank type is the label
    EXPECT_TRUE(prompt.Questions().empty());
}

TEST_F(StoredMessageSendTest, AFailedSendSaysWhyAndNeverStampsTheMessage)
{
    test::MailPeer peer("smtp_peer.py", {"--reject", "bob@example.test"});
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    const struct {
        const char* name;
        std::function<void()> settings;
        MessagesRecord message;
        int result;
        const char* errorContains;
        const char* logged;
        const char* notice; // a notice's text, or none
    } cases[] = {
        {"refused", [&] { Email::Host = peer.Host(); }, Message("Email", "bob@example.test"), kMailServerError,
         "550 5.1.1 <bob@example.test>", "Mail Error|Could not send bob@example.test", nullptr},
        {"no server", [] {}, Message("Email", "bob@example.test"), kMailConnectFailed, "Failed to connect",
         "Mail Error|Could not send bob@example.test", nullptr},
        {"no recipient", [&] { Email::Host = peer.Host(); }, Message("Email", "n/a"), kMailNoRecipients,
         "No recipiens specified", "Mail Error|Could not send n/a", nullptr},
        {"mail not set up", [] { Email::Sender.clear(); }, Message("Email", "bob@example.test"), kMessageNotSent,
         "Email not setup.", nullptr, kMailNotSetUpText},
        {"news not set up", [] { News::Host.clear(); }, Message("News", "alt.test"), kMessageNotSent,
         "(News) not setup", nullptr, kNewsNotSetUpText},
    };
    for (const auto& c : cases) {
        Defaults();
        c.settings();
        const int32_t id = Store(c.message);
        const int notices = static_cast<int>(prompt.Questions().size());
        const StoredMessageOutcome outcome = SendStoredMessage(id, sender);
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_TRUE(outcome.errorText.contains(c.errorContains)) << c.name << ": " << outcome.errorText.toStdString();
        EXPECT_EQ(Stored(id).LastDateSent, 0) << c.name;
        if (c.logged) {
            EXPECT_TRUE(Logged().contains(c.logged)) << c.name;
            EXPECT_EQ(Var("Mail"), "Error") << c.name;
            EXPECT_EQ(Var("MailError"), outcome.errorText.left(255).trimmed()) << c.name;
        }
        ASSERT_EQ(static_cast<int>(prompt.Questions().size()), notices + (c.notice ? 1 : 0)) << c.name;
        if (c.notice) {
            EXPECT_EQ(prompt.Questions().back().text, c.notice) << c.name;
        }
    }
    EXPECT_EQ(peer.Count("message-", ".json"), 0);
    EXPECT_EQ(SendStoredMessage(404, sender).result, kMessageNotSent);
    EXPECT_TRUE(Logged().contains("Script|Error sending message"));
}

TEST_F(StoredMessageSendTest, RefusedRecipientsAreNamedWhileTheOthersGetTheMessage)
{
    test::MailPeer peer("smtp_peer.py", {"--reject", "carl@example.test"});
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    MessagesRecord m = Message("Email", "bob@example.test");
    m.CC = "carl@example.test";
    const int32_t id = Store(m);
    const StoredMessageOutcome outcome = SendStoredMessage(id, sender);
    ASSERT_EQ(outcome.result, kMailSent);
    EXPECT_EQ(outcome.refused,
              QStringList{"carl@example.test: 550 5.1.1 <carl@example.test>: Recipient address rejected"});
    EXPECT_EQ(Recipients(peer), QStringList{"bob@example.test"});
    EXPECT_EQ(Var("Mail"), "Sent");
    EXPECT_EQ(Var("MailError"), "Refused: carl@example.test");
    EXPECT_TRUE(Logged().contains("Mail Error|Could not send carl@example.test"));
    EXPECT_EQ(Stored(id).LastDateSent, kToday);
}

TEST_F(StoredMessageSendTest, AMassMailingGoesToTheCategoryAsOneMessage)
{
    test::MailPeer peer("smtp_peer.py", {"--reject", "cy@example.test"});
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    AddContact("Ann", "Abel", "ann.abel@example.test", "Club");
    AddContact("Ben", "Bell", "", "Club");
    AddContact("Cy", "Cole", "cy@example.test", "Club");
    AddContact("Dee", "Dean", "dee@example.test", "Work");
    MessagesRecord m = Message("Mass Mailing", "N/A");
    m.EMAILTOGROUP = "club";
    const int32_t id = Store(m);

    const StoredMessageOutcome outcome = SendStoredMessage(id, sender);
    ASSERT_EQ(outcome.result, kMailSent);
    EXPECT_EQ(Recipients(peer), QStringList{"ann.abel@example.test"});
    const QJsonArray to = peer.Json("message-1.json").value("To").toArray();
    ASSERT_EQ(to.size(), 2); // every recipient sees the whole list
    EXPECT_EQ(to.at(0).toObject().value("name").toString(), "Ann Abel");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Error Sending Mass Mailing");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Sent, but not to these recipients:|cy@example.test: 550"));
    EXPECT_EQ(Stored(id).LastDateSent, kToday);

    m.EMAILTOGROUP = "Nobody";
    const int32_t empty = Store(m);
    EXPECT_EQ(SendStoredMessage(empty, sender).result, kMailNoRecipients);
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].text, "Error: No recipients.|" + peer.Host()
                                              + "|ann@example.test|Ann Example|" + ProductName + "|Hello|Nobody|");
    EXPECT_EQ(Var("MailError"), "No recipients");
    EXPECT_EQ(Stored(empty).LastDateSent, 0);
    EXPECT_EQ(peer.Count("message-", ".json"), 1);
}

TEST_F(StoredMessageSendTest, AMassMailingWhoseContactsCannotBeReadWholeGoesToNoOne)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    for (int i = 0; i < 300; ++i)
        AddContact("Member", qPrintable(QString::number(i)), qPrintable(QString("m%1@example.test").arg(i)), "Club");
    const QString path = DataFilePath(Tables().Contact);
    DictionaryEnd();
    ASSERT_TRUE(test::DamagePage(path, "Contact", true, -1, '\0'));
    DictionaryStart();
    MessagesRecord m = Message("Mass Mailing", "N/A");
    m.EMAILTOGROUP = "Club";

    const StoredMessageOutcome outcome = SendLoadedMessage(m, sender);
    EXPECT_EQ(outcome.result, kMessageNotSent);
    EXPECT_EQ(peer.Count("message-", ".json"), 0);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Error retrieving contact information "));
    EXPECT_TRUE(prompt.Questions()[0].text.contains("|The message was sent to no one.|"));
    EXPECT_TRUE(Var("MailError").startsWith("Error retrieving contact information "));
}

TEST_F(StoredMessageSendTest, ANewsArticleIsPostedOrTheRefusalIsShown)
{
    for (const bool refuse : {false, true}) {
        test::MailPeer peer("nntp_peer.py", refuse ? QStringList{"--refuse-article"} : QStringList{});
        ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
        News::Host = peer.Host();
        variables.Set("WHO", "team");
        const int32_t id = Store(Message("News", "alt.test", "Notes for [WHO]"));
        const StoredMessageOutcome outcome = SendStoredMessage(id, sender);
        if (!refuse) {
            ASSERT_EQ(outcome.result, kMailSent) << outcome.errorText.toStdString();
            const QJsonObject article = peer.Json("article-1.json");
            EXPECT_EQ(article.value("Newsgroups").toString(), "alt.test");
            EXPECT_EQ(article.value("Subject").toString(), "Notes for team");
            EXPECT_TRUE(Logged().contains("News|Sent alt.test"));
            EXPECT_EQ(Stored(id).LastDateSent, kToday);
        } else {
            EXPECT_EQ(outcome.result, kMailServerError);
            ASSERT_EQ(prompt.Questions().size(), 1u);
            EXPECT_EQ(prompt.Questions()[0].caption, "Error Sending News Article");
            EXPECT_TRUE(prompt.Questions()[0].text.endsWith(
                "|" + peer.Host() + "|news@example.test|Ann Example|" + ProductName + "|Notes for team|alt.test|alt.test|"));
            EXPECT_TRUE(Logged().contains("News Error|Could not send alt.test"));
            EXPECT_EQ(Stored(id).LastDateSent, 0);
        }
    }
}

TEST_F(StoredMessageSendTest, TheStampKeepsAChangeSavedDuringTheSend)
{
    const int32_t id = Store(Message("Email", "bob@example.test", "Before"));
    // The mail library runs on a worker thread; the edit is saved on this one
    // while the send waits, as the message form would save it.
    MailSender slow([&](const MailRequest&, MailProgress&) {
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                MessagesRecord edited = Stored(id);
                edited.Subject = "Edited meanwhile";
                EXPECT_TRUE(Tables().Messages.Put(edited));
            },
            Qt::BlockingQueuedConnection);
        return MailOutcome{kMailSent, {}};
    });
    Email::Host = "mail.example.test";
    ASSERT_EQ(SendStoredMessage(id, slow).result, kMailSent);
    EXPECT_EQ(Stored(id).Subject, "Edited meanwhile");
    EXPECT_EQ(Stored(id).LastDateSent, kToday);
}

TEST(StoredMessageKind, ABlankOrUnknownTypeIsAnEmail)
{
    const std::pair<const char*, MessageKind> cases[] = {
        {"", MessageKind::Email},     {"Emial", MessageKind::Email},          {"Email", MessageKind::Email},
        {"news ", MessageKind::News}, {"Mass Mailing", MessageKind::MassMailing}, {"MASS MAILING", MessageKind::MassMailing},
    };
    for (const auto& [type, kind] : cases)
        EXPECT_EQ(KindOfMessage(type), kind) << type;
}

} // namespace
} // namespace vl
