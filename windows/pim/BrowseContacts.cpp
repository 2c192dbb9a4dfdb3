#include "windows/pim/BrowseContacts.h"

#include "core/dictionary/Dictionary.h"
#include "core/tabs/TabColours.h"
#include "pim/ContactOrders.h"
#include "pim/ContactText.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/ContactColumns.h"
#include "windows/pim/SelectContactCategories.h"
#include "windows/pim/UpdateContacts.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/StatusTipLine.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

namespace vl {

namespace {

const QString kCategoryFilter = QStringLiteral("Category");

QString CategoryCaption(const QString& category)
{
    return QStringLiteral("Category: ") + (category.isEmpty() ? QStringLiteral("(none)") : category);
}

} // namespace

BrowseContacts::BrowseContacts(QWidget* parent, bool selectMode)
    : ListWindow(parent, Tables().Contact, kBrowseContactsProcedure, QStringLiteral("Contacts")),
      categories_(Tables().ContactCategories)
{
    if (selectMode)
        setWindowModality(Qt::WindowModal);
    Model()->SetColumns(BrowseColumnsOf(ContactListColumns()));
    tabs_ = new QTabBar(this);
    tabs_->setStyleSheet(TabStyleSheet(TabColours{}));
    tabs_->setExpanding(false);
    for (int tab = 0; tab < static_cast<int>(ContactTabTexts().size()); ++tab) {
        tabs_->addTab(ContactTabTexts()[tab]);
        tabOrders_.push_back(Model()->AddOrder(ContactTabTexts()[tab], ContactTabOrder(Tables().Contact.Definition(), tab)));
    }
    List()->setStatusTip(QStringLiteral("Browsing Contact Records"));

    auto* row = new QHBoxLayout;
    copyText_ = AddListButton(this, "&Copy to Clipboard", *row);
    row->addSpacing(12);
    BrowseButtons buttons;
    buttons.insert = AddListButton(this, "&New", *row);
    if (selectMode) {
        buttons.select = AddListButton(this, "&Select", *row);
        connect(buttons.select, &QPushButton::clicked, this, &BrowseContacts::Select);
    }
    buttons.copy = AddListButton(this, "Cop&y", *row);
    buttons.copy->setToolTip(QStringLiteral("Copy record"));
    buttons.change = AddListButton(this, "&Edit", *row);
    buttons.remove = AddListButton(this, "&Delete", *row);
    (selectMode ? buttons.select : buttons.change)->setDefault(true);
    pane_.UseButtons(buttons, [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    pane_.ViewCopy()->SetSelectMode(selectMode);
    row->addStretch();
    categoryText_ = new QLabel(CategoryCaption(category_), this);
    row->addWidget(categoryText_);
    selectCategory_ = AddListButton(this, "Select Cate&gory", *row);
    connect(selectCategory_, &QPushButton::clicked, this, &BrowseContacts::SelectCategory);
    row->addSpacing(12);
    AddCloseButton(*this, *row);
    connect(copyText_, &QPushButton::clicked, this, &BrowseContacts::CopyToClipboard);

    LayOut(row, {tabs_});
    layout()->addWidget(new StatusTipLine(*this));
    setTabOrder(tabs_, List());
    setTabOrder(List(), copyText_);

    // The list's own items go first, the buttons' after them.
    pane_.Enhance(std::make_unique<ColumnTableXplore>(ContactListColumns(), this),
                  {QLatin1String(kBrowseContactsProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Underline},
                  [this, selectMode](QMenu& popup) { AddPopupItems(popup, selectMode); }, false);

    connect(tabs_, &QTabBar::currentChanged, this, &BrowseContacts::ShowTab);
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kBringForward)
            List()->setFocus();
    });
    ShowTab(0);
    pane_.WatchTable();
    KeepListWindowPlace(*this, kBrowseContactsProcedure, {780, 420});
}

void BrowseContacts::AddPopupItems(QMenu& popup, bool selectMode)
{
    popup.setToolTipsVisible(true);
    popup.addSeparator();
    connect(popup.addAction(copyText_->text()), &QAction::triggered, copyText_, &QPushButton::click);
    popup.addSeparator();
    email_ = popup.addAction(QStringLiteral("Email..."));
    email_->setToolTip(QStringLiteral("Write an e-mail to the highlighted contact"));
    connect(email_, &QAction::triggered, this, &BrowseContacts::WriteEmail);
    email_->setVisible(!selectMode);
    const auto enableEmail = [this, selectMode] { email_->setEnabled(!selectMode && List()->CurrentRow() >= 0); };
    connect(Model(), &QAbstractItemModel::modelReset, this, enableEmail);
    connect(List()->selectionModel(), &QItemSelectionModel::currentChanged, this, enableEmail);
    enableEmail();
    pane_.ViewCopy()->AddPopupItems(popup);
}

bool BrowseContacts::event(QEvent* event)
{
    // Back from another window (the contact categories, another program):
    // show the contacts as they are now.
    if (event->type() == QEvent::WindowActivate && List())
        List()->Refresh();
    return QWidget::event(event);
}

void BrowseContacts::ShowTab(int tab)
{
    Model()->SetFilter(kCategoryFilter, tab == kContactCategoryTab ? ContactCategoryFilter(category_) : Filter{});
    Enhancement()->SetTabOrder(tabOrders_.at(tab));
    List()->setFocus();
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
            List()->Refresh();
    });
    picker->open();
}

void BrowseContacts::Select()
{
    ContactRecord contact;
    if (!HighlightedRecord(pane_, Tables().Contact, contact))
        return;
    emit Selected(contact);
    close();
}

void BrowseContacts::WriteEmail()
{
    ContactRecord contact;
    if (!email_->isEnabled() || !HighlightedRecord(pane_, Tables().Contact, contact))
        return;
    MessagesRecord message;
    Tables().Messages.Prime(message);
    auto* form = new UpdateMessages(FormRequest::Insert, message, contact.ClientID, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    form->open();
}

void BrowseContacts::CopyToClipboard()
{
    ContactRecord contact;
    if (HighlightedRecord(pane_, Tables().Contact, contact))
        QGuiApplication::clipboard()->setText(ContactClipboardText(contact));
}

void BrowseContacts::OpenForm(FormRequest request, bool copy)
{
    ContactRecord contact;
    if (!RecordForForm(pane_, Tables().Contact, request, copy, contact))
        return;
    if (copy)
        contact.ClientID = 0;
    OpenPaneForm(pane_, new UpdateContacts(request, contact, this));
}

} // namespace vl
