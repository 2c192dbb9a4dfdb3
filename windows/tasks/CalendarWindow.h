#pragma once
// The month date picker of every date field ("Calendar"): six weeks of day
// buttons, Sunday first, with buttons for the year and month before and
// after, "&Today" and "Cancel"; today's day is bold and underlined. A day
// before today is taken only after the user confirms it. With a task to fit,
// the days on which the task cannot run by its repetition are disabled
// (filter "None" enables every day).
//
// The picker is window-modal to its caller; Result() holds the chosen date
// once it has closed, or the date it was given when it was cancelled.

#include "core/dictionary/ScheduleRecord.h"
#include "tasks/CalendarMonth.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QToolButton;

namespace vl {

inline constexpr char kCalendarProcedure[] = "Calendar";
inline constexpr char kNoDateFilter[] = "None";
inline constexpr char kEarlierDateCaption[] = "Confirm";
inline constexpr char kEarlierDateQuestion[] =
    "You have selected a date earlier than today.  Do you wish to use this date?";

class CalendarWindow : public QDialog {
    Q_OBJECT
public:
    // date: the day to show (0: today); filter: "None" enables every day,
    // any other text disables the days that do not fit the task; title: the
    // caption ("Select Date" when blank, or the task's schedule type when
    // days are filtered).
    CalendarWindow(Date date, const QString& filter, const QString& title,
                   const std::optional<ScheduleRecord>& task = std::nullopt, QWidget* parent = nullptr);

    Date Result() const { return result_; }
    const CalendarMonth& Shown() const { return shown_; }
    QString Heading() const;
    // The button of a cell 0-41 (its text is the day, empty when unused).
    QToolButton* Cell(int cell) const { return cells_[cell]; }
    // The button of a day of the shown month.
    QToolButton* DayButton(int day) const;

    void reject() override; // "Cancel", Escape: the date given

private:
    void Show(const CalendarMonth& month);
    void ChooseDay(int day);
    bool DayEnabled(Date date) const;

    Date given_;
    Date result_;
    bool filtered_;
    std::optional<ScheduleRecord> task_;
    CalendarMonth shown_;
    QLabel* heading_ = nullptr;
    std::array<QToolButton*, kCalendarCells> cells_{};
};

} // namespace vl
