// The bug report's rules: its text and settings lines, the copy of the data
// file it attaches (without passwords), what stops it before sending, and
// the send through a local mail server.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "pim/BugReport.h"
#include "pim/BugReportSettings.h"
#include "pim/ReportDataFile.h"
#include "platform/runtime/FixedText.h"
#include "scripting/ScriptVariables.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>

namespace vl {
namespace {

constexpr char kNewsPassword[] = "N3wsSecret!";
constexpr char kFtpPassword[] = "FtpSecret#9";

QString ValueOf(const ScriptVariables& variables, const char* name)
{
    const auto found = variables.Find(QLatin1String(name));
    return found ? found->STRINGVALUE : QStringLiteral("<unset>");
}

class BugReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Email::Host = "mail.invalid";
        Email::Sender = "ann@example.test";
        Email::SenderName = "Ann Example";
        Email::Organization.clear();
        GlobalUseLog = true;
    }
    void TearDown() override
    {
        GlobalUseLog = false;
        if (DictionaryStarted())
            DictionaryEnd();
    }

    // The live data file with a news message and script steps that keep
    // passwords; its tables stay open, so recent commits sit in its log.
    void StoreSecrets()
    {
        DictionaryStart();
        Dictionary& d = Tables();
        ASSERT_TRUE(OpenTable(d.Messages));
        ASSERT_TRUE(OpenTable(d.Scripting));
        MessagesRecord message;
        d.Messages.Prime(message);
        message.Subject = "Keep this subject";
        message.NEWS_USER = "newsreader";
        message.NEWS_PASSWORD = kNewsPassword;
        ASSERT_TRUE(d.Messages.Add(message));

        const std::pair<const char*, QString> items[]{
            {"File Actions", PadTo("ftpuser", 128) + kFtpPassword},
            {"Send Keys", PadTo("typed", 128) + "KeepThisTail"},
        };
        int sequence = 0;
        for (const auto& [action, topic] : items) {
            ScriptingRecord item;
            d.Scripting.Prime(item);
            item.ID = 7;
            item.Sequence = ++sequence;
            item.Action = action;
            item.DDEApplicationTopic = topic;
            ASSERT_TRUE(d.Scripting.Add(item));
        }
    }

    ScriptVariables variables;
    ScriptVariablesOverride variablesInUse{variables};
};

TEST_F(BugReportTest, TextHoldsTheReportTheSettingsAndTheListingWithinItsWidth)
{
    EXPECT_EQ(BugReportText("It broke.  ", {"A=1  ", "B="}, {"VLDB.TPS 03-07-24 09:05"}),
              "It broke.\r\n--------------Internal Information------------\r\nA=1\r\nB=\r\n"
              "VLDB.TPS 03-07-24 09:05\r\n");
    const QString cut = BugReportText("r", {}, QStringList(2000, "entry 01-01-24 00:00"));
    EXPECT_EQ(cut.size(), kBugReportTextWidth);
    EXPECT_TRUE(cut.endsWith("00:00\r\nentr")); // 51 characters of head, 452 whole lines, 4 more

    Email::SenderName = "  ";
    EXPECT_EQ(BugReportSubject(), "Velmora:  Support for ");
    Email::SenderName = "Ann  ";
    EXPECT_EQ(BugReportSubject(), "Velmora:  Support for Ann");
}

TEST_F(BugReportTest, SettingsLinesAreNamedInOrderCutAndCarryTheSystem)
{
    Email::Host = QString(100, 'h');
    News::Sender = "news@example.test";
    const QStringList lines = BugReportSettingsLines();
    EXPECT_EQ(lines.first(), "BurstSize=" + QString::number(BurstSize));
    const QString host = lines.filter(QRegularExpression("^Email:Host=")).value(0);
    EXPECT_EQ(host, ("Email:Host=" + QString(100, 'h')).left(kSettingsLineWidth));
    EXPECT_LT(lines.indexOf("Email:Sender=ann@example.test"), lines.indexOf("News:Sender=news@example.test"));
    EXPECT_TRUE(lines.contains("QtVersion=" + QString(qVersion())));
    EXPECT_TRUE(lines.contains("GlobalVLFilename=" + QDir::current().absoluteFilePath("VLDB.TPS")));
    EXPECT_TRUE(lines.filter(QRegularExpression("^(ThreadCount|GlobalOrder|NTService|News:User)=")).isEmpty())
        << "a value nobody keeps is not listed";
    AddBugReportValue("ThreadCount", [] { return QString("3"); });
    AddBugReportValue("ThreadCount", [] { return QString("2"); });
    const QStringList added = BugReportSettingsLines();
    EXPECT_EQ(added.filter(QRegularExpression("^ThreadCount=")), QStringList({"ThreadCount=2"}));
    EXPECT_EQ(added.indexOf("ThreadCount=2"), added.indexOf("TempScriptingActive=0") + 1) << "at its place";
    EXPECT_EQ(lines.filter(QRegularExpression("^(OperatingSystem|Kernel|Screen|Locale)=.")).size(), 4);
    EXPECT_TRUE(lines.filter(QRegularExpression("password", QRegularExpression::CaseInsensitiveOption)).isEmpty());

    const struct {
        const char* text;
        const char* name;
    } releases[]{
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "Debian GNU/Linux 12 (bookworm)"},
        {"NAME='Other'\nVERSION=\"3.1\"\n", "Other 3.1"},
        {"ID=none\n", ""},
    };
    for (const auto& release : releases)
        EXPECT_EQ(OsReleaseName(release.text), release.name) << release.text;
}

TEST_F(BugReportTest, ListingNamesEveryEntryWithItsDateAndTime)
{
    QDir().mkpath("listed/sub");
    const QString file = test::WriteTextFile(test::TestPath("listed/VLMREVNT.LOG"), "x");
    QFile log(file);
    ASSERT_TRUE(log.open(QIODevice::ReadWrite));
    ASSERT_TRUE(log.setFileTime(QDateTime(QDate(2024, 3, 7), QTime(9, 5)), QFileDevice::FileModificationTime));
    log.close();
    const QStringList lines = DirectoryListingLines(test::TestPath("listed"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "VLMREVNT.LOG 03-07-24 09:05");
    EXPECT_TRUE(lines[1].startsWith("sub ")) << lines[1].toStdString();
}

TEST_F(BugReportTest, TheAttachedDataFileKeepsItsRecordsButNoPassword)
{
    StoreSecrets();
    QDir().mkpath("out");
    const QString copy = test::TestPath("out/VLDB.TPS");
    ASSERT_TRUE(CopyDataFileForReport("VLDB.TPS", copy).Ok());

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains(kNewsPassword));
    EXPECT_FALSE(bytes.contains(kFtpPassword));
    for (const char* kept : {"Keep this subject", "newsreader", "ftpuser", "KeepThisTail"})
        EXPECT_TRUE(bytes.contains(kept)) << kept;
    EXPECT_FALSE(QFile::exists(copy + "-wal"));

    MessagesRecord live;
    live.EmailID = 1;
    ASSERT_TRUE(Tables().Messages.Get(M_KEYEMAILID, live));
    EXPECT_EQ(live.NEWS_PASSWORD, kNewsPassword);
}

TEST_F(BugReportTest, WhatStopsAReportIsSaidBeforeSending)
{
    const struct {
        const char* host;
        const char* sender;
        bool dataFile;
        bool log;
        const char* problem; // the start of what is said; blank: ready
    } cases[]{
        {"", "ann@example.test", false, false, "No mail server is set."},
        {"mail.invalid", "  ", false, false, "Enter your return email address"},
        {"mail.invalid", "ann@example.test", false, true, "The log file VLMREVNT.LOG was not found in "},
        {"mail.invalid", "ann@example.test", true, false, "The data file VLDB.TPS was not found in "},
        {"mail.invalid", "ann@example.test", false, false, ""},
    };
    QDir().mkpath("work");
    for (const auto& c : cases) {
        Email::Host = c.host;
        Email::Sender = c.sender;
        BugReportInput input;
        input.includeDataFile = c.dataFile;
        input.includeLog = c.log;
        QString problem = BugReportSettingsProblem();
        if (problem.isEmpty())
            problem = PrepareBugReportAttachments(input, test::TestPath("work")).problem;
        EXPECT_TRUE(QString(c.problem).isEmpty() ? problem.isEmpty() : problem.startsWith(c.problem))
            << c.problem << " / " << problem.toStdString();
    }
}

TEST_F(BugReportTest, SentReportCarriesItsAttachmentsAndItsOutcome)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    StoreSecrets();
    test::WriteTextFile(test::TestPath("VLMREVNT.LOG"), "a line\n");
    BugReportInput input{"The list froze.", {"BurstSize=7"}, true, true};
    QDir().mkpath("work");
    const BugReportAttachments attachments = PrepareBugReportAttachments(input, test::TestPath("work"));
    ASSERT_TRUE(attachments.problem.isEmpty()) << attachments.problem.toStdString();

    MailSender sender;
    EXPECT_EQ(SendBugReport(sender, input, attachments.paths), kMailSent);
    const QJsonObject message = peer.Json("message-1.json");
    EXPECT_EQ(message.value("Subject").toString(), "Velmora:  Support for Ann Example");
    EXPECT_EQ(message.value("rcpt_tos").toVariant().toStringList(), QStringList{kSupportMailbox});
    const QString text = message.value("text").toString().replace("\r\n", "\n");
    EXPECT_TRUE(text.startsWith("The list froze.\n--------------Internal Information------------\nBurstSize=7\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nVLMREVNT.LOG ")) << text.toStdString();
    QStringList names;
    for (const QJsonValue& attachment : message.value("attachments").toArray())
        names << attachment.toObject().value("filename").toString();
    EXPECT_EQ(names, (QStringList{"VLDB.TPS", "VLMREVNT.LOG"}));
    EXPECT_EQ(ValueOf(variables, "Mail"), "Sent");
    EXPECT_EQ(ValueOf(variables, "MailError"), "None");
    EXPECT_EQ(ValueOf(variables, "EmailHost"), peer.Host());
    EXPECT_TRUE(test::ReadTextFile("VLMREVNT.LOG").contains("Sent to Brantwell"));
}

} // namespace
} // namespace vl
