// VLMR, the main program: the scheduler in the notification area.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VLMR");
    QMainWindow frame;
    frame.setWindowTitle("Velmora 2000 1.91");
    frame.resize(640, 420);
    frame.show();
    return QApplication::exec();
}
