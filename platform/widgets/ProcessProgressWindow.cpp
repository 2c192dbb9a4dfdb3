#include "platform/widgets/ProcessProgressWindow.h"

#include "platform/widgets/WindowPosition.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vl {

namespace {

// The window's events, and input refused elsewhere; timers wait until the
// work has ended: the frame's tick must not run (and write) inside the batch
// of writes the work keeps open.
void LetWindowEventsThrough()
{
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}

} // namespace

ProcessProgressWindow::ProcessProgressWindow(const ProgressTexts& texts, QWidget* parent)
    : QDialog(parent), suffix_(texts.percentSuffix), places_(texts.percentPlaces)
{
    setWindowTitle(texts.caption);
    setWindowModality(Qt::ApplicationModal);
    if (!texts.windowKey.isEmpty())
        KeepWindowPosition(*this, texts.windowKey);
    text_ = new QLabel(texts.text);
    text_->setWordWrap(true);
    percent_ = new QLabel(QStringLiteral("%1").arg(0, places_) + suffix_);
    bar_ = new QProgressBar;
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    button_ = new QPushButton(tr("Cancel"));
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, &ProcessProgressWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(percent_);
    layout->addWidget(bar_);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
    // Room for the bar to move visibly and for the caption on the title
    // bar, whatever the texts' length; set on the wrapping line, so that its
    // height is measured at the width it gets.
    text_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

bool ProcessProgressWindow::Tell(int64_t done, int64_t total)
{
    const int percent = total > 0 ? int(std::clamp<int64_t>(done * 100 / total, 0, 100)) : 100;
    if (percent != shown_) {
        shown_ = percent;
        percent_->setText(QStringLiteral("%1").arg(percent, places_) + suffix_);
        bar_->setValue(percent);
        emit Told(percent);
    }
    LetWindowEventsThrough();
    return !cancelRequested_;
}

void ProcessProgressWindow::Finish(const QString& done)
{
    finished_ = true;
    bar_->setValue(100);
    percent_->setText(tr("Process Completed"));
    text_->setText(done);
    button_->setText(tr("&Close"));
    // Modality changes only while hidden.
    hide();
    setWindowModality(Qt::NonModal);
    show();
}

void ProcessProgressWindow::reject()
{
    if (finished_)
        QDialog::reject();
    else
        cancelRequested_ = true;
}

namespace {

class WindowProgress : public ProgressTracker {
public:
    explicit WindowProgress(const ProgressTexts& texts)
        : window_(new ProcessProgressWindow(texts, QApplication::activeWindow()))
    {
        window_->show();
        LetWindowEventsThrough();
    }
    ~WindowProgress() override
    {
        // Hidden first, so that it keeps its place.
        if (window_)
            window_->hide();
        delete window_.data();
    }
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    bool Tell(int64_t done, int64_t total) override
    {
        if (window_)
            window_->Tell(done, total);
        return !Cancelled();
    }
    // A window closed under the work (its owner went) counts as a cancel.
    bool Cancelled() const override { return !window_ || window_->CancelRequested(); }

private:
    QPointer<ProcessProgressWindow> window_;
};

} // namespace

std::unique_ptr<ProgressTracker> QtProgressService::Open(const ProgressTexts& texts)
{
    return std::make_unique<WindowProgress>(texts);
}

} // namespace vl
