#include "xplore/ColumnTitles.h"

#include "platform/runtime/FixedText.h"

namespace vl {

QString ColumnTitle(const XploreColumn& column, const QString& header)
{
    const QString title = header.trimmed();
    return title.isEmpty() ? Clip(column.description).trimmed() : title;
}

QString OrderTitle(const ViewOrder& order, const std::vector<XploreColumn>& columns, const QStringList& titles)
{
    QStringList parts;
    for (const OrderPart& part : order.parts) {
        QString name = part.field.mid(part.field.indexOf(u':') + 1);
        for (size_t c = 0; c < columns.size() && c < size_t(titles.size()); ++c) {
            if (SameTextNoCase(columns[c].field, part.field)) {
                name = titles[qsizetype(c)];
                break;
            }
        }
        parts << QStringLiteral("%1 (%2)").arg(name, part.descending ? QStringLiteral("descending")
                                                                      : QStringLiteral("ascending"));
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace vl
