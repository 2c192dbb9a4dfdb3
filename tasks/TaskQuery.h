#pragma once
// The query of a task list (ListQuery.h): the catalogue of the task fields,
// over the tasks with their script items and category. Both task lists keep
// one.

#include "platform/data/TableFile.h"
#include "platform/query/ListQuery.h"

namespace vl {

class TaskQuery : public ListQuery {
public:
    TaskQuery();

    // Reads the catalogue and links the tables. On failure the user has
    // been told (the catalogue's error, or the tables that cannot be read)
    // and the list offers no query.
    bool Open(TableFile& schedule, TableFile& scripting, TableFile& categories);
};

} // namespace vl
