#include "tests/support/PdfText.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace vl::test {

QStringList PdfPages(const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(-1) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString() << ": "
                      << reader.readAllStandardError().toStdString();
        return {};
    }
    // Pages end with a form feed; the text after the last one is not a page.
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast();
    return pages;
}

int PdfDarkDots(const QString& path, int page)
{
    const QString number = QString::number(page);
    QProcess renderer;
    renderer.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"),
                                                 QStringLiteral("-f"), number, QStringLiteral("-l"), number, path});
    renderer.waitForFinished(-1);
    const QImage image = QImage::fromData(renderer.readAllStandardOutput(), "PGM");
    if (image.isNull())
        ADD_FAILURE() << "pdftoppm could not render " << path.toStdString();
    int dark = 0;
    for (qsizetype dot = 0; dot < qsizetype(image.width()) * image.height(); ++dot)
        dark += qGray(image.pixel(int(dot % image.width()), int(dot / image.width()))) < 128;
    return dark;
}

} // namespace vl::test
