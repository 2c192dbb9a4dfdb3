#include "tasks/HolidayStore.h"

#include "core/base/UserDate.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

// The user's date picture, or the table's own day number when the date
// lies outside what a picture shows.
QString ShownDate(Date date)
{
    const QString text = FormatUserDate(date).trimmed();
    return text.isEmpty() ? QString::number(date) : text;
}

bool ShowDateTaken(Table<HolidaysRecord>& holidays, const HolidaysRecord& holiday)
{
    const std::optional<HolidaysRecord> holder = HolidayOn(holidays, holiday.HolidayDate);
    Prompt::Message(HolidayDateTakenText(holiday.Holiday, holiday.HolidayDate, holder ? holder->Holiday : QString()),
                    QLatin1String(kHolidayDateTakenCaption), PromptIcon::Exclamation);
    return false;
}

bool ShowFileError(const TableFile& holidays)
{
    Prompt::Message(holidays.LastError().Describe(), QStringLiteral("Holidays"), PromptIcon::Stop);
    return false;
}

} // namespace

std::optional<HolidaysRecord> HolidayOn(Table<HolidaysRecord>& holidays, Date date)
{
    HolidaysRecord holiday;
    holiday.HolidayDate = date;
    if (!holidays.Get(HOL_KEYHOLIDAYDATE, holiday))
        return std::nullopt;
    return holiday;
}

HolidayAdded AddHoliday(Table<HolidaysRecord>& holidays, Date date, const QString& name, const QString& rule)
{
    HolidaysRecord holiday;
    holiday.HolidayDate = date;
    holiday.Holiday = name;
    holiday.HOLIDAYTYPE = rule;
    if (holidays.Add(holiday))
        return HolidayAdded::Added;
    return holidays.ErrorCode() == kDuplicateKey ? HolidayAdded::DateTaken : HolidayAdded::Failed;
}

QString HolidayDateTakenText(const QString& name, Date date, const QString& holder)
{
    return QStringLiteral("\"%1\" was not saved: %2 already holds the holiday \"%3\".|"
                          "A day holds one holiday. Choose another date, or change the holiday already there.")
        .arg(Clip(name), ShownDate(date), Clip(holder));
}

bool StoreHoliday(Table<HolidaysRecord>& holidays, FormRequest request, HolidaysRecord& holiday)
{
    if (request == FormRequest::Delete)
        return holidays.Delete(holiday) || ShowFileError(holidays);
    if (holiday.HolidayDate <= 0) {
        Prompt::Message(QLatin1String(kHolidayNoDateText), QLatin1String(kHolidayNoDateCaption),
                        PromptIcon::Exclamation);
        return false;
    }
    const bool stored = request == FormRequest::Insert ? holidays.Add(holiday) : holidays.Put(holiday);
    if (stored)
        return true;
    return holidays.ErrorCode() == kDuplicateKey ? ShowDateTaken(holidays, holiday) : ShowFileError(holidays);
}

} // namespace vl
