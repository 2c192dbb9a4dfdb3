#pragma once
// The progress window of work that walks records on the GUI thread: the
// caption, a line saying what is done, the percentage ("40% Completed"), a
// bar and "Cancel" (also Esc and the window's close button). Cancel only
// raises a request; the work asks for it at its next step and ends as it
// must. While it shows, the rest of the program takes no input: the work
// keeps a batch of writes open, which nothing else may join. It keeps its
// place under the window key it is given.
//
// Work that says what it did in the window itself finishes it: "Process
// Completed" and what was done show, the window stops being modal and its
// button becomes "Close".
//
// QtProgressService opens these for the logic's progress service
// (platform/ui/ProgressService.h).

#include "platform/ui/ProgressService.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vl {

class ProcessProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProcessProgressWindow(const ProgressTexts& texts, QWidget* parent = nullptr);

    // Shows done of total as a percentage (capped at 100) and lets the
    // window's events through; timers wait until the work has ended. False
    // once the user has asked to cancel.
    bool Tell(int64_t done, int64_t total);
    bool CancelRequested() const { return cancelRequested_; }
    // For work that asks the user what a cancel means and may go on.
    void ClearCancel() { cancelRequested_ = false; }
    void Finish(const QString& done);

    QLabel* TextLine() const { return text_; }
    QLabel* PercentLine() const { return percent_; }
    // "Cancel"; "Close" once finished.
    QPushButton* CancelButton() const { return button_; }

signals:
    // A new percentage is shown.
    void Told(int percent);

protected:
    void reject() override;

private:
    QString suffix_;
    int places_ = 0;
    QLabel* text_ = nullptr;
    QLabel* percent_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* button_ = nullptr;
    int shown_ = -1;
    bool cancelRequested_ = false;
    bool finished_ = false;
};

// The progress service of a program with windows: a ProcessProgressWindow
// over the active window for each tracker, shown while the tracker lives.
class QtProgressService : public ProgressService {
public:
    std::unique_ptr<ProgressTracker> Open(const ProgressTexts& texts) override;
};

} // namespace vl
