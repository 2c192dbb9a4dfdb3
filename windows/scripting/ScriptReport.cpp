#include "windows/scripting/ScriptReport.h"

#include "core/base/UserDate.h"
#include "platform/runtime/Clock.h"
#include "scripting/items/DescribeScriptItem.h"

namespace vl {
namespace {

constexpr int kActionWidth = 27;
constexpr int kDescriptionWidth = 40; // of the task in the page header

ReportDefinition ScriptDefinition()
{
    ReportDefinition def;
    def.title = QLatin1String(kScriptReportTitle);
    def.date = FormatUserDate(Today());
    // Small enough that a description of the full detail width fits its line.
    def.fonts.detail.setPointSize(8);
    def.marginMillimetres = 12;
    // The action column is as wide as the longest action printed; the
    // description keeps the rest of the line.
    def.columns = {{QLatin1String(kActionHeading), 0}, {QLatin1String(kDetailsHeading), kScriptItemDetailWidth}};
    return def;
}

template <class R>
std::optional<Report> ItemsReport(ReportDefinition def, const std::vector<R>& items, const ReportProgress& progress)
{
    Report report{std::move(def), {}};
    const int total = int(items.size());
    for (int i = 0; i < total; ++i) {
        if (!progress(i, total))
            return std::nullopt;
        const R& item = items[size_t(i)];
        report.rows.append({{item.Action.left(kActionWidth).trimmed(), ScriptItemDetail(item)}, {}});
    }
    if (!progress(total, total))
        return std::nullopt;
    return report;
}

} // namespace

std::optional<Report> TaskScriptReport(const ScheduleRecord& task, const std::vector<ScriptingRecord>& items,
                                       const ReportProgress& progress)
{
    ReportDefinition def = ScriptDefinition();
    def.subtitles = {task.Description.left(kDescriptionWidth).trimmed()};
    def.columnHeadings = false;
    return ItemsReport(std::move(def), items, progress);
}

std::optional<Report> TemplateScriptReport(const std::vector<ScriptTemplateDetailsRecord>& items,
                                           const ReportProgress& progress)
{
    return ItemsReport(ScriptDefinition(), items, progress);
}

} // namespace vl
