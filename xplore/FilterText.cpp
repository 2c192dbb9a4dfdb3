#include "xplore/FilterText.h"

#include <QStringList>

#include <algorithm>

namespace vl {

namespace {

QString Operator(Compare compare)
{
    switch (compare) {
    case Compare::Equal:
        return QStringLiteral("=");
    case Compare::NotEqual:
        return QStringLiteral("<>");
    case Compare::Less:
        return QStringLiteral("<");
    case Compare::LessEqual:
        return QStringLiteral("<=");
    case Compare::Greater:
        return QStringLiteral(">");
    case Compare::GreaterEqual:
        return QStringLiteral(">=");
    case Compare::BeginsWith:
        return QStringLiteral("begins with");
    case Compare::Contains:
        return QStringLiteral("contains");
    case Compare::NotBeginsWith:
        return QStringLiteral("does not begin with");
    case Compare::NotContains:
        return QStringLiteral("does not contain");
    case Compare::SameMonth:
        return QStringLiteral("in the month of");
    }
    return QString();
}

QString Value(const Condition& condition)
{
    if (!condition.otherField.isEmpty())
        return condition.noCase ? QStringLiteral("UPPER(%1)").arg(condition.otherField) : condition.otherField;
    if (const auto* text = std::get_if<QString>(&condition.value)) {
        const QString shown = condition.noCase ? text->trimmed().toUpper() : *text;
        return u'\'' + QString(shown).replace(u'\'', QStringLiteral("''")) + u'\'';
    }
    if (const auto* number = std::get_if<int64_t>(&condition.value))
        return QString::number(*number);
    if (const auto* real = std::get_if<double>(&condition.value))
        return QString::number(*real);
    return QStringLiteral("''");
}

} // namespace

QString FilterText(const Filter& filter)
{
    QString text;
    for (const Condition& condition : filter) {
        if (!text.isEmpty())
            text += condition.join == Join::Or ? QStringLiteral(" OR ") : QStringLiteral(" AND ");
        const QString field = condition.noCase ? QStringLiteral("UPPER(%1)").arg(condition.field) : condition.field;
        text += field + u' ' + Operator(condition.compare) + u' ' + Value(condition);
    }
    return text;
}

QString FilterText(const std::vector<Filter>& filters)
{
    QStringList parts;
    for (const Filter& filter : filters) {
        if (filter.empty())
            continue;
        const bool hasOr = std::any_of(filter.begin() + 1, filter.end(),
                                       [](const Condition& condition) { return condition.join == Join::Or; });
        const QString text = FilterText(filter);
        parts << (hasOr && filters.size() > 1 ? u'(' + text + u')' : text);
    }
    return parts.join(QStringLiteral(" AND "));
}

} // namespace vl
