// The stored-message form and list offscreen on real tables: the layout of
// each type with its remembered defaults, the entry rules, required fields,
// "&Send Now" through a local server, the list's tabs, select mode, copy and
// queued send, and a message that script items send kept from deletion.
// Each window is rendered into the test's directory for a look.

#include "core/config/ConfigStore.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/cycle/SchedulerState.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "pim/MailSender.h"
#include "pim/MessageForm.h"
#include "pim/MessageQueue.h"
#include "pim/StoredMessageSend.h"
#include "windows/pim/BrowseContacts.h"
#include "windows/pim/BrowseMessages.h"
#include "windows/pim/SelectContactCategories.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/BrowseList.h"
#include "tests/peers/MailPeer.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace vl {
namespace {

class MessageWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Messages));
        ASSERT_TRUE(OpenTable(d.Contact));
        Email::Sender = "ann@example.test";
        Email::SenderName.clear();
        Email::Host = "127.0.0.1:" + QString::number(test::ClosedLocalPort());
        ScriptQueue.clear();
    }
    void TearDown() override
    {
        ScriptQueue.clear();
        TempScriptingActive = false;
        MailProgressText.clear();
        DictionaryEnd();
    }

    MessagesRecord Store(const char* to, const char* subject, const char* type = "Email")
    {
        MessagesRecord m;
        m.MAILTYPE = type;
        m.EmailTo = to;
        m.Subject = subject;
        EXPECT_TRUE(d.Messages.Add(m));
        return m;
    }
    void AddContact(int32_t id, const char* first, const char* last, const char* email)
    {
        ContactRecord c;
        c.ClientID = id;
        c.FirstName = first;
        c.LastName = last;
        c.Email = email;
        EXPECT_TRUE(d.Contact.Add(c));
    }
    static void ChooseType(UpdateMessages& form, const QString& type)
    {
        form.TypeChoice()->setCurrentText(type);
        emit form.TypeChoice()->activated(form.TypeChoice()->currentIndex());
    }
    static void Type(QLineEdit* entry, const QString& text)
    {
        entry->setText(text);
        emit entry->editingFinished();
    }

    SettableClock clock{80000, 100};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(MessageWindowsTest, EachTypeLaysTheFormOutAndFillsItsRememberedDefault)
{
    PutConfigValue(kLastNewsgroupKey, "alt.old");
    PutConfigValue(kLastMassMailingKey, "Club");
    PutConfigValue(kLastEmailKey, "last@example.test");
    const struct {
        const char* type;
        const char* prompt;
        bool to, contact, category, copies;
        const char* shownTo;
        const char* shownCategory;
    } cases[] = {
        {"Email", "*To:", true, true, false, true, "", ""}, // an e-mail is never sent to the last address unasked
        {"News", "*Newsgroup:", true, false, false, false, "alt.old", ""},
        {"Mass Mailing", "*To:", false, false, true, false, "", "Club"},
    };
    for (const auto& c : cases) {
        MessagesRecord m;
        d.Messages.Prime(m);
        UpdateMessages form(FormRequest::Insert, m);
        EXPECT_EQ(form.windowTitle(), "New E-mail Message");
        ChooseType(form, c.type);
        EXPECT_EQ(form.RecipientPrompt()->text(), c.prompt) << c.type;
        EXPECT_EQ(form.RecipientEntry()->isVisibleTo(&form), c.to) << c.type;
        EXPECT_EQ(form.ContactButton()->isVisibleTo(&form), c.contact) << c.type;
        EXPECT_EQ(form.CategoryEntry()->isVisibleTo(&form), c.category) << c.type;
        EXPECT_EQ(form.CcEntry()->isVisibleTo(&form), c.copies) << c.type;
        EXPECT_EQ(form.RecipientEntry()->text(), c.shownTo) << c.type;
        EXPECT_EQ(form.CategoryEntry()->text(), c.shownCategory) << c.type;
        EXPECT_TRUE(form.ContactButton()->isEnabled());
        EXPECT_EQ(form.ContactButton()->toolTip(), "Select Contact to email");
        EXPECT_EQ(form.CategoryEntry()->toolTip(), "Email to Contact Group");
        form.grab().save(QStringLiteral("messages-form-%1.png").arg(QString(c.type).replace(' ', '-')));
    }
    // A stored message opened for a change fills its blank newsgroup or category too.
    MessagesRecord news;
    news.MAILTYPE = "News";
    EXPECT_EQ(UpdateMessages(FormRequest::Change, news).RecipientEntry()->text(), "alt.old");
    MessagesRecord mass;
    mass.MAILTYPE = "Mass Mailing";
    EXPECT_EQ(UpdateMessages(FormRequest::Change, mass).CategoryEntry()->text(), "Club");
}

TEST_F(MessageWindowsTest, EntriesFillWhatTheyImplyAndOkStoresOnlyAWholeMessage)
{
    AddContact(7, "Bob", "Brown", "bob@example.test");
    AddContact(8, "Robert", "Brown", "bob@example.test");
    MessagesRecord m;
    d.Messages.Prime(m);
    UpdateMessages form(FormRequest::Insert, m);
    Type(form.RecipientEntry(), "bob@example.test");
    EXPECT_EQ(form.NameEntry()->text(), "Bob Brown"); // the first contact of that address
    Type(form.AttachmentEntry(), "/home/ann/report.pdf");
    EXPECT_EQ(form.SubjectEntry()->text(), "report.pdf");
    form.SubjectEntry()->clear();
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_EQ(form.result(), 0) << "the form stays open";
    EXPECT_EQ(prompt.Questions().back().text, "Enter the message's subject.");
    EXPECT_EQ(d.Messages.Records(), 0);

    form.SubjectEntry()->setText("Report");
    form.TextEntry()->setPlainText(QString(10001, 'x'));
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("The message holds 10001 characters"));
    form.TextEntry()->setPlainText("See attached.");
    form.OkButton()->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Record().CONTACTID, 7);
    EXPECT_EQ(form.Record().Message, "See attached.");
    EXPECT_EQ(d.Messages.Records(), 1);
    EXPECT_EQ(GetConfigValue(kLastEmailKey), "bob@example.test");

    UpdateMessages view(FormRequest::View, form.Record());
    EXPECT_EQ(view.windowTitle(), "View E-mail Message");
    for (QWidget* control : std::initializer_list<QWidget*>{view.TypeChoice(), view.RecipientEntry(), view.SubjectEntry(),
                                                            view.TextEntry(), view.FileButton()})
        EXPECT_FALSE(control->isEnabled());
    EXPECT_FALSE(view.OkButton()->isVisibleTo(&view));

    // A mass mailing: a category picked without a recipient makes it "N/A".
    ContactCategoriesRecord club;
    club.CONTACTCATEGORY = "Club";
    ASSERT_TRUE(OpenTable(d.ContactCategories));
    ASSERT_TRUE(d.ContactCategories.Add(club));
    MessagesRecord mass;
    mass.MAILTYPE = "Mass Mailing";
    UpdateMessages massForm(FormRequest::Insert, mass);
    massForm.CategoryButton()->click();
    auto* picker = massForm.findChild<SelectContactCategories*>();
    ASSERT_NE(picker, nullptr);
    picker->List()->SelectRow(0);
    picker->SelectButton()->click();
    EXPECT_EQ(massForm.CategoryEntry()->text(), "Club");
    EXPECT_EQ(massForm.RecipientEntry()->text(), "N/A");

    // The contacts list writes to its highlighted contact.
    BrowseContacts contacts;
    contacts.EmailItem()->trigger();
    auto* toContact = contacts.findChild<UpdateMessages*>();
    ASSERT_NE(toContact, nullptr);
    EXPECT_EQ(toContact->RecipientEntry()->text(), "bob@example.test");
    EXPECT_EQ(toContact->NameEntry()->text(), contacts.Model()->index(0, 1).data().toString().trimmed() + " Brown");
}

TEST_F(MessageWindowsTest, TheContactButtonPicksTheRecipientFromTheContactsList)
{
    AddContact(7, "Bob", "Brown", "bob@example.test");
    AddContact(8, "Ann", "Cole", "ann@example.test");
    MessagesRecord m;
    d.Messages.Prime(m);
    UpdateMessages form(FormRequest::Insert, m);
    for (const bool select : {false, true}) {
        form.ContactButton()->click();
        auto* contacts = form.findChild<BrowseContacts*>();
        ASSERT_TRUE(contacts);
        EXPECT_EQ(contacts->windowModality(), Qt::WindowModal);
        EXPECT_FALSE(contacts->EmailItem()->isVisible());
        ASSERT_TRUE(contacts->Buttons().select);
        contacts->List()->SelectRow(1); // by last name: Cole
        QPushButton* close = nullptr;
        for (QPushButton* button : contacts->findChildren<QPushButton*>())
            close = button->text() == "Cl&ose" ? button : close;
        ASSERT_TRUE(close);
        (select ? contacts->Buttons().select : close)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(form.findChild<BrowseContacts*>()) << "the list closes";
        EXPECT_EQ(form.RecipientEntry()->text(), select ? "ann@example.test" : "") << select;
    }
    EXPECT_EQ(form.NameEntry()->text().trimmed(), "Ann Cole");
    UpdateMessages view(FormRequest::View, m);
    EXPECT_FALSE(view.ContactButton()->isEnabled());
}

TEST_F(MessageWindowsTest, SendNowSendsTheMessageAsItStandsAndSaysHowItWent)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    MessagesRecord m;
    d.Messages.Prime(m);
    UpdateMessages form(FormRequest::Insert, m);
    form.RecipientEntry()->setText("bob@example.test");
    form.SubjectEntry()->setText("Unsaved");
    for (const bool reachable : {false, true}) {
        Email::Host = reachable ? peer.Host() : Email::Host;
        prompt.Answer(1);
        form.SendNowButton()->click();
        const test::PromptQuestion& box = prompt.Questions().back();
        EXPECT_EQ(box.caption, reachable ? "Mail" : "Mail Error");
        EXPECT_TRUE(box.text.startsWith(reachable ? "Mail sent:  bob@example.test"
                                                  : "Could not send:  bob@example.test||Failed to connect"))
            << box.text.toStdString();
        EXPECT_TRUE(form.OkButton()->isEnabled());
    }
    EXPECT_EQ(peer.Json("message-1.json").value("Subject").toString(), "Unsaved");
    EXPECT_EQ(d.Messages.Records(), 0) << "stored only with OK";
}

TEST_F(MessageWindowsTest, TheListOrdersByTabCopiesQueuesAndSelects)
{
    const MessagesRecord first = Store("zed@example.test", "Zebra");
    Store("amy@example.test", "Apple");
    BrowseMessages list(false);
    ASSERT_EQ(list.Model()->rowCount(), 2);
    const auto subjectAt = [&](int row) { return list.Model()->index(row, 3).data().toString().trimmed(); };
    EXPECT_EQ(subjectAt(0), "Zebra"); // by ID
    list.Tabs()->setCurrentIndex(2);
    EXPECT_EQ(subjectAt(0), "Apple"); // by subject
    list.grab().save("messages-list.png");

    // Without a script runner a queued message would never go.
    EXPECT_FALSE(list.SendButton()->isEnabled());
    EXPECT_EQ(list.SendButton()->toolTip(), kNoScriptRunnerTip);
    TickRoutines().runDueScriptItem = [] {};
    BrowseMessages running(false);
    TickRoutines().runDueScriptItem = nullptr;
    ScriptQueueEntry later;
    later.DATE = 80000;
    later.TIME = 500;
    ScriptQueue.append(later);
    running.SendButton()->click();
    ASSERT_EQ(ScriptQueue.size(), 2);
    EXPECT_EQ(ScriptQueue.first().RECORD.Action, "Send Email"); // due now, before the later step
    EXPECT_EQ(ScriptQueue.first().RECORD.EmailID, first.EmailID);
    EXPECT_TRUE(TempScriptingActive);
    EXPECT_EQ(MailProgressText, "Sending Email...");
    EXPECT_TRUE(TakeQueuedMessageSend(first.EmailID)) << "its send will say how it went";
    EXPECT_FALSE(TakeQueuedMessageSend(first.EmailID)) << "once";

    running.Buttons().copy->click();
    auto* copy = running.findChild<UpdateMessages*>();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->windowTitle(), "New E-mail Message");
    EXPECT_EQ(copy->SubjectEntry()->text(), "Zebra");
    copy->OkButton()->click();
    EXPECT_EQ(d.Messages.Records(), 3);

    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<BrowseMessages*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        EXPECT_FALSE(picker->SendButton()->isVisibleTo(picker));
        picker->grab().save("messages-select.png");
        picker->Buttons().select->click();
    });
    const std::optional<MessagesRecord> chosen = SelectMessage(nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->EmailID, first.EmailID);
    EXPECT_EQ(MessageItemDescription(*chosen), "Zebra - zed@example.test");
}

// "Send E-mail" queues the message; the tick's script runner sends it as a
// "Send Email" step does. The list then shows the date sent at once, keeps
// the highlight, and a notice says what was sent or why not.
TEST_F(MessageWindowsTest, AMessageSentFromTheListShowsItsDateAtOnceAndANoticeSaysHowItWent)
{
    test::MailPeer peer("smtp_peer.py");
    ASSERT_TRUE(peer.Started()) << peer.Errors().toStdString();
    Store("zed@example.test", "Zebra");
    Store("amy@example.test", "Apple");
    TickRoutines().runDueScriptItem = [] {
        MailSender sender;
        SendStoredMessage(ScriptQueue.takeFirst().RECORD.EmailID, sender);
    };
    BrowseMessages list(false);
    const auto dateSent = [&](int row) { return list.Model()->index(row, 4).data().toString().trimmed(); };
    for (const bool reachable : {false, true}) {
        Email::Host = reachable ? peer.Host() : Email::Host;
        list.List()->SelectRow(1);
        list.SendButton()->click();
        TickRoutines().runDueScriptItem();
        EXPECT_EQ(list.List()->CurrentRow(), 1);
        EXPECT_EQ(dateSent(1).isEmpty(), !reachable) << reachable;
        EXPECT_EQ(dateSent(0), "");
        ASSERT_FALSE(prompt.Questions().empty());
        const test::PromptQuestion& notice = prompt.Questions().back();
        EXPECT_EQ(notice.kind, test::PromptKind::Notice);
        EXPECT_EQ(notice.caption, reachable ? "Mail" : "Mail Error");
        EXPECT_TRUE(notice.text.startsWith(reachable ? "Mail sent:  amy@example.test"
                                                     : "Could not send:  amy@example.test||"))
            << notice.text.toStdString();
    }
    TickRoutines().runDueScriptItem = nullptr;
    const size_t notices = prompt.Questions().size();
    MailSender sender;
    SendStoredMessage(list.Model()->index(0, 0).data().toString().trimmed().toInt(), sender);
    EXPECT_FALSE(dateSent(0).isEmpty()) << "a script's send shows too";
    EXPECT_EQ(prompt.Questions().size(), notices) << "only the list's own sends end with a notice";
}

TEST_F(MessageWindowsTest, AMessageThatAScriptSendsIsNotDeleted)
{
    ASSERT_TRUE(OpenTable(d.Scripting));
    MessagesRecord used = Store("bob@example.test", "Used");
    MessagesRecord spare = Store("amy@example.test", "Spare");
    ScriptingRecord item;
    item.ID = 3;
    item.Action = "Send Email";
    item.EmailID = used.EmailID;
    ASSERT_TRUE(d.Scripting.Add(item));
    prompt.Answer(1);
    EXPECT_FALSE(StoreMessage(d.Messages, FormRequest::Delete, used));
    EXPECT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(StoreMessage(d.Messages, FormRequest::Delete, spare));
    EXPECT_EQ(d.Messages.Records(), 1);
}

} // namespace
} // namespace vl
