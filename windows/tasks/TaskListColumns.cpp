#include "windows/tasks/TaskListColumns.h"

#include "core/base/UserDate.h"
#include "platform/runtime/FixedText.h"
#include "resources/ProgramIcons.h"
#include "tasks/DescribeRecurrence.h"
#include "tasks/TaskListRows.h"

#include <QColor>
#include <QIcon>

#include <map>
#include <memory>

namespace vl {

namespace {

using Icons = std::map<TaskListIcon, QIcon>;

// The fields a row's icons and colours depend on, read straight from the row.
struct RowFields {
    explicit RowFields(const TableDef& def)
        : taskType(def.FieldIndex(QStringLiteral("SCH:TaskType"))),
          disabled(def.FieldIndex(QStringLiteral("SCH:Disabled"))),
          completed(def.FieldIndex(QStringLiteral("SCH:Completed"))),
          skipped(def.FieldIndex(QStringLiteral("SCH:Skipped"))),
          skipNextTime(def.FieldIndex(QStringLiteral("SCH:SkipNextTime")))
    {
    }
    ScheduleRecord Task(const ViewRow& row) const
    {
        const auto number = [&row](int field) {
            return static_cast<uint8_t>(std::get<int64_t>(row.values[static_cast<size_t>(field)]));
        };
        ScheduleRecord task;
        task.TaskType = std::get<QString>(row.values[static_cast<size_t>(taskType)]);
        task.Disabled = number(disabled);
        task.Completed = number(completed);
        task.Skipped = number(skipped);
        task.SkipNextTime = number(skipNextTime);
        return task;
    }
    int taskType, disabled, completed, skipped, skipNextTime;
};

BrowseColumn IconColumn(const QString& header, std::shared_ptr<const Icons> icons, RowFields fields,
                        TaskListIcon (*icon)(const ScheduleRecord&))
{
    BrowseColumn column{QString(), header, QString()};
    column.compute = [](const ViewRow&) { return FieldValue(QString()); };
    column.look = [icons, fields, icon](const ViewRow& row, int role) -> QVariant {
        if (role != Qt::DecorationRole)
            return {};
        return icons->at(icon(fields.Task(row)));
    };
    return column;
}

QVariant Colour(int stored)
{
    if (stored < 0)
        return {};
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

ColumnDefinition Column(const char* field, const char* header, int width, const QString& picture,
                        QChar justification = u'L')
{
    ColumnDefinition column;
    column.field = QLatin1String(field);
    column.header = QLatin1String(header);
    column.description = column.header.isEmpty() ? column.field : column.header;
    column.width = width;
    column.picture = picture;
    column.justification = justification;
    column.sortable = column.field.startsWith(QLatin1String("SCH:"));
    column.viewField = column.sortable;
    return column;
}

} // namespace

std::vector<BrowseColumn> TaskListColumns(const std::shared_ptr<const TableDef>& schedule, const TaskListLayout& layout)
{
    auto icons = std::make_shared<Icons>();
    for (int number = static_cast<int>(TaskListIcon::Blank); number <= static_cast<int>(TaskListIcon::Skipped);
         ++number) {
        const auto icon = static_cast<TaskListIcon>(number);
        icons->emplace(icon, LoadIcon(QLatin1String(TaskListIconName(icon))));
    }
    const RowFields fields(*schedule);

    BrowseColumn date{QStringLiteral("SCH:Date"), QStringLiteral("Date"), QStringLiteral("@d3b"), true};
    date.look = [fields](const ViewRow& row, int role) -> QVariant {
        if (role != Qt::ForegroundRole && role != BrowseModel::kSelectedForegroundRole)
            return {};
        const CellColours colours = DateColours(fields.Task(row));
        return Colour(colours[role == Qt::ForegroundRole ? 0 : 2]);
    };
    BrowseColumn time{QStringLiteral("SCH:Time"), QStringLiteral("Time"), QStringLiteral("@t3b")};
    if (layout.timeJustification == 'R')
        time.alignment = Qt::AlignRight | Qt::AlignVCenter;
    BrowseColumn recurrence{QString(), QStringLiteral("Schedule Type"), QString()};
    recurrence.compute = [def = schedule, width = layout.recurrenceWidth](const ViewRow& row) {
        ScheduleRecord task;
        row.Fill(*def, task);
        return FieldValue(CutTo(DescribeRecurrence(task), width));
    };
    return {IconColumn(QString(), icons, fields, StatusIcon),
            IconColumn(QString(), icons, fields, TaskTypeIcon),
            date,
            time,
            {QStringLiteral("SCH:Category"), QStringLiteral("Category"), QStringLiteral("@s20")},
            {QStringLiteral("SCH:Description"), QStringLiteral("Description"), QStringLiteral("@s40")},
            recurrence};
}

TaskListXplore::TaskListXplore(const TaskListLayout& layout, QObject* parent) : Xplore(parent), layout_(layout) {}

std::vector<ColumnDefinition> TaskListXplore::DefineColumns()
{
    const QString date = UserDatePicture() + QLatin1Char('b');
    std::vector<ColumnDefinition> columns{
        Column(kStatusColumn, "", 12, QStringLiteral("@s1")),
        Column(kTaskTypeColumn, "", 12, QStringLiteral("@s1")),
        Column("SCH:Date", "Date", layout_.dateWidth, date),
        // Wide enough for "12:58PM" with the cell's offset in any usual font.
        Column("SCH:Time", "Time", 40, QStringLiteral("@t3b"), QChar::fromLatin1(layout_.timeJustification)),
        Column("SCH:Category", "Category", layout_.categoryWidth, QStringLiteral("@s20")),
        Column("SCH:Description", "Description", layout_.descriptionWidth, QStringLiteral("@s40")),
        Column(kRecurrenceColumn, "Schedule Type", 60, QStringLiteral("@s%1").arg(layout_.recurrenceWidth)),
    };
    columns[kStatusIconColumn].icon = true;
    columns[kTypeIconColumn].icon = true;
    // The icon columns have no header: their descriptions name them to the user.
    columns[kStatusIconColumn].description = QStringLiteral("Status");
    columns[kTypeIconColumn].description = QStringLiteral("Task Type");
    columns[kDateColumn].colours = true;
    return columns;
}

} // namespace vl
