#include "windows/pim/BrowseContactCategories2Pane.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ContactOrders.h"
#include "windows/lists/CategoryPanes.h"
#include "windows/pim/ContactColumns.h"
#include "windows/pim/UpdateContactCategories.h"
#include "windows/pim/UpdateContacts.h"
#include "platform/runtime/FixedText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

const std::vector<ListColumn>& CategoryColumns()
{
    static const std::vector<ListColumn> columns = {
        {"CC:CONTACTCATEGORY", "Categories", "@s20", "Contact Category", 80}};
    return columns;
}

} // namespace

BrowseContactCategories2Pane::BrowseContactCategories2Pane(QWidget* parent)
    : QWidget(parent, Qt::Window), categories_(*this, Tables().ContactCategories), contacts_(*this, Tables().Contact)
{
    SetUpListWindow(*this, kBrowseContactCategoriesProcedure, QStringLiteral("Contact Categories"));
    SetUpCategoryPane(categories_, "CC:CONTACTCATEGORY", CC_KEYCONTACTCATEGORIES);
    CategoryList()->setStatusTip(QStringLiteral("Browsing Functions"));
    contacts_.Model().SetColumns(BrowseColumnsOf(CategoryContactColumns()));
    contacts_.Model().AddOrder(QStringLiteral("By Last Name"),
                               ContactTabOrder(Tables().Contact.Definition(), kContactCategoryTab));
    ContactList()->setStatusTip(QStringLiteral("Browsing Tasks"));

    auto* categoryRow = new QHBoxLayout;
    categories_.AddButtons(*categoryRow, {"&New", nullptr, nullptr, "&Edit", "&Delete"},
                           [this](FormRequest request, bool) { OpenCategoryForm(request); });
    categoryRow->addStretch();
    auto* contactRow = new QHBoxLayout;
    contacts_.UseButtons(MakeListButtons(this, {"New", nullptr, "Cop&y", "Edit", "Delete"}, *contactRow),
                         [this](FormRequest request, bool copy) { OpenContactForm(request, copy); });
    contactRow->addStretch();

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(CategoryList());
    topLayout->addLayout(categoryRow);
    auto* group = new QGroupBox(QLatin1String(kCategoryContactsCaption));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(ContactList());
    groupLayout->addLayout(contactRow);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(top);
    panes->addWidget(group);
    panes->setStretchFactor(1, 2);
    panes->setChildrenCollapsible(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    AddCloseButton(*this, *closeRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);
    layout->addLayout(closeRow);

    categories_.Enhance(std::make_unique<ColumnTableXplore>(CategoryColumns(), this),
                        {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?Browse:1"),
                         SortMarkStyle::Underline},
                        {}, false);
    contacts_.Enhance(std::make_unique<ColumnTableXplore>(CategoryContactColumns(), this),
                      {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?List"),
                       SortMarkStyle::Underline});

    FollowHighlightedCategory(this, CategoryList(), &categories_.Model(), [this] { ShowContactsOfCategory(); });
    categories_.WatchTable();
    contacts_.WatchTable();
    KeepListWindowPlace(*this, kBrowseContactCategoriesProcedure, {720, 520});
    panes->setSizes({180, 340});
}

QString BrowseContactCategories2Pane::Category() const
{
    return HighlightedCategory(CategoryList(), categories_.Model(), &ContactCategoriesRecord::CONTACTCATEGORY);
}

void BrowseContactCategories2Pane::ShowContactsOfCategory()
{
    ContactCategoriesRecord category;
    if (categories_.Model().Record(CategoryList()->CurrentRow(), category)) {
        ContactModel()->SetFilter(kCategoryFilter, ContactCategoryFilter(category.CONTACTCATEGORY));
        return;
    }
    // No category highlighted: no contact either.
    ContactModel()->SetFilter(kCategoryFilter,
                              {{QStringLiteral("C_:ClientID"), Compare::Less, int64_t{0}}});
}

void BrowseContactCategories2Pane::OpenCategoryForm(FormRequest request)
{
    OpenCategoryPaneForm<UpdateContactCategories>(this, CategoryList(), categories_.Model(),
                                                  Tables().ContactCategories, request);
}

void BrowseContactCategories2Pane::OpenContactForm(FormRequest request, bool copy)
{
    ContactRecord contact;
    Table<ContactRecord>& table = Tables().Contact;
    if (request == FormRequest::Insert && !copy) {
        table.Prime(contact);
        contact.ContactCategory = Category();
    } else if (!ContactModel()->Record(ContactList()->CurrentRow(), contact) ||
               !table.Get(contact.RecordPointer, contact)) {
        ContactList()->Refresh();
        return;
    }
    if (copy) {
        contact.ClientID = 0;
        contact.RecordPointer = 0;
    }
    auto* form = new UpdateContacts(request, contact, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] {
        // A new category typed on the form shows above too.
        CategoryList()->Refresh();
        ShowStoredRecord(ContactList(), *ContactModel(), form->Record());
    });
    form->open();
}

} // namespace vl
