#pragma once
// The part of printing that needs Qt's print support (the printer, the print
// dialog, the print preview window) is the module libvl_print_output.so
// beside the programs, loaded at the first print: Qt PrintSupport then loads
// with it instead of with every program start. The module makes printers
// and shows Qt's print windows; the program lays out and paints the pages.

#include <QPageLayout>
#include <QRect>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QWidget;

namespace vl {

// How a printer is set up for one report.
struct PrinterSetup {
    QString docName;
    bool landscape = false;
    qreal marginMillimetres = 15;
    int copies = 0;  // 0: the printer's own
    QString pdfPath; // not empty: the printer writes this PDF file
    // The user's page setup (paper and margins; its orientation is taken
    // by the caller into `landscape`) and the printer it was made for; an
    // invalid page leaves the printer's paper and the margin above.
    QPageLayout page;
    QString printerName;
};

// Paints every page of a report on the preview's printer.
using PaintPages = void (*)(void* context, QPagedPaintDevice* printer);

// The module's entry points; the module's function kPrintOutputEntry
// answers them.
struct PrintOutput {
    // A high-resolution printer set up as asked; the caller deletes it.
    QPagedPaintDevice* (*makePrinter)(const PrinterSetup* setup);
    // The print dialog on the printer: whether the user chose to print.
    bool (*choosePrinter)(QPagedPaintDevice* printer, QWidget* parent);
    // The page setup dialog, opened on the page and printer given (an
    // invalid page: the printer's own); whether the user took a choice,
    // which then replaces both.
    bool (*setupPage)(QPageLayout* page, QString* printerName, QWidget* parent);
    // The print preview of the printer's pages, painted by paint, at place
    // (width-fitted pages); the window's place when it closed.
    QRect (*showPreview)(QPagedPaintDevice* printer, const QString* title, QRect place, QWidget* parent,
                         PaintPages paint, void* context);
};

inline constexpr char kPrintOutputEntry[] = "VlPrintOutput";
inline constexpr char kPrintOutputFile[] = "libvl_print_output.so";

// The module from the first folder that has it, kept loaded from then on;
// nullptr without it, and `error` says what is missing where.
const PrintOutput* LoadPrintOutput(const QStringList& folders, QString& error);

} // namespace vl
