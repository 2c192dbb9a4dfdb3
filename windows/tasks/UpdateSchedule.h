#pragma once
// "Update the Schedule" (UpdateSchedule): the form on which a user creates,
// copies, changes, views or deletes one task, on five tabs ("&Task",
// "&Command", "&Message", "&When", "&Advanced").
//
// The form edits a copy of its own of the task: nothing is shared with the
// scheduler or another window, and OK stores it merged with whatever they
// stored meanwhile (tasks/TaskStore.h). A new task, and a copy, takes its ID
// when the form opens (stored disabled until OK), so that its script can be
// stored under it; a copy takes its own copy of the source's script, and
// Cancel removes the task and its script again. The fields' controls and
// their rules are the task editor's (TaskEditor.h), shared with the wizards.
//
// Lists open it window-modal with OpenUpdateSchedule and hear the outcome
// through a callback; two lists can each have a form open. Controls carry
// their texts; the entries and the date and time spins are named after
// their fields ("SCH:Description", "SCH:Date", "SCH:AdvanceWarnTime", ...).

#include "core/dictionary/ScheduleRecord.h"
#include "platform/ui/FormRequest.h"
#include "tasks/TablesInUse.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace vl {

class TabColourer;
class TaskEditor;
struct TaskTypeControls;

// What a list asks of the form.
struct TaskFormRequest {
    FormRequest request = FormRequest::Insert;
    int32_t taskId = 0;       // change, view, delete: the task
    int32_t copySourceId = 0; // insert: the task to copy; 0 for a new task
    Date dateToUse = 0;       // a new task's date; 0 for today
    QString category;         // a new task's category, as the list shows it
};

// The procedure name of the script list the "&Scripting" button starts. It
// is started with the form as its window and works on the form's Task(); the
// form shows the task again when the procedure returns.
inline constexpr char kScriptListProcedure[] = "BrowseScripting";

class UpdateSchedule : public QDialog {
    Q_OBJECT
public:
    explicit UpdateSchedule(const TaskFormRequest& request, QWidget* parent = nullptr);
    ~UpdateSchedule() override;

    // False when the task could not be read or reserved (the reason has been
    // shown): the form must not be shown.
    bool Opened() const { return opened_; }

    // The form's own copy of the task, as the controls last wrote it.
    ScheduleRecord& Task() { return task_; }
    const ScheduleRecord& Task() const { return task_; }
    QTabWidget* Tabs() const { return tabs_; }

    void accept() override; // "&OK": stores (or deletes) the task
    void done(int result) override;

private:
    bool LoadTask();
    void BuildWindow();
    // The five tabs (UpdateSchedulePages.cpp).
    QWidget* TaskPage();
    QWidget* CommandPage();
    QWidget* MessagePage();
    QWidget* WhenPage();
    QWidget* AdvancedPage();

    // What the task shows besides its fields: its title and last run, and
    // the tabs its type needs.
    void ShowTaskType(const TaskTypeControls& shown);
    void ShowTitleAndLastRun();
    void ShowPicture(int tab);
    void MakeReadOnly();
    void OpenScriptList();
    void CloseDown();

    TaskFormRequest request_;
    ScheduleRecord task_;
    ScheduleRecord base_; // the task as read or last stored, for the merge
    bool reserved_ = false; // a new task stored disabled, not yet completed
    bool opened_ = false;
    bool closed_ = false;
    TablesInUse tables_;
    TaskEditor* editor_ = nullptr;
    TabColourer* colourer_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    QPushButton* scripting_ = nullptr;
    QLabel* lastRun_ = nullptr;
    QLabel* lastRunTime_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens the form window-modal to the list; done(completed, task ID) is
// called when it closes, completed when OK stored or deleted the task. Null
// when the form could not open (the reason has been shown).
UpdateSchedule* OpenUpdateSchedule(QWidget* list, const TaskFormRequest& request,
                                   std::function<void(bool completed, int32_t taskId)> done);

// Installs this form as the one the lists open (TaskForm.h); called when the
// program starts.
void InstallTaskForm();

} // namespace vl
