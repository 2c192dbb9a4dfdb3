// The Options window offscreen, on a real data directory: what it shows,
// what OK stores, what Cancel restores, and its buttons.

#include "core/dictionary/ProgramQueues.h"
#include "scheduler/options/DateFormatChoice.h"
#include "windows/frame/options/OptionsWindow.h"
#include "core/settings/CommandLine.h"
#include "core/base/Globals.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/Settings.h"
#include "tests/core/settings/SettingsStoreFixture.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/ModalRejecter.h"
#include "tests/support/ScriptedPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace vl {
namespace {

using test::ScriptedPrompt;

class OptionsWindowTest : public test::SettingsStoreFixture {
protected:
    void SetUp() override
    {
        test::SettingsStoreFixture::SetUp();
        LoadSettings();
    }

    void Open() { window = std::make_unique<OptionsWindow>(); }

    template <class W>
    W* Find(const QString& text)
    {
        for (W* widget : window->findChildren<W*>()) {
            if (widget->text() == text)
                return widget;
        }
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }
    template <class W>
    W* Named(const QString& name)
    {
        W* widget = window->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
        return widget;
    }
    QCheckBox* Box(const QString& text) { return Find<QCheckBox>(text); }
    void Press(const QString& text) { Find<QPushButton>(text)->click(); }

    void TearDown() override
    {
        window.reset(); // it closes its tables
        test::SettingsStoreFixture::TearDown();
    }

    std::unique_ptr<OptionsWindow> window;
};

TEST_F(OptionsWindowTest, ShowsEightTabsAndTheControlsOutsideThem)
{
    ScriptedPrompt prompt;
    Open();
    ASSERT_TRUE(window->Opened());
    EXPECT_EQ(window->windowTitle(), "Options");
    QStringList tabs;
    for (int i = 0; i < window->Tabs()->count(); ++i)
        tabs << window->Tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Start Up", "General", "Messages", "History", "Scripting", "Clipboard", "Email",
                                 "Housekeeping"}));
    for (const QString& outside : {QStringLiteral("Scheduler active ")})
        EXPECT_FALSE(window->Tabs()->isAncestorOf(Box(outside)));
    EXPECT_FALSE(window->Tabs()->isAncestorOf(Find<QPushButton>("&OK")));
    EXPECT_FALSE(window->Tabs()->isAncestorOf(Find<QPushButton>("Cancel")));
    // An empty store: the task list at start-up, the scheduler active.
    EXPECT_TRUE(Box("Show Schedule at start up ")->isChecked());
    EXPECT_TRUE(Box("Scheduler active ")->isChecked());
    EXPECT_EQ(Named<QSpinBox>("ScriptingDelay")->value(), 25);
    EXPECT_EQ(Named<QSpinBox>("BurstSize")->value(), 7);
    EXPECT_EQ(Named<QComboBox>("DateFormat")->currentText(), "OCT 31,1959");
}

TEST_F(OptionsWindowTest, EveryTabShowsWholeWithoutScrollArrowsEvenInANarrowPlace)
{
    ScriptedPrompt prompt;
    Open();
    window->show();
    window->resize(200, window->height()); // a saved place narrower than the tabs
    QApplication::processEvents();
    const QTabBar* bar = window->Tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab(bar->mapTo(window.get(), bar->tabRect(i).topLeft()), bar->tabRect(i).size());
        EXPECT_TRUE(window->rect().contains(tab)) << bar->tabText(i).toStdString();
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
            << bar->tabText(i).toStdString();
    }
    for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
        EXPECT_FALSE(arrow->isVisible()) << "no scroll arrows";
}

TEST_F(OptionsWindowTest, OkStoresEverySetting)
{
    ScriptedPrompt prompt;
    Open();
    for (const char* text : {"Log events to ASCII text file ", "Log exit codes", "Also remove uncompleted tasks ",
                             "Show Schedule at start up ", "Show To Do List at start up ",
                             "Show Clipboard Manager at start up ", "Show Contacts at start up ", "Scheduler active ",
                             "Minimize at start up ", "Minimize to system tray instead of exiting ",
                             "Show full schedule initially (\"All By Date\" tab) ",
                             "Do not place in tray when minimized ", "Save script information on completed tasks ",
                             "Translate \"values\" when starting a program ", "Restore for \"Run Program\" tasks ",
                             "Use external message program (\"start in new process\") ", "Monitor clipboard ",
                             "Use \"Stay on top\" attribute for message windows", "Only show active tasks initially ",
                             "Exclude hidden windows in comparisons and lists"})
        Box(text)->click();
    Named<QSpinBox>("SkipIfDaysPassed")->setValue(2);
    Named<QSpinBox>("HistoryExpires")->setValue(-1);
    Named<QSpinBox>("RepeatAlarmInterval")->setValue(3);
    Named<QSpinBox>("SnoozeInterval")->setValue(9);
    Named<QSpinBox>("MaxAlarmTime")->setValue(30);
    Named<QSpinBox>("MaxClipboardEntries")->setValue(100);
    Named<QSpinBox>("ScriptingDelay")->setValue(10);
    Named<QSpinBox>("BurstSize")->setValue(0);
    Named<QLineEdit>("Email:Sender")->setText("ann@example.test");
    Named<QLineEdit>("Email:SenderName")->setText("Ann");
    Named<QLineEdit>("Email:Host")->setText("mail.example.test");
    Named<QLineEdit>("News:Sender")->setText("news@example.test");
    Named<QLineEdit>("News:Host")->setText("news.example.test");
    // Settings without a control keep their loaded values.
    HideToolbar = 1;
    ReportIncludeFutureOccurances = 1;
    MultiUser = 1;
    UserID = "ann";
    UseWinMessage = 1;
    Email::Organization = "Example Ltd";
    News::SenderName = "Ann News";
    News::Organization = "Example News";
    Press("&OK");

    const std::map<QString, QString> expected{
        {"LogExitCodes", "1"}, {"SkipIfDaysPassed", "2"}, {"HistoryExpires", "-1"}, {"RemoveUncompleted", "1"},
        {"StartUpSchedule", "1"}, {"StartUpToDo", "1"}, {"StartUpClipboardSaver", "1"}, {"StartUpContacts", "1"},
        {"StartUpActive", "1"}, {"StartUpMinimized", "1"}, {"MinimizeOnCloseRequest", "1"}, {"FullSchedule", "1"},
        {"HideToolbar", "1"}, {"RIFO", "1"}, {"NoTray", "1"}, {"SaveScripts", "1"}, {"TranslateFilenames", "1"},
        {"MaximizeOnRun", "1"}, {"UseExternalMessage", "0"}, {"UsePivra", "0"}, {"MultiUser", "1"},
        {"UserID", "ann"}, {"LogEvents", "1"}, {"MonitorClipboard", "1"}, {"UseModalMessage", "1"},
        {"MaxClipboardEntries", "100"}, {"ActiveOnly", "1"}, {"ExclHidden", "1"}, {"Sender", "ann@example.test"},
        {"SenderName", "Ann"}, {"Host", "mail.example.test"}, {"Org", "Example Ltd"},
        {"NSender", "news@example.test"}, {"NSenderName", "Ann News"}, {"NHost", "news.example.test"},
        {"NOrg", "Example News"}, {"UseWinMessage", "1"}, {"RepeatAlarmInterval", "5"}, {"MaxAlarmTime", "30"},
        {"SnoozeInterval", "9"}, {"ScriptingDelay", "10"}, {"BurstSize", "0"}, {"DateFormat", "d3"}};
    EXPECT_EQ(AllStored(), expected);
    EXPECT_EQ(RepeatAlarmInterval, 5);
    // The delay and burst size come back through the load rules.
    EXPECT_EQ(GlobalDelay, 25);
    EXPECT_EQ(BurstSize, 7);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(prompt.Questions().empty());
    // The window closed the tables it opened.
    EXPECT_EQ(Tables().Configuration.OpenCount(), 1);
    EXPECT_FALSE(Tables().Schedule.IsOpen());
    EXPECT_FALSE(Tables().Todo.IsOpen());

    // And a restart finds them.
    LoadSettings();
    EXPECT_EQ(MaxClipboardEntries, 100);
    EXPECT_EQ(StartUpActive, 0);
    EXPECT_EQ(StartUpSchedule, 0);
}

TEST_F(OptionsWindowTest, AlarmIntervalRuleOnOk)
{
    ScriptedPrompt prompt;
    for (const auto& [entered, saved] : {std::pair{-2, "5"}, {0, "0"}, {4, "5"}, {6, "6"}}) {
        Open();
        Named<QSpinBox>("RepeatAlarmInterval")->setValue(entered);
        Press("&OK");
        EXPECT_EQ(Stored("RepeatAlarmInterval"), saved) << entered;
    }
}

TEST_F(OptionsWindowTest, ABurstSizeAboveAByteIsRefused)
{
    ScriptedPrompt prompt;
    Open();
    QSpinBox* burst = Named<QSpinBox>("BurstSize");
    burst->selectAll();
    for (const char digit : {'3', '0', '0'}) {
        const int key = Qt::Key_0 + (digit - '0');
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QLatin1Char(digit)));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QLatin1Char(digit)));
        QCoreApplication::sendEvent(burst, &press);
        QCoreApplication::sendEvent(burst, &release);
    }
    EXPECT_EQ(burst->value(), 30);
    Press("&OK");
    EXPECT_EQ(Stored("BurstSize"), "30");
    EXPECT_EQ(BurstSize, 30);
}

TEST_F(OptionsWindowTest, ControlsChangeTheGlobalsAtOnceAndCancelRestoresThem)
{
    Store("MaxAlarmTime", "12");
    LoadSettings();
    ScriptedPrompt prompt;
    Open();
    Box("Scheduler active ")->click();
    Named<QSpinBox>("MaxAlarmTime")->setValue(40);
    Named<QLineEdit>("Email:Host")->setText("changed.example.test");
    Box("Log events to ASCII text file ")->click();
    EXPECT_EQ(StartUpActive, 0);
    EXPECT_EQ(MaxAlarmTime, 40);
    EXPECT_EQ(Email::Host, "changed.example.test");
    EXPECT_TRUE(GlobalUseLog);

    Press("Cancel");
    EXPECT_EQ(StartUpActive, 1);
    EXPECT_EQ(MaxAlarmTime, 12);
    EXPECT_TRUE(Email::Host.isEmpty());
    EXPECT_FALSE(GlobalUseLog);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(Stored("MaxAlarmTime"), "12");
    EXPECT_FALSE(Stored("Host"));
}

TEST_F(OptionsWindowTest, LogExitCodesOnlyWhileEventsAreLogged)
{
    ScriptedPrompt prompt;
    Open();
    QCheckBox* exitCodes = Box("Log exit codes");
    EXPECT_FALSE(exitCodes->isEnabled());
    Box("Log events to ASCII text file ")->click();
    EXPECT_TRUE(exitCodes->isEnabled());
    Box("Log events to ASCII text file ")->click();
    EXPECT_FALSE(exitCodes->isEnabled());

    Store("LogEvents", "1");
    LoadSettings();
    Open();
    EXPECT_TRUE(Box("Log exit codes")->isEnabled());
}

TEST(DateFormatChoice, MapsDisplayTextsAndCodesBothWays)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"October 31, 1959", "d4"}, {"OCT 31,1959", "d3"},       {"10/31/59", "d1"},   {"10/31/1959", "d2"},
        {"31 OCT 59", "d7"},        {"31 OCT 1959", "d8"},       {"31/10/59", "d5"},   {"31/10/1959", "d6"},
        {"59/10", "d15"},           {"1959/10", "d16"},          {"10/59", "d13"},     {"10/1959", "d14"},
        {"Windows Default", "d17"}, {"Windows Default 2", "d18"}, {"Year Only", "n4b"}};
    for (const auto& [text, code] : pairs) {
        EXPECT_EQ(DateFormatCode(text), code) << text;
        EXPECT_EQ(DateFormatDisplayText(code), text) << code;
    }
    EXPECT_EQ(OfferedDateFormats(),
              (QStringList{"Windows Default", "October 31, 1959", "OCT 31,1959", "10/31/59", "10/31/1959",
                           "31 OCT 59", "31 OCT 1959", "31/10/59", "31/10/1959", "Windows Default 2"}));
    EXPECT_EQ(DateFormatDisplayText("d11  "), "d11");
    EXPECT_TRUE(DateFormatCode("d11").isEmpty());
}

TEST_F(OptionsWindowTest, DateFormatIsShownAndStoredByItsDisplayText)
{
    Store("DateFormat", "d13");
    LoadSettings();
    ScriptedPrompt prompt;
    Open();
    prompt.Answer(1);
    QComboBox* format = Named<QComboBox>("DateFormat");
    EXPECT_EQ(format->currentText(), "10/59");
    format->setCurrentText("Windows Default 2");
    Press("&OK");
    EXPECT_EQ(GlobalDateFormat, "d18");
    EXPECT_EQ(Stored("DateFormat"), "d18");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Information");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Date format changes will not affect currently open windows."));

    // A code without a display text is shown as it is and kept.
    Store("DateFormat", "d11");
    LoadSettings();
    Open();
    EXPECT_EQ(Named<QComboBox>("DateFormat")->currentText(), "d11");
    Press("&OK");
    EXPECT_EQ(GlobalDateFormat, "d11");
    EXPECT_EQ(prompt.Questions().size(), 1u);
}

TEST_F(OptionsWindowTest, InactiveModeRefusesTheWindowUnlessConfigIsGiven)
{
    CommandLineOverride commandLine({"VLMR", "/I"});
    ScriptedPrompt prompt;
    prompt.Answer(1);
    Options();
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Warning");
    EXPECT_EQ(prompt.Questions()[0].text, "Configuration cannot be changed in \"inactivated\" mode.");

    CommandLineOverride withConfig({"VLMR", "/I", "/CONFIG"});
    const test::ModalRejecter closer;
    Options();
    EXPECT_EQ(closer.Shown(), "Options");
    EXPECT_EQ(prompt.Questions().size(), 1u);
}

TEST_F(OptionsWindowTest, AnInactiveStartKeepsTheStoredSchedulerFlagUnlessChanged)
{
    Store("StartUpActive", "0"); // active
    CommandLineOverride commandLine({"VLMR", "/I", "/CONFIG"});
    LoadSettings();
    ScriptedPrompt prompt;
    Open();
    EXPECT_FALSE(Box("Scheduler active ")->isChecked());
    Press("&OK");
    EXPECT_EQ(Stored("StartUpActive"), "0");
    EXPECT_EQ(StartUpActive, 0); // this run stays inactive

    Store("StartUpActive", "1"); // inactive
    LoadSettings();
    Open();
    Box("Scheduler active ")->click();
    Press("&OK");
    EXPECT_EQ(Stored("StartUpActive"), "0");
}

TEST_F(OptionsWindowTest, InfoButtonsExplainTheirOptions)
{
    ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1);
    Open();
    Named<QPushButton>("SkipInfo")->click();
    Named<QPushButton>("TranslateInfo")->click();
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Note");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Tasks will be skipped if the system date"));
    EXPECT_EQ(prompt.Questions()[1].caption, "Info");
    EXPECT_TRUE(prompt.Questions()[1].text.contains("action.||An example would be"));
}

// ---- test e-mail ----

TEST_F(OptionsWindowTest, TestMailNeedsAReplyToAddressAndAHost)
{
    ScriptedPrompt prompt;
    Open();
    Named<QLineEdit>("Email:Sender")->setText("ann@example.test");
    prompt.Answer(1);
    Press("&Test Settings");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Error");
    EXPECT_EQ(prompt.Questions()[0].text, "You must enter your reply to address and mail host.");
}

TEST_F(OptionsWindowTest, TestMailIsSentToTheUserOnly)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    ScriptedPrompt prompt;
    Open();
    Named<QLineEdit>("Email:Sender")->setText("ann@example.test");
    Named<QLineEdit>("Email:SenderName")->setText("Ann Example");
    Named<QLineEdit>("Email:Host")->setText(peer.Host());
    prompt.Answer(1);
    Press("&Test Settings");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Success");
    EXPECT_EQ(prompt.Questions()[0].text, "Test message sent without errors.");
    const QJsonObject message = peer.Json("message-1.json");
    EXPECT_EQ(message.value("rcpt_tos").toVariant().toStringList(), QStringList{"ann@example.test"});
    EXPECT_EQ(message.value("Subject").toString(), "Test Email");
    EXPECT_EQ(message.value("X-Mailer").toString(), "Velmora 2000");
    const QJsonObject from = message.value("From").toArray().at(0).toObject();
    EXPECT_EQ(from.value("name").toString(), "Ann Example");
    EXPECT_EQ(from.value("address").toString(), "ann@example.test");
    EXPECT_FALSE(message.contains("Bcc"));
    EXPECT_TRUE(message.value("text").toString().contains("This is a test email from Ann Example using Velmora."));
}

TEST_F(OptionsWindowTest, AFailedTestMailSaysWhy)
{
    ScriptedPrompt prompt;
    Open();
    Named<QLineEdit>("Email:Sender")->setText("ann@example.test");
    Named<QLineEdit>("Email:Host")->setText("127.0.0.1:" + QString::number(test::ClosedLocalPort()));
    prompt.Answer(1);
    Press("&Test Settings");
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Warning");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("Test message not sent.||Error:  "));
    EXPECT_GT(prompt.Questions()[0].text.size(), QString("Test message not sent.||Error:  ").size());
    EXPECT_TRUE(window->isEnabled());
}

} // namespace
} // namespace vl
