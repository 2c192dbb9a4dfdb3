#pragma once
// The rules of the backup manager's dialogs, apart from their widgets: which
// members the delete, test and extract dialogs choose and what they count,
// the two password entries, the date of the preferences' date filter, the
// statistics' ratio.

#include "backup/ZipObject.h"

#include <QString>

#include <cstdint>

namespace vl {

enum class MemberChoice { All, Selected, Wildcard };

struct ChoiceCounts {
    int files = 0;
    int64_t bytes = 0;
};

// "&Selected files" when members are marked, else "&All files" (the marks
// are counted first).
MemberChoice InitialMemberChoice(ZipObject& zip);
// All: every member; Selected: the marked ones; Wildcard: 0 and 0.
ChoiceCounts CountsFor(const ZipObject& zip, MemberChoice choice);
// On confirmation: All sets the wildcard "*", Wildcard the entry's text,
// Selected blanks it (the marked members are used); the password is kept.
void ApplyMemberChoice(ZipObject& zip, MemberChoice choice, const QString& wildcardEntry, const QString& password);

enum class PasswordCheck { NoPassword, Mismatch, Agreed };
// A blank first entry is no password; entries that differ are a mismatch.
PasswordCheck CheckPasswords(const QString& first, const QString& second);

// The filter date "mmddyyyy"; blank when the date does not exist.
QString FilterDateText(int month, int day, int year);
// The day of a filter date, or nothing for one that is not eight digits of a
// date that exists.
bool FilterDate(const QString& text, Date& date);

// The total ratio with two decimals and "%".
QString RatioText(double percent);

} // namespace vl
