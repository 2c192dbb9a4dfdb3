#include "windows/pim/BrowseContactCategories2Pane.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ContactOrders.h"
#include "windows/pim/CategoryPanes.h"
#include "windows/pim/ContactColumns.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/pim/UpdateContactCategories.h"
#include "windows/pim/UpdateContacts.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/WindowPosition.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

const std::vector<ContactColumn>& CategoryColumns()
{
    static const std::vector<ContactColumn> columns = {
        {"CC:CONTACTCATEGORY", "Categories", "@s20", "Contact Category", 80}};
    return columns;
}

} // namespace

BrowseContactCategories2Pane::BrowseContactCategories2Pane(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Contact Categories"));
    setObjectName(QLatin1String(kBrowseContactCategoriesProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Dictionary& tables = Tables();
    categoriesOpened_ = OpenTable(tables.ContactCategories);
    contactsOpened_ = OpenTable(tables.Contact);

    categoryModel_ = std::make_unique<BrowseModel>(tables.ContactCategories);
    categoryModel_->SetColumns(BrowseColumnsOf(CategoryColumns()));
    AddKeyOrder(*categoryModel_, QStringLiteral("By Category"), CC_KEYCONTACTCATEGORIES);
    categories_ = CategoryPaneList(this, categoryModel_.get());
    categories_->setStatusTip(QStringLiteral("Browsing Functions"));

    contactModel_ = std::make_unique<BrowseModel>(tables.Contact);
    contactModel_->SetColumns(BrowseColumnsOf(CategoryContactColumns()));
    contactModel_->AddOrder(QStringLiteral("By Last Name"),
                            ContactTabOrder(tables.Contact.Definition(), kContactCategoryTab));
    contacts_ = new BrowseList(this);
    contacts_->SetBrowseModel(contactModel_.get());
    contacts_->setStatusTip(QStringLiteral("Browsing Tasks"));

    auto* categoryRow = new QHBoxLayout;
    categoryButtons_.insert = PaneButton("&New", this, *categoryRow);
    categoryButtons_.change = PaneButton("&Edit", this, *categoryRow);
    categoryButtons_.remove = PaneButton("&Delete", this, *categoryRow);
    categoryButtons_.change->setDefault(true);
    categoryRow->addStretch();
    new ViewCopyBrowse(categories_, categoryButtons_, [this](FormRequest request, bool) { OpenCategoryForm(request); });

    auto* contactRow = new QHBoxLayout;
    contactButtons_.insert = PaneButton("New", this, *contactRow);
    contactButtons_.copy = PaneButton("Cop&y", this, *contactRow);
    contactButtons_.change = PaneButton("Edit", this, *contactRow);
    contactButtons_.remove = PaneButton("Delete", this, *contactRow);
    contactRow->addStretch();
    auto* contactViewCopy = new ViewCopyBrowse(
        contacts_, contactButtons_, [this](FormRequest request, bool copy) { OpenContactForm(request, copy); });

    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(categories_);
    topLayout->addLayout(categoryRow);
    auto* group = new QGroupBox(QLatin1String(kCategoryContactsCaption));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(contacts_);
    groupLayout->addLayout(contactRow);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(top);
    panes->addWidget(group);
    panes->setStretchFactor(1, 2);
    panes->setChildrenCollapsible(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    auto* close = PaneButton("Cl&ose", this, *closeRow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);
    layout->addLayout(closeRow);

    categoryXplore_ = new ColumnTableXplore(CategoryColumns(), this);
    categoryXplore_->SetupForBrowse(categories_, categoryModel_.get(), this,
                                    {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?Browse:1"),
                                     SortMarkStyle::Underline});
    categoryXplore_->Activate();
    contactXplore_ = new ColumnTableXplore(CategoryContactColumns(), this);
    contactXplore_->SetupForBrowse(contacts_, contactModel_.get(), this,
                                   {QLatin1String(kBrowseContactCategoriesProcedure), QStringLiteral("?List"),
                                    SortMarkStyle::Underline});
    contactViewCopy->AddPopupItems(*contactXplore_->Popup());
    contactXplore_->Activate();

    FollowHighlightedCategory(this, categories_, categoryModel_.get(), [this] { ShowContactsOfCategory(); });
    new TableChangeWatch(tables.ContactCategories, *categories_, *this);
    new TableChangeWatch(tables.Contact, *contacts_, *this);
    resize(720, 520);
    panes->setSizes({180, 340});
    KeepWindowPosition(*this, QLatin1String(kBrowseContactCategoriesProcedure));
}

BrowseContactCategories2Pane::~BrowseContactCategories2Pane()
{
    // The enhancements and the lists go before the models they show.
    delete contactXplore_;
    delete categoryXplore_;
    delete contacts_;
    delete categories_;
    if (contactsOpened_)
        Tables().Contact.Close();
    if (categoriesOpened_)
        Tables().ContactCategories.Close();
}

QString BrowseContactCategories2Pane::Category() const
{
    return HighlightedCategory(categories_, *categoryModel_, &ContactCategoriesRecord::CONTACTCATEGORY);
}

void BrowseContactCategories2Pane::ShowContactsOfCategory()
{
    ContactCategoriesRecord category;
    if (categoryModel_->Record(categories_->CurrentRow(), category)) {
        contactModel_->SetFilter(kCategoryFilter, ContactCategoryFilter(category.CONTACTCATEGORY));
        return;
    }
    // No category highlighted: no contact either.
    contactModel_->SetFilter(kCategoryFilter,
                             {{QStringLiteral("C_:ClientID"), Compare::Less, int64_t{0}}});
}

void BrowseContactCategories2Pane::OpenCategoryForm(FormRequest request)
{
    OpenCategoryPaneForm<UpdateContactCategories>(this, categories_, *categoryModel_, Tables().ContactCategories,
                                                  request);
}

void BrowseContactCategories2Pane::OpenContactForm(FormRequest request, bool copy)
{
    ContactRecord contact;
    Table<ContactRecord>& table = Tables().Contact;
    if (request == FormRequest::Insert && !copy) {
        table.Prime(contact);
        contact.ContactCategory = Category();
    } else if (!contactModel_->Record(contacts_->CurrentRow(), contact) ||
               !table.Get(contact.RecordPointer, contact)) {
        contacts_->Refresh();
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
        categories_->Refresh();
        ShowStoredRecord(contacts_, *contactModel_, form->Record());
    });
    form->open();
}

} // namespace vl
