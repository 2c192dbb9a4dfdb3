#include "tasks/windows/UpdateCategories.h"

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "tasks/CategoryStore.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kNameWidth = 20;

} // namespace

UpdateCategories::UpdateCategories(FormRequest request, const CategoriesRecord& category, QWidget* parent)
    : QDialog(parent), request_(request), category_(category)
{
    setWindowTitle(FormCaption(request, QStringLiteral("New Category"), QStringLiteral("Edit Category")));
    setObjectName(QLatin1String(kUpdateCategoriesProcedure));
    opened_ = OpenTable(Tables().Categories);

    name_ = new QLineEdit(Clip(category.Category), this);
    name_->setMaxLength(kNameWidth);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameWidth + 4, QLatin1Char('n'))));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateCategories::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateCategories::reject);

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
    KeepWindowPosition(*this, QLatin1String(kUpdateCategoriesProcedure));
}

UpdateCategories::~UpdateCategories()
{
    if (opened_)
        Tables().Categories.Close();
}

void UpdateCategories::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    CategoriesRecord edited = category_;
    if (request_ != FormRequest::Delete)
        edited.Category = name_->text();
    if (!StoreCategory(request_, edited, category_)) {
        name_->setText(Clip(edited.Category));
        return;
    }
    category_ = edited;
    QDialog::accept();
}

} // namespace vl
