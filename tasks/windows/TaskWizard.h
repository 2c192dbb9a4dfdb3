#pragma once
// The task wizards, one window family: "Add Task Wizard" (AddTaskWizard),
// "New Program Task Wizard" (AddProgramWizard), "New Message Task Wizard"
// (AddMessageWizard) and the "Special Event Wizard" (SpecialEventWizard).
// Each leads through its pages (tasks/TaskWizardPages.h) with "&Back",
// "&Next", "&Finish" and "Cancel"; the pages lay out the task editor's
// controls (TaskEditor.h), so the task form's rules hold here too.
//
// The wizard's task is reserved under its ID when the wizard opens (stored
// disabled, so script items can be stored under it); Finish completes it,
// Cancel removes it with its script. The special event wizard starts from a
// one-time copy of the source task with its own copy of the source's script.

#include "core/dictionary/ScheduleRecord.h"
#include "tasks/TablesInUse.h"
#include "tasks/TaskWizardPages.h"

#include <QDialog>

#include <map>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace vl {

class TaskEditor;

class TaskWizard : public QDialog {
    Q_OBJECT
public:
    // A new task of the wizard's kind (primed from the seed when there is
    // one); the special event wizard copies the source task.
    explicit TaskWizard(TaskWizardKind kind, int32_t sourceTaskId = 0, QWidget* parent = nullptr,
                        const ScheduleRecord* seed = nullptr);
    ~TaskWizard() override;

    // False when the task could not be read or reserved (the reason has been
    // shown): the wizard must not be shown.
    bool Opened() const { return opened_; }
    ScheduleRecord& Task() { return task_; }
    WizardPage Page() const { return page_; }

    void accept() override; // "&Finish": stores the task
    void done(int result) override;

private:
    bool LoadTask();
    void BuildWindow();
    // The pages (TaskWizardSheets.cpp).
    QWidget* BuildPage(WizardPage page);
    QWidget* TaskPage();
    QWidget* CategoryPage();
    QWidget* CommandPage();
    QWidget* MessagePage();
    QWidget* WhenPage();
    QWidget* AdvancedPage();

    void GoTo(WizardPage page);
    void Step(int step);
    void ShowButtons();
    // "&Scripting": the procedure "BrowseScripting" on this window, whose
    // Task() is the wizard's own task (the copy's, in the special event).
    void OpenScriptList();
    void CloseDown();

    TaskWizardKind kind_;
    int32_t sourceId_;
    std::optional<ScheduleRecord> seed_;
    ScheduleRecord task_;
    ScheduleRecord base_; // the task as reserved or last stored, for the merge
    bool reserved_ = false;
    bool opened_ = false;
    bool closed_ = false;
    TablesInUse tables_;
    TaskEditor* editor_ = nullptr;
    WizardPage page_ = WizardPage::Task;
    std::map<WizardPage, QWidget*> pages_;

    QTabWidget* sheet_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The message task wizard on a new task primed from the seed, window-modal
// to parent; false when it could not open (the reason has been shown).
bool OpenSeededMessageWizard(const ScheduleRecord& seed, QWidget* parent);

// Registers the procedures "AddTaskWizard", "AddProgramWizard",
// "AddMessageWizard" (each a window of its own, started by the frame) and
// "SpecialEventWizard" (started by a task list on its highlighted task).
void RegisterTaskWizards();

} // namespace vl
