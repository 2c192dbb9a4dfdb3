#include "exchange/ExchangeFields.h"

namespace vl {
namespace {

ExchangeTableInfo TodoInfo()
{
    return {ExchangeTable::Todo, QStringLiteral("Todo"), QStringLiteral("ExportTodo"), QStringLiteral("ImportTodo"),
            {{"TDO:Done", "@n1"},
             {"TDO:Priority", "@n2"},
             {"TDO:Category", "@s20"},
             {"TDO:ToDo", "@s80"},
             {"TDO:CompletionDate", "@d3"},
             {"TDO:CompletionTime", "@t3"},
             {"TDO:Notes", "@s255"},
             {"TDO:Resolution", "@s255"}}};
}

ExchangeTableInfo ContactInfo()
{
    return {ExchangeTable::Contacts, QStringLiteral("Contact"), QStringLiteral("ExportContacts"),
            QStringLiteral("ImportContacts"),
            {{"C_:Notes", "@s255"},
             {"C_:LastName", "@s30"},
             {"C_:FirstName", "@s20"},
             {"C_:AddressLine1", "@s30"},
             {"C_:AddressLine2", "@s30"},
             {"C_:AddressLine3", "@s30"},
             {"C_:PostalCode", "@s10"},
             {"C_:WorkDayPhone", "@s20"},
             {"C_:HomeEveningPhone", "@s20"},
             {"C_:Fax", "@s20"},
             {"C_:OtherPhone", "@s20"},
             {"C_:Email", "@s40"},
             {"C_:WebSite", "@s60"},
             {"C_:ContactCategory", "@s20"}}};
}

ExchangeTableInfo ScheduleInfo()
{
    ExchangeTableInfo info{ExchangeTable::Schedule, QStringLiteral("Schedule"), QStringLiteral("ExportSchedule"),
                           QStringLiteral("ImportSchedule"), {}};
    const std::vector<std::pair<const char*, const char*>> fields = {
        {"TaskType", "@s20"},        {"Category", "@s20"},      {"Description", "@s40"},
        {"Command", "@s255"},        {"Path", "@s255"},         {"ScheduleType", "@s15"},
        {"Sunday", "@n3"},           {"Monday", "@n3"},         {"Tuesday", "@n3"},
        {"Wednesday", "@n3"},        {"Thursday", "@n3"},       {"Friday", "@n3"},
        {"Saturday", "@n3"},         {"MonthRepeat", "@s18"},   {"Offset", "@n-2b"},
        {"Every", "@n6"},            {"Every1st", "@n3"},       {"Every2nd", "@n3"},
        {"Every3rd", "@n3"},         {"Every4th", "@n3"},       {"EveryLast", "@n3"},
        {"LastDayofMonth", "@n3"},   {"EveryType", "@s20"},     {"Date", "@d17b"},
        {"Time", "@t7b"},            {"LastRunDate", "@d17b"},  {"LastRunTime", "@t7b"},
        {"SkipNextTime", "@n3"},     {"Alarm", "@n3"},          {"AlarmFile", "@s254"},
        {"AdvanceWarnDate", "@d17b"}, {"AdvanceWarnTime", "@t7b"}, {"AdvanceWarned", "@n3"},
        {"Warn", "@n3"},             {"SkipIfMissed", "@n3"},   {"SkipIfScriptActive", "@n3"},
        {"NoHistory", "@n3"},        {"UserSkip", "@n3"},       {"Disabled", "@n3"},
        {"Skipped", "@n3"},          {"ExpiryDate", "@d17"},    {"ExpiryTime", "@t7"},
        {"ShiftType", "@s20"},       {"ExceptWeekends", "@n3"}, {"ExceptWeekdays", "@n3"},
        {"ExceptHolidays", "@n3"},   {"ExceptTime", "@n3"},     {"ExceptTimeBegin", "@t3"},
        {"ExceptTimeEnd", "@t3"}};
    for (const auto& [name, picture] : fields)
        info.fields.push_back({QStringLiteral("SCH:") + QLatin1String(name), QLatin1String(picture)});
    return info;
}

} // namespace

const ExchangeTableInfo& ExchangeInfo(ExchangeTable table)
{
    static const ExchangeTableInfo schedule = ScheduleInfo();
    static const ExchangeTableInfo contacts = ContactInfo();
    static const ExchangeTableInfo todo = TodoInfo();
    switch (table) {
    case ExchangeTable::Schedule: return schedule;
    case ExchangeTable::Contacts: return contacts;
    case ExchangeTable::Todo: break;
    }
    return todo;
}

} // namespace vl
