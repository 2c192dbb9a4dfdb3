#pragma once
// A query in words, as the dialog shows it: one line per condition, each
// after the first opening with its AND or OR, then the field's prompt, the
// operator's text and what it is compared with:
//
//   Basic - Description or Title of Task Contains "O'Neil"
//   AND Basic - Next Date to Perform Task Is Less Than Expression: TODAY()+7
//   OR Option - Do not perform this task (True/False) Is Checked

#include "platform/query/Query.h"
#include "platform/query/QueryTexts.h"

#include <QStringList>

namespace vl {

QString QueryConditionWords(const QueryCatalogue& catalogue, const QueryTexts& texts,
                            const QueryCondition& condition, bool first);
// Every condition's line; an empty query is the one line "All Records".
QStringList QueryWords(const QueryCatalogue& catalogue, const QueryTexts& texts, const Query& query);

} // namespace vl
