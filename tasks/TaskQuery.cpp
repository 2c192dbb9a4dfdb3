#include "tasks/TaskQuery.h"

#include "core/base/UserDate.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "platform/ui/PromptService.h"
#include "scripting/QueryExpression.h"

namespace vl {

TaskQuery::TaskQuery() : ListQuery(EvaluateQueryExpression) {}

bool TaskQuery::Open(TableFile& schedule, TableFile& scripting, TableFile& categories)
{
    QueryTables tables;
    QString error;
    if (!ScheduleQueryTables(schedule, scripting, categories, tables, error)) {
        Prompt::Message(error, QLatin1String(kQueryErrorCaption), PromptIcon::Stop);
        return false;
    }
    return ListQuery::Open(QueryFieldCatalogue(), std::move(tables), UserDatePicture());
}

} // namespace vl
