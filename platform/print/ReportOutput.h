#pragma once
// Where a finished report goes: a PDF file, the printer the user picks in
// the print dialog, or the print preview, from which the user prints. A
// failure is shown to the user through the prompt service and returned; so
// is a missing print module (PrintOutputModule.h).

#include "platform/print/Report.h"
#include "platform/runtime/ServiceSlot.h"

#include <QPageLayout>

#include <optional>

class QWidget;

namespace vl {

inline constexpr char kReportErrorCaption[] = "Print Error";

// The page setup of File › Print Setup…, held for the rest of the run: every
// later print uses its printer, paper and margins, and its orientation for
// the reports laid out upright (a report laid out across stays so).
struct ChosenPage {
    QPageLayout page;
    QString printerName;
};
const std::optional<ChosenPage>& CurrentChosenPage();
void SetChosenPage(std::optional<ChosenPage> chosen);
// Opens the page setup dialog on the current choice; a choice taken holds
// from then on. False when cancelled or the print module is missing (said).
bool ChoosePageSetup(QWidget* parent = nullptr);

// Whether the report's columns fit the width of its page (size, orientation
// and margins as printed), those of width 0 each as wide as its widest text.
bool ReportColumnsFitPage(const Report& report);

// Writes the report to a PDF file (replacing one that is there).
bool WriteReportPdf(const Report& report, const QString& path);

// Asks for the printer in the print dialog, then prints; false when the user
// cancelled or printing failed.
bool PrintReport(const Report& report, QWidget* parent = nullptr);

// Shows a finished report; the program's viewer is the print preview, whose
// window keeps its place under the window key.
class ReportViewer {
public:
    virtual ~ReportViewer() = default;
    virtual void Show(const Report& report, const QString& windowKey, QWidget* parent) = 0;
};

// The installed viewer, else the print preview.
ReportViewer& CurrentReportViewer();
using ReportViewerOverride = ServiceOverride<ReportViewer>;

// Shows the report with the current viewer.
void PreviewReport(const Report& report, const QString& windowKey, QWidget* parent = nullptr);

} // namespace vl
