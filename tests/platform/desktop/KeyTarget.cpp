// A window to type into: a line edit titled "Key Target". It prints "ready"
// once the window is on screen, the edit's text each time Enter is pressed,
// and ends when its window is closed.

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <cstdio>

namespace {

void Say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class ExposeWatch : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = static_cast<QWindow*>(object);
        if (event->type() == QEvent::Expose && window->isExposed() && !told_) {
            told_ = true;
            Say(QStringLiteral("ready"));
        }
        return false;
    }

private:
    bool told_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.setWindowTitle(QStringLiteral("Key Target"));
    QObject::connect(&edit, &QLineEdit::returnPressed, [&edit] { Say(edit.text()); });
    ExposeWatch watch;
    edit.winId();
    edit.windowHandle()->installEventFilter(&watch);
    edit.show();
    return app.exec();
}
