#include "core/dictionary/QueryFieldCatalogue.h"

namespace vl {

namespace {

// prompt ¦ 0 ¦ field ¦ picture ¦ size ¦ kind ¦ input ¦ ¦ choices or check-box label, entries
// separated by «. Reminders are stored with the task type "None".
const char kCatalogue[] =
    "Category - Name¦0¦CAT:Category¦@s20¦20¦1¦1¦¦«"
    "Basic - Task Type (Message/Program/Both/Reminder)¦0¦SCH:TaskType¦@s20¦20¦1¦3¦¦Run Program|Display Message|Both|Reminder Only=None«"
    "Basic - Task Category¦0¦SCH:Category¦@s20¦20¦1¦1¦¦«"
    "Basic - Description or Title of Task¦0¦SCH:Description¦@s40¦40¦1¦1¦¦«"
    "Basic - Program or Document to Run¦0¦SCH:Command¦@s255¦255¦1¦1¦¦«"
    "Basic - Start in Directory¦0¦SCH:Path¦@s255¦255¦1¦1¦¦«"
    "Basic - Task Schedule Type (Once/Repeating)¦0¦SCH:ScheduleType¦@s15¦15¦1¦3¦¦Once|Day of Week|Day of Month|Semi-Monthly|Monthly|Yearly|Custom«"
    "Day of Week - Sunday¦0¦SCH:Sunday¦@n3¦1¦2¦2¦¦Sunday«"
    "Day of Week - Monday¦0¦SCH:Monday¦@n3¦1¦2¦2¦¦Monday«"
    "Day of Week - Tuesday¦0¦SCH:Tuesday¦@n3¦1¦2¦2¦¦Tuesday«"
    "Day of Week - Wednesday¦0¦SCH:Wednesday¦@n3¦1¦2¦2¦¦Wednesday«"
    "Day of Week - Thursday¦0¦SCH:Thursday¦@n3¦1¦2¦2¦¦Thursday«"
    "Day of Week - Friday¦0¦SCH:Friday¦@n3¦1¦2¦2¦¦Friday«"
    "Day of Week - Saturday¦0¦SCH:Saturday¦@n3¦1¦2¦2¦¦Saturday«"
    "Monthly - Repeat (Once/Twice)¦0¦SCH:MonthRepeat¦@s18¦18¦1¦1¦¦«"
    "Semi-Monthly - Offset in Days¦0¦SCH:Offset¦@n-7¦4¦2¦1¦¦«"
    "Custom - Repeat Task Every...¦0¦SCH:Every¦@n7¦4¦2¦1¦¦«"
    "Every - 1st Week of Month¦0¦SCH:Every1st¦@n3¦1¦2¦2¦¦1st«"
    "Every - 2nd Week of Month¦0¦SCH:Every2nd¦@n3¦1¦2¦2¦¦2nd«"
    "Every - 3rd Week of Month¦0¦SCH:Every3rd¦@n3¦1¦2¦2¦¦3rd«"
    "Every - 4th Week of Month¦0¦SCH:Every4th¦@n3¦1¦2¦2¦¦4th«"
    "Every - Last Week of Month¦0¦SCH:EveryLast¦@n3¦1¦2¦2¦¦Last«"
    "Every - Last Day of Month¦0¦SCH:LastDayofMonth¦@n3¦1¦2¦2¦¦Last Day of Month«"
    "Custom - Units (minutes/hours/days/...)¦0¦SCH:EveryType¦@s20¦20¦1¦1¦¦«"
    "Basic - Next Date to Perform Task¦0¦SCH:Date¦@d17b¦4¦2¦1¦¦«"
    "Basic - Next Time to Perform Task¦0¦SCH:Time¦@t7b¦4¦2¦1¦¦«"
    "Status - Date Last Performed¦0¦SCH:LastRunDate¦@d17b¦4¦2¦1¦¦«"
    "Status - Time Last Performed¦0¦SCH:LastRunTime¦@t7b¦4¦2¦1¦¦«"
    "Option - Skip next occurrence of this task (True/False)¦0¦SCH:SkipNextTime¦@n3¦1¦2¦2¦¦Skip Next Time«"
    "Alarm - Play a Sound (True/False)¦0¦SCH:Alarm¦@n3¦1¦2¦2¦¦Alarm«"
    "Alarm - Sound File¦0¦SCH:AlarmFile¦@s255¦255¦1¦1¦¦«"
    "Advance Warning - Date¦0¦SCH:AdvanceWarnDate¦@d17b¦4¦2¦1¦¦«"
    "Advance Warning - Time¦0¦SCH:AdvanceWarnTime¦@t7b¦4¦2¦1¦¦«"
    "Advance Warning - Given (True/False)¦0¦SCH:AdvanceWarned¦@n3¦1¦2¦2¦¦Warned«"
    "Option - Warn if not run on date (True/False)¦0¦SCH:Warn¦@n3¦1¦2¦2¦¦Warn«"
    "Option - Skip if not run on date (True/False)¦0¦SCH:SkipIfMissed¦@n3¦1¦2¦2¦¦Skip if Missed«"
    "Option - Skip if script active (True/False)¦0¦SCH:SkipIfScriptActive¦@n3¦1¦2¦2¦¦Skip if Script Active«"
    "Option - Do not show history (True/False)¦0¦SCH:NoHistory¦@n3¦1¦2¦2¦¦No History«"
    "Option - Ask to skip (True/False)¦0¦SCH:UserSkip¦@n3¦1¦2¦2¦¦User Skip«"
    "Option - Do not perform this task (True/False)¦0¦SCH:Disabled¦@n3¦1¦2¦2¦¦Disabled«"
    "Status - Task was skipped (True/False)¦0¦SCH:Skipped¦@n3¦1¦2¦2¦¦Skipped«"
    "Expiry - Task expires (True/False)¦0¦SCH:Expiry¦@n3¦1¦2¦2¦¦Expiry«"
    "Expiry - Expiry Date¦0¦SCH:ExpiryDate¦@d17b¦4¦2¦1¦¦«"
    "Expiry - Expiry Time¦0¦SCH:ExpiryTime¦@t7b¦4¦2¦1¦¦«"
    "Exception - Task has exceptions (True/False)¦0¦SCH:Exceptions¦@n3¦1¦2¦2¦¦Exceptions«"
    "Exception - Shift Type (Skip/Previous/Next)¦0¦SCH:ShiftType¦@s20¦20¦1¦1¦¦«"
    "Exception - Except Weekends¦0¦SCH:ExceptWeekends¦@n3¦1¦2¦2¦¦Weekends«"
    "Exception - Except Weekdays¦0¦SCH:ExceptWeekdays¦@n3¦1¦2¦2¦¦Weekdays«"
    "Exception - Except Holidays¦0¦SCH:ExceptHolidays¦@n3¦1¦2¦2¦¦Holidays«"
    "Exception - Except a Time Range¦0¦SCH:ExceptTime¦@n3¦1¦2¦2¦¦Time Range«"
    "Exception - Time Range Begins¦0¦SCH:ExceptTimeBegin¦@t7b¦4¦2¦1¦¦«"
    "Exception - Time Range Ends¦0¦SCH:ExceptTimeEnd¦@t7b¦4¦2¦1¦¦«"
    "Script - Action¦0¦SCR:Action¦@s27¦27¦1¦3¦¦Send Keys|Set Focus|Wait|Display Message|If Window...|If Time Elapsed...|If Value...|...End If|Start Program|Close Program|Start Script|DDE|File Actions|Send Email|Set Value|Exit Script«"
    "Script - Keystrokes to Send¦0¦SCR:Keystrokes¦@s255¦255¦1¦1¦¦«"
    "Script - Seconds to Wait¦0¦SCR:SecondsToWait¦@n7¦4¦2¦1¦¦«"
    "Script - Window to Wait For¦0¦SCR:WaitForWindow¦@s255¦255¦1¦1¦¦«"
    "Script - Window to Focus On¦0¦SCR:FocusOnWindow¦@s255¦255¦1¦1¦¦«"
    "Script - Window Exists or Not¦0¦SCR:WindowExistance¦@s20¦20¦1¦1¦¦«"
    "Script - Window Title to Check¦0¦SCR:WindowTitleToCheckFor¦@s255¦255¦1¦1¦¦«"
    "Script - Time Elapsed Test¦0¦SCR:IfTimeElapsed¦@s20¦20¦1¦1¦¦«"
    "Script - Time Elapsed (Seconds)¦0¦SCR:TimeElapsed¦@n9¦4¦2¦1¦¦«"
    "Script - Next Task ID¦0¦SCR:NextTaskID¦@n9¦4¦2¦1¦¦«"
    "Script - E-mail ID¦0¦SCR:EmailID¦@n9¦4¦2¦1¦¦«"
    "Script - Program to Start¦0¦SCR:Command¦@s255¦255¦1¦1¦¦«"
    "Script - Start in Directory¦0¦SCR:Path¦@s255¦255¦1¦1¦¦«"
    "Script - DDE Type (Request/Execute)¦0¦SCR:DDEType¦@s20¦20¦1¦3¦¦Request|Execute«"
    "Script - DDE Application Name¦0¦SCR:DDEApplicationName¦@s255¦255¦1¦1¦¦«"
    "Script - DDE Topic¦0¦SCR:DDEApplicationTopic¦@s255¦255¦1¦1¦¦«"
    "Script - DDE Link Item¦0¦SCR:DDELinkItem¦@s80¦80¦1¦1¦¦«"
    "Script - DDE Command¦0¦SCR:DDECommand¦@s255¦255¦1¦1¦¦";

} // namespace

QString QueryFieldCatalogue()
{
    return QString::fromUtf8(kCatalogue);
}

bool ScheduleQueryTables(TableFile& schedule, TableFile& scripting, TableFile& categories, QueryTables& tables,
                         QString& error)
{
    QueryTables made{schedule.DefinitionPtr(), {}};
    ConditionLink items;
    ConditionLink category;
    if (!LinkQueryTable(schedule, scripting, QStringLiteral("SCR:ID"), QStringLiteral("SCH:ID"), items, error) ||
        !LinkQueryTable(schedule, categories, QStringLiteral("CAT:Category"), QStringLiteral("SCH:Category"), category,
                        error))
        return false;
    made.links = {items, category};
    tables = std::move(made);
    return true;
}

} // namespace vl
