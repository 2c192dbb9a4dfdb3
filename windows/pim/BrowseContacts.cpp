#include "windows/pim/BrowseContacts.h"

#include "core/dictionary/Dictionary.h"
#include "core/tabs/TabColours.h"
#include "pim/ContactOrders.h"
#include "pim/ContactText.h"
#include "windows/pim/ContactColumns.h"
#include "windows/pim/SelectContactCategories.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/pim/UpdateContacts.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/WindowPosition.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

QPushButton* Button(const char* text, QWidget* parent, QBoxLayout& row)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

QString CategoryCaption(const QString& category)
{
    return QStringLiteral("Category: ") + (category.isEmpty() ? QStringLiteral("(none)") : category);
}

} // namespace

BrowseContacts::BrowseContacts(QWidget* parent, bool selectMode) : QWidget(parent, Qt::Window)
{
    if (selectMode)
        setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("Contacts"));
    setObjectName(QLatin1String(kBrowseContactsProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Dictionary& tables = Tables();
    opened_ = OpenTable(tables.Contact);
    categoriesOpened_ = OpenTable(tables.ContactCategories);

    model_ = std::make_unique<BrowseModel>(tables.Contact);
    model_->SetColumns(BrowseColumnsOf(ContactListColumns()));
    tabs_ = new QTabBar(this);
    tabs_->setStyleSheet(TabStyleSheet(TabColours{}));
    tabs_->setExpanding(false);
    for (int tab = 0; tab < static_cast<int>(ContactTabTexts().size()); ++tab) {
        tabs_->addTab(ContactTabTexts()[tab]);
        tabOrders_.push_back(model_->AddOrder(ContactTabTexts()[tab], ContactTabOrder(tables.Contact.Definition(), tab)));
    }
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->setStatusTip(QStringLiteral("Browsing Contact Records"));

    auto* row = new QHBoxLayout;
    copyText_ = Button("&Copy to Clipboard", this, *row);
    row->addSpacing(12);
    BrowseButtons buttons;
    buttons.insert = Button("&New", this, *row);
    if (selectMode) {
        buttons.select = Button("&Select", this, *row);
        connect(buttons.select, &QPushButton::clicked, this, &BrowseContacts::Select);
    }
    buttons.copy = Button("Cop&y", this, *row);
    buttons.copy->setToolTip(QStringLiteral("Copy record"));
    buttons.change = Button("&Edit", this, *row);
    buttons.remove = Button("&Delete", this, *row);
    (selectMode ? buttons.select : buttons.change)->setDefault(true);
    viewCopy_ = new ViewCopyBrowse(list_, buttons, [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    viewCopy_->SetSelectMode(selectMode);
    row->addStretch();
    categoryText_ = new QLabel(CategoryCaption(category_), this);
    row->addWidget(categoryText_);
    selectCategory_ = Button("Select Cate&gory", this, *row);
    connect(selectCategory_, &QPushButton::clicked, this, &BrowseContacts::SelectCategory);
    row->addSpacing(12);
    auto* close = Button("Cl&ose", this, *row);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(copyText_, &QPushButton::clicked, this, &BrowseContacts::CopyToClipboard);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    layout->addLayout(row);
    setTabOrder(tabs_, list_);
    setTabOrder(list_, copyText_);

    xplore_ = new ColumnTableXplore(ContactListColumns(), this);
    xplore_->SetupForBrowse(list_, model_.get(), this,
                            {QLatin1String(kBrowseContactsProcedure), QStringLiteral("?Browse:1"),
                             SortMarkStyle::Underline});
    QMenu& popup = *xplore_->Popup();
    popup.setToolTipsVisible(true);
    popup.addSeparator();
    connect(popup.addAction(copyText_->text()), &QAction::triggered, copyText_, &QPushButton::click);
    popup.addSeparator();
    email_ = popup.addAction(QStringLiteral("Email..."));
    email_->setToolTip(QStringLiteral("Write an e-mail to the highlighted contact"));
    connect(email_, &QAction::triggered, this, &BrowseContacts::WriteEmail);
    email_->setVisible(!selectMode);
    const auto enableEmail = [this, selectMode] { email_->setEnabled(!selectMode && list_->CurrentRow() >= 0); };
    connect(model_.get(), &QAbstractItemModel::modelReset, this, enableEmail);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, enableEmail);
    enableEmail();
    viewCopy_->AddPopupItems(popup);
    xplore_->Activate();

    connect(tabs_, &QTabBar::currentChanged, this, &BrowseContacts::ShowTab);
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kBringForward)
            list_->setFocus();
    });
    ShowTab(0);
    new TableChangeWatch(tables.Contact, *list_, *this);
    resize(780, 420);
    KeepWindowPosition(*this, QLatin1String(kBrowseContactsProcedure));
}

BrowseContacts::~BrowseContacts()
{
    // The enhancement and the list go before the model they show.
    delete xplore_;
    delete list_;
    list_ = nullptr;
    if (categoriesOpened_)
        Tables().ContactCategories.Close();
    if (opened_)
        Tables().Contact.Close();
}

bool BrowseContacts::event(QEvent* event)
{
    // Back from another window (the contact categories, another program):
    // show the contacts as they are now.
    if (event->type() == QEvent::WindowActivate && list_)
        list_->Refresh();
    return QWidget::event(event);
}

void BrowseContacts::ShowTab(int tab)
{
    model_->SetFilter(kCategoryFilter, tab == kContactCategoryTab ? ContactCategoryFilter(category_) : Filter{});
    xplore_->SetTabOrder(tabOrders_.at(tab));
    list_->setFocus();
}

void BrowseContacts::SetCategory(const QString& category)
{
    category_ = Clip(category);
    categoryText_->setText(CategoryCaption(category_));
    ShowTab(tabs_->currentIndex());
}

void BrowseContacts::SelectCategory()
{
    auto* picker = new SelectContactCategories(this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowModality(Qt::WindowModal);
    connect(picker, &QDialog::finished, this, [this, picker](int result) {
        if (result == QDialog::Accepted)
            SetCategory(picker->Chosen().CONTACTCATEGORY);
        else
            list_->Refresh();
    });
    picker->open();
}

void BrowseContacts::Select()
{
    ContactRecord contact;
    if (!Highlighted(contact))
        return;
    emit Selected(contact);
    close();
}

void BrowseContacts::WriteEmail()
{
    ContactRecord contact;
    if (!email_->isEnabled() || !Highlighted(contact))
        return;
    MessagesRecord message;
    Tables().Messages.Prime(message);
    auto* form = new UpdateMessages(FormRequest::Insert, message, contact.ClientID, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    form->open();
}

bool BrowseContacts::Highlighted(ContactRecord& contact)
{
    if (model_->Record(list_->CurrentRow(), contact) && Tables().Contact.Get(contact.RecordPointer, contact))
        return true;
    // Gone meanwhile (another window or program deleted it).
    list_->Refresh();
    return false;
}

void BrowseContacts::CopyToClipboard()
{
    ContactRecord contact;
    if (Highlighted(contact))
        QGuiApplication::clipboard()->setText(ContactClipboardText(contact));
}

void BrowseContacts::OpenForm(FormRequest request, bool copy)
{
    ContactRecord contact;
    if (request == FormRequest::Insert && !copy)
        Tables().Contact.Prime(contact);
    else if (!Highlighted(contact))
        return;
    if (copy) {
        contact.ClientID = 0;
        contact.RecordPointer = 0;
    }
    auto* form = new UpdateContacts(request, contact, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] {
        list_->Refresh();
        const int row = model_->RowOf(ViewRow::From(model_->Definition(), form->Record()));
        if (row >= 0)
            list_->SelectRow(row);
    });
    form->open();
}

} // namespace vl
