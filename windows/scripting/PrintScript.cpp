#include "windows/scripting/PrintScript.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/StandardWarnings.h"
#include "platform/print/ReportOutput.h"
#include "scripting/items/ScriptItemTables.h"
#include "windows/scripting/ScriptReport.h"

#include <QProgressDialog>

namespace vl {
namespace {

inline constexpr char kPrintScriptKey[] = "PrintCurrentScript";
inline constexpr char kPrintTemplateKey[] = "PrintCurrentScriptTemplateDetails";

// The owner's items in their order; nothing when the table could not be
// opened or read (the user is told).
template <class R>
std::optional<std::vector<R>> ReadItems(Table<R>& table, int32_t owner)
{
    if (!OpenTable(table)) {
        ShowFileWarning(kWarnFileAccessError, table.Name(), table.LastError());
        return std::nullopt;
    }
    std::vector<R> items;
    const DataError error = ReadScriptItems(table, owner, items);
    table.Close();
    if (!error.Ok()) {
        ShowFileWarning(kWarnFileAccessError, table.Name(), error);
        return std::nullopt;
    }
    return items;
}

// Makes the report under a progress window with "Cancel", then shows it in
// the preview (unless the user cancelled).
template <class Make>
void PrintUnderProgress(const Make& make, const char* windowKey, QWidget* parent)
{
    QProgressDialog progress(QStringLiteral("Preparing the script..."), QStringLiteral("Cancel"), 0, 0, parent);
    progress.setWindowTitle(QLatin1String(kScriptReportTitle));
    progress.setWindowModality(Qt::WindowModal);
    const std::optional<Report> report = make([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (report)
        PreviewReport(*report, QLatin1String(windowKey), parent);
}

} // namespace

void PrintCurrentScript(const ScheduleRecord& task, QWidget* parent)
{
    const auto items = ReadItems(Tables().Scripting, task.ID);
    if (!items)
        return;
    PrintUnderProgress([&](const ReportProgress& progress) { return TaskScriptReport(task, *items, progress); },
                       kPrintScriptKey, parent);
}

void PrintCurrentScriptTemplateDetails(const ScriptTemplatesRecord& scriptTemplate, QWidget* parent)
{
    const auto items = ReadItems(Tables().ScriptTemplateDetails, scriptTemplate.WIZ_ID);
    if (!items)
        return;
    PrintUnderProgress([&](const ReportProgress& progress) { return TemplateScriptReport(*items, progress); },
                       kPrintTemplateKey, parent);
}

} // namespace vl
