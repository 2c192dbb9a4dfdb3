#include "exchange/windows/ExchangeProgressWindow.h"

#include "platform/widgets/WindowPosition.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

const char kCompleted[] = "Process Completed";

QString PercentText(int percent)
{
    return QStringLiteral("%1% Completed").arg(percent, 3);
}

// The window while a run holds it: closed with the run unless finished.
class WindowProgress : public RunProgress {
public:
    explicit WindowProgress(ExchangeProgressWindow* window) : window_(window) {}
    ~WindowProgress() override
    {
        if (window_ && !finished_)
            delete window_.data();
    }
    bool Tell(int percent) override { return window_ && window_->Tell(percent); }
    void Finish(const QString& done) override
    {
        finished_ = true;
        if (window_)
            window_->Finish(done);
    }

private:
    QPointer<ExchangeProgressWindow> window_;
    bool finished_ = false;
};

} // namespace

ExchangeProgressWindow::ExchangeProgressWindow(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent), text_(new QLabel(text, this)), percent_(new QLabel(PercentText(0), this)),
      bar_(new QProgressBar(this)), button_(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setWordWrap(true);
    text_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    connect(button_, &QPushButton::clicked, this, &ExchangeProgressWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(text_);
    layout->addWidget(percent_);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
}

bool ExchangeProgressWindow::Tell(int percent)
{
    if (percent != shown_ && !cancelled_) {
        shown_ = percent;
        percent_->setText(PercentText(percent));
        bar_->setValue(percent);
        emit Told(percent);
    }
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    return !cancelled_;
}

void ExchangeProgressWindow::Finish(const QString& done)
{
    finished_ = true;
    bar_->setValue(100);
    percent_->setText(QLatin1String(kCompleted));
    text_->setText(done);
    button_->setText(tr("&Close"));
    // Modality changes only while hidden.
    hide();
    setWindowModality(Qt::NonModal);
    show();
}

void ExchangeProgressWindow::reject()
{
    if (finished_)
        QDialog::reject(); // closes, and so deletes, the window
    else
        cancelled_ = true;
}

MakeRunProgress ProgressWindow(const QString& caption, const QString& text, const QString& positionKey,
                               QWidget* parent)
{
    return [caption, text, positionKey, parent]() -> std::unique_ptr<RunProgress> {
        auto* window = new ExchangeProgressWindow(caption, text, parent);
        if (!positionKey.isEmpty())
            KeepWindowPosition(*window, positionKey);
        window->show();
        QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
        return std::make_unique<WindowProgress>(window);
    };
}

} // namespace vl
