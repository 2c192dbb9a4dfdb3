#pragma once
// The run every preview report shares: the preview question, the report's
// own prompts, a progress window with "Cancel" while the records are read,
// and then the preview or the printer. An empty selection is told as
// "Nothing to Preview." or "Nothing to Print." rather than printed as an
// empty page.

#include "platform/print/Report.h"
#include "reports/ReportRunRules.h"

#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace vl {

// Reads the report's records (telling the progress) and makes the report;
// nothing when the reading was stopped or failed (already told).
using ReportMaker = std::function<std::optional<Report>(const ReadProgress& progress)>;

struct ReportRunPlan {
    QString windowKey;     // the report's procedure name: the preview's window key
    bool askPreview = true; // false: straight to the preview
    // The report's own prompts after the preview question; false ends the
    // run with nothing printed.
    std::function<bool()> prompts;
    ReportMaker make;
    // The progress window's caption and line of text when the report has
    // its own; nothing: those of the report texts.
    std::optional<std::pair<QString, QString>> progressTexts;
};

// The progress window of the reports that print a table as it stands: its
// caption, and a line of text left empty.
inline constexpr char kReportProgressCaption[] = "Report Progress...";

// Runs the report; true when it went to the preview or the printer.
bool RunReport(const ReportRunPlan& plan, QWidget* parent);

} // namespace vl
