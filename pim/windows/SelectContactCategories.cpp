#include "pim/windows/SelectContactCategories.h"

#include "core/dictionary/Dictionary.h"
#include "core/tabs/TabColours.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

SelectContactCategories::SelectContactCategories(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a Category"));
    setObjectName(QLatin1String(kSelectContactCategoriesProcedure));
    Table<ContactCategoriesRecord>& categories = Tables().ContactCategories;
    opened_ = OpenTable(categories);

    model_ = std::make_unique<BrowseModel>(categories);
    model_->SetColumns({{QStringLiteral("CC:CONTACTCATEGORY"), QStringLiteral("Category"), QStringLiteral("@s20")}});
    ViewOrder byName;
    QString error;
    KeyOrder(categories.Definition(), CC_KEYCONTACTCATEGORIES, byName, error);
    model_->AddOrder(QStringLiteral("By Category"), byName);
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setStatusTip(QStringLiteral("Browsing Records"));

    auto* sheet = new QTabWidget(this);
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(list_);
    sheet->addTab(page, QStringLiteral("Category"));
    sheet->tabBar()->setStyleSheet(TabStyleSheet(TabColours{}));

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    select_->setDefault(true);
    connect(select_, &QPushButton::clicked, this, &SelectContactCategories::Select);
    connect(cancel_, &QPushButton::clicked, this, &SelectContactCategories::reject);
    auto* buttons = new ViewCopyBrowse(list_, BrowseButtons{nullptr, nullptr, nullptr, select_, nullptr, nullptr},
                                       [](FormRequest, bool) {});
    buttons->SetSelectMode(true);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(select_);
    row->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet);
    layout->addLayout(row);
    resize(280, 340);
    list_->setFocus();
    KeepWindowPosition(*this, QLatin1String(kSelectContactCategoriesProcedure));
}

SelectContactCategories::~SelectContactCategories()
{
    delete list_;
    if (opened_)
        Tables().ContactCategories.Close();
}

void SelectContactCategories::Select()
{
    if (!model_->Record(list_->CurrentRow(), chosen_))
        return;
    accept();
}

} // namespace vl
