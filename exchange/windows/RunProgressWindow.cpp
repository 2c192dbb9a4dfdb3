#include "exchange/windows/RunProgressWindow.h"

#include "platform/widgets/ProcessProgressWindow.h"

#include <QCoreApplication>
#include <QPointer>

namespace vl {
namespace {

// The window while a run holds it: closed with the run unless finished; a
// finished window goes when the user closes it.
class WindowProgress : public RunProgress {
public:
    explicit WindowProgress(ProcessProgressWindow* window) : window_(window) {}
    ~WindowProgress() override
    {
        if (window_ && !finished_)
            delete window_.data();
    }
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    bool Tell(int percent) override
    {
        if (!window_)
            return false;
        if (window_->CancelRequested()) {
            // The percentage stays where the user cancelled.
            QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
            return false;
        }
        return window_->Tell(percent, 100);
    }
    void Finish(const QString& done) override
    {
        finished_ = true;
        if (window_)
            window_->Finish(done);
    }

private:
    QPointer<ProcessProgressWindow> window_;
    bool finished_ = false;
};

} // namespace

MakeRunProgress ProgressWindow(const QString& caption, const QString& text, const QString& positionKey,
                               QWidget* parent)
{
    return [caption, text, positionKey, parent]() -> std::unique_ptr<RunProgress> {
        ProgressTexts texts{caption, text, positionKey};
        texts.percentPlaces = 3;
        auto* window = new ProcessProgressWindow(texts, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
        return std::make_unique<WindowProgress>(window);
    };
}

} // namespace vl
