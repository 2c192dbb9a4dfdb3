// A program that owns the clipboard for the tests: it puts its first
// argument on the clipboard, says "owner" on standard output once it holds
// it, and serves it until its standard input closes. With "hang" as second
// argument it stops answering at once, as a hung program would.

#include <QClipboard>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QGuiApplication::clipboard()->setText(QString::fromUtf8(argv[1]));
    QGuiApplication::processEvents();
    std::puts("owner");
    std::fflush(stdout);
    char c = 0;
    if (argc > 2 && QByteArray(argv[2]) == "hang")
        return static_cast<int>(read(STDIN_FILENO, &c, 1)); // never answers while blocked here
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        if (read(STDIN_FILENO, &c, 1) <= 0)
            QGuiApplication::quit();
    });
    return QGuiApplication::exec();
}
