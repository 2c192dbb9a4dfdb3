#pragma once
// The holiday list ("Holidays"): date (in the user's date picture) and
// description in date order, with the list enhancement (header sorting,
// layout, filters, popup) saved under "BrowseHolidays". "&New", "&View",
// "Cop&y", "&Edit" and "&Delete" open the holiday form on the selected
// holiday; the list opens the Holidays table for its life. One list at a
// time: the frame's menu brings an open one forward.

#include "core/dictionary/HolidaysRecord.h"
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "platform/viewcopy/ViewCopyBrowse.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace vl {

class BrowseList;
class Xplore;

inline constexpr char kBrowseHolidaysProcedure[] = "BrowseHolidays";

class BrowseHolidays : public QWidget {
    Q_OBJECT
public:
    explicit BrowseHolidays(QWidget* parent = nullptr);
    ~BrowseHolidays() override;

    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_.get(); }
    const BrowseButtons& Buttons() const { return viewCopy_->Buttons(); }
    Xplore* Enhancement() const { return xplore_; }

private:
    void OpenForm(FormRequest request, bool copy);
    void Stored(const HolidaysRecord& holiday);

    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    Xplore* xplore_ = nullptr;
    ViewCopyBrowse* viewCopy_ = nullptr;
};

} // namespace vl
