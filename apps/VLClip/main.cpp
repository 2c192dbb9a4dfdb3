// VLClip: prints the clipboard's text (UTF-8) to standard output and ends.
// VLMR starts it to read the clipboard, so that an owner of the clipboard
// that never answers holds up this helper, never the scheduler.

#include <QClipboard>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    return std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout) == static_cast<size_t>(text.size())
               ? 0
               : 1;
}
