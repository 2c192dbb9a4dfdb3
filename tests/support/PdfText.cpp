#include "tests/support/PdfText.h"

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

} // namespace vl::test
