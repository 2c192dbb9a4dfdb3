#include "windows/pim/UpdateContacts.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WalkFailure.h"
#include "core/tabs/TabColours.h"
#include "pim/ContactStore.h"
#include "windows/pim/UpdateContactCategories.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>

namespace vl {

namespace {

struct EntryField {
    const char* field;
    const char* label;
    int width; // characters shown
    QString ContactRecord::*member;
    const char* status;
};

// The entries in window order; the category box follows the first name.
const EntryField kEntries[] = {
    {"C_:LastName", "&Last Name:", 30, &ContactRecord::LastName, "Last Name"},
    {"C_:FirstName", "First &Name:", 20, &ContactRecord::FirstName, "First Name"},
    {"C_:AddressLine1", "Address Line &1:", 30, &ContactRecord::AddressLine1, "Enter up to 30 characters"},
    {"C_:AddressLine2", "Address Line &2:", 30, &ContactRecord::AddressLine2, "Enter up to 30 characters"},
    {"C_:AddressLine3", "Address Line &3:", 30, &ContactRecord::AddressLine3, "Enter up to 30 characters"},
    {"C_:PostalCode", "&Postal Code:", 10, &ContactRecord::PostalCode, "Postal Code"},
    {"C_:WorkDayPhone", "&Work/Day Phone:", 20, &ContactRecord::WorkDayPhone, "Work/Day Phone"},
    {"C_:HomeEveningPhone", "&Home/Evening Phone:", 20, &ContactRecord::HomeEveningPhone, "Home/Evening Phone"},
    {"C_:Fax", "&Fax:", 20, &ContactRecord::Fax, "Fax Number"},
    {"C_:OtherPhone", "O&ther Phone:", 20, &ContactRecord::OtherPhone, "Other Phone Number"},
    {"C_:Email", "&Email:", 40, &ContactRecord::Email, "Email Address"},
    {"C_:WebSite", "We&b Site:", 60, &ContactRecord::WebSite, "Web Site (URL)"},
};
constexpr int kEntriesBeforeCategory = 2;

// The last contact a contact form saved, for the history key.
std::optional<ContactRecord>& LastSaved()
{
    static std::optional<ContactRecord> last;
    return last;
}

} // namespace

UpdateContacts::UpdateContacts(FormRequest request, const ContactRecord& contact, QWidget* parent)
    : QDialog(parent), request_(request), contact_(contact)
{
    setWindowTitle(FormCaption(request, QStringLiteral("New Contact"), QStringLiteral("Edit Contact")));
    setObjectName(QLatin1String(kUpdateContactsProcedure));
    contactsOpened_ = OpenTable(Tables().Contact);
    categoriesOpened_ = OpenTable(Tables().ContactCategories);

    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    const QFontMetrics metrics = fontMetrics();
    // No length limits on the entries: a longer value is refused with a
    // message on OK rather than cut while typing or pasting.
    const auto addEntry = [&](const EntryField& field) {
        auto* entry = new QLineEdit(general);
        entry->setMinimumWidth(metrics.horizontalAdvance(QString(std::min(field.width, 40) + 2, QLatin1Char('n'))));
        entry->setStatusTip(QLatin1String(field.status));
        if (QLatin1String(field.field).startsWith(QLatin1String("C_:Address")))
            entry->setToolTip(QLatin1String(field.status));
        form->addRow(QLatin1String(field.label), entry);
        entries_.push_back({QLatin1String(field.field), field.member, entry});
    };
    for (int i = 0; i < kEntriesBeforeCategory; ++i)
        addEntry(kEntries[i]);
    category_ = new QComboBox(general);
    category_->setEditable(true);
    category_->setInsertPolicy(QComboBox::NoInsert);
    category_->setStatusTip(QStringLiteral("Contact Category"));
    category_->setMinimumWidth(metrics.horizontalAdvance(QString(24, QLatin1Char('n'))));
    form->addRow(QStringLiteral("&Contact Category:"), category_);
    for (int i = kEntriesBeforeCategory; i < static_cast<int>(std::size(kEntries)); ++i)
        addEntry(kEntries[i]);

    notes_ = new QPlainTextEdit;
    notes_->setTabChangesFocus(true);
    notes_->setStatusTip(QStringLiteral("Notes"));
    sheet_ = new QTabWidget(this);
    sheet_->addTab(general, QStringLiteral("General"));
    sheet_->addTab(notes_, QStringLiteral("Notes"));
    sheet_->tabBar()->setStyleSheet(TabStyleSheet(TabColours{}));

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateContacts::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateContacts::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_);
    layout->addLayout(buttons);
    layout->addWidget(new StatusTipLine(*this));

    FillCategories();
    Show(contact);
    auto* history = new QShortcut(kContactHistoryKey, this);
    connect(history, &QShortcut::activated, this, &UpdateContacts::PutBackLastSaved);

    QList<QWidget*> dataControls{category_, notes_};
    for (const auto& entry : entries_)
        dataControls << entry.edit;
    ApplyFormMode(request, dataControls, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    if (request == FormRequest::View || request == FormRequest::Delete)
        connect(sheet_, &QTabWidget::currentChanged, cancel_, [this] { cancel_->setFocus(); });
    else
        entries_.front().edit->setFocus();
    KeepWindowPosition(*this, QLatin1String(kUpdateContactsProcedure));
}

UpdateContacts::~UpdateContacts()
{
    if (categoriesOpened_)
        Tables().ContactCategories.Close();
    if (contactsOpened_)
        Tables().Contact.Close();
}

QLineEdit* UpdateContacts::Entry(const QString& field) const
{
    for (const FieldEntry& entry : entries_) {
        if (entry.field == field)
            return entry.edit;
    }
    return nullptr;
}

void UpdateContacts::FillCategories()
{
    const QString typed = category_->currentText();
    Table<ContactCategoriesRecord>& categories = Tables().ContactCategories;
    QStringList names;
    ContactCategoriesRecord category;
    for (categories.Set(CC_KEYCONTACTCATEGORIES); categories.Next(category);)
        names << Clip(category.CONTACTCATEGORY);
    TellWalkFailure(categories);
    category_->clear();
    category_->addItems(names);
    category_->setCurrentIndex(-1);
    category_->setEditText(typed);
}

void UpdateContacts::Show(const ContactRecord& contact)
{
    for (const FieldEntry& entry : entries_)
        entry.edit->setText(Clip(contact.*entry.member));
    category_->setEditText(Clip(contact.ContactCategory));
    notes_->setPlainText(contact.Notes);
}

ContactRecord UpdateContacts::Edited() const
{
    ContactRecord edited = contact_;
    for (const FieldEntry& entry : entries_)
        edited.*entry.member = entry.edit->text();
    edited.ContactCategory = category_->currentText();
    edited.Notes = notes_->toPlainText();
    return edited;
}

void UpdateContacts::PutBackLastSaved()
{
    const std::optional<ContactRecord>& last = LastSaved();
    if (!last || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    QWidget* focused = focusWidget();
    for (const FieldEntry& entry : entries_) {
        if (entry.edit == focused)
            entry.edit->setText(Clip((*last).*entry.member));
    }
    if (focused == category_ || focused == category_->lineEdit())
        category_->setEditText(Clip(last->ContactCategory));
    else if (focused == notes_)
        notes_->setPlainText(last->Notes);
}

void UpdateContacts::AddTypedCategory(const QString& name)
{
    ContactCategoriesRecord category;
    category.CONTACTCATEGORY = name;
    auto* form = new UpdateContactCategories(FormRequest::Insert, category, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] {
        // The name as the category form stored it (it may have been changed there).
        category_->setEditText(Clip(form->Record().CONTACTCATEGORY));
        FillCategories();
        accept();
    });
    connect(form, &QDialog::rejected, this, [this] {
        sheet_->setCurrentIndex(0);
        category_->setFocus();
    });
    form->open();
}

void UpdateContacts::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    ContactRecord edited = request_ == FormRequest::Delete ? contact_ : Edited();
    if (request_ != FormRequest::Delete) {
        const QString overlong = OverlongContactField(edited);
        if (!overlong.isEmpty()) {
            Prompt::Message(overlong, QLatin1String(kContactCaption), PromptIcon::Exclamation);
            return;
        }
        const QString category = Clip(edited.ContactCategory);
        if (!category.isEmpty() && !ContactCategoryExists(category)) {
            AddTypedCategory(category);
            return;
        }
    }
    if (!StoreContact(request_, edited))
        return;
    contact_ = edited;
    if (request_ != FormRequest::Delete)
        LastSaved() = contact_;
    QDialog::accept();
}

} // namespace vl
