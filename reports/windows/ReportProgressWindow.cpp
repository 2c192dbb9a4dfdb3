#include "reports/windows/ReportProgressWindow.h"

#include "platform/widgets/WindowPosition.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vl {

ReportProgressWindow::ReportProgressWindow(const QString& title, const QString& text, const QString& percentSuffix,
                                           const QString& windowKey, QWidget* parent)
    : QDialog(parent), suffix_(percentSuffix)
{
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    KeepWindowPosition(*this, windowKey);
    percent_ = new QLabel(QStringLiteral("0") + suffix_);
    bar_ = new QProgressBar;
    bar_->setRange(0, 100);
    bar_->setValue(0);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text));
    layout->addWidget(percent_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    // Wide enough that the caption shows in full on the title bar.
    setMinimumWidth(fontMetrics().averageCharWidth() * 45);
}

void ReportProgressWindow::Tell(int64_t done, int64_t total)
{
    const int percent = total > 0 ? int(std::min<int64_t>(done * 100 / total, 100)) : 100;
    if (percent != shown_) {
        shown_ = percent;
        percent_->setText(QString::number(percent) + suffix_);
        bar_->setValue(percent);
    }
    QCoreApplication::processEvents();
}

} // namespace vl
