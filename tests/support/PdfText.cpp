#include "tests/support/PdfText.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vl::test {

namespace {

// What pdftotext writes of the file with the given option; empty (with a
// test failure) when it cannot read it.
QString PdfToText(const QString& path, const QString& option)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {option, path, QStringLiteral("-")});
    if (!reader.waitForFinished(-1) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path.toStdString() << ": "
                      << reader.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace

QList<QList<PdfWord>> PdfPageWords(const QString& path)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QStringList texts = PdfToText(path, QStringLiteral("-bbox")).split(QStringLiteral("<page "));
    texts.removeFirst(); // what comes before the first page
    QList<QList<PdfWord>> pages;
    for (const QString& page : texts) {
        QList<PdfWord>& words = pages.emplace_back();
        for (const QRegularExpressionMatch& m : word.globalMatch(page))
            words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return pages;
}

bool PdfAreaInked(const QString& path, int page, const QRectF& area)
{
    const QRect pixels = area.toAlignedRect(); // 72 dots an inch: a point a pixel
    const QString number = QString::number(page);
    QProcess renderer;
    renderer.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), QStringLiteral("-f"), number,
                    QStringLiteral("-l"), number, QStringLiteral("-x"), QString::number(pixels.x()), QStringLiteral("-y"),
                    QString::number(pixels.y()), QStringLiteral("-W"), QString::number(pixels.width()),
                    QStringLiteral("-H"), QString::number(pixels.height()), path});
    renderer.waitForFinished(-1);
    const QImage image = QImage::fromData(renderer.readAllStandardOutput(), "PGM");
    if (image.isNull())
        ADD_FAILURE() << "pdftoppm could not render " << path.toStdString();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

QStringList PdfPages(const QString& path)
{
    // Pages end with a form feed; the text after the last one is not a page.
    QStringList pages = PdfToText(path, QStringLiteral("-layout")).split(QLatin1Char('\f'));
    pages.removeLast();
    return pages;
}

} // namespace vl::test
