#include "tasks/TaskQuery.h"

#include "core/base/UserDate.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/PromptService.h"
#include "scripting/ExpressionEvaluator.h"
#include "scripting/Keywords.h"

#include <QRegularExpression>

namespace vl {

namespace {

// Wide enough for any expression the query dialog takes.
constexpr int kExpressionWidth = 4096;

} // namespace

bool EvaluateQueryExpression(const QString& expression, QString& value, QString& error)
{
    static const QRegularExpression today(QStringLiteral("\\bTODAY\\s*\\(\\s*\\)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString text = ExpandKeywords(expression, kExpressionWidth);
    text.replace(today, QString::number(Today()));
    const ExpressionOutcome outcome = ComputeExpression(text);
    if (outcome.failed) {
        error = QStringLiteral("%1: %2").arg(expression.trimmed(), outcome.text);
        return false;
    }
    value = outcome.text;
    return true;
}

bool TaskQuery::Open(TableFile& schedule, TableFile& scripting, TableFile& categories)
{
    available_ = false;
    if (!OpenQueryCatalogue(QueryFieldCatalogue(), catalogue_))
        return false;
    QString error;
    if (!ScheduleQueryTables(schedule, scripting, categories, tables_, error)) {
        Prompt::Message(error, QLatin1String(kQueryErrorCaption), PromptIcon::Stop);
        return false;
    }
    catalogue_.UseDatePicture(UserDatePicture());
    catalogue_.Keep([this](const QueryField& field) { return tables_.Has(field.field); });
    available_ = true;
    return true;
}

bool TaskQuery::Apply(const Query& query, Filter& filter, QString& error)
{
    if (!QueryFilter(query, tables_, EvaluateQueryExpression, filter, error))
        return false;
    current_ = query;
    return true;
}

} // namespace vl
