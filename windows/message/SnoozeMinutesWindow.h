#pragma once
// The "Snooze" window of the popup's "Other": the message's title, "Snooze
// for" a number of minutes (1 to 999) and "&OK". Only OK sets the minutes;
// closing the window otherwise snoozes nothing.

#include <QDialog>

#include <cstdint>

class QSpinBox;

namespace vl {

class SnoozeMinutesWindow : public QDialog {
    Q_OBJECT
public:
    SnoozeMinutesWindow(const QString& title, int32_t minutes, QWidget* parent = nullptr);

    int32_t Minutes() const;
    QSpinBox* MinutesBox() const { return minutes_; }

private:
    QSpinBox* minutes_ = nullptr;
};

} // namespace vl
