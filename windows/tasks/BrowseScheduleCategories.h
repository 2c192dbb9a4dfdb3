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
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "platform/viewcopy/ViewCopyBrowse.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace vl {

class BrowseList;
class Xplore;

inline constexpr char kBrowseScheduleCategoriesProcedure[] = "BrowseScheduleCategories";
inline constexpr char kCategoryTasksCaption[] = "Scheduled Tasks for Highlighted Category";

class BrowseScheduleCategories : public QWidget {
    Q_OBJECT
public:
    explicit BrowseScheduleCategories(QWidget* parent = nullptr);
    ~BrowseScheduleCategories() override;

    BrowseList* CategoryList() const { return categories_; }
    BrowseList* TaskList() const { return tasks_; }
    BrowseModel* TaskModel() const { return taskModel_.get(); }
    const BrowseButtons& CategoryButtons() const { return categoryButtons_; }
    const BrowseButtons& TaskButtons() const { return taskButtons_; }
    Xplore* Enhancement() const { return xplore_; }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

private:
    void ShowTasksOfCategory();
    void OpenCategoryForm(FormRequest request);
    void OpenTaskForm(FormRequest request, bool copy);

    bool categoriesOpened_ = false;
    bool scheduleOpened_ = false;
    std::unique_ptr<BrowseModel> categoryModel_;
    std::unique_ptr<BrowseModel> taskModel_;
    BrowseList* categories_ = nullptr;
    BrowseList* tasks_ = nullptr;
    BrowseButtons categoryButtons_;
    BrowseButtons taskButtons_;
    Xplore* xplore_ = nullptr;
};

} // namespace vl
