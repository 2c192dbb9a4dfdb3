// The contact windows offscreen on real tables: the list's orders, its
// column sort over tab changes, the clipboard text, one list at a time; the
// contact form's modes, a typed category added through the category form,
// an overlong value kept; the contact categories' two panes; the status
// lines of the windows.

#include "core/dictionary/Dictionary.h"
#include "pim/ContactText.h"
#include "windows/pim/BrowseContactCategories2Pane.h"
#include "windows/pim/BrowseContacts.h"
#include "windows/pim/ContactProcedures.h"
#include "windows/pim/SelectContactCategories.h"
#include "windows/pim/UpdateContactCategories.h"
#include "windows/pim/UpdateContacts.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/StatusLineShown.h"
#include "xplore/windows/Xplore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

#include <gtest/gtest.h>

namespace vl {
namespace {

class ContactWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Contact));
        ASSERT_TRUE(OpenTable(d.ContactCategories));
    }
    void TearDown() override
    {
        // The lists the frame's procedures opened go before their tables.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DictionaryEnd();
    }

    void Contact(const char* last, const char* first, const char* work, const char* category)
    {
        ContactRecord contact;
        d.Contact.Prime(contact);
        contact.LastName = last;
        contact.FirstName = first;
        contact.WorkDayPhone = work;
        contact.ContactCategory = category;
        ASSERT_TRUE(d.Contact.Add(contact));
    }
    void Category(const char* name)
    {
        ContactCategoriesRecord category;
        category.CONTACTCATEGORY = name;
        ASSERT_TRUE(d.ContactCategories.Add(category));
    }
    void ThreeContacts()
    {
        Contact("Baker", "Zed", "3", "Family");
        Contact("Adams", "Yvonne", "1", "");
        Contact("Cole", "Xavier", "2", "Work");
    }
    // The last names a list shows, top to bottom.
    static QStringList LastNames(BrowseList* list, int column)
    {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names << list->model()->index(row, column).data().toString().trimmed();
        return names;
    }
    // The headers of the columns a list carries without showing them.
    static QStringList CarriedColumns(BrowseList* list)
    {
        QStringList carried;
        for (int column = 0; column < list->model()->columnCount(); ++column) {
            if (list->isColumnHidden(column))
                carried << list->model()->headerData(column, Qt::Horizontal).toString();
        }
        return carried;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ContactWindowsTest, TheListOrdersByTabKeepsAColumnSortAndCopiesTheContact)
{
    BrowseContacts empty;
    EXPECT_FALSE(empty.Buttons().copy->isEnabled());
    EXPECT_FALSE(empty.EmailItem()->isEnabled());
    EXPECT_TRUE(empty.Buttons().insert->isEnabled());
    EXPECT_TRUE(empty.CopyToClipboardButton()->isEnabled());

    ThreeContacts();
    BrowseContacts list;
    EXPECT_TRUE(list.Buttons().copy->isEnabled());
    EXPECT_EQ(CarriedColumns(list.List()), QStringList({"ClientID"}));
    const struct {
        int tab;
        const char* category;
        QStringList names;
    } cases[] = {
        {0, "", {"Adams", "Baker", "Cole"}},
        {1, "", {"Cole", "Adams", "Baker"}}, // by first name
        {2, "", {"Adams", "Cole", "Baker"}}, // by work phone
        {6, "", {"Adams"}},                  // no category chosen: the contacts without one
        {6, "FAMILY", {"Baker"}},
        {0, "FAMILY", {"Adams", "Baker", "Cole"}},
    };
    for (const auto& c : cases) {
        list.SetCategory(c.category);
        list.Tabs()->setCurrentIndex(c.tab);
        EXPECT_EQ(LastNames(list.List(), 0), c.names) << c.tab;
    }

    list.Enhancement()->HandleHeaderClick(1); // first name
    list.Tabs()->setCurrentIndex(2);
    EXPECT_EQ(LastNames(list.List(), 0), QStringList({"Cole", "Adams", "Baker"})) << "the column sort stays";
    list.Enhancement()->KeySequence(false);
    EXPECT_EQ(LastNames(list.List(), 0), QStringList({"Adams", "Cole", "Baker"})) << "then the tab's order";

    list.List()->SelectRow(2);
    list.CopyToClipboardButton()->click();
    ContactRecord baker;
    ASSERT_TRUE(list.Model()->Record(2, baker));
    EXPECT_EQ(baker.LastName, "Baker");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ContactClipboardText(baker));
}

TEST_F(ContactWindowsTest, TheFrameOpensEachListOnce)
{
    RegisterContactProcedures();
    for (const char* procedure : {kBrowseContactsProcedure, kBrowseContactCategoriesProcedure}) {
        ASSERT_TRUE(Procedures().Start(QLatin1String(procedure), nullptr));
        QPointer<QWidget> first = Threads().Window(Threads().ProcedureThread(QLatin1String(procedure)));
        ASSERT_TRUE(first);
        first->showMinimized();
        Procedures().Start(QLatin1String(procedure), nullptr);
        QCoreApplication::sendPostedEvents();
        EXPECT_FALSE(first->isMinimized()) << procedure;
        int open = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == QLatin1String(procedure) && window->isVisible();
        EXPECT_EQ(open, 1) << procedure;
        first->close();
    }
}

TEST_F(ContactWindowsTest, TheFormFollowsItsRequestAndAddsATypedCategory)
{
    ContactRecord stored;
    d.Contact.Prime(stored);
    stored.LastName = "Ng";
    const struct {
        FormRequest request;
        const char* caption;
        bool editable;
        bool okShown;
        const char* cancel;
    } cases[] = {
        {FormRequest::Insert, "New Contact", true, true, "Cancel"},
        {FormRequest::Change, "Edit Contact", true, true, "Cancel"},
        {FormRequest::View, "View Contact", false, false, "Cl&ose"},
        {FormRequest::Delete, "Delete Contact", false, true, "Cancel"},
    };
    for (const auto& c : cases) {
        UpdateContacts form(c.request, stored);
        EXPECT_EQ(form.windowTitle(), c.caption);
        EXPECT_EQ(form.Entry("C_:LastName")->text(), "Ng");
        EXPECT_EQ(form.Entry("C_:WebSite")->isEnabled(), c.editable) << c.caption;
        EXPECT_EQ(form.CategoryBox()->isEnabled(), c.editable) << c.caption;
        EXPECT_EQ(form.OkButton()->isVisibleTo(&form), c.okShown) << c.caption;
        EXPECT_EQ(form.CancelButton()->text(), c.cancel);
        UpdateContactCategories category(c.request, {});
        EXPECT_EQ(category.windowTitle(), QString(c.caption).replace("Contact", "Contact Category"));
    }

    UpdateContacts form(FormRequest::Insert, stored);
    const QString longName(31, 'x');
    form.Entry("C_:LastName")->setText(longName);
    prompt.Answer(1);
    form.OkButton()->click();
    EXPECT_TRUE(prompt.Questions().back().text.startsWith("Last Name holds at most 30 characters"));
    EXPECT_EQ(form.Entry("C_:LastName")->text(), longName) << "nothing cut";
    EXPECT_EQ(d.Contact.Records(), 0);

    form.Entry("C_:LastName")->setText("Ng");
    for (const bool confirm : {false, true}) {
        form.CategoryBox()->setEditText("Golf");
        form.OkButton()->click();
        auto* categoryForm = form.findChild<UpdateContactCategories*>();
        ASSERT_TRUE(categoryForm);
        EXPECT_EQ(categoryForm->windowTitle(), "New Contact Category");
        EXPECT_EQ(categoryForm->NameEntry()->text(), "Golf");
        (confirm ? categoryForm->OkButton() : categoryForm->CancelButton())->click();
        delete categoryForm;
        EXPECT_EQ(d.Contact.Records(), confirm ? 1 : 0);
        EXPECT_EQ(d.ContactCategories.Records(), confirm ? 1 : 0);
        EXPECT_EQ(form.result(), confirm ? QDialog::Accepted : 0);
    }
    EXPECT_EQ(form.Record().ContactCategory, "Golf");
}

TEST_F(ContactWindowsTest, TheLowerPaneShowsTheHighlightedCategorysContacts)
{
    ThreeContacts();
    Category("Club");
    Category("Family");
    Category("Work");
    BrowseContactCategories2Pane window;
    EXPECT_EQ(CarriedColumns(window.ContactList()), QStringList({"ClientID", "Contact Category"}));
    const struct {
        int row;
        QStringList names;
        bool copy;
    } cases[] = {{0, {}, false}, {1, {"Baker"}, true}, {2, {"Cole"}, true}};
    for (const auto& c : cases) {
        window.CategoryList()->SelectRow(c.row);
        EXPECT_EQ(LastNames(window.ContactList(), 1), c.names) << c.row;
        EXPECT_EQ(window.ContactButtons().copy->isEnabled(), c.copy) << c.row;
    }
    window.ContactButtons().insert->click();
    auto* form = window.findChild<UpdateContacts*>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->CategoryBox()->currentText(), "Work") << "a new contact starts in the highlighted category";
    form->Entry("C_:LastName")->setText("Diaz");
    form->OkButton()->click();
    EXPECT_EQ(LastNames(window.ContactList(), 1), QStringList({"Cole", "Diaz"}));
}

// A window of its own shows the status text of the control pointed at on a
// status line of its own: it has no frame's status bar.
TEST_F(ContactWindowsTest, EachWindowShowsTheStatusTextOfTheControlPointedAt)
{
    UpdateContacts contact(FormRequest::Insert, {});
    UpdateMessages message(FormRequest::Insert, {});
    UpdateContactCategories category(FormRequest::Insert, {});
    SelectContactCategories picker;
    BrowseContacts contacts;
    BrowseContactCategories2Pane categories;
    const std::pair<QWidget*, QString> cases[] = {
        {contact.Entry("C_:Fax"), "Fax Number"}, {message.CategoryEntry(), "Email to Group (Contact Category)"},
        {category.NameEntry(), "Contact Category"}, {picker.List(), "Browsing Records"},
        {contacts.List(), "Browsing Contact Records"}, {categories.CategoryList(), "Browsing Functions"}};
    for (const auto& [control, text] : cases) {
        control->window()->show();
        QEnterEvent enter({}, {}, {});
        QCoreApplication::sendEvent(control, &enter);
        const auto* line = control->window()->findChild<QStatusBar*>();
        EXPECT_EQ(line ? line->currentMessage() : QString(), text);
        EXPECT_TRUE(test::StatusLineShown(line)) << text.toStdString();
    }
}

} // namespace
} // namespace vl
