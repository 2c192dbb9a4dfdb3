#pragma once
// The text of a PDF file as `pdftotext -layout` reads it back, page by page,
// so tests can check what a printed report holds.

#include <QString>
#include <QStringList>

namespace vl::test {

// One text per page; empty (with a test failure) when the file cannot be read.
QStringList PdfPages(const QString& path);

// The dots of a page (counted from 1) that `pdftoppm` paints dark.
int PdfDarkDots(const QString& path, int page);

} // namespace vl::test
