#include "windows/pim/CategoryPickList.h"

#include "platform/browse/KeyOrders.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/WindowPosition.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

CategoryPickList::CategoryPickList(TableFile& table, KeyRef key, const CategoryPickTexts& texts, QWidget* parent)
    : QDialog(parent), table_(table)
{
    setWindowTitle(QStringLiteral("Select a Category"));
    setObjectName(QLatin1String(texts.procedure));
    opened_ = OpenTable(table);

    model_ = std::make_unique<BrowseModel>(table);
    model_->SetColumns({{texts.field, QStringLiteral("Category"), QStringLiteral("@s20")}});
    AddKeyOrder(*model_, QStringLiteral("By Category"), key);
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->horizontalHeader()->setStretchLastSection(true);
    if (!texts.statusTip.isEmpty())
        list_->setStatusTip(texts.statusTip);
    QWidget* body = texts.body ? texts.body(list_) : list_;

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    select_->setDefault(true);
    connect(select_, &QPushButton::clicked, this, &CategoryPickList::Select);
    connect(cancel_, &QPushButton::clicked, this, &CategoryPickList::reject);
    auto* buttons = new ViewCopyBrowse(list_, BrowseButtons{nullptr, nullptr, nullptr, select_, nullptr, nullptr},
                                       [](FormRequest, bool) {});
    buttons->SetSelectMode(true);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(select_);
    row->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(body);
    layout->addLayout(row);
    if (!texts.statusTip.isEmpty())
        layout->addWidget(new StatusTipLine(*this));
    resize(texts.size);
    list_->setFocus();
    KeepWindowPosition(*this, QLatin1String(texts.procedure));
}

CategoryPickList::~CategoryPickList()
{
    // The list goes before the model it shows and the table closes.
    delete list_;
    if (opened_)
        table_.Close();
}

void CategoryPickList::Select()
{
    if (!Choose(list_->CurrentRow()))
        return;
    accept();
}

} // namespace vl
