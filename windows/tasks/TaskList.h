#pragma once
// What the two task lists ("Scheduled Tasks" and "Explore Schedule") share:
// the list of tasks with its icons, colours and list enhancement, and the
// task actions under it.
//
// - "&New", "Cop&y", "&Edit", "&Delete" open the task form (TaskForm.h); a
//   new task takes the list's date to use.
// - "S&pecial" starts the special event wizard, "&Scripting" the task's
//   script list (for a task that runs a program), "Edit Script as Text" the
//   script's text; each is enabled once its procedure is registered, with
//   the list as the procedure's window (TaskListWindow.h).
// - "&Quick" adds a one-time copy a little later; "E&xecute" performs the
//   task at once (a task that runs only its script says so when it has no
//   script items).
// - "Show Active Only" / "Show All" hide or show disabled and completed tasks.
// - "Query" opens the query dialog on the task fields; "Reset" drops the
//   query.
// The popup carries the list's own items, then these in that order.
//
// The list joins the open task lists: the refresh every change posts (event
// 1090) reads its rows again, as does a change another program made
// (TableChangeWatch.h, looking once a second and on activation); tasks
// reserved for an open form or wizard are left out (ReservedTasks.h). One
// window per procedure (ThreadRegistry).

#include "platform/browse/BrowseModel.h"
#include "platform/data/Table.h"
#include "platform/query/SavedQueries.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "tasks/TaskQuery.h"
#include "windows/tasks/TaskListColumns.h"
#include "windows/tasks/TaskListWindow.h"

#include <QWidget>

#include <memory>

class QBoxLayout;
class QMenu;
class QPushButton;

namespace vl {

class BrowseList;

// The procedures a task list starts.
inline constexpr char kSpecialEventProcedure[] = "SpecialEventWizard";
inline constexpr char kEditScriptAsTextProcedure[] = "Script:EditAsText";
inline constexpr char kNoScriptingCaption[] = "Error";
inline constexpr char kNoScriptingMessage[] = "This schedule type does not support scripting.";

class TaskList : public QWidget, public TaskListWindow {
    Q_OBJECT
public:
    ~TaskList() override;

    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_.get(); }
    Xplore* Enhancement() const { return xplore_; }
    const TaskQuery& Query() const { return query_; }
    const BrowseButtons& Buttons() const { return viewCopy_->Buttons(); }

    int32_t HighlightedTaskId() const override;
    ScheduleRecord& ScriptTask() override { return scriptTask_; }

    // Reads the rows again, keeping the highlighted task.
    void Refresh();
    // A change made here: this list and every other open task list read
    // their rows again.
    void TasksChanged();
    // Applies a query as the dialog's OK does; false (the user told) when
    // it cannot be applied.
    bool ApplyQuery(const vl::Query& query);
    // Once a second (SecondBeat.h): when the day has changed since the last
    // look, the list follows it (DayChanged).
    void CheckDay();

protected:
    struct Texts {
        const char* procedure; // and the window's position and layout section
        const char* caption;
        const char* multiUserCaption; // followed by the user ID in multi-user mode
        const char* execute;
        const char* query;
    };
    // The filters the derived list opens with (its first ApplyFilters')
    // are in place before the list counts and reads rows, so that opening
    // reads the rows of the view shown, not those of the whole table.
    TaskList(const Texts& texts, const TaskListLayout& layout, const std::map<QString, Filter>& firstFilters,
             QWidget* parent);

    // The controls of the derived list go above the list; the keyboard
    // focus visits them in the order given, then the list.
    void AddTop(QWidget* top, std::initializer_list<QWidget*> focusOrder);
    // The derived list has set its filters: the buttons take their states.
    void Opened();
    QPushButton* QueryButton() const { return queryButton_; }
    QPushButton* ResetButton() const { return reset_; }
    Table<ScheduleRecord>& Schedule();

    // The date a new task takes.
    virtual Date DateToUse() const = 0;
    virtual bool ActiveOnly() const = 0;
    // Every task shows, whatever its state.
    virtual bool ShowsAll() const { return !ActiveOnly(); }
    virtual void SetActiveOnly(bool activeOnly) = 0;
    // The day changed from lastDay to today.
    virtual void DayChanged(Date lastDay, Date today) = 0;

private:
    QBoxLayout* MakeButtons();
    QPushButton* AddButton(QBoxLayout* row, const QString& text, void (TaskList::*action)());
    void AddPopupItems(QMenu& menu);
    void UpdateButtons();
    // The highlighted task as stored now; false (the list read again) when
    // there is none or it is gone.
    bool Highlighted(ScheduleRecord& task);
    void OpenForm(FormRequest request, bool copy);
    void Special();
    void Quick();
    void Execute();
    void Scripting();
    void EditScriptAsText();
    void ShowActiveOnly();
    void ShowAll();
    void OpenQuery();
    void ResetQuery();

    const char* procedure_;
    bool scheduleOpened_ = false;
    bool categoriesOpened_ = false;
    bool scriptingOpened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    Xplore* xplore_ = nullptr;
    ViewCopyBrowse* viewCopy_ = nullptr;
    QBoxLayout* layout_ = nullptr;
    TaskQuery query_;
    SavedQueries savedQueries_;
    ScheduleRecord scriptTask_;
    Date lastDay_ = 0;
    int reservedWatcher_ = 0;
    QPushButton* special_ = nullptr;
    QPushButton* quick_ = nullptr;
    QPushButton* execute_ = nullptr;
    QPushButton* scripting_ = nullptr;
    QPushButton* editAsText_ = nullptr;
    QPushButton* activeOnly_ = nullptr;
    QPushButton* showAll_ = nullptr;
    QPushButton* queryButton_ = nullptr;
    QPushButton* reset_ = nullptr;
    std::vector<std::pair<QAction*, QPushButton*>> popupItems_;
};

} // namespace vl
