#pragma once
// The exceptions window's rules: the stored weekday overrides, the default
// exception action and which controls the ticked exceptions enable.

#include "core/dictionary/ScheduleRecord.h"

#include <QString>

#include <array>

namespace vl {

// The "E&xception Action" radios; their texts are the stored values.
inline constexpr char kShiftSkip[] = "Skip (to next valid day)";
inline constexpr char kShiftPrevious[] = "Previous day";
inline constexpr char kShiftNext[] = "Next day";

// Sunday first.
using WeekdayMarks = std::array<bool, 7>;

// Characters 1 to 7 of EXCEPTOTHER, Sunday first: "Y" excludes that day.
WeekdayMarks ExceptedWeekdays(const QString& exceptOther);
// The seven characters for the marks ("Y" or a blank each); the rest of the
// field is blank.
QString ExceptOtherText(const WeekdayMarks& days);

// A blank exception action becomes "Skip (to next valid day)".
void DefaultShiftType(ScheduleRecord& task);

struct ExceptionControls {
    bool action = false;    // "E&xception Action": a weekend, weekday or holiday exception is ticked
    bool timeRange = false; // "&Begin:", "&End:" and their entries: the time range is ticked
    bool weekends = true;   // "Except &weekends": weekdays are not ticked (or both are)
    bool weekdays = true;   // "Except week&days": weekends are not ticked (or both are)
};

ExceptionControls ControlsForExceptions(const ScheduleRecord& task);

} // namespace vl
