#include "platform/data/ViewOrder.h"

namespace vl {

bool KeyOrder(const TableDef& def, KeyRef key, ViewOrder& order, QString& error)
{
    if (key.name == nullptr) {
        order = ViewOrder();
        return true;
    }
    const int index = def.KeyIndex(QString::fromLatin1(key.name));
    if (index < 0) {
        error = QStringLiteral("%1 has no key %2").arg(def.Label(), QString::fromLatin1(key.name));
        return false;
    }
    ViewOrder result;
    for (const KeyComponent& component : def.Keys()[index].components)
        result.parts.push_back({def.Fields()[component.field].name, component.descending, component.noCase});
    order = std::move(result);
    return true;
}

bool ParseViewOrder(const TableDef& def, const QString& text, ViewOrder& order, QString& error)
{
    ViewOrder result;
    if (!text.trimmed().isEmpty()) {
        for (const QString& segment : text.split(QLatin1Char(','))) {
            QString item = segment.trimmed();
            OrderPart part;
            if (item.startsWith(QLatin1Char('+')) || item.startsWith(QLatin1Char('-'))) {
                part.descending = item.startsWith(QLatin1Char('-'));
                item = item.mid(1).trimmed();
            }
            if (item.startsWith(QLatin1String("UPPER("), Qt::CaseInsensitive)) {
                if (!item.endsWith(QLatin1Char(')'))) {
                    error = QStringLiteral("Order \"%1\": \"%2\" lacks its closing bracket").arg(text, segment.trimmed());
                    return false;
                }
                part.noCase = true;
                item = item.mid(6, item.size() - 7).trimmed();
            }
            const int field = item.isEmpty() ? -1 : def.FieldIndex(item);
            if (field < 0) {
                error = item.isEmpty() ? QStringLiteral("Order \"%1\" has an empty segment").arg(text)
                                       : QStringLiteral("Order \"%1\": %2 has no field %3").arg(text, def.Label(), item);
                return false;
            }
            part.field = def.Fields()[field].name;
            result.parts.push_back(part);
        }
    }
    order = std::move(result);
    return true;
}

QString ViewOrderText(const ViewOrder& order)
{
    QStringList segments;
    for (const OrderPart& part : order.parts) {
        const QString label = part.noCase ? QStringLiteral("UPPER(%1)").arg(part.field) : part.field;
        segments.append((part.descending ? QStringLiteral("-") : QStringLiteral("+")) + label);
    }
    return segments.join(QLatin1Char(','));
}

} // namespace vl
