#include "pim/windows/UpdateClipboardCategories.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardCategoryStore.h"
#include "pim/windows/FieldHistoryKey.h"
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

UpdateClipboardCategories::UpdateClipboardCategories(FormRequest request, const ClipboardCategoriesRecord& category,
                                                     QWidget* parent)
    : QDialog(parent), request_(request), category_(category)
{
    setWindowTitle(FormCaption(request, QStringLiteral("Add Clipboard Category"),
                               QStringLiteral("Change Clipboard Category")));
    setObjectName(QLatin1String(kUpdateClipboardCategoriesProcedure));
    // The entries are read and changed along with their category.
    Dictionary& tables = Tables();
    categoriesOpened_ = OpenTable(tables.ClipboardCategories);
    clipboardOpened_ = OpenTable(tables.Clipboard);

    // No length limit on the entry: a longer name is refused with a message
    // on OK rather than cut while typing or pasting.
    name_ = new QLineEdit(Clip(category.CATEGORY), this);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameWidth + 4, QLatin1Char('n'))));
    name_->setStatusTip(QStringLiteral("Category"));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateClipboardCategories::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateClipboardCategories::reject);
    auto* history = new QShortcut(kFieldHistoryKey, name_, nullptr, nullptr, Qt::WidgetShortcut);
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
    KeepWindowPosition(*this, QLatin1String(kUpdateClipboardCategoriesProcedure));
}

UpdateClipboardCategories::~UpdateClipboardCategories()
{
    Dictionary& tables = Tables();
    if (clipboardOpened_)
        tables.Clipboard.Close();
    if (categoriesOpened_)
        tables.ClipboardCategories.Close();
}

void UpdateClipboardCategories::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    ClipboardCategoriesRecord edited = category_;
    if (request_ != FormRequest::Delete)
        edited.CATEGORY = name_->text();
    if (!StoreClipboardCategory(request_, edited, category_)) {
        // A rename the relation refused has the old name back.
        if (request_ != FormRequest::Delete)
            name_->setText(Clip(edited.CATEGORY));
        return;
    }
    category_ = edited;
    if (request_ != FormRequest::Delete)
        LastSavedName() = Clip(category_.CATEGORY);
    QDialog::accept();
}

} // namespace vl
