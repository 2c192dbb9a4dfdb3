#pragma once
// The printed script as a report: one detail line per item, its action and
// its description cut to the detail width, in the items' order. Headed by
// "Script" and the task's description, or, for a template, by "Script" and
// the column headings.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/print/Report.h"

#include <functional>
#include <optional>
#include <vector>

namespace vl {

inline constexpr char kScriptReportTitle[] = "Script";
inline constexpr char kActionHeading[] = "Action";
inline constexpr char kDetailsHeading[] = "Details";

// Told of each item as its line is made (items done, items in all); false
// cancels the report.
using ReportProgress = std::function<bool(int done, int total)>;

// Nothing when the progress cancelled it.
std::optional<Report> TaskScriptReport(const ScheduleRecord& task, const std::vector<ScriptingRecord>& items,
                                       const ReportProgress& progress);
std::optional<Report> TemplateScriptReport(const std::vector<ScriptTemplateDetailsRecord>& items,
                                           const ReportProgress& progress);

} // namespace vl
