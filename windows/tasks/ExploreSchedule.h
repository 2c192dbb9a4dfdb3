#pragma once
// "Explore Schedule" (ExploreSchedule): every task but those hot keys run,
// in date order, narrowed by three choices in the group "F&ilters" -
// status ("All", "Active", "Completed", "Disabled"), day ("All", "Today",
// "Tomorrow", "This Week", "This Month", "Yesterday", "Custom": a date range
// asked for) and category ("All" and the categories there were when the
// window opened) - and by a query ("Query", "Reset"). The date or range
// chosen shows beside the choices; a new task takes its first day (never
// one that has passed for a custom range). "Show Active Only" and "Show
// All" set the status choice. The task actions are TaskList's.

#include "windows/tasks/TaskList.h"

class QComboBox;
class QLabel;

namespace vl {

inline constexpr char kExploreScheduleProcedure[] = "ExploreSchedule";
inline constexpr char kExploreScheduleCaption[] = "Explore Schedule";
inline constexpr char kExploreScheduleUserCaption[] = "Explore Schedule - ";

class ExploreSchedule : public TaskList {
    Q_OBJECT
public:
    explicit ExploreSchedule(QWidget* parent = nullptr);

    QComboBox* StatusChoice() const { return status_; }
    QComboBox* DayChoice() const { return day_; }
    QComboBox* CategoryChoice() const { return category_; }
    // The date or range shown beside the choices.
    QString Shown() const;
    Date RangeFrom() const { return rangeFrom_; }
    Date RangeTo() const { return rangeTo_; }

protected:
    Date DateToUse() const override { return dateToUse_; }
    bool ActiveOnly() const override;
    bool ShowsAll() const override;
    void SetActiveOnly(bool activeOnly) override;
    void DayChanged(Date lastDay, Date today) override;

private:
    QWidget* MakeFilters();
    void ApplyFilters();
    void DayChosen();

    QComboBox* status_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* category_ = nullptr;
    QLabel* shown_ = nullptr;
    Date dateToUse_ = 0;
    Date rangeFrom_ = 0;
    Date rangeTo_ = 0;
};

} // namespace vl
