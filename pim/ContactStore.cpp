#include "pim/ContactStore.h"

#include "core/dictionary/Dictionary.h"
#include "pim/CategoryNameStore.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

struct ContactField {
    QString ContactRecord::*member;
    const char* field;
    const char* caption;
};

const ContactField kContactFields[] = {
    {&ContactRecord::LastName, "C_:LastName", "Last Name"},
    {&ContactRecord::FirstName, "C_:FirstName", "First Name"},
    {&ContactRecord::ContactCategory, "C_:ContactCategory", "Contact Category"},
    {&ContactRecord::AddressLine1, "C_:AddressLine1", "Address Line 1"},
    {&ContactRecord::AddressLine2, "C_:AddressLine2", "Address Line 2"},
    {&ContactRecord::AddressLine3, "C_:AddressLine3", "Address Line 3"},
    {&ContactRecord::PostalCode, "C_:PostalCode", "Postal Code"},
    {&ContactRecord::WorkDayPhone, "C_:WorkDayPhone", "Work/Day Phone"},
    {&ContactRecord::HomeEveningPhone, "C_:HomeEveningPhone", "Home/Evening Phone"},
    {&ContactRecord::Fax, "C_:Fax", "Fax"},
    {&ContactRecord::OtherPhone, "C_:OtherPhone", "Other Phone"},
    {&ContactRecord::Email, "C_:Email", "Email"},
    {&ContactRecord::WebSite, "C_:WebSite", "Web Site"},
    {&ContactRecord::Notes, "C_:Notes", "Notes"},
};

QString OverlongText(const QString& caption, int width, qsizetype length)
{
    return QStringLiteral("%1 holds at most %2 characters; the text entered has %3. Shorten it and press OK again.")
        .arg(caption)
        .arg(width)
        .arg(length);
}

bool Refuse(const QString& text, const char* caption, PromptIcon icon = PromptIcon::Exclamation)
{
    Prompt::Message(text, QLatin1String(caption), icon);
    return false;
}

bool FileFailure(const DataError& error, const char* caption)
{
    return Refuse(error.Describe(), caption, PromptIcon::Stop);
}

const CategoryNameTexts kContactCategoryTexts{kContactCategoryCaption, "contact category"};

bool AddContact(Table<ContactRecord>& contacts, ContactRecord& contact)
{
    contact.ClientID = 0;
    contact.RecordPointer = 0;
    return contacts.Add(contact) || FileFailure(contacts.LastError(), kContactCaption);
}

} // namespace

QString OverlongContactField(const ContactRecord& contact)
{
    const TableDef& def = Tables().Contact.Definition();
    for (const ContactField& field : kContactFields) {
        const int width = def.Fields().at(def.FieldIndex(QLatin1String(field.field))).size;
        const qsizetype length = Clip(contact.*field.member).size();
        if (length > width)
            return OverlongText(QLatin1String(field.caption), width, length);
    }
    return QString();
}

bool StoreContact(FormRequest request, ContactRecord& contact)
{
    Table<ContactRecord>& contacts = Tables().Contact;
    if (request == FormRequest::Delete) {
        // One already gone (deleted by another window) is as wanted.
        return contacts.Delete(contact) || contacts.LastError().code == kRecordNotAvailable ||
               FileFailure(contacts.LastError(), kContactCaption);
    }
    const QString overlong = OverlongContactField(contact);
    if (!overlong.isEmpty())
        return Refuse(overlong, kContactCaption);
    if (request == FormRequest::Insert)
        return AddContact(contacts, contact);
    if (contacts.Put(contact))
        return true;
    if (contacts.LastError().code != kRecordNotAvailable)
        return FileFailure(contacts.LastError(), kContactCaption);
    if (Prompt::Message(QLatin1String(kContactGoneText), QLatin1String(kContactCaption), PromptIcon::Question,
                        QStringLiteral("&Yes|&No")) != 1)
        return false;
    return AddContact(contacts, contact);
}

QString ContactCategoryTakenText(const QString& name)
{
    return CategoryTakenText(kContactCategoryTexts, name);
}

bool ContactCategoryExists(const QString& name)
{
    ContactCategoriesRecord category;
    category.CONTACTCATEGORY = Clip(name);
    return Tables().ContactCategories.Get(CC_KEYCONTACTCATEGORIES, category);
}

bool StoreContactCategory(FormRequest request, ContactCategoriesRecord& category,
                          const ContactCategoriesRecord& before)
{
    return StoreCategoryName(Tables().ContactCategories, &ContactCategoriesRecord::CONTACTCATEGORY,
                             kContactCategoryTexts, request, category, before);
}

} // namespace vl
