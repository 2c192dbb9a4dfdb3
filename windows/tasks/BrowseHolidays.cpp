#include "windows/tasks/BrowseHolidays.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/lists/ListColumns.h"
#include "windows/tasks/UpdateHolidays.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vl {

namespace {

const std::vector<ListColumn> kColumns = {
    {"HOL:HolidayDate", "Date", "@d3b", "Date", 60, true, true},
    {"HOL:Holiday", "Description", "@s30", "Description", 160}, // wide enough for "Veteran's Day/Remembrance Day"
};

} // namespace

BrowseHolidays::BrowseHolidays(QWidget* parent) : QWidget(parent, Qt::Window), pane_(*this, Tables().Holidays)
{
    SetUpListWindow(*this, kBrowseHolidaysProcedure, QStringLiteral("Holidays"));
    pane_.Model().SetColumns(BrowseColumnsOf(kColumns));
    pane_.Model().SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(pane_.Model(), QStringLiteral("By Date"), HOL_KEYHOLIDAYDATE);

    auto* row = new QHBoxLayout;
    pane_.AddButtons(*row, {"&New", "&View", "Cop&y", "&Edit", "&Delete"},
                     [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    row->addStretch();
    AddCloseButton(*this, *row);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List());
    layout->addLayout(row);

    pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this),
                  {QLatin1String(kBrowseHolidaysProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Underline});
    KeepListWindowPlace(*this, kBrowseHolidaysProcedure, {420, 360});
}

void BrowseHolidays::OpenForm(FormRequest request, bool copy)
{
    Table<HolidaysRecord>& holidays = Tables().Holidays;
    HolidaysRecord holiday;
    if (request == FormRequest::Insert && !copy) {
        holidays.Prime(holiday);
    } else if (!Model()->Record(List()->CurrentRow(), holiday) || !holidays.Get(holiday.RecordPointer, holiday)) {
        // Gone meanwhile (another program deleted it): show the list as it is.
        List()->Refresh();
        return;
    }
    if (copy)
        holiday.RecordPointer = 0;
    auto* form = new UpdateHolidays(request, holiday, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] { Stored(form->Record()); });
    form->open();
}

void BrowseHolidays::Stored(const HolidaysRecord& holiday)
{
    List()->Refresh();
    const int row = Model()->RowOf(ViewRow::From(Model()->Definition(), holiday));
    if (row >= 0)
        List()->SelectRow(row);
}

} // namespace vl
