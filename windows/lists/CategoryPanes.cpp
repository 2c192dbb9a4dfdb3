#include "windows/lists/CategoryPanes.h"

#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"

#include <QHeaderView>

namespace vl {

void SetUpCategoryPane(ListPane& categories, const char* field, KeyRef key)
{
    categories.Model().SetColumns({{QLatin1String(field), QStringLiteral("Categories"), QStringLiteral("@s20")}});
    AddKeyOrder(categories.Model(), QStringLiteral("By Category"), key);
    categories.List()->horizontalHeader()->setStretchLastSection(true);
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
