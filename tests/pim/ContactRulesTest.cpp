// The contacts' rules on real tables: the clipboard text, the tab orders,
// and what storing a contact or a contact category refuses.

#include "core/dictionary/Dictionary.h"
#include "pim/ContactOrders.h"
#include "pim/ContactStore.h"
#include "pim/ContactText.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

class ContactRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenTable(d.Contact));
        ASSERT_TRUE(OpenTable(d.ContactCategories));
    }
    void TearDown() override { DictionaryEnd(); }

    ContactRecord Stored(const char* last, const char* category = "")
    {
        ContactRecord contact;
        d.Contact.Prime(contact);
        contact.LastName = last;
        contact.ContactCategory = category;
        EXPECT_TRUE(d.Contact.Add(contact));
        return contact;
    }
    ContactCategoriesRecord Category(const char* name)
    {
        ContactCategoriesRecord category;
        category.CONTACTCATEGORY = name;
        EXPECT_TRUE(d.ContactCategories.Add(category));
        return category;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
};

TEST_F(ContactRulesTest, ClipboardTextKeepsThirteenLinesWithoutTrailingBlanks)
{
    ContactRecord lastOnly;
    lastOnly.LastName = "Okafor   ";
    EXPECT_EQ(ContactClipboardText(lastOnly), "Okafor\r\n\r\n\r\n\r\n\r\n\r\nWork Phone:\r\nHome Phone:\r\nFax:\r\n"
                                              "Other Phone:\r\nEmail:\r\nWeb Site:\r\nCategory:\r\n");
    ContactRecord full;
    full.LastName = "Ng";
    full.FirstName = "Ada ";
    full.AddressLine1 = "1 Quay";
    full.AddressLine3 = "Leith";
    full.PostalCode = "EH6";
    full.WorkDayPhone = "555 1 ";
    full.HomeEveningPhone = "555 2";
    full.Fax = "555 3";
    full.OtherPhone = "555 4";
    full.Email = "ada@ng.example";
    full.WebSite = "ng.example";
    full.ContactCategory = "Family";
    EXPECT_EQ(ContactClipboardText(full).split("\r\n"),
              QStringList({"Ng", "Ada", "1 Quay", "", "Leith", "EH6", "Work Phone: 555 1", "Home Phone: 555 2",
                           "Fax: 555 3", "Other Phone: 555 4", "Email: ada@ng.example", "Web Site: ng.example",
                           "Category: Family", ""}));
}

TEST_F(ContactRulesTest, EachTabOrdersByItsKeyAndTheCategoryTabByLastName)
{
    const struct {
        int tab;
        const char* first;
    } cases[] = {{0, "C_:LastName"}, {1, "C_:FirstName"}, {2, "C_:WorkDayPhone"}, {3, "C_:HomeEveningPhone"},
                 {4, "C_:Fax"},      {5, "C_:Email"},     {6, "C_:LastName"}};
    ASSERT_EQ(ContactTabTexts().size(), std::size(cases));
    for (const auto& c : cases) {
        const ViewOrder order = ContactTabOrder(d.Contact.Definition(), c.tab);
        ASSERT_FALSE(order.parts.empty()) << c.tab;
        EXPECT_EQ(order.parts.front().field, c.first) << c.tab;
    }
    EXPECT_EQ(ContactTabTexts().back(), "Category");
    EXPECT_TRUE(ContactTabOrder(d.Contact.Definition(), 7).IsFileSequence());
    EXPECT_TRUE(ContactCategoryFilter("Family ").front().noCase);
}

TEST_F(ContactRulesTest, AContactIsNeverCutAndAChangeOfADeletedOneCanBeSavedAnew)
{
    ContactRecord contact = Stored("Ng");
    contact.WebSite = QString(61, 'w');
    prompt.Answer(1);
    EXPECT_FALSE(StoreContact(FormRequest::Change, contact));
    EXPECT_EQ(prompt.Questions().at(0).text,
              "Web Site holds at most 60 characters; the text entered has 61. Shorten it and press OK again.");
    contact.WebSite.clear();
    contact.Notes = QString(1025, 'n');
    EXPECT_TRUE(OverlongContactField(contact).startsWith("Notes holds at most 1024"));
    contact.Notes = QString(1024, 'n');
    EXPECT_EQ(OverlongContactField(contact), "");

    ContactRecord copy = contact;
    ASSERT_TRUE(StoreContact(FormRequest::Insert, copy));
    EXPECT_NE(copy.ClientID, contact.ClientID);
    EXPECT_EQ(d.Contact.Records(), 2);

    ASSERT_TRUE(d.Contact.Delete(contact));
    contact.FirstName = "Ada";
    prompt.AnswerButton("No");
    EXPECT_FALSE(StoreContact(FormRequest::Change, contact));
    prompt.AnswerButton("Yes");
    EXPECT_TRUE(StoreContact(FormRequest::Change, contact));
    EXPECT_EQ(prompt.Questions().back().text, kContactGoneText);
    EXPECT_EQ(d.Contact.Records(), 2);
    EXPECT_TRUE(StoreContact(FormRequest::Delete, contact));
    EXPECT_TRUE(StoreContact(FormRequest::Delete, contact)); // already gone: as wanted
    EXPECT_EQ(d.Contact.Records(), 1);
}

TEST_F(ContactRulesTest, ACategoryInUseStaysAndBadNamesAreRefused)
{
    const ContactCategoriesRecord family = Category("Family");
    const ContactCategoriesRecord spare = Category("Spare");
    Stored("Ng", "family");
    const struct {
        FormRequest request;
        const ContactCategoriesRecord* before;
        QString name;
        bool stored;
        const char* caption; // of the refusal
    } cases[] = {
        {FormRequest::Insert, nullptr, "  ", false, kContactCategoryCaption},
        {FormRequest::Insert, nullptr, QString(21, 'c'), false, kContactCategoryCaption},
        {FormRequest::Insert, nullptr, "FAMILY", false, kContactCategoryCaption},
        {FormRequest::Change, &family, "Kin", false, "Referential Integrity Update Error"},
        {FormRequest::Delete, &family, "", false, "Referential Integrity Delete Error"},
        {FormRequest::Change, &spare, "Friends", true, nullptr},
        {FormRequest::Insert, nullptr, "Work", true, nullptr},
    };
    for (const auto& c : cases) {
        ContactCategoriesRecord category = c.before ? *c.before : ContactCategoriesRecord{};
        category.CONTACTCATEGORY = c.request == FormRequest::Delete ? category.CONTACTCATEGORY : c.name;
        const size_t asked = prompt.Questions().size();
        if (!c.stored)
            prompt.Answer(1);
        EXPECT_EQ(StoreContactCategory(c.request, category, c.before ? *c.before : category), c.stored) << c.name.toStdString();
        EXPECT_EQ(prompt.Questions().size(), asked + (c.stored ? 0 : 1)) << c.name.toStdString();
        if (!c.stored) {
            EXPECT_EQ(prompt.Questions().back().caption, c.caption) << c.name.toStdString();
        }
    }
    EXPECT_EQ(prompt.Questions().at(2).text, ContactCategoryTakenText("FAMILY"));
    EXPECT_TRUE(ContactCategoryExists("FRIENDS"));
    EXPECT_TRUE(ContactCategoryExists("family"));
    EXPECT_FALSE(ContactCategoryExists("Spare"));
    EXPECT_EQ(d.ContactCategories.Records(), 3);
}

} // namespace
} // namespace vl
