#pragma once
// Paints a report onto a paged device (a printer, a PDF file, the preview's
// pages): the page header (title, subtitles, column headings) and footer
// (date, page number and count) on every page, the bands between them. Text
// is measured on the device itself, so the pages come out the same on each.

#include "platform/print/Report.h"

#include <QPagedPaintDevice>

namespace vl {

// Paints every page; the number of pages painted, or 0 with `error` set
// when the device could not be painted on (a file that cannot be written, a
// printer that refuses the job).
int PaintReport(const Report& report, QPagedPaintDevice& device, QString& error);

// Whether the columns fit the width of the device's page, those of width 0
// each as wide as its widest text, so that no cell of theirs is cut.
bool ColumnsFitPage(const Report& report, QPaintDevice& device);

} // namespace vl
