// The task table and its two twins of the same layout: the synchronisation
// file's SyncSchedule (one more flag) and the reports' ScheduleWorkfile.

#include <type_traits>

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/SyncScheduleRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/TableDeclaration.h"
#include "platform/runtime/Clock.h"

namespace vl {
namespace {

constexpr int kReadWriteDenyNone = AccessMode::kReadWrite | AccessMode::kDenyNone;

// The fields in stored order under a prefix; SyncSchedule has BIMONTHLY
// after LastDayofMonth.
template <class R>
void DeclareScheduleFields(TableDeclaration<R>& d, const QString& p, int memoSize)
{
    auto n = [&p](const char* field) { return p + QLatin1Char(':') + QLatin1String(field); };
    d.String(n("User"), &R::User, 40)
        .Long(n("ID"), &R::ID)
        .String(n("TaskType"), &R::TaskType, 20)
        .String(n("Category"), &R::Category, 20)
        .String(n("Description"), &R::Description, 40)
        .String(n("Command"), &R::Command, 255)
        .String(n("Path"), &R::Path, 255)
        .String(n("ScheduleType"), &R::ScheduleType, 15)
        .Byte(n("Sunday"), &R::Sunday)
        .Byte(n("Monday"), &R::Monday)
        .Byte(n("Tuesday"), &R::Tuesday)
        .Byte(n("Wednesday"), &R::Wednesday)
        .Byte(n("Thursday"), &R::Thursday)
        .Byte(n("Friday"), &R::Friday)
        .Byte(n("Saturday"), &R::Saturday)
        .String(n("MonthRepeat"), &R::MonthRepeat, 18)
        .Long(n("Offset"), &R::Offset)
        .Long(n("Every"), &R::Every)
        .Byte(n("Every1st"), &R::Every1st)
        .Byte(n("Every2nd"), &R::Every2nd)
        .Byte(n("Every3rd"), &R::Every3rd)
        .Byte(n("Every4th"), &R::Every4th)
        .Byte(n("EveryLast"), &R::EveryLast)
        .Byte(n("LastDayofMonth"), &R::LastDayofMonth);
    if constexpr (std::is_same_v<R, SyncScheduleRecord>)
        d.Byte(n("BIMONTHLY"), &R::BIMONTHLY);
    d.String(n("EveryType"), &R::EveryType, 20)
        .Long(n("Date"), &R::Date)
        .Long(n("Time"), &R::Time)
        .Long(n("LastRunDate"), &R::LastRunDate)
        .Long(n("LastRunTime"), &R::LastRunTime)
        .Byte(n("SkipNextTime"), &R::SkipNextTime)
        .Byte(n("Alarm"), &R::Alarm)
        .CString(n("AlarmFile"), &R::AlarmFile, 255)
        .Long(n("AdvanceWarnDate"), &R::AdvanceWarnDate)
        .Long(n("AdvanceWarnTime"), &R::AdvanceWarnTime)
        .Byte(n("AdvanceWarned"), &R::AdvanceWarned)
        .Byte(n("Warn"), &R::Warn)
        .Byte(n("SkipIfMissed"), &R::SkipIfMissed)
        .Byte(n("SkipIfScriptActive"), &R::SkipIfScriptActive)
        .Byte(n("NoHistory"), &R::NoHistory)
        .Byte(n("UserSkip"), &R::UserSkip)
        .Byte(n("Disabled"), &R::Disabled)
        .Byte(n("Completed"), &R::Completed)
        .Byte(n("Skipped"), &R::Skipped)
        .Long(n("ExpiryDate"), &R::ExpiryDate)
        .Long(n("ExpiryTime"), &R::ExpiryTime)
        .String(n("ShiftType"), &R::ShiftType, 20)
        .Byte(n("ExceptWeekends"), &R::ExceptWeekends)
        .Byte(n("ExceptWeekdays"), &R::ExceptWeekdays)
        .Byte(n("ExceptHolidays"), &R::ExceptHolidays)
        .Byte(n("ExceptTime"), &R::ExceptTime)
        .Long(n("ExceptTimeBegin"), &R::ExceptTimeBegin)
        .Long(n("ExceptTimeEnd"), &R::ExceptTimeEnd)
        .String(n("EXCEPTOTHER"), &R::EXCEPTOTHER, 20)
        .Long(n("EXCEPTIONLINK"), &R::EXCEPTIONLINK)
        .String(n("NETWORKUSER"), &R::NETWORKUSER, 30)
        .Long(n("LASTCHANGEDATE"), &R::LASTCHANGEDATE)
        .Long(n("LASTCHANGETIME"), &R::LASTCHANGETIME)
        .Long(n("ORIGINALID"), &R::ORIGINALID)
        .Memo(n("Message"), &R::Message, memoSize);
}

struct ScheduleKeyNames {
    KeyRef id, user, date, userDate, category, categoryDate, taskName, taskType, taskDate, dateEnabled,
        advanced, userAdvanced, expiryDate, originalId;
    const char* userDescription;
    const char* advancedDescription;
    const char* originalIdDescription; // null: the table has no KEYORIGINALID
};

template <class R>
void DeclareScheduleKeys(TableDeclaration<R>& d, const QString& p, const ScheduleKeyNames& k)
{
    auto n = [&p](const char* field) { return KeyPart(p + QLatin1Char(':') + QLatin1String(field)); };
    d.Key(k.id, "By System ID", {n("ID")}, kUnique | kPrimary | kAutoNumber)
        .Key(k.user, k.userDescription, {n("User"), n("ID")})
        .Key(k.date, "Date", {n("Date"), n("Time")})
        .Key(k.userDate, "By Date for Specific User", {n("User"), n("Date"), n("Time")})
        .Key(k.category, "Category", {n("Category"), n("Description")})
        .Key(k.categoryDate, "Category/Date", {n("Category"), n("Date"), n("Time")})
        .Key(k.taskName, "Description", {n("Description"), n("Category")})
        .Key(k.taskType, "Task Type", {n("TaskType"), n("Description")})
        .Key(k.taskDate, "Task Type/Date", {n("TaskType"), n("Date"), n("Time")})
        .Key(k.dateEnabled, "Only used to determine if task is waitin", {n("Disabled"), n("Date"), n("Time")})
        .Key(k.advanced, k.advancedDescription, {n("AdvanceWarned"), n("AdvanceWarnDate"), n("AdvanceWarnTime")})
        .Key(k.userAdvanced, "By Advance Notice Within User", {n("User"), n("AdvanceWarnDate"), n("AdvanceWarnTime")})
        .Key(k.expiryDate, "Expiry Date", {n("ExpiryDate"), n("ExpiryTime")});
    if (k.originalIdDescription)
        d.Key(k.originalId, k.originalIdDescription, {n("ORIGINALID")});
}

} // namespace

std::shared_ptr<const TableDef> ScheduleDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScheduleRecord> d(QStringLiteral("Schedule"), QStringLiteral("SCH"));
        d.Description(QStringLiteral("Schedule")).Version(11).FileName(QLatin1String(kScheduleFileName))
            .AccessMode(kReadWriteDenyNone);
        DeclareScheduleFields(d, QStringLiteral("SCH"), 4096);
        DeclareScheduleKeys(d, QStringLiteral("SCH"),
                            {SCH_KEYID, SCH_KEYUSER, SCH_KEYDATE, SCH_KEYUSERDATE, SCH_KEYCATEGORY,
                             SCH_KEYCATEGORYDATE, SCH_KEYTASKNAME, SCH_KEYTASKTYPE, SCH_KEYTASKDATE,
                             SCH_KEYDATEENABLED, SCH_KEYADVANCED, SCH_KEYUSERADVANCED, SCH_KEYEXPIRYDATE,
                             SCH_KEYORIGINALID, "User", "Advanced Warning Date Order", "Original ID"});
        // A new task starts disabled, stamped with the moment it was primed.
        d.InsertDefaults([](ScheduleRecord& r) {
            r.Disabled = 1;
            r.LASTCHANGEDATE = Today();
            r.LASTCHANGETIME = Now();
        });
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> SyncScheduleDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<SyncScheduleRecord> d(QStringLiteral("SyncSchedule"), QStringLiteral("SSch"));
        d.Description(QStringLiteral("Synchronization File - Schedule")).Version(7)
            .FileName(QLatin1String(kSyncScheduleStartName));
        DeclareScheduleFields(d, QStringLiteral("SSCH"), 4096);
        DeclareScheduleKeys(d, QStringLiteral("SSCH"),
                            {SSCH_KEYID, SSCH_KEYUSER, SSCH_KEYDATE, SSCH_KEYUSERDATE, SSCH_KEYCATEGORY,
                             SSCH_KEYCATEGORYDATE, SSCH_KEYTASKNAME, SSCH_KEYTASKTYPE, SSCH_KEYTASKDATE,
                             SSCH_KEYDATEENABLED, SSCH_KEYADVANCED, SSCH_KEYUSERADVANCED, SSCH_KEYEXPIRYDATE,
                             SSCH_KEYORIGINALID, "SSch:KeyUser", "SSch:KeyAdvanced", "SSch:KeyOriginalID"});
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> ScheduleWorkfileDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScheduleRecord> d(QStringLiteral("ScheduleWorkfile"), QStringLiteral("SCW"));
        d.Description(QStringLiteral("Schedule Workfile")).Version(3).AccessMode(kReadWriteDenyNone);
        DeclareScheduleFields(d, QStringLiteral("SCW"), 1000);
        DeclareScheduleKeys(d, QStringLiteral("SCW"),
                            {SCW_KEYID, SCW_KEYUSER, SCW_KEYDATE, SCW_KEYUSERDATE, SCW_KEYCATEGORY,
                             SCW_KEYCATEGORYDATE, SCW_KEYTASKNAME, SCW_KEYTASKTYPE, SCW_KEYTASKDATE,
                             SCW_KEYDATEENABLED, SCW_KEYADVANCED, SCW_KEYUSERADVANCED, SCW_KEYEXPIRYDATE,
                             FileOrder, "SCW:KeyUser", "SCW:KeyAdvanced", nullptr});
        return d.Build();
    }();
    return def;
}

} // namespace vl
