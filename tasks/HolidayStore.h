#pragma once
// Storing holidays. The date is the table's unique key: a day holds one
// holiday. A holiday that meets another on its date is refused with a
// message naming both, so nothing is overwritten and nothing vanishes
// without a word.

#include "core/dictionary/HolidaysRecord.h"
#include "platform/data/Table.h"
#include "platform/ui/FormRequest.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr char kHolidayDateTakenCaption[] = "Holiday Date Taken";
inline constexpr char kHolidayNoDateCaption[] = "Holiday Date";
inline constexpr char kHolidayNoDateText[] = "Enter the holiday's date.";

enum class HolidayAdded { Added, DateTaken, Failed };

// The holiday stored on the date, if any.
std::optional<HolidaysRecord> HolidayOn(Table<HolidaysRecord>& holidays, Date date);

// Adds one holiday. DateTaken when another holiday has that date (nothing
// is written); Failed on any other error, left in the table.
HolidayAdded AddHoliday(Table<HolidaysRecord>& holidays, Date date, const QString& name, const QString& rule);

// Why a holiday could not be stored on its date: "Easter Monday" was not
// saved: 21 APR 2025 already holds "Queen's Birthday". ...
QString HolidayDateTakenText(const QString& name, Date date, const QString& holder);

// Completes the holiday form's request: adds, writes back or deletes the
// record. A missing date, a date another holiday holds, or a file error is
// shown to the user and gives false; the record is left as it was in the
// file and in the caller's hands.
bool StoreHoliday(Table<HolidaysRecord>& holidays, FormRequest request, HolidaysRecord& holiday);

} // namespace vl
