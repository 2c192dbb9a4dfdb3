#pragma once
// The text of a PDF file as `pdftotext -layout` reads it back, page by page,
// so tests can check what a printed report holds.

#include <QString>
#include <QStringList>

namespace vl::test {

// One text per page; empty (with a test failure) when the file cannot be read.
QStringList PdfPages(const QString& path);

} // namespace vl::test
