#include "windows/pim/CategoryPanes.h"

#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>

namespace vl {

QPushButton* PaneButton(const char* text, QWidget* window, QBoxLayout& row)
{
    auto* button = new QPushButton(QString::fromUtf8(text), window);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

BrowseList* CategoryPaneList(QWidget* window, BrowseModel* model)
{
    auto* categories = new BrowseList(window);
    categories->SetBrowseModel(model);
    categories->horizontalHeader()->setStretchLastSection(true);
    return categories;
}

void FollowHighlightedCategory(QWidget* window, BrowseList* categories, BrowseModel* model,
                               const std::function<void()>& show)
{
    QObject::connect(categories->selectionModel(), &QItemSelectionModel::currentRowChanged, window, show);
    QObject::connect(model, &QAbstractItemModel::modelReset, window, show);
    QObject::connect(NumberedEvents::Of(window), &NumberedEvents::Received, window, [categories](int number) {
        if (number == EventNumber::kBringForward)
            categories->setFocus();
    });
    show();
    categories->setFocus();
}

} // namespace vl
