#include "windows/lists/CategoryWindow.h"

#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/StatusTipLine.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

namespace vl {

CategoryWindow::CategoryWindow(QWidget* parent, const char* procedure, const QString& title,
                               TableFile& categoryTable, const char* field, KeyRef key, TableFile& itemTable)
    : QWidget(parent, Qt::Window), categories_(*this, categoryTable), items_(*this, itemTable)
{
    SetUpListWindow(*this, procedure, title);
    categories_.Model().SetColumns({{QLatin1String(field), QStringLiteral("Categories"), QStringLiteral("@s20")}});
    AddKeyOrder(categories_.Model(), QStringLiteral("By Category"), key);
    CategoryList()->horizontalHeader()->setStretchLastSection(true);
}

QString CategoryWindow::Category() const
{
    BrowseModel& model = categories_.Model();
    return Clip(model.data(model.index(CategoryList()->CurrentRow(), 0), BrowseModel::kRawValueRole).toString());
}

void CategoryWindow::FollowHighlightedCategory(const char* itemField, Filter none)
{
    const auto show = [this, field = QLatin1String(itemField), none] {
        BrowseModel& model = categories_.Model();
        const QVariant name = model.data(model.index(CategoryList()->CurrentRow(), 0), BrowseModel::kRawValueRole);
        const Filter ofCategory{{field, Compare::Equal, FieldValue(Clip(name.toString())), Join::And, true}};
        items_.Model().SetFilter(QStringLiteral("Category"), name.isValid() ? ofCategory : none);
    };
    connect(CategoryList()->selectionModel(), &QItemSelectionModel::currentRowChanged, this, show);
    connect(&categories_.Model(), &QAbstractItemModel::modelReset, this, show);
    connect(NumberedEvents::Of(this), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kBringForward)
            CategoryList()->setFocus();
    });
    show();
    CategoryList()->setFocus();
}

QSplitter* CategoryWindow::StackPanes(QBoxLayout* categoryRow, const char* caption, QBoxLayout* itemRow)
{
    CategoryList()->setStatusTip(QStringLiteral("Browsing Functions"));
    items_.List()->setStatusTip(QStringLiteral("Browsing Tasks"));
    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(CategoryList());
    topLayout->addLayout(categoryRow);
    auto* group = new QGroupBox(QLatin1String(caption));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(items_.List());
    groupLayout->addLayout(itemRow);
    auto* panes = new QSplitter(Qt::Vertical, this);
    panes->addWidget(top);
    panes->addWidget(group);
    panes->setStretchFactor(1, 2);
    panes->setChildrenCollapsible(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    AddCloseButton(*this, *closeRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes);
    layout->addLayout(closeRow);
    layout->addWidget(new StatusTipLine(*this));
    return panes;
}

} // namespace vl
