#pragma once
// The text of a PDF file as `pdftotext -layout` reads it back, page by page,
// so tests can check what a printed report holds.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace vl::test {

// One text per page; empty (with a test failure) when the file cannot be read.
QStringList PdfPages(const QString& path);

// A word of a page and where it stands on it (points from the top left).
struct PdfWord {
    QString text;
    QRectF box;
};
// The words of each page as `pdftotext -bbox` places them.
QList<QList<PdfWord>> PdfPageWords(const QString& path);

// Whether anything is painted in the area of the page (points from the top
// left, pages counted from 1), as `pdftoppm` renders it.
bool PdfAreaInked(const QString& path, int page, const QRectF& area);

} // namespace vl::test
