#pragma once
// The progress window of a report or of the work-file filling: a title, a
// line of text, the percentage done, a progress bar and "Cancel" (also
// Esc). Cancel only raises a request; the caller asks what it means.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vl {

class ReportProgressWindow : public QDialog {
    Q_OBJECT
public:
    ReportProgressWindow(const QString& title, const QString& text, const QString& percentSuffix,
                         const QString& windowKey, QWidget* parent = nullptr);

    // Shows done of total as a percentage (capped at 100) and lets the
    // window's events through.
    void Tell(int64_t done, int64_t total);
    bool CancelRequested() const { return cancelRequested_; }
    void ClearCancel() { cancelRequested_ = false; }

    QPushButton* CancelButton() const { return cancel_; }

protected:
    void reject() override { cancelRequested_ = true; }

private:
    QString suffix_;
    QLabel* percent_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int shown_ = -1;
    bool cancelRequested_ = false;
};

} // namespace vl
