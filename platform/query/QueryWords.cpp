#include "platform/query/QueryWords.h"

#include "platform/query/QueryValue.h"

namespace vl {

namespace {

// A field by its prompt; a field the catalogue does not list by its name.
QString FieldWords(const QueryCatalogue& catalogue, const QString& name)
{
    const QueryField* field = catalogue.Find(name);
    return field ? field->prompt : name;
}

} // namespace

QString QueryConditionWords(const QueryCatalogue& catalogue, const QueryTexts& texts,
                            const QueryCondition& condition, bool first)
{
    using namespace QueryTextNumber;
    QStringList words;
    if (!first)
        words << texts.Plain(condition.join == Join::Or ? kOrButton : kAndButton);
    words << FieldWords(catalogue, condition.field) << texts.Text(static_cast<int>(condition.op));
    if (TakesOperand(condition.op)) {
        const QueryField* field = catalogue.Find(condition.field);
        switch (condition.operand) {
        case QueryOperand::Value:
            if (!field || field->IsText())
                words << QLatin1Char('"') + (field ? QueryValueShown(*field, condition.value) : condition.value) +
                             QLatin1Char('"');
            else
                words << QueryValueShown(*field, condition.value);
            break;
        case QueryOperand::Field:
            words << texts.Plain(kAnotherField) + QLatin1Char(':') << FieldWords(catalogue, condition.value);
            break;
        case QueryOperand::Expression:
            words << texts.Plain(kExpression) + QLatin1Char(':') << condition.value;
            break;
        }
        if (condition.caseSensitive && field && field->IsText())
            words << QLatin1Char('(') + texts.Plain(kCaseSensitiveMatching) + QLatin1Char(')');
    }
    return words.join(QLatin1Char(' '));
}

QStringList QueryWords(const QueryCatalogue& catalogue, const QueryTexts& texts, const Query& query)
{
    if (query.empty())
        return {texts.Plain(QueryTextNumber::kAllRecords)};
    QStringList lines;
    for (size_t i = 0; i < query.size(); ++i)
        lines << QueryConditionWords(catalogue, texts, query[i], i == 0);
    return lines;
}

} // namespace vl
