#include "pim/windows/UpdateContactCategories.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ContactStore.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kNameWidth = 20;

// The name the form last saved, for the history key.
QString& LastSavedName()
{
    static QString last;
    return last;
}

} // namespace

UpdateContactCategories::UpdateContactCategories(FormRequest request, const ContactCategoriesRecord& category,
                                                 QWidget* parent)
    : QDialog(parent), request_(request), category_(category)
{
    setWindowTitle(
        FormCaption(request, QStringLiteral("New Contact Category"), QStringLiteral("Edit Contact Category")));
    setObjectName(QLatin1String(kUpdateContactCategoriesProcedure));
    opened_ = OpenTable(Tables().ContactCategories);

    // No length limit on the entry: a longer name is refused with a message
    // on OK rather than cut while typing or pasting.
    name_ = new QLineEdit(Clip(category.CONTACTCATEGORY), this);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameWidth + 4, QLatin1Char('n'))));
    name_->setStatusTip(QStringLiteral("Contact Category"));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateContactCategories::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateContactCategories::reject);
    auto* history = new QShortcut(kContactHistoryKey, name_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(history, &QShortcut::activated, this, [this] {
        if (name_->isEnabled() && !LastSavedName().isEmpty())
            name_->setText(LastSavedName());
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Category:"), name_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    ApplyFormMode(request, {name_}, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    KeepWindowPosition(*this, QLatin1String(kUpdateContactCategoriesProcedure));
}

UpdateContactCategories::~UpdateContactCategories()
{
    if (opened_)
        Tables().ContactCategories.Close();
}

void UpdateContactCategories::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    ContactCategoriesRecord edited = category_;
    if (request_ != FormRequest::Delete)
        edited.CONTACTCATEGORY = name_->text();
    if (!StoreContactCategory(request_, edited, category_)) {
        // A rename the relation refused has the old name back.
        if (request_ != FormRequest::Delete)
            name_->setText(Clip(edited.CONTACTCATEGORY));
        return;
    }
    category_ = edited;
    if (request_ != FormRequest::Delete)
        LastSavedName() = Clip(category_.CONTACTCATEGORY);
    QDialog::accept();
}

} // namespace vl
