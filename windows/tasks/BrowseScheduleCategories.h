#pragma once
// The task categories ("Task Categories"): the categories on the left, the
// enabled tasks of the highlighted category on the right ("Scheduled Tasks
// for Highlighted Category", in date and time order, with the list
// enhancement saved under "BrowseScheduleCategories"). The category buttons
// open the category form; the task buttons open the task form on a task of
// the highlighted category ("New" primes the category, "Cop&y" starts a
// copy of the highlighted task). One window at a time: the frame's menu
// brings an open one forward, with the focus on the categories.

#include "core/dictionary/ScheduleRecord.h"
#include "windows/lists/ListPane.h"

#include <QWidget>

namespace vl {

inline constexpr char kBrowseScheduleCategoriesProcedure[] = "BrowseScheduleCategories";
inline constexpr char kCategoryTasksCaption[] = "Scheduled Tasks for Highlighted Category";

class BrowseScheduleCategories : public QWidget {
    Q_OBJECT
public:
    explicit BrowseScheduleCategories(QWidget* parent = nullptr);

    BrowseList* CategoryList() const { return categories_.List(); }
    BrowseList* TaskList() const { return tasks_.List(); }
    BrowseModel* TaskModel() const { return &tasks_.Model(); }
    const BrowseButtons& CategoryButtons() const { return categories_.Buttons(); }
    const BrowseButtons& TaskButtons() const { return tasks_.Buttons(); }
    Xplore* Enhancement() const { return tasks_.Enhancement(); }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

private:
    void ShowTasksOfCategory();
    void OpenCategoryForm(FormRequest request);
    void OpenTaskForm(FormRequest request, bool copy);

    ListPane categories_;
    ListPane tasks_;
};

} // namespace vl
