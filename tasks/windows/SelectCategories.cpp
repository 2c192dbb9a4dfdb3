#include "tasks/windows/SelectCategories.h"

#include "core/dictionary/Dictionary.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

SelectCategories::SelectCategories(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a Category"));
    setObjectName(QLatin1String(kSelectCategoriesProcedure));
    Table<CategoriesRecord>& categories = Tables().Categories;
    opened_ = OpenTable(categories);

    model_ = std::make_unique<BrowseModel>(categories);
    model_->SetColumns({{QStringLiteral("CAT:Category"), QStringLiteral("Category"), QStringLiteral("@s20")}});
    ViewOrder byName;
    QString error;
    KeyOrder(categories.Definition(), CAT_KEYCATEGORY, byName, error);
    model_->AddOrder(QStringLiteral("By Category"), byName);
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->horizontalHeader()->setStretchLastSection(true);

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    select_->setDefault(true);
    connect(select_, &QPushButton::clicked, this, &SelectCategories::Select);
    connect(cancel_, &QPushButton::clicked, this, &SelectCategories::reject);
    auto* buttons = new ViewCopyBrowse(list_, BrowseButtons{nullptr, nullptr, nullptr, select_, nullptr, nullptr},
                                       [](FormRequest, bool) {});
    buttons->SetSelectMode(true);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(select_);
    row->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(row);
    resize(260, 320);
    list_->setFocus();
    KeepWindowPosition(*this, QLatin1String(kSelectCategoriesProcedure));
}

SelectCategories::~SelectCategories()
{
    delete list_;
    if (opened_)
        Tables().Categories.Close();
}

void SelectCategories::Select()
{
    if (!model_->Record(list_->CurrentRow(), chosen_))
        return;
    accept();
}

} // namespace vl
