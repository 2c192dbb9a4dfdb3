#include "windows/pim/SelectContactCategories.h"

#include "core/tabs/TabColours.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

// The list on the one tab "Category".
QWidget* CategorySheet(QWidget* list)
{
    auto* sheet = new QTabWidget(list->parentWidget());
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(list);
    sheet->addTab(page, QStringLiteral("Category"));
    sheet->tabBar()->setStyleSheet(TabStyleSheet(TabColours{}));
    return sheet;
}

} // namespace

SelectContactCategories::SelectContactCategories(QWidget* parent)
    : CategoryPickOf(Tables().ContactCategories, CC_KEYCONTACTCATEGORIES,
                     {kSelectContactCategoriesProcedure, QStringLiteral("CC:CONTACTCATEGORY"),
                      QStringLiteral("Browsing Records"), QSize(280, 340), CategorySheet},
                     parent)
{
}

} // namespace vl
