// The "Email Message" window of both programs: forwarding a shown message
// through a local mail server, and the recipient both programs remember.

#include "core/base/Globals.h"
#include "windows/pim/ForwardWindow.h"
#include "platform/runtime/IniFile.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vl {
namespace {

class ForwardWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Email::Sender = "ann@example.test";
        Email::SenderName = "Ann Example";
        Email::Organization.clear();
    }

    IniFile PivraIni() { return IniFile(test::TestPath("pivra.INI")); }

    test::ScriptedPrompt prompt;
};

TEST_F(ForwardWindowTest, SendsTheEditedMessageAndRemembersTheRecipient)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    ForwardWindow window("   ", "Original text", ForwardPlacement::Unsaved);
    EXPECT_EQ(window.windowTitle(), "Email Message");
    EXPECT_TRUE(window.AddressEntry()->text().isEmpty());
    window.AddressEntry()->setText("bob@example.test");
    window.TextEntry()->setPlainText("Edited text");
    QStringList forwarded;
    QObject::connect(&window, &ForwardWindow::Forwarded,
                     [&](const QString& title, const QString& text) { forwarded << title << text; });
    prompt.Answer(1);
    window.OkButton()->click();

    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Status");
    EXPECT_EQ(prompt.Questions()[0].text, "Message sent.");
    const QJsonObject message = peer.Json("message-1.json");
    EXPECT_EQ(message.value("Subject").toString(), "Forwarded Message");
    EXPECT_EQ(message.value("rcpt_tos").toVariant().toStringList(), QStringList{"bob@example.test"});
    EXPECT_TRUE(message.value("text").toString().contains("Edited text"));
    EXPECT_EQ(forwarded, (QStringList{"", "Edited text"}));
    EXPECT_EQ(PivraIni().Get("Email", "Recipient"), "bob@example.test");
    EXPECT_EQ(PivraIni().Get("Email", "RecipientName"), "bob@example.test");

    ForwardWindow next("Title", "text", ForwardPlacement::Saved);
    EXPECT_EQ(next.AddressEntry()->text(), "bob@example.test");
    EXPECT_EQ(next.NameEntry()->text(), "bob@example.test");
}

TEST_F(ForwardWindowTest, AFailedSendSaysWhyAndStillRemembersTheRecipient)
{
    Email::Host = "127.0.0.1:" + QString::number(test::ClosedLocalPort());
    ForwardWindow window("Rent", "text", ForwardPlacement::Unsaved);
    window.AddressEntry()->setText("bob@example.test");
    window.NameEntry()->setText("Bob");
    prompt.Answer(1);
    window.OkButton()->click();

    ASSERT_EQ(prompt.Questions().size(), 1u);
    const QString text = prompt.Questions()[0].text;
    EXPECT_TRUE(text.startsWith("Message was not sent.||Error:|")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("||Sender:ann@example.test|Host:" + Email::Host)) << text.toStdString();
    EXPECT_EQ(PivraIni().Get("Email", "RecipientName"), "Bob");
}

} // namespace
} // namespace vl
