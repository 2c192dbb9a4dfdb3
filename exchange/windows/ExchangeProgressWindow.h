#pragma once
// The progress window of an export, an import, or a synchronisation send or
// receive: its caption, a line of text, the percentage done ("  5%
// Completed", three places), a progress bar and "Cancel". The work runs on
// the GUI thread and lets the window's events through at each step; timers
// wait, so no other work runs inside an open batch. A finished run shows
// "Process Completed" and what it did, and the window stays, no longer
// modal, until the user closes it.

#include "exchange/ExchangeProcedures.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vl {

class ExchangeProgressWindow : public QDialog {
    Q_OBJECT
public:
    ExchangeProgressWindow(const QString& caption, const QString& text, QWidget* parent = nullptr);

    bool Tell(int percent);
    void Finish(const QString& done);

    QLabel* Text() const { return text_; }
    QLabel* Percent() const { return percent_; }
    QPushButton* Button() const { return button_; }

signals:
    // A new percentage is shown.
    void Told(int percent);

protected:
    void reject() override;

private:
    QLabel* text_;
    QLabel* percent_;
    QProgressBar* bar_;
    QPushButton* button_;
    int shown_ = -1;
    bool cancelled_ = false;
    bool finished_ = false;
};

// Makes a run's progress window; a window position key keeps its place.
MakeRunProgress ProgressWindow(const QString& caption, const QString& text, const QString& positionKey,
                               QWidget* parent);

} // namespace vl
