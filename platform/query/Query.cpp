#include "platform/query/Query.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vl {

namespace {

const char* const kOperands[] = {"value", "field", "expression"};

} // namespace

std::vector<QueryOperator> OperatorsFor(const QueryField& field)
{
    using Op = QueryOperator;
    if (field.input == QueryInput::CheckBox)
        return {Op::Checked, Op::NotChecked};
    std::vector<Op> ops{Op::Equal, Op::NotEqual, Op::Greater, Op::Less, Op::GreaterEqual, Op::LessEqual};
    if (field.IsText())
        ops.insert(ops.end(), {Op::BeginsWith, Op::Contains, Op::NotBeginsWith, Op::NotContains});
    return ops;
}

bool TakesOperand(QueryOperator op)
{
    return op != QueryOperator::Checked && op != QueryOperator::NotChecked;
}

QString QueryText(const Query& query)
{
    if (query.empty())
        return QString();
    QJsonArray conditions;
    for (const QueryCondition& condition : query) {
        QJsonObject object{
            {"join", condition.join == Join::Or ? "OR" : "AND"},
            {"field", condition.field},
            {"op", static_cast<int>(condition.op)},
            {"with", kOperands[static_cast<int>(condition.operand)]},
            {"value", condition.value},
        };
        if (condition.caseSensitive)
            object.insert("case", true);
        conditions.append(object);
    }
    return QString::fromUtf8(QJsonDocument(conditions).toJson(QJsonDocument::Compact));
}

bool QueryFromText(const QString& text, Query& query, QString& error)
{
    if (text.trimmed().isEmpty()) {
        query.clear();
        return true;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (!document.isArray()) {
        error = parseError.error != QJsonParseError::NoError
                    ? QStringLiteral("The query text is damaged: %1").arg(parseError.errorString())
                    : QStringLiteral("The query text is not a list of conditions");
        return false;
    }
    Query read;
    const QJsonArray conditions = document.array();
    for (qsizetype i = 0; i < conditions.size(); ++i) {
        const QJsonObject object = conditions[i].toObject();
        QueryCondition condition;
        const QString join = object.value("join").toString();
        condition.join = join == QLatin1String("OR") ? Join::Or : Join::And;
        condition.field = object.value("field").toString();
        const int op = object.value("op").toInt();
        const QString with = object.value("with").toString();
        int operand = 0;
        while (operand < 3 && with != QLatin1String(kOperands[operand]))
            ++operand;
        if ((join != QLatin1String("AND") && join != QLatin1String("OR")) || condition.field.isEmpty() || op < 1 ||
            op > 12 || operand == 3 || !object.value("value").isString()) {
            error = QStringLiteral("Condition %1 of the query text is damaged").arg(i + 1);
            return false;
        }
        condition.op = static_cast<QueryOperator>(op);
        condition.operand = static_cast<QueryOperand>(operand);
        condition.value = object.value("value").toString();
        condition.caseSensitive = object.value("case").toBool();
        read.push_back(condition);
    }
    query = std::move(read);
    return true;
}

} // namespace vl
