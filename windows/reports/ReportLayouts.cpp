#include "windows/reports/ReportLayouts.h"

#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "reports/ReportFields.h"

namespace vl {
namespace {

constexpr char kHandwriting[] = "______________";

ReportDefinition Definition(const QString& title, QList<ReportColumn> columns)
{
    ReportDefinition def;
    def.title = title;
    def.columns = std::move(columns);
    def.pageText = QStringLiteral("Page %1");
    for (QFont* font : {&def.fonts.title, &def.fonts.subtitle, &def.fonts.heading, &def.fonts.detail,
                        &def.fonts.footer})
        font->setFamily(QStringLiteral("Arial"));
    return def;
}

ReportRow Row(QStringList cells)
{
    ReportRow row;
    row.cells = std::move(cells);
    return row;
}

// The ticked names among flags, joined: "Monday, Friday".
QString Ticked(std::initializer_list<std::pair<uint8_t, const char*>> flags)
{
    QStringList names;
    for (const auto& [flag, name] : flags) {
        if (flag)
            names << QLatin1String(name);
    }
    return names.join(QStringLiteral(", "));
}

QString Lines(std::initializer_list<QString> lines)
{
    return QStringList(lines).join(u'\n');
}

} // namespace

Report BriefScheduleReport(const QString& title, const std::vector<ScheduleRecord>& tasks)
{
    Report report;
    report.definition = Definition(title, {{QStringLiteral("Date"), 0}, {QStringLiteral("Time"), 0},
                                           {QStringLiteral("Category"), 20}, {QStringLiteral("Description"), 40},
                                           {QStringLiteral("Done"), 0}});
    for (const ScheduleRecord& task : tasks)
        report.rows.append(Row({ReportDate(task.Date), ReportTime(task.Time), Clip(task.Category),
                                Clip(task.Description), TaskStatusText(task)}));
    return report;
}

Report ChecklistScheduleReport(const QString& title, const std::vector<ScheduleRecord>& tasks)
{
    Report report;
    report.definition = Definition(
        title, {{QStringLiteral("Done"), 0}, {QStringLiteral("Time"), 0}, {QStringLiteral("Category"), 14},
                {QStringLiteral("Description"), 28}, {QStringLiteral("Actual Start"), 0},
                {QStringLiteral("Actual End"), 0}, {QStringLiteral("Initials"), 0}});
    report.definition.landscape = true; // seven columns with room to write in
    report.definition.groups.append(ReportGroup{QStringLiteral("%1"), QString(), true});
    for (const ScheduleRecord& task : tasks) {
        ReportRow row = Row({TaskStatusText(task), ReportShortTime(task.Time), Clip(task.Category),
                             Clip(task.Description), QLatin1String(kHandwriting), QLatin1String(kHandwriting),
                             QLatin1String(kHandwriting)});
        row.groups << DayHeading(task.Date);
        report.rows.append(row);
    }
    return report;
}

Report FullScheduleReport(const std::vector<ScheduleRecord>& tasks)
{
    Report report;
    report.definition = Definition(
        QStringLiteral("Schedule"),
        {{Lines({QStringLiteral("Date"), QStringLiteral("Task Type"), QStringLiteral("Advance Warning")}), 12},
         {QStringLiteral("Time"), 8},
         {Lines({QStringLiteral("Category"), QStringLiteral("Command"), QStringLiteral("Schedule Type")}), 26},
         {Lines({QStringLiteral("Description"), QStringLiteral("Message")}), 34}});
    for (const ScheduleRecord& task : tasks) {
        const QString every = task.Every != 0 || !Clip(task.EveryType).isEmpty()
                                  ? QStringLiteral("Every %1 %2").arg(task.Every).arg(Clip(task.EveryType))
                                  : QString();
        const QString weeks = Ticked({{task.Every1st, "1st"}, {task.Every2nd, "2nd"}, {task.Every3rd, "3rd"},
                                      {task.Every4th, "4th"}, {task.EveryLast, "Last"}});
        const QString days = Ticked({{task.Sunday, "Sunday"}, {task.Monday, "Monday"}, {task.Tuesday, "Tuesday"},
                                     {task.Wednesday, "Wednesday"}, {task.Thursday, "Thursday"},
                                     {task.Friday, "Friday"}, {task.Saturday, "Saturday"}});
        const QString lastRun = QStringLiteral("Last Run: %1 %2")
                                    .arg(ReportDate(task.LastRunDate), ReportTime(task.LastRunTime))
                                    .trimmed();
        const QString alarm =
            task.Alarm ? QStringLiteral("Alarm: ") + Clip(task.AlarmFile).left(80) : QString();
        const QString flags = Ticked({{task.SkipNextTime, "Skip Next Time"},
                                      {task.Warn, "Warn if not run on specified date"},
                                      {task.UserSkip, "Give option to skip before performing"},
                                      {task.Disabled, "Disabled"}});
        QStringList rule{Clip(task.Category), Clip(task.Command).left(80), Clip(task.ScheduleType)};
        for (const QString& part : {every, weeks, days}) {
            if (!part.isEmpty())
                rule << part;
        }
        QStringList text{Clip(task.Description), Clip(task.Message), lastRun};
        for (const QString& part : {alarm, flags}) {
            if (!part.isEmpty())
                text << part;
        }
        report.rows.append(Row({Lines({ReportDate(task.Date), Clip(task.TaskType), ReportDate(task.AdvanceWarnDate)}),
                                Lines({ReportTime(task.Time), QString(), ReportTime(task.AdvanceWarnTime)}),
                                rule.join(u'\n'), text.join(u'\n')}));
    }
    return report;
}

Report OneCategoryReport(const QString& category, const std::vector<ScheduleRecord>& tasks)
{
    Report report;
    report.definition = Definition(Clip(category).left(20), {{QStringLiteral("Date"), 0},
                                                             {QStringLiteral("Time"), 0},
                                                             {QStringLiteral("Description"), 40}});
    for (const ScheduleRecord& task : tasks)
        report.rows.append(Row({ReportDate(task.Date), ReportTime(task.Time), Clip(task.Description)}));
    return report;
}

Report CategoryListReport(const std::vector<CategoriesRecord>& categories)
{
    Report report;
    report.definition = Definition(QStringLiteral("Category List"), {{QStringLiteral("Category"), 20}});
    for (const CategoriesRecord& category : categories)
        report.rows.append(Row({Clip(category.Category)}));
    return report;
}

Report TodoReport(const QString& title, const std::vector<TodoRecord>& items, bool withResolution, Date printDate)
{
    Report report;
    report.definition = Definition(title, {{QStringLiteral("Priority"), 0},
                                           {QStringLiteral("To Do"), 50},
                                           {QStringLiteral("Category"), 16},
                                           {QStringLiteral("Done"), 0}});
    report.definition.date = ReportDate(printDate);
    for (const TodoRecord& item : items) {
        const QString notes = withResolution ? NotesWithResolution(item) : item.Notes;
        const QString text = Clip(notes).isEmpty() ? Clip(item.ToDo) : Clip(item.ToDo) + u'\n' + notes;
        const QString done = item.Done ? (QStringLiteral("\u2713 ") + ReportDate(item.CompletionDate)).trimmed()
                                       : ReportDate(item.CompletionDate);
        report.rows.append(Row({Picture::Format(item.Priority, QStringLiteral("@n2")).trimmed(), text,
                                Clip(item.Category), done}));
    }
    return report;
}

Report ContactsReport(const std::vector<ContactRecord>& contacts)
{
    Report report;
    report.definition = Definition(
        QStringLiteral("Report the Contact File"),
        {{Lines({QStringLiteral("Last Name"), QStringLiteral("Address Line 2"), QStringLiteral("Work/Day Phone"),
                 QStringLiteral("Other Phone"), QStringLiteral("Contact Category")}),
          10},
         {Lines({QStringLiteral("First Name"), QStringLiteral("Address Line 3"),
                 QStringLiteral("Home/Evening Phone"), QStringLiteral("Email")}),
          10},
         {Lines({QStringLiteral("Address Line 1"), QStringLiteral("Postal Code"), QStringLiteral("Fax"),
                 QStringLiteral("Web Site")}),
          10}});
    for (const ContactRecord& c : contacts) {
        report.rows.append(Row({Lines({Clip(c.LastName), Clip(c.AddressLine2), Clip(c.WorkDayPhone),
                                       Clip(c.OtherPhone), Clip(c.ContactCategory)}),
                                Lines({Clip(c.FirstName), Clip(c.AddressLine3), Clip(c.HomeEveningPhone),
                                       Clip(c.Email)}),
                                Lines({Clip(c.AddressLine1), Clip(c.PostalCode), Clip(c.Fax), Clip(c.WebSite)})}));
    }
    return report;
}

} // namespace vl
