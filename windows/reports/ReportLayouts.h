#pragma once
// The layouts of the printed reports: which columns, groups and headings
// each has and what its lines hold, made from the records already read and
// selected.

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ContactRecord.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/print/Report.h"

#include <vector>

namespace vl {

// "Schedule in Brief": date, time, category, description and status.
Report BriefScheduleReport(const QString& title, const std::vector<ScheduleRecord>& tasks);
// The checklist "Schedule": a page per task date headed by the day, with
// empty lines for the actual start, end and initials.
Report ChecklistScheduleReport(const QString& title, const std::vector<ScheduleRecord>& tasks);
// Every task in full ("Schedule"), in the order given.
Report FullScheduleReport(const std::vector<ScheduleRecord>& tasks);
// The date, time and description of the tasks of one category, headed by it.
Report OneCategoryReport(const QString& category, const std::vector<ScheduleRecord>& tasks);
// "Category List".
Report CategoryListReport(const std::vector<CategoriesRecord>& categories);
// A to-do list; notes: the text printed under each item; printDate: the
// footer's date (today, when the report started).
Report TodoReport(const QString& title, const std::vector<TodoRecord>& items, bool withResolution, Date printDate);
// "Report the Contact File": a block of five rows per contact.
Report ContactsReport(const std::vector<ContactRecord>& contacts);

} // namespace vl
