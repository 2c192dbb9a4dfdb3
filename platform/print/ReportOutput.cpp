#include "platform/print/ReportOutput.h"

#include "platform/print/PreviewPlace.h"
#include "platform/print/PrintOutputModule.h"
#include "platform/print/ReportPainter.h"
#include "platform/runtime/ProgramModule.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"

#include <QDir>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QScreen>
#include <QWidget>

#include <memory>

namespace vl {
namespace {

void ShowFailure(const QString& text)
{
    Prompt::Message(text, QLatin1String(kReportErrorCaption), PromptIcon::Stop);
}

// The print module; nullptr, after saying so when `tell`, without it.
const PrintOutput* Output(bool tell)
{
    QString error;
    const PrintOutput* output = LoadPrintOutput(ProgramModuleFolders(), error);
    if (!output && tell)
        ShowFailure(error);
    return output;
}

std::optional<ChosenPage>& Chosen()
{
    static std::optional<ChosenPage> chosen;
    return chosen;
}

PrinterSetup SetupFor(const ReportDefinition& def)
{
    PrinterSetup setup;
    setup.docName = def.title;
    setup.landscape = def.landscape;
    setup.marginMillimetres = def.marginMillimetres;
    if (const std::optional<ChosenPage>& chosen = Chosen()) {
        setup.page = chosen->page;
        setup.printerName = chosen->printerName;
        setup.landscape = def.landscape || chosen->page.orientation() == QPageLayout::Landscape;
    }
    return setup;
}

std::unique_ptr<QPagedPaintDevice> MakePrinter(const PrintOutput& output, const PrinterSetup& setup)
{
    return std::unique_ptr<QPagedPaintDevice>(output.makePrinter(&setup));
}

// Paints the report on a printer set up for it, with the report's copies;
// a failure is shown. The pages painted, or 0.
int PrintReportOn(const Report& report, QPagedPaintDevice& printer)
{
    QString error;
    const int pages = PaintReport(report, printer, error);
    if (pages == 0)
        ShowFailure(error);
    return pages;
}

class PreviewViewer : public ReportViewer {
public:
    void Show(const Report& report, const QString& windowKey, QWidget* parent) override
    {
        const PrintOutput* output = Output(true);
        if (!output)
            return;
        PrinterSetup setup = SetupFor(report.definition);
        setup.copies = std::max(report.definition.copies, 1);
        const std::unique_ptr<QPagedPaintDevice> printer = MakePrinter(*output, setup);
        IniFile positions(QString::fromLatin1(kPositionIniFile));
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        QList<QRect> screens;
        for (const QScreen* each : QGuiApplication::screens())
            screens.append(each->availableGeometry());
        const QRect opened = PreviewPlace(ReadWindowPlace(positions, windowKey),
                                          screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768), screens);
        const auto paint = [](void* context, QPagedPaintDevice* target) {
            PrintReportOn(*static_cast<const Report*>(context), *target);
        };
        const QRect place = output->showPreview(printer.get(), &report.definition.title, opened, parent, paint,
                                                const_cast<Report*>(&report));
        if (place.isValid() && UsablePreviewSize(place.size()))
            WriteWindowPlace(positions, windowKey, place);
    }
};

} // namespace

const std::optional<ChosenPage>& CurrentChosenPage()
{
    return Chosen();
}

void SetChosenPage(std::optional<ChosenPage> chosen)
{
    Chosen() = std::move(chosen);
}

bool ChoosePageSetup(QWidget* parent)
{
    const PrintOutput* output = Output(true);
    if (!output)
        return false;
    ChosenPage choice = Chosen().value_or(ChosenPage{});
    if (!output->setupPage(&choice.page, &choice.printerName, parent))
        return false;
    Chosen() = std::move(choice);
    return true;
}

bool ReportColumnsFitPage(const Report& report)
{
    // Without the print module nothing can be printed: the print that
    // follows says so, and the columns are taken as they are.
    const PrintOutput* output = Output(false);
    if (!output)
        return true;
    const std::unique_ptr<QPagedPaintDevice> printer = MakePrinter(*output, SetupFor(report.definition));
    return ColumnsFitPage(report, *printer);
}

bool WriteReportPdf(const Report& report, const QString& path)
{
    const PrintOutput* output = Output(true);
    if (!output)
        return false;
    PrinterSetup setup = SetupFor(report.definition);
    setup.pdfPath = path;
    const std::unique_ptr<QPagedPaintDevice> printer = MakePrinter(*output, setup);
    QString error;
    if (PaintReport(report, *printer, error) == 0) {
        ShowFailure(QStringLiteral("The report could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

bool PrintReport(const Report& report, QWidget* parent)
{
    const PrintOutput* output = Output(true);
    if (!output)
        return false;
    PrinterSetup setup = SetupFor(report.definition);
    setup.copies = std::max(report.definition.copies, 1);
    const std::unique_ptr<QPagedPaintDevice> printer = MakePrinter(*output, setup);
    if (!output->choosePrinter(printer.get(), parent))
        return false;
    return PrintReportOn(report, *printer) > 0;
}

ReportViewer& CurrentReportViewer()
{
    static PreviewViewer preview;
    return InstalledOr<ReportViewer>(preview);
}

void PreviewReport(const Report& report, const QString& windowKey, QWidget* parent)
{
    CurrentReportViewer().Show(report, windowKey, parent);
}

} // namespace vl
