#pragma once
// "Scheduled Tasks" (BrowseSchedule), the main list of tasks, on four tabs:
// the tasks of one day ("Day Schedule", today at first; "Se&lect Day"
// picks another), every task by date ("All by Date"), the tasks of one
// category ("All in Category"; "Cate&gory" picks it) and the tasks a query
// selects ("Selected"; "Q&uery", "Reset"). A query holds on every tab. At
// first only active tasks show when the ActiveOnly setting is on; with the
// FullSchedule setting it opens on "All by Date" at today. A new task takes
// the day shown on "Day Schedule". At midnight the day tab moves on to the
// new day when it showed the old one. The task actions are TaskList's.

#include "windows/tasks/TaskList.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace vl {

inline constexpr char kBrowseScheduleProcedure[] = "BrowseSchedule";
inline constexpr char kBrowseScheduleCaption[] = "Scheduled Tasks";
inline constexpr char kBrowseScheduleUserCaption[] = "View Schedule - ";

class BrowseSchedule : public TaskList {
    Q_OBJECT
public:
    enum Tab { kDayTab, kAllByDateTab, kCategoryTab, kSelectedTab };

    explicit BrowseSchedule(QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    Date SelectedDay() const { return selectedDay_; }
    // The day the day tab shows, as "Se&lect Day" sets it.
    void SetSelectedDay(Date day);
    // The category the category tab shows, as "Cate&gory" sets it.
    void SetCategory(const QString& category);

protected:
    Date DateToUse() const override { return selectedDay_; }
    bool ActiveOnly() const override { return activeOnly_; }
    void SetActiveOnly(bool activeOnly) override;
    void DayChanged(Date lastDay, Date today) override;

private:
    QWidget* MakeTabs();
    void ShowTab(int tab);
    void ApplyFilters();
    void SelectDay();
    void ChooseCategory();

    QTabWidget* tabs_ = nullptr;
    QPushButton* selectDay_ = nullptr;
    QPushButton* categoryButton_ = nullptr;
    QLabel* categoryText_ = nullptr;
    int categoryOrder_ = -1;
    Date selectedDay_ = 0;
    bool activeOnly_ = false;
    QString category_;
};

} // namespace vl
