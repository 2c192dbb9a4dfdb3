// Qt's printer, print dialog, page setup dialog and print preview for the
// program's reports (platform/print/PrintOutputModule.h); the program paints
// the pages.

#include "platform/print/PrintOutputModule.h"

#include <QAction>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace {

QPagedPaintDevice* MakePrinter(const vl::PrinterSetup* setup)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    if (!setup->pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(setup->pdfPath);
    } else if (!setup->printerName.isEmpty()) {
        printer->setPrinterName(setup->printerName);
    }
    // The printer is chosen first: choosing one sets its own paper.
    if (setup->page.isValid()) {
        printer->setPageLayout(setup->page);
    } else {
        const qreal margin = setup->marginMillimetres;
        printer->setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    }
    printer->setPageOrientation(setup->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setDocName(setup->docName);
    if (setup->copies > 0)
        printer->setCopyCount(setup->copies);
    return printer;
}

bool ChoosePrinter(QPagedPaintDevice* printer, QWidget* parent)
{
    QPrintDialog dialog(static_cast<QPrinter*>(printer), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool SetupPage(QPageLayout* page, QString* printerName, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName->isEmpty())
        printer.setPrinterName(*printerName);
    if (page->isValid())
        printer.setPageLayout(*page);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *page = printer.pageLayout();
    *printerName = printer.printerName();
    return true;
}

QRect ShowPreview(QPagedPaintDevice* printer, const QString* title, QRect place, QWidget* parent,
                  vl::PaintPages paint, void* context)
{
    QPrintPreviewDialog preview(static_cast<QPrinter*>(printer), parent);
    preview.setWindowTitle(*title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [paint, context](QPrinter* target) { paint(context, target); });
    preview.setGeometry(place);
    // The page as wide as the window: its lines are read, not its shape.
    // The dialog's own "Fit width" button does it, so the toolbar agrees.
    if (auto* fitWidth = preview.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    else if (auto* pages = preview.findChild<QPrintPreviewWidget*>())
        pages->fitToWidth();
    preview.exec();
    return preview.normalGeometry();
}

} // namespace

extern "C" Q_DECL_EXPORT const vl::PrintOutput* VlPrintOutput()
{
    static const vl::PrintOutput output{MakePrinter, ChoosePrinter, SetupPage, ShowPreview};
    return &output;
}
