#pragma once
// "Calendar": the month date picker of every date field. It shows one month
// in six rows of seven day buttons, Sunday first; with a filter other than
// "None" the days that do not fit the task's repetition are greyed. A day
// before today is taken only when the user confirms it. Cancel gives back
// the date the picker was opened on.

#include "core/dictionary/ScheduleRecord.h"
#include "tasks/CalendarMonth.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace vl {

class CalendarWindow : public QDialog {
    Q_OBJECT
public:
    // date: the day to show (0: today); task: the task whose repetition the
    // days must fit when the filter is not "None" (null: none).
    CalendarWindow(Date date, const QString& filter, const QString& title, const ScheduleRecord* task,
                   QWidget* parent = nullptr);

    // The chosen date, or the date given when the picker was cancelled.
    Date Result() const { return result_; }
    ShownMonth Shown() const { return shown_; }
    QPushButton* DayButton(int index) const { return days_.at(index); }
    QLabel* Heading() const { return heading_; }

    void reject() override; // "Cancel", Escape, the close button

private:
    void Fill();
    void Step(ShownMonth (*step)(ShownMonth));
    void Choose(int index);

    Date given_;
    Date result_;
    QString filter_;
    std::optional<ScheduleRecord> task_;
    ShownMonth shown_;
    MonthGrid grid_{};
    QLabel* heading_ = nullptr;
    std::array<QPushButton*, 42> days_{};
};

// Opens the picker window-modal to the parent; done receives the result
// (the chosen date, or the date given) when it closes.
void OpenCalendar(QWidget* parent, Date date, const QString& filter, const QString& title,
                  const ScheduleRecord* task, std::function<void(Date)> done);

} // namespace vl
