// The yardstick of the idle figure: a Qt Widgets window whose only work is a
// label showing the time, updated once a second.

#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel clock;
    clock.setWindowTitle(QStringLiteral("Clock"));
    clock.resize(400, 200);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &clock,
                     [&clock] { clock.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); });
    timer.start(1000);
    clock.show();
    return QApplication::exec();
}
