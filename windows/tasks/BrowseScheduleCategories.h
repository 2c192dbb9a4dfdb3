#pragma once
// The task categories ("Task Categories"): the categories on the left, the
// enabled tasks of the highlighted category on the right ("Scheduled Tasks
// for Highlighted Category", in date and time order, with the list
// enhancement saved under "BrowseScheduleCategories"). The category buttons
// open the category form; the task buttons open the task form on a task of
// the highlighted category ("New" primes the category, "Cop&y" starts a
// copy of the highlighted task). One window at a time: the frame's menu
// brings an open one forward, with the focus on the categories.

#include "windows/lists/CategoryWindow.h"

namespace vl {

inline constexpr char kBrowseScheduleCategoriesProcedure[] = "BrowseScheduleCategories";
inline constexpr char kCategoryTasksCaption[] = "Scheduled Tasks for Highlighted Category";

class BrowseScheduleCategories : public CategoryWindow {
    Q_OBJECT
public:
    explicit BrowseScheduleCategories(QWidget* parent = nullptr);

    BrowseList* TaskList() const { return items_.List(); }
    BrowseModel* TaskModel() const { return &items_.Model(); }
    const BrowseButtons& TaskButtons() const { return items_.Buttons(); }
    Xplore* Enhancement() const { return items_.Enhancement(); }

private:
    void OpenTaskForm(FormRequest request, bool copy);
};

} // namespace vl
