#include "windows/tasks/SelectCategories.h"

namespace vl {

SelectCategories::SelectCategories(QWidget* parent)
    : CategoryPickOf(Tables().Categories, CAT_KEYCATEGORY,
                     {kSelectCategoriesProcedure, QStringLiteral("CAT:Category"), QString(), QSize(260, 320), {}},
                     parent)
{
}

} // namespace vl
