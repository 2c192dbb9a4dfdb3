#pragma once
// The filters of the task lists as data (platform/data/Condition.h): the
// tasks of one day, of one category, the active ones, and the three choices
// of "Explore Schedule" (status, day or date range, category). A list
// installs each under its own name; the view joins them with AND.

#include "platform/data/Condition.h"
#include "platform/runtime/Calendar.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vl {

// Filter names, shared by both lists (the query's is kQueryFilterName of
// ListQuery.h).
inline constexpr char kTaskTypeFilterName[] = "3TaskType";
inline constexpr char kStatusFilterName[] = "3Status";
inline constexpr char kDateFilterName[] = "2Date";
inline constexpr char kCategoryFilterName[] = "5Cat";

// The tasks due on one day.
Filter DayFilter(Date day);
// The tasks of one category (letter case ignored).
Filter CategoryFilter(const QString& category);
// Neither disabled nor completed.
Filter ActiveFilter();
// Every task but those hot keys run: they never show in "Explore Schedule".
Filter NoHotKeyFilter();

// "Explore Schedule"'s status choices.
inline constexpr char kAllChoice[] = "All";
inline constexpr char kActiveStatus[] = "Active";
inline constexpr char kCompletedStatus[] = "Completed";
inline constexpr char kDisabledStatus[] = "Disabled";
QStringList StatusChoices();
// The filter of a status: none for "All"; nothing for an unknown status
// (the list keeps the filter it has).
std::optional<Filter> StatusFilter(const QString& status);

// "Explore Schedule"'s day choices.
inline constexpr char kTodayChoice[] = "Today";
inline constexpr char kTomorrowChoice[] = "Tomorrow";
inline constexpr char kThisWeekChoice[] = "This Week";
inline constexpr char kThisMonthChoice[] = "This Month";
inline constexpr char kYesterdayChoice[] = "Yesterday";
inline constexpr char kCustomChoice[] = "Custom";
QStringList DayChoices();

// The range "Custom" proposes while none has been chosen.
Date DefaultRangeFrom(); // 1 January 1995
Date DefaultRangeTo();   // 1 January 2099

// What a day choice selects, and the date a new task takes from it.
struct DaySelection {
    Filter filter;       // empty for "All"
    QString shown;       // the date or range beside the choices ("" for "All")
    Date dateToUse = 0;
    Date rangeFrom = 0;  // the range the choice stands for (0 for none)
    Date rangeTo = 0;
};
inline constexpr char kAnyDateTip[] = "Select records by date";

// The selection of a day choice on a day (today). "This Month" selects
// this month in every year; its range is this year's. "Custom" runs from rangeFrom to rangeTo inclusive
// (the defaults above where they are 0); its new tasks take its first day,
// or today when that has passed. Nothing for an unknown choice.
std::optional<DaySelection> SelectDays(const QString& day, Date today, Date rangeFrom, Date rangeTo);

// A range as the lists show it: the two dates in the user's date picture
// joined by a hyphen, without blanks.
QString RangeText(Date from, Date to);

} // namespace vl
