#include "backup/windows/ZipProgressWindow.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>

#include <atomic>
#include <thread>

namespace vl {

namespace {

constexpr int kNameShown = 127;

QString PercentText(int percent)
{
    return QStringLiteral("%1%").arg(percent, 3);
}

// Closing the window asks the work to stop; the window goes when it has.
class ProgressDialog : public QDialog {
public:
    explicit ProgressDialog(std::atomic<bool>& abort) : abort_(abort) {}
    void reject() override { abort_ = true; }
    void Finish() { QDialog::accept(); }

private:
    std::atomic<bool>& abort_;
};

struct Controls {
    QProgressBar* overall = nullptr;
    QLabel* overallText = nullptr;
    QProgressBar* item = nullptr;
    QLabel* itemText = nullptr;
    QLabel* member = nullptr;
};

Controls Build(ProgressDialog& dialog, const QString& caption, std::atomic<bool>& abort)
{
    dialog.setWindowTitle(caption);
    auto* grid = new QGridLayout(&dialog);
    Controls controls;
    controls.overall = new QProgressBar;
    controls.overallText = new QLabel(PercentText(0));
    controls.item = new QProgressBar;
    controls.itemText = new QLabel(PercentText(0));
    controls.member = new QLabel;
    for (QProgressBar* bar : {controls.overall, controls.item}) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    grid->addWidget(new QLabel(QStringLiteral("Progress")), 0, 0);
    grid->addWidget(controls.overall, 0, 1);
    grid->addWidget(controls.overallText, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("File")), 1, 0);
    grid->addWidget(controls.item, 1, 1);
    grid->addWidget(controls.itemText, 1, 2);
    grid->addWidget(controls.member, 2, 0, 1, 3);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    grid->addWidget(cancel, 3, 2);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&abort] { abort = true; });
    dialog.setMinimumWidth(360);
    return controls;
}

// Hands the work's reports to the window's thread.
class Relay : public ZipProgress {
public:
    Relay(QDialog& dialog, const Controls& controls, int itemsToDo, std::atomic<bool>& abort)
        : dialog_(dialog), controls_(controls), itemsToDo_(itemsToDo), abort_(abort)
    {
    }

    void Item(const QString& name) override
    {
        QMetaObject::invokeMethod(
            &dialog_,
            [this, name] {
                controls_.member->setText(name.left(kNameShown));
                const int overall = OverallPercent(++itemsDone_, itemsToDo_);
                if (overall != controls_.overall->value()) {
                    controls_.overall->setValue(overall);
                    controls_.overallText->setText(PercentText(overall));
                }
            },
            Qt::QueuedConnection);
    }

    void Percent(int percent) override
    {
        QMetaObject::invokeMethod(
            &dialog_,
            [this, percent] {
                controls_.item->setValue(percent);
                controls_.itemText->setText(PercentText(percent));
            },
            Qt::QueuedConnection);
    }

    bool Aborted() override { return abort_; }

private:
    QDialog& dialog_;
    Controls controls_;
    int itemsToDo_;
    int itemsDone_ = 0; // touched on the window's thread only
    std::atomic<bool>& abort_;
};

} // namespace

ZipResult ZipProgressWindow::Run(const QString& caption, int itemsToDo, const ZipJob& job)
{
    std::atomic<bool> abort{false};
    ProgressDialog dialog(abort);
    const Controls controls = Build(dialog, caption, abort);
    Relay relay(dialog, controls, itemsToDo, abort);
    ZipResult result;
    std::thread worker([&] {
        result = job(relay);
        QMetaObject::invokeMethod(&dialog, [&dialog] { dialog.Finish(); }, Qt::QueuedConnection);
    });
    dialog.exec();
    worker.join();
    return result;
}

} // namespace vl
