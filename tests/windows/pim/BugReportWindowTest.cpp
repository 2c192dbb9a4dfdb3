// The "Bug Reporting" window: its controls, the settings list its timer
// fills, and what the user sees after a send, a failed send, a missing
// attachment and "Save", and what a failed send leaves for scripts and in
// the event log.

#include "core/base/Globals.h"
#include "windows/pim/BugReportWindow.h"
#include "reports/ReportCriteria.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/FrameProcedures.h"
#include "scripting/ScriptVariables.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vl {
namespace {

class BugReportWindowTest : public ::testing::Test {
protected:
    // The mail settings the window shows when it opens.
    static bool MailSettings()
    {
        Email::Sender = "ann@example.test";
        Email::SenderName = "Ann";
        Email::Host = "127.0.0.1:" + QString::number(test::ClosedLocalPort());
        return true;
    }

    void SetUp() override
    {
        window.show();
        window.Tick();
        window.ReportEntry()->setPlainText("The list froze.");
    }

    QStringList Settings() const
    {
        QStringList lines;
        for (int row = 0; row < window.SettingsList()->topLevelItemCount(); ++row)
            lines << window.SettingsList()->topLevelItem(row)->text(0);
        return lines;
    }

    SettableClock clock{80000, 9 * kClockPerHour + 5 * kClockPerMinute + 1};
    ClockOverride clockInUse{clock};
    test::ScriptedPrompt prompt;
    bool mailSettings = MailSettings();
    BugReportWindow& window = *new BugReportWindow;
    QPointer<BugReportWindow> alive{&window};
    void TearDown() override { delete alive; }
};

TEST_F(BugReportWindowTest, ShowsItsControlsAndRefillsTheSettingsAfterReset)
{
    EXPECT_EQ(window.windowTitle(), "Bug Reporting");
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    texts << window.findChild<QGroupBox*>()->title() << window.SettingsList()->headerItem()->text(0);
    for (const char* text : {"Before proceeding, make sure that your return email address is correct:",
                             "Enter your bug report or comments here:", "This information will be sent:",
                             "Email Internal Information to Brantwell", "Include Full Database", "Include Log File",
                             "&Send", "Save", "&Reset", "Cl&ose", "Configuration", "9:05:00AM"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(window.ReturnAddressEntry()->text(), "ann@example.test");
    EXPECT_TRUE(Settings().contains("Email:Sender=ann@example.test"));

    window.ReturnAddressEntry()->setText("");
    window.ReturnAddressEntry()->insert("bob@example.test");
    EXPECT_EQ(Email::Sender, "bob@example.test");
    window.ResetButton()->click();
    EXPECT_TRUE(Settings().isEmpty());
    window.Tick();
    EXPECT_TRUE(Settings().contains("Email:Sender=bob@example.test"));

    RegisterBugReportProcedure();
    EXPECT_TRUE(Procedures().Has("BugReport"));
    Procedures().Unregister("BugReport");
    // The values the windows and the report criteria keep join the list at
    // their places.
    GlobalOrder = "SCH:KEYCATEGORY";
    ReportCriteriaChoice.orderSelect = "Category";
    window.ResetButton()->click();
    window.Tick();
    const QStringList lines = Settings();
    EXPECT_EQ(lines.first(), "BrowseThreadNo=0");
    for (const char* line : {"FrameHandle=0", "ParentHandle=0", "ThreadCount=0", "GlobalOrder=SCH:KEYCATEGORY",
                             "TempOrderSelect=Category", "TempDateFrom=0"})
        EXPECT_TRUE(lines.contains(line)) << line;
    EXPECT_LT(lines.indexOf("GlobalOrder=SCH:KEYCATEGORY"), lines.indexOf("HideToolbar=0"));
    EXPECT_LT(lines.indexOf("ThreadCount=0"), lines.indexOf("TempOrderSelect=Category"));
    GlobalOrder.clear();
    ReportCriteriaChoice = {};
}

TEST_F(BugReportWindowTest, ASentReportClosesTheWindow)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Email::Host = peer.Host();
    prompt.Answer(1);
    window.SendButton()->click();
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "The report was sent.  Thank you.");
    EXPECT_TRUE(peer.Json("message-1.json").value("text").toString().startsWith("The list froze."));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BugReportWindowTest, WhatFailsIsSaidAndTheTextStays)
{
    const struct {
        bool includeLog;
        const char* said; // the start of the message
    } cases[]{
        {true, "The log file VLMREVNT.LOG was not found in "},
        {false, "The report was not sent.||Error:|"},
    };
    ScriptVariables variables;
    ScriptVariablesOverride variablesInUse{variables};
    GlobalUseLog = true;
    for (const auto& c : cases) {
        window.LogBox()->setChecked(c.includeLog);
        prompt.Answer(1);
        window.SendButton()->click();
        ASSERT_FALSE(prompt.Questions().empty());
        const QString said = prompt.Questions().back().text;
        EXPECT_TRUE(said.startsWith(c.said)) << said.toStdString();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.SendButton()->isEnabled());
        EXPECT_EQ(window.ReportEntry()->toPlainText(), "The list froze.");
    }
    GlobalUseLog = false;
    EXPECT_EQ(variables.Find("Mail").value_or(ScriptVariable{}).STRINGVALUE, "Error");
    const QString error = variables.Find("MailError").value_or(ScriptVariable{}).STRINGVALUE;
    EXPECT_TRUE(prompt.Questions().back().text.contains("|Error:|" + error + "||Host:127.0.0.1:"));
    const QString log = test::ReadTextFile("VLMREVNT.LOG");
    EXPECT_TRUE(log.contains("Error:  " + error.left(20)) && log.contains("Could not send to Brantwell"));
}

TEST_F(BugReportWindowTest, SaveWritesTheReportToTheChosenFile)
{
    prompt.AnswerPath(test::TestPath("report.txt"));
    window.SaveButton()->click();
    const QString saved = test::ReadTextFile(test::TestPath("report.txt"));
    // The settings that follow depend on what the program has set so far.
    EXPECT_TRUE(saved.startsWith("The list froze.\r\n--------------Internal Information------------\r\n") &&
                saved.contains("\r\nBurstSize="))
        << saved.toStdString();
    prompt.Cancel();
    window.SaveButton()->click();
    EXPECT_EQ(prompt.Questions().size(), 2u);
}

} // namespace
} // namespace vl
