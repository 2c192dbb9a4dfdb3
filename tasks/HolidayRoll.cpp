#include "tasks/HolidayRoll.h"

#include "core/base/EventLog.h"
#include "core/base/UserDate.h"
#include "core/config/ConfigStore.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "tasks/EasterSunday.h"
#include "tasks/HolidayRules.h"
#include "tasks/HolidayStore.h"

#include <QStringList>

namespace vl {

namespace {

struct DefaultHoliday {
    const char* name;
    Date date;
    QString rule;
};

constexpr int kMonday = 1;
constexpr int kThursday = 4;
constexpr int kMay = 5;
// Victoria Day is the Monday before 25 May.
constexpr int kVictoriaDayLastDay = 24;
// How many years on a holiday may move to find a date no other holiday holds.
constexpr int kMostYearsOn = 100;
constexpr char kHolidayLogLabel[] = "Holidays";

// The defaults, in the order they are added, each on its date in the
// present year (those already past are moved on by the roll-forward that
// follows). Veterans Day and Remembrance Day share 11 November, and a day
// holds one holiday: they are one entry that names both.
std::vector<DefaultHoliday> DefaultHolidays(int year)
{
    const Date easter = EasterSunday(year);
    const QString annual = QLatin1String(kAnnualRule);
    const QString dayOfMonth = QLatin1String(kDayOfMonthRule);
    const QString easterRule = QLatin1String(kEasterRule);
    return {
        {"Christmas Day", MakeDate(12, 25, year), annual},
        {"Christmas Eve", MakeDate(12, 24, year), annual},
        {"New Year's Day", MakeDate(1, 1, year + 1), annual},
        {"New Year's Eve", MakeDate(12, 31, year), annual},
        {"Canada Day (Canada)", MakeDate(7, 1, year), annual},
        {"Independence Day (U.S.)", MakeDate(7, 4, year), annual},
        {"Victoria Day (Canada)", WeekdayOnOrBefore(kMay, kVictoriaDayLastDay, year, kMonday),
         OnOrBeforeRule(kVictoriaDayLastDay)},
        {"Memorial Day (U.S.)", LastWeekdayOfMonth(kMay, year, kMonday), QLatin1String(kLastInMonthRule)},
        {"Labor Day/Labour Day)", NthWeekdayOfMonth(9, year, kMonday, 1), dayOfMonth},
        {"Veteran's Day/Remembrance Day", MakeDate(11, 11, year), annual},
        {"Thanksgiving (Canada)", NthWeekdayOfMonth(10, year, kMonday, 2), dayOfMonth},
        {"Thanksgiving (U.S.)", NthWeekdayOfMonth(11, year, kThursday, 4), dayOfMonth},
        {"Easter", easter, easterRule},
        {"Palm Sunday", easter - 7, easterRule},
        {"Good Friday", easter - 2, easterRule},
        {"Easter Monday", easter + 1, easterRule},
    };
}

// The writes of one upkeep in one transaction, committed before any
// message is shown (a prompt never holds the file).
class Batch {
public:
    explicit Batch(TableFile& file) : file_(file) { file_.Stream(); }
    ~Batch() { Commit(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    bool Commit()
    {
        if (!open_)
            return true;
        open_ = false;
        return file_.Flush();
    }

private:
    TableFile& file_;
    bool open_ = true;
};

QString ShownDate(Date date)
{
    const QString text = FormatUserDate(date).trimmed();
    return text.isEmpty() ? QString::number(date) : text;
}

QString HolderOf(Table<HolidaysRecord>& holidays, Date date)
{
    const std::optional<HolidaysRecord> holder = HolidayOn(holidays, date);
    return holder ? Clip(holder->Holiday) : QString();
}

// Commits what the upkeep wrote. A file error met on the way (failed) or at
// the commit is shown and gives false.
bool Finish(Batch& batch, const TableFile& holidays, const char* caption, bool failed = false)
{
    DataError error = failed ? holidays.LastError() : DataError();
    if (failed && error.Ok())
        error = DataError::Make(kFileSystemError, holidays.Name());
    if (!batch.Commit() && error.Ok())
        error = holidays.LastError();
    if (error.Ok())
        return true;
    Prompt::Notify(error.Describe(), QLatin1String(caption), PromptIcon::Stop);
    return false;
}

void ShowRefusals(const QString& heading, const QStringList& refusals, const char* caption)
{
    if (refusals.isEmpty())
        return;
    Prompt::Notify(heading + QLatin1Char('|') + refusals.join(QLatin1Char('|')), QLatin1String(caption),
                   PromptIcon::Information);
}

} // namespace

bool SeedDefaultHolidays(Table<HolidaysRecord>& holidays, Date today)
{
    Batch batch(holidays);
    // Holidays already there are the user's (kept, say, through a repair that
    // lost the configuration): the defaults never go on top of them.
    const int64_t stored = holidays.Records();
    if (stored > 0 || holidays.ErrorCode() != kNoError)
        return Finish(batch, holidays, kDefaultHolidaysCaption, stored == 0);
    QStringList refusals;
    for (const DefaultHoliday& holiday : DefaultHolidays(YearOf(today))) {
        const QString name = QLatin1String(holiday.name);
        switch (AddHoliday(holidays, holiday.date, name, holiday.rule)) {
        case HolidayAdded::Added:
            break;
        case HolidayAdded::DateTaken:
            refusals << QStringLiteral("\"%1\": %2 already holds \"%3\".")
                            .arg(name, ShownDate(holiday.date), HolderOf(holidays, holiday.date));
            break;
        case HolidayAdded::Failed:
            return Finish(batch, holidays, kDefaultHolidaysCaption, true);
        }
    }
    if (!Finish(batch, holidays, kDefaultHolidaysCaption))
        return false;
    ShowRefusals(QStringLiteral("These default holidays were not added, because a day holds one holiday:"),
                 refusals, kDefaultHolidaysCaption);
    return true;
}

bool RollHolidaysForward(Table<HolidaysRecord>& holidays, Date today)
{
    QStringList refusals;
    QStringList passedOver;
    Batch batch(holidays);
    Cursor<HolidaysRecord> cursor(holidays);
    cursor.Set(HOL_KEYHOLIDAYDATE);
    HolidaysRecord holiday;
    while (cursor.Next(holiday) && holiday.HolidayDate < today) {
        HolidaysRecord moved = holiday;
        if (!MoveToNextYear(moved)) {
            if (!holidays.Delete(holiday))
                return Finish(batch, holidays, kHolidayRollCaption, true);
            continue;
        }
        // A date another holiday holds is passed over: the holiday moves on
        // to the next year it fits, so it never stays behind in the past.
        const Date nextDate = moved.HolidayDate;
        const QString holder = HolderOf(holidays, nextDate);
        for (int years = 1; years < kMostYearsOn && HolidayOn(holidays, moved.HolidayDate); ++years)
            MoveToNextYear(moved);
        if (holidays.Put(moved)) {
            if (moved.HolidayDate != nextDate) {
                const QString text = QStringLiteral("\"%1\" moves on to %2: its next date, %3, already holds \"%4\".")
                                         .arg(Clip(holiday.Holiday), ShownDate(moved.HolidayDate),
                                              ShownDate(nextDate), holder);
                WriteEventLog(QLatin1String(kHolidayLogLabel), text);
                passedOver << text;
            }
            continue;
        }
        if (holidays.ErrorCode() != kDuplicateKey)
            return Finish(batch, holidays, kHolidayRollCaption, true);
        refusals << QStringLiteral("\"%1\" stays on %2: its next date, %3, already holds \"%4\".")
                        .arg(Clip(holiday.Holiday), ShownDate(holiday.HolidayDate), ShownDate(moved.HolidayDate),
                             HolderOf(holidays, moved.HolidayDate));
    }
    if (holidays.ErrorCode() != kNoError && holidays.ErrorCode() != kRecordNotAvailable)
        return Finish(batch, holidays, kHolidayRollCaption, true);
    if (!Finish(batch, holidays, kHolidayRollCaption))
        return false;
    ShowRefusals(QStringLiteral("These holidays moved past a date that already holds another holiday (a day holds "
                                "one holiday):"),
                 passedOver, kHolidayRollCaption);
    ShowRefusals(QStringLiteral("These holidays could not move on to their next date, because a day holds one "
                                "holiday:"),
                 refusals, kHolidayRollCaption);
    return true;
}

bool MendVictoriaDayRule(Table<HolidaysRecord>& holidays)
{
    // Collected first: mending moves a holiday within the order being read.
    std::vector<HolidaysRecord> old;
    Cursor<HolidaysRecord> cursor(holidays);
    cursor.Set(HOL_KEYHOLIDAYDATE);
    HolidaysRecord holiday;
    while (cursor.Next(holiday)) {
        const DayMonthYear split = SplitDate(holiday.HolidayDate);
        if (UpperClip(holiday.Holiday).startsWith(QLatin1String("VICTORIA DAY"))
            && SameTextNoCase(holiday.HOLIDAYTYPE, QLatin1String(kDayOfMonthRule)) && split.month == kMay
            && WeekdayOf(holiday.HolidayDate) == kMonday)
            old.push_back(holiday);
    }
    if (holidays.ErrorCode() != kNoError && holidays.ErrorCode() != kRecordNotAvailable)
        return false;
    for (HolidaysRecord& victoria : old) {
        const Date right = WeekdayOnOrBefore(kMay, kVictoriaDayLastDay, YearOf(victoria.HolidayDate), kMonday);
        const QString before = ShownDate(victoria.HolidayDate);
        victoria.HOLIDAYTYPE = OnOrBeforeRule(kVictoriaDayLastDay);
        // A date another holiday holds stays the old one this year; the rule
        // puts it right from next year on.
        if (!HolidayOn(holidays, right))
            victoria.HolidayDate = right;
        if (!holidays.Put(victoria))
            return false;
        WriteEventLog(QLatin1String(kHolidayLogLabel),
                      QStringLiteral("\"%1\" now follows the rule \"%2\": %3 became %4.")
                          .arg(Clip(victoria.Holiday), victoria.HOLIDAYTYPE, before, ShownDate(victoria.HolidayDate)));
    }
    return true;
}

void RollHolidays()
{
    Table<HolidaysRecord>& holidays = Tables().Holidays;
    if (!OpenTable(holidays)) {
        Prompt::Notify(holidays.LastError().Describe(), QLatin1String(kHolidayRollCaption), PromptIcon::Stop);
        return;
    }
    const Date today = Today();
    // A table that fails the mend is not worked on further today.
    if (!MendVictoriaDayRule(holidays)) {
        Prompt::Notify(holidays.LastError().Describe(), QLatin1String(kHolidayRollCaption), PromptIcon::Stop);
        holidays.Close();
        return;
    }
    bool seeded = true;
    if (GetConfigValue(QLatin1String(kDefaultHolidaysKey)).isEmpty()) {
        seeded = SeedDefaultHolidays(holidays, today);
        if (seeded)
            PutConfigValue(QLatin1String(kDefaultHolidaysKey), QStringLiteral("Y"));
    }
    if (seeded)
        RollHolidaysForward(holidays, today);
    holidays.Close();
}

void InstallHolidayRoutines()
{
    TickRoutines().rollHolidays = [lastDay = Date{0}]() mutable {
        if (Today() == lastDay)
            return;
        lastDay = Today();
        RollHolidays();
    };
}

} // namespace vl
