#pragma once
// The columns of the task lists: status icon, task-type icon, date (in the
// user's date picture, grey for a disabled task and blue for one whose next
// run is skipped), time, category, description and the recurrence text;
// the model's columns and the list enhancement's, in the same order.

#include "platform/browse/BrowseModel.h"
#include "xplore/windows/Xplore.h"

#include <memory>

namespace vl {

// Where the two lists differ: widths in dialog units, the time's
// justification, and how much of the recurrence text shows.
struct TaskListLayout {
    int dateWidth = 47;
    int categoryWidth = 57;
    int descriptionWidth = 135;
    char timeJustification = 'R';
    int recurrenceWidth = 80; // characters
};

// Field names of the computed columns (the list enhancement names them).
inline constexpr char kStatusColumn[] = "Checkmark";
inline constexpr char kTaskTypeColumn[] = "PrgIcon";
inline constexpr char kRecurrenceColumn[] = "LOC:ScheduleType";

enum TaskListColumn { kStatusIconColumn, kTypeIconColumn, kDateColumn, kTimeColumn, kCategoryColumn,
                      kDescriptionColumn, kScheduleTypeColumn };

// The model's columns over the Schedule table.
std::vector<BrowseColumn> TaskListColumns(const std::shared_ptr<const TableDef>& schedule, const TaskListLayout& layout);

class TaskListXplore : public Xplore {
public:
    TaskListXplore(const TaskListLayout& layout, QObject* parent);

protected:
    std::vector<ColumnDefinition> DefineColumns() override;

private:
    TaskListLayout layout_;
};

} // namespace vl
