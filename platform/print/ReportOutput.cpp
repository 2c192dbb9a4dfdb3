#include "platform/print/ReportOutput.h"

#include "platform/print/PreviewPlace.h"
#include "platform/print/ReportPainter.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace vl {
namespace {

void SetUp(QPrinter& printer, const ReportDefinition& def)
{
    const qreal margin = def.marginMillimetres;
    printer.setPageOrientation(def.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    printer.setDocName(def.title);
}

void ShowFailure(const QString& text)
{
    Prompt::Message(text, QLatin1String(kReportErrorCaption), PromptIcon::Stop);
}

class PreviewViewer : public ReportViewer {
public:
    void Show(const Report& report, const QString& windowKey, QWidget* parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        SetUp(printer, report.definition);
        printer.setCopyCount(std::max(report.definition.copies, 1));
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(report.definition.title);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&report](QPrinter* target) { PrintReportOn(report, *target); });
        IniFile positions(QString::fromLatin1(kPositionIniFile));
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        QList<QRect> screens;
        for (const QScreen* each : QGuiApplication::screens())
            screens.append(each->availableGeometry());
        preview.setGeometry(PreviewPlace(ReadWindowPlace(positions, windowKey),
                                         screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768), screens));
        // The page as wide as the window: its lines are read, not its shape.
        // The dialog's own "Fit width" button does it, so the toolbar agrees.
        if (auto* fitWidth = preview.findChild<QAction*>(QStringLiteral("fitWidthAction")))
            fitWidth->trigger();
        else if (auto* pages = preview.findChild<QPrintPreviewWidget*>())
            pages->fitToWidth();
        preview.exec();
        const QRect place = preview.normalGeometry();
        if (place.isValid() && UsablePreviewSize(place.size()))
            WriteWindowPlace(positions, windowKey, place);
    }
};

} // namespace

int PrintReportOn(const Report& report, QPrinter& printer)
{
    QString error;
    const int pages = PaintReport(report, printer, error);
    if (pages == 0)
        ShowFailure(error);
    return pages;
}

bool ReportColumnsFitPage(const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, report.definition);
    return ColumnsFitPage(report, printer);
}

bool WriteReportPdf(const Report& report, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUp(printer, report.definition);
    QString error;
    if (PaintReport(report, printer, error) == 0) {
        ShowFailure(QStringLiteral("The report could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

bool PrintReport(const Report& report, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, report.definition);
    printer.setCopyCount(std::max(report.definition.copies, 1));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintReportOn(report, printer) > 0;
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
