#include "windows/pim/SelectClipboardCategory.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

SelectClipboardCategory::SelectClipboardCategory(const QString& category, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select a Category"));
    setObjectName(QLatin1String(kSelectClipboardCategoryProcedure));
    Table<ClipboardCategoriesRecord>& categories = Tables().ClipboardCategories;
    opened_ = OpenTable(categories);

    model_ = std::make_unique<BrowseModel>(categories);
    model_->SetColumns({{QStringLiteral("CLC:CATEGORY"), QStringLiteral("Category"), QStringLiteral("@s20")}});
    AddKeyOrder(*model_, QStringLiteral("Category"), CLC_KEYCATEGORY);
    list_ = new BrowseList;
    list_->SetBrowseModel(model_.get());
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->SelectRow(model_->Locate(category.trimmed()));

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    select_->setDefault(true);
    connect(select_, &QPushButton::clicked, this, &SelectClipboardCategory::Select);
    connect(cancel, &QPushButton::clicked, this, &SelectClipboardCategory::reject);
    auto* buttons = new ViewCopyBrowse(list_, BrowseButtons{nullptr, nullptr, nullptr, select_, nullptr, nullptr},
                                       [](FormRequest, bool) {});
    buttons->SetSelectMode(true);

    auto* tabs = new QTabWidget(this);
    tabs->addTab(list_, QStringLiteral("Category"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(select_);
    row->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(row);
    resize(260, 320);
    list_->setFocus();
    KeepWindowPosition(*this, QLatin1String(kSelectClipboardCategoryProcedure));
}

SelectClipboardCategory::~SelectClipboardCategory()
{
    delete list_;
    if (opened_)
        Tables().ClipboardCategories.Close();
}

void SelectClipboardCategory::Select()
{
    if (!model_->Record(list_->CurrentRow(), chosen_))
        return;
    accept();
}

} // namespace vl
