#include "windows/lists/ListColumns.h"

#include "core/base/UserDate.h"

namespace vl {

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ListColumn>& columns)
{
    std::vector<BrowseColumn> browse;
    for (const ListColumn& column : columns) {
        BrowseColumn shown{QLatin1String(column.field), QLatin1String(column.header), QLatin1String(column.picture),
                           (column.kind & kUserDateColumn) != 0};
        if (column.kind & kRightColumn)
            shown.alignment = Qt::AlignRight | Qt::AlignVCenter;
        browse.push_back(shown);
    }
    return browse;
}

void ComputeColumn(BrowseColumn& column, std::function<FieldValue(const ViewRow&)> compute,
                   std::function<QVariant(const ViewRow&, int role)> look)
{
    column.field.clear();
    column.picture.clear();
    column.compute = std::move(compute);
    column.look = std::move(look);
}

void ShowAsMark(BrowseColumn& column, const TableDef& table, const QIcon& on, const QIcon& off)
{
    const auto field = static_cast<size_t>(table.FieldIndex(column.field));
    column.alignment = Qt::AlignLeft | Qt::AlignVCenter; // the icon at the cell's start
    ComputeColumn(column, [](const ViewRow&) { return FieldValue(QString()); },
                  [field, on, off](const ViewRow& row, int role) -> QVariant {
                      if (role != Qt::DecorationRole)
                          return {};
                      return std::get<int64_t>(row.values[field]) != 0 ? on : off;
                  });
}

void ShowOnOneLine(BrowseColumn& column, const TableDef& table, int length,
                   std::function<QVariant(const ViewRow&, int role)> look)
{
    const auto field = static_cast<size_t>(table.FieldIndex(column.field));
    const auto oneLine = [field, length](const ViewRow& row) {
        const QString& text = std::get<QString>(row.values[field]);
        return FieldValue(text.left(length).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    };
    ComputeColumn(column, oneLine, std::move(look));
}

ColumnTableXplore::ColumnTableXplore(const std::vector<ListColumn>& columns, QObject* parent) : Xplore(parent)
{
    for (const ListColumn& column : columns) {
        ColumnDefinition definition;
        definition.field = QLatin1String(column.field);
        definition.header = QLatin1String(column.header);
        definition.picture = QLatin1String(column.picture);
        if (column.kind & kUserDateColumn)
            definition.picture = UserDatePicture() + QLatin1String(column.kind & kBlankZeroDate ? "b" : "");
        definition.description = QLatin1String(column.description);
        definition.width = column.width;
        definition.displayed = (column.kind & kHiddenColumn) == 0;
        definition.justification = column.kind & kRightColumn ? u'R' : u'L';
        definition.graph = (column.kind & kGraphColumn) != 0;
        definition.sortable = (column.kind & kMarkColumn) == 0;
        definition.viewField = definition.sortable;
        definitions_.push_back(definition);
    }
}

} // namespace vl
