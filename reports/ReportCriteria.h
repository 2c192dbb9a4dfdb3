#pragma once
// The criteria of the schedule reports, as the "Report Criteria" window
// leaves them: the order (the name of a Schedule key), a filter over task
// fields and the range values it names, and whether future occurrences of
// repeating tasks are expanded into a work file first. The window edits the
// choice; OK turns it into the values the reports read, Cancel blanks them.

#include "core/dictionary/ScheduleRecord.h"

#include <QString>

#include <optional>

namespace vl {

// What the window shows and keeps between runs while the program runs.
struct ReportCriteria {
    QString dateSelect;       // "All" or "Selected"
    Date dateFrom = 0;
    Date dateTo = 0;
    QString categorySelect;   // "All" or "Selected"
    QString categorySelected; // STRING(20)
    QString orderSelect;      // "Date", "Category", "Description", "Task Type", "Adv. Warn", "Category/Date"
};

inline constexpr char kSelectAll[] = "All";
inline constexpr char kSelectSelected[] = "Selected";
inline constexpr char kOrderDate[] = "Date";

// The window's choice, kept from one report run to the next.
inline ReportCriteria ReportCriteriaChoice;

// What the reports read: the key name (blank: the window was cancelled), the
// filter (blank: none) and the values the filter names.
inline QString GlobalOrder;  // STRING(125)
inline QString GlobalFilter; // STRING(255)
namespace GLO {
inline QString Category; // STRING(20), named "Glo:Category" by the filter
inline Date DateFrom = 0;
inline Date DateTo = 0;
} // namespace GLO

// Fills what is blank or zero: "All" ranges, today to today + 30, order "Date".
void ApplyCriteriaDefaults(ReportCriteria& criteria, Date today);

// OK: keeps the choice, stores the future-occurrence box (includeFuture) as
// the RIFO setting, and sets the order, the filter and the range values.
// Future occurrences need a date range: without one the run goes without
// them, while the stored setting keeps the box as the user left it.
void AcceptReportCriteria(const ReportCriteria& criteria, bool includeFuture);
// Cancel: keeps the choice and the future-occurrence box as the user left
// them (the stored RIFO setting stays as it was) and blanks the order and
// the filter.
void CancelReportCriteria(const ReportCriteria& criteria, bool includeFuture);

// The key name an order radio stands for ("Sch:KeyDate" for an unknown one).
QString OrderKeyName(const QString& orderSelect);
// The key of Schedule (or of the work file) a key name names; KEYDATE for an
// unknown name.
KeyRef ScheduleOrderKey(const QString& keyName, bool workfile);

// A criteria filter bound to the range values: conditions on the category
// and the task date joined by AND, over the fields of Schedule ("SCH:") or
// the work file ("SCW:"), without regard to case.
struct ScheduleFilter {
    std::optional<QString> category;
    std::optional<Date> dateFrom;
    std::optional<Date> dateTo;

    bool Matches(const ScheduleRecord& task) const;
};

// Reads a filter text and binds its values; nothing when the text holds a
// condition that is not one of those the criteria window writes. A blank
// text selects every task.
std::optional<ScheduleFilter> ParseScheduleFilter(const QString& filter);

} // namespace vl
