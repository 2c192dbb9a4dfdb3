#include "windows/lists/ListColumns.h"

#include "core/base/UserDate.h"

namespace vl {

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ListColumn>& columns)
{
    std::vector<BrowseColumn> browse;
    for (const ListColumn& column : columns) {
        BrowseColumn shown{QLatin1String(column.field), QLatin1String(column.header), QLatin1String(column.picture),
                           column.userDate};
        if (column.justification == u'R')
            shown.alignment = Qt::AlignRight | Qt::AlignVCenter;
        browse.push_back(shown);
    }
    return browse;
}

ColumnTableXplore::ColumnTableXplore(const std::vector<ListColumn>& columns, QObject* parent) : Xplore(parent)
{
    for (const ListColumn& column : columns) {
        ColumnDefinition definition;
        definition.field = QLatin1String(column.field);
        definition.header = QLatin1String(column.header);
        definition.picture = column.userDate ? UserDatePicture() : QLatin1String(column.picture);
        definition.description = QLatin1String(column.description);
        definition.width = column.width;
        definition.displayed = column.displayed;
        definition.justification = column.justification;
        definition.sortable = true;
        definitions_.push_back(definition);
    }
}

} // namespace vl
