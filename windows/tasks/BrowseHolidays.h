#pragma once
// The holiday list ("Holidays"): date (in the user's date picture) and
// description in date order, with the list enhancement (header sorting,
// layout, filters, popup) saved under "BrowseHolidays". "&New", "&View",
// "Cop&y", "&Edit" and "&Delete" open the holiday form on the selected
// holiday; the list opens the Holidays table for its life. One list at a
// time: the frame's menu brings an open one forward.

#include "core/dictionary/HolidaysRecord.h"
#include "windows/lists/ListPane.h"

#include <QWidget>

namespace vl {

inline constexpr char kBrowseHolidaysProcedure[] = "BrowseHolidays";

class BrowseHolidays : public QWidget {
    Q_OBJECT
public:
    explicit BrowseHolidays(QWidget* parent = nullptr);

    BrowseList* List() const { return pane_.List(); }
    BrowseModel* Model() const { return &pane_.Model(); }
    const BrowseButtons& Buttons() const { return pane_.Buttons(); }
    Xplore* Enhancement() const { return pane_.Enhancement(); }

private:
    void OpenForm(FormRequest request, bool copy);
    void Stored(const HolidaysRecord& holiday);

    ListPane pane_;
};

} // namespace vl
