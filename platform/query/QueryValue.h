#pragma once
// Constants as the user types and reads them, and the check of a condition
// against the catalogue. A number field's constant is kept in its stored
// form (a day number, a clock value, digits) and shown through the field's
// picture; a choice shows its shown text and keeps its stored one.

#include "platform/query/Query.h"

namespace vl {

// The stored form of what the user typed for a field. False, with a message
// naming the field's prompt, for a date, time or number that cannot be read.
bool QueryValueFromInput(const QueryField& field, const QString& input, QString& stored, QString& error);
// A stored constant as the user reads and edits it.
QString QueryValueShown(const QueryField& field, const QString& stored);

// Whether an operator fits a field; false with the reason.
bool CheckQueryOperator(const QueryField& field, QueryOperator op, QString& error);
// Whether a condition fits the catalogue: a field it lists, an operator that
// fits the field, a number where a number is compared, another field of the
// same kind, an expression that is not blank. False with the reason.
bool CheckQueryCondition(const QueryCatalogue& catalogue, const QueryCondition& condition, QString& error);

} // namespace vl
