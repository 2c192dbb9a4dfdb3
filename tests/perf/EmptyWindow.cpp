// The yardstick of the start-up and memory figures: a Qt Widgets program
// that shows one empty window and waits.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(400, 200);
    window.show();
    return QApplication::exec();
}
