#include "platform/mail/MailEnvelope.h"
#include "platform/mail/MailHost.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(MailHost, NameWithOrWithoutPort)
{
    auto host = ParseMailHost(" smtp.example.test ", 25);
    ASSERT_TRUE(host);
    EXPECT_EQ(host->Authority(), "smtp.example.test:25");
    EXPECT_EQ(ParseMailHost("mail.example.test:2525", 25)->Authority(), "mail.example.test:2525");
    EXPECT_EQ(ParseMailHost("news.example.test", 119)->port, 119);
    EXPECT_EQ(ParseMailHost("[::1]:2525", 25)->Authority(), "[::1]:2525");
    EXPECT_EQ(ParseMailHost("[::1]", 25)->Authority(), "[::1]:25");
    EXPECT_EQ(ParseMailHost("fe80::1", 25)->Authority(), "[fe80::1]:25");
    EXPECT_EQ(ParseMailHost(QString::fromUtf8("bücher.example"), 25)->name, "xn--bcher-kva.example");
}

TEST(MailHost, UnusableHostsAreRefused)
{
    for (const char* text : {"", "   ", "host:0", "host:65536", "host:", "host:2x", "a/b", "user@host",
                             "two words", "host\r\nQUIT", "host?x", "[::1", "[::1]x", "[zz::1]"})
        EXPECT_FALSE(ParseMailHost(text, 25)) << text;
}

TEST(MailAddress, AcceptableAddresses)
{
    EXPECT_TRUE(IsAcceptableAddress("bob@example.test"));
    EXPECT_TRUE(IsAcceptableAddress("comp.lang.misc"));
    for (const char* text : {"", "bob smith@example.test", "bob@example.test\r\nRCPT TO:<x@y>", "bob@x\n",
                             "<bob@example.test>", "bob>@x", "Bob <bob@x>", "a\tb@x", "bob\x7F@x", "bob@x\x7F",
                             "bob\x1B@x", "bob\x01@x", "bob@x\xC2\x85", "bob\xC2\x9F@x"})
        EXPECT_FALSE(IsAcceptableAddress(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(IsAcceptableAddress(QString::fromUtf8("jörg@bücher.test")));
}

TEST(MailAddress, PartsOfAFromText)
{
    auto parts = SplitFromText("\"Ann Sender\" <ann@example.test>");
    EXPECT_EQ(parts.name, "Ann Sender");
    EXPECT_EQ(parts.address, "ann@example.test");
    parts = SplitFromText("Ann <ann@example.test>");
    EXPECT_EQ(parts.name, "Ann");
    EXPECT_EQ(parts.address, "ann@example.test");
    parts = SplitFromText(" ann@example.test ");
    EXPECT_EQ(parts.name, "");
    EXPECT_EQ(parts.address, "ann@example.test");
    parts = SplitFromText("Ann Sender");
    EXPECT_EQ(parts.name, "Ann Sender");
    EXPECT_EQ(parts.address, "");
    parts = SplitFromText("Velmora");
    EXPECT_EQ(parts.name, "Velmora");
    EXPECT_EQ(parts.address, "");
}

MailRequest Request()
{
    MailRequest request;
    request.host = "smtp.example.test";
    request.to = {{"Bob", "bob@example.test"}};
    return request;
}

TEST(MailEnvelope, SenderComesFromTheReturnPathElseTheFromAddress)
{
    MailRequest request = Request();
    MailEnvelope envelope;
    request.from = "Ann Sender";
    request.returnPath = " ann@example.test ";
    EXPECT_EQ(PrepareEnvelope(request, envelope), "");
    EXPECT_EQ(envelope.sender, "ann@example.test");
    EXPECT_EQ(envelope.from.name, "Ann Sender");
    EXPECT_EQ(envelope.from.address, "ann@example.test"); // a From without an address shows the return path

    request = Request();
    request.from = "\"Ann\" <ann@example.test>";
    EXPECT_EQ(PrepareEnvelope(request, envelope), "");
    EXPECT_EQ(envelope.sender, "ann@example.test");

    request = Request();
    request.from = "Desk <desk@example.test>";
    request.returnPath = "bounces@example.test";
    EXPECT_EQ(PrepareEnvelope(request, envelope), "");
    EXPECT_EQ(envelope.sender, "bounces@example.test");
    EXPECT_EQ(envelope.from.address, "desk@example.test");

    request = Request();
    request.from = "Ann Sender";
    EXPECT_EQ(PrepareEnvelope(request, envelope), "No sender address");
    request.returnPath = "ann@example.test\r\nRCPT TO:<x@y>";
    EXPECT_FALSE(PrepareEnvelope(request, envelope).isEmpty());
    request.returnPath = "ann@example.test";
    request.from = "Ann <ann @example.test>";
    EXPECT_FALSE(PrepareEnvelope(request, envelope).isEmpty());
}

TEST(MailEnvelope, RecipientsAreTrimmedCheckedAndGathered)
{
    MailRequest request = Request();
    request.returnPath = "ann@example.test";
    request.to.append(MailRecipient{"", " carl@example.test "});
    request.cc = {{"Dora", "dora@example.test"}};
    request.bcc = {{"", "hidden@example.test"}};
    MailEnvelope envelope;
    EXPECT_EQ(PrepareEnvelope(request, envelope), "");
    EXPECT_EQ(request.to.at(1).address, "carl@example.test");
    EXPECT_EQ(envelope.recipients,
              (QStringList{"bob@example.test", "carl@example.test", "dora@example.test", "hidden@example.test"}));

    for (const char* bad : {"carl\r\n@example.test", "<carl@example.test>", "carl smith@example.test"}) {
        MailRequest refused = request;
        refused.cc = {{"", bad}};
        EXPECT_FALSE(PrepareEnvelope(refused, envelope).isEmpty()) << bad;
    }
    MailRequest nobody = Request();
    nobody.returnPath = "ann@example.test";
    nobody.to.clear();
    EXPECT_EQ(PrepareEnvelope(nobody, envelope), "No recipient");
}

TEST(MailEnvelope, NewsNeedsAGroupAndALoginWithoutLineBreaks)
{
    MailRequest request = Request();
    request.serverMode = static_cast<int>(ServerMode::News);
    request.returnPath = "ann@example.test";
    request.to = {{"", "comp.test"}};
    MailEnvelope envelope;
    EXPECT_EQ(PrepareEnvelope(request, envelope), "");
    EXPECT_TRUE(envelope.recipients.isEmpty());
    request.userName = "reader\nPOST";
    EXPECT_EQ(PrepareEnvelope(request, envelope), "Unusable login");
    request.userName = "reader";
    request.to.clear();
    EXPECT_EQ(PrepareEnvelope(request, envelope), "No newsgroup");
}

} // namespace
} // namespace vl
