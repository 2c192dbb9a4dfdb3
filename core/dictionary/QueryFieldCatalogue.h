#pragma once
// What the task lists hand the query dialog: the catalogue of the fields a
// task query may test (the task's own fields, its category and its script
// items), the catalogue's name, the file that keeps saved queries, and the
// tables a task query reads.

#include "platform/query/QueryFilter.h"

namespace vl {

// The catalogue text: 70 entries, one per field, in the order the dialog
// offers them (QueryCatalogue.h describes the form).
QString QueryFieldCatalogue();

// The catalogue's name: the section of the saved task queries.
inline constexpr char kScheduleQueryName[] = "SCHEDULE";
// The INI file of the data directory that keeps saved queries.
inline constexpr char kSavedQueriesFile[] = "QUERIES.INI";

// The tables a task query reads: the tasks, with their script items
// (SCR:ID = SCH:ID) and their category (CAT:Category = SCH:Category) linked.
// False, with a message, when one of them cannot be opened.
bool ScheduleQueryTables(TableFile& schedule, TableFile& scripting, TableFile& categories, QueryTables& tables,
                         QString& error);

} // namespace vl
