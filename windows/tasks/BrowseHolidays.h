#pragma once
// The holiday list ("Holidays"): date (in the user's date picture) and
// description in date order, with the list enhancement (header sorting,
// layout, filters, popup) saved under "BrowseHolidays". "&New", "&View",
// "Cop&y", "&Edit" and "&Delete" open the holiday form on the selected
// holiday; the list opens the Holidays table for its life. One list at a
// time: the frame's menu brings an open one forward.

#include "windows/lists/ListWindow.h"

namespace vl {

inline constexpr char kBrowseHolidaysProcedure[] = "BrowseHolidays";

class BrowseHolidays : public ListWindow<> {
    Q_OBJECT
public:
    explicit BrowseHolidays(QWidget* parent = nullptr);
};

} // namespace vl
