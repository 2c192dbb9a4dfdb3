#include "platform/query/QueryFilter.h"

#include "platform/data/Connection.h"

namespace vl {

namespace {

Compare CompareOf(QueryOperator op)
{
    switch (op) {
    case QueryOperator::Equal: return Compare::Equal;
    case QueryOperator::NotEqual: return Compare::NotEqual;
    case QueryOperator::Greater: return Compare::Greater;
    case QueryOperator::Less: return Compare::Less;
    case QueryOperator::GreaterEqual: return Compare::GreaterEqual;
    case QueryOperator::LessEqual: return Compare::LessEqual;
    case QueryOperator::BeginsWith: return Compare::BeginsWith;
    case QueryOperator::Contains: return Compare::Contains;
    case QueryOperator::NotBeginsWith: return Compare::NotBeginsWith;
    case QueryOperator::NotContains: return Compare::NotContains;
    case QueryOperator::Checked: return Compare::NotEqual;
    case QueryOperator::NotChecked: return Compare::Equal;
    }
    return Compare::Equal;
}

} // namespace

bool QueryTables::Has(const QString& field) const
{
    return (view && view->FieldIndex(field) >= 0) || LinkOf(field);
}

const ConditionLink* QueryTables::LinkOf(const QString& field) const
{
    if (view && view->FieldIndex(field) >= 0)
        return nullptr;
    for (const ConditionLink& link : links) {
        if (link.def && link.def->FieldIndex(field) >= 0)
            return &link;
    }
    return nullptr;
}

bool LinkQueryTable(TableFile& view, TableFile& linked, const QString& field, const QString& ownerField,
                    ConditionLink& link, QString& error)
{
    std::shared_ptr<DataConnection> viewConnection;
    std::shared_ptr<DataConnection> linkedConnection;
    QString viewTable;
    QString linkedTable;
    if (!view.Storage(viewConnection, viewTable) || !linked.Storage(linkedConnection, linkedTable)) {
        const TableFile& failed = view.ErrorCode() != 0 ? view : linked;
        error = QStringLiteral("%1: %2").arg(failed.ErrorFile(), failed.Error());
        return false;
    }
    if (viewConnection != linkedConnection) {
        error = QStringLiteral("%1 and %2 are not kept in one data file").arg(view.Name(), linked.Name());
        return false;
    }
    link = {linked.DefinitionPtr(), linkedTable, field, ownerField};
    return true;
}

bool QueryFilter(const Query& query, const QueryTables& tables, const QueryEvaluator& evaluate, Filter& filter,
                 QString& error)
{
    Filter built;
    for (const QueryCondition& condition : query) {
        Condition made;
        made.field = condition.field;
        made.compare = CompareOf(condition.op);
        made.join = condition.join;
        made.noCase = !condition.caseSensitive;
        if (!tables.Has(condition.field)) {
            error = QStringLiteral("The query tests %1, a field this list does not hold").arg(condition.field);
            return false;
        }
        const ConditionLink* link = tables.LinkOf(condition.field);
        if (!TakesOperand(condition.op)) {
            made.value = int64_t(0);
        } else if (condition.operand == QueryOperand::Field) {
            if (!tables.Has(condition.value)) {
                error = QStringLiteral("The query compares with %1, a field this list does not hold")
                            .arg(condition.value);
                return false;
            }
            made.otherField = condition.value;
            if (!link)
                link = tables.LinkOf(condition.value);
        } else if (condition.operand == QueryOperand::Expression) {
            QString value;
            QString problem;
            if (!evaluate) {
                error = QStringLiteral("The expression %1 cannot be evaluated here").arg(condition.value);
                return false;
            }
            if (!evaluate(condition.value, value, problem)) {
                error = QStringLiteral("The expression %1 failed: %2").arg(condition.value, problem);
                return false;
            }
            made.value = value;
        } else {
            made.value = condition.value;
        }
        if (link)
            made.link = *link;
        built.push_back(std::move(made));
    }
    filter = std::move(built);
    return true;
}

} // namespace vl
