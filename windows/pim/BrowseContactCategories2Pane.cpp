#include "windows/pim/BrowseContactCategories2Pane.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ContactOrders.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/ContactColumns.h"
#include "windows/pim/UpdateContactCategories.h"
#include "windows/pim/UpdateContacts.h"

#include <QHBoxLayout>
#include <QSplitter>

namespace vl {

namespace {

const std::vector<ListColumn>& CategoryColumns()
{
    static const std::vector<ListColumn> columns = {
        {"CC:CONTACTCATEGORY", "Categories", "@s20", "Contact Category", 80}};
    return columns;
}

} // namespace

BrowseContactCategories2Pane::BrowseContactCategories2Pane(QWidget* parent)
    : CategoryWindow(parent, kBrowseContactCategoriesProcedure, QStringLiteral("Contact Categories"),
                     Tables().ContactCategories, "CC:CONTACTCATEGORY", CC_KEYCONTACTCATEGORIES, Tables().Contact)
{
    ContactModel()->SetColumns(BrowseColumnsOf(CategoryContactColumns()));
    ContactModel()->AddOrder(QStringLiteral("By Last Name"),
                             ContactTabOrder(Tables().Contact.Definition(), kContactCategoryTab));

    auto* categoryRow = new QHBoxLayout;
    categories_.AddButtons(*categoryRow, {"&New", nullptr, nullptr, "&Edit", "&Delete"},
                           RecordForms<UpdateContactCategories>(categories_, Tables().ContactCategories));
    categoryRow->addStretch();
    auto* contactRow = new QHBoxLayout;
    items_.UseButtons(MakeListButtons(this, {"New", nullptr, "Cop&y", "Edit", "Delete"}, *contactRow),
                      [this](FormRequest request, bool copy) { OpenContactForm(request, copy); });
    contactRow->addStretch();
    QSplitter* panes = StackPanes(categoryRow, kCategoryContactsCaption, contactRow);

    categories_.Enhance(std::make_unique<ColumnTableXplore>(CategoryColumns(), this),
                        {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?Browse:1"),
                         SortMarkStyle::Underline},
                        {}, false);
    items_.Enhance(std::make_unique<ColumnTableXplore>(CategoryContactColumns(), this),
                   {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?List"),
                    SortMarkStyle::Underline});
    // No category highlighted: no contact either.
    FollowHighlightedCategory("C_:ContactCategory", {{QStringLiteral("C_:ClientID"), Compare::Less, int64_t{0}}});
    categories_.WatchTable();
    items_.WatchTable();
    KeepListWindowPlace(*this, kBrowseContactCategoriesProcedure, {720, 520});
    panes->setSizes({180, 340});
}

void BrowseContactCategories2Pane::OpenContactForm(FormRequest request, bool copy)
{
    ContactRecord contact;
    if (!RecordForForm(items_, Tables().Contact, request, copy, contact))
        return;
    if (request == FormRequest::Insert && !copy)
        contact.ContactCategory = Category();
    if (copy)
        contact.ClientID = 0;
    auto* form = new UpdateContacts(request, contact, this);
    // A new category typed on the form shows above too (before the contact
    // is highlighted: the categories read again set the contacts' filter).
    connect(form, &QDialog::accepted, this, [this] { CategoryList()->Refresh(); });
    OpenPaneForm(items_, form);
}

} // namespace vl
