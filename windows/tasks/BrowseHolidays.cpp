#include "windows/tasks/BrowseHolidays.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"
#include "windows/tasks/UpdateHolidays.h"

namespace vl {

namespace {

const std::vector<ListColumn> kColumns = {
    {"HOL:HolidayDate", "Date", "@d3b", "Date", 60, kUserDateColumn},
    {"HOL:Holiday", "Description", "@s30", "Description", 160}, // wide enough for "Veteran's Day/Remembrance Day"
};

} // namespace

BrowseHolidays::BrowseHolidays(QWidget* parent)
    : ListWindow(parent, Tables().Holidays, kBrowseHolidaysProcedure, QStringLiteral("Holidays"))
{
    pane_.Model().SetColumns(BrowseColumnsOf(kColumns));
    pane_.Model().SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(pane_.Model(), QStringLiteral("By Date"), HOL_KEYHOLIDAYDATE);
    LayOut(StandardRow({"&New", "&View", "Cop&y", "&Edit", "&Delete"},
                       RecordForms<UpdateHolidays>(pane_, Tables().Holidays)));
    pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this),
                  {QLatin1String(kBrowseHolidaysProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Underline});
    KeepListWindowPlace(*this, kBrowseHolidaysProcedure, {420, 360});
}

} // namespace vl
