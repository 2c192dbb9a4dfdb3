#pragma once
// The task wizards, one window family: "Add Task Wizard" (AddTaskWizard),
// "New Program Task Wizard" (AddProgramWizard), "New Message Task Wizard"
// (AddMessageWizard), "New Script Task Wizard" (AddScriptWizard,
// ScriptTaskWizard.h) and the "Special Event Wizard" (SpecialEventWizard).
// Each leads through its pages (tasks/TaskWizardPages.h) with "&Back",
// "&Next", "&Finish" and "Cancel"; the pages lay out the task editor's
// controls (TaskEditor.h), so the task form's rules hold here too.
//
// The wizard's task is reserved under its ID when the wizard opens (stored
// disabled, so script items can be stored under it); Finish completes it,
// Cancel removes it with its script. The special event wizard starts from a
// one-time copy of the source task with its own copy of the source's script.
// The script wizard in hot-key mode may change a hot key's stored task
// instead: Cancel then puts its script back as it was when the wizard opened.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptingRecord.h"
#include "tasks/TablesInUse.h"
#include "tasks/TaskWizardPages.h"

#include <QDialog>

#include <map>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;

namespace vl {

class TaskEditor;

// The hot key whose task the script wizard makes or changes: its key text
// and the ID of its task (0: none yet).
struct HotKeyTaskStart {
    QString hotKey;
    int32_t taskId = 0;
};

class TaskWizard : public QDialog {
    Q_OBJECT
public:
    // A new task of the wizard's kind (primed from the seed when there is
    // one); the special event wizard copies the source task.
    explicit TaskWizard(TaskWizardKind kind, int32_t sourceTaskId = 0, QWidget* parent = nullptr,
                        const ScheduleRecord* seed = nullptr);
    // The script wizard in hot-key mode: the hot key's stored "Hot Key" task
    // is changed; another task under the ID is left alone and a new one made.
    explicit TaskWizard(const HotKeyTaskStart& hotKey, QWidget* parent = nullptr);
    ~TaskWizard() override;

    // False when the task could not be read or reserved (the reason has been
    // shown): the wizard must not be shown.
    bool Opened() const { return opened_; }
    ScheduleRecord& Task() { return task_; }
    WizardPage Page() const { return page_; }

    void accept() override; // "&Finish": stores the task
    void done(int result) override;

private:
    void Open();
    bool LoadTask();
    bool LoadHotKeyTask();
    void BuildWindow();
    // The pages (TaskWizardSheets.cpp).
    QWidget* BuildPage(WizardPage page);
    QWidget* TaskPage();
    QWidget* CategoryPage();
    QWidget* CommandPage();
    QWidget* MessagePage();
    QWidget* WhenPage();
    QWidget* AdvancedPage();
    QWidget* ScriptPage();

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
    std::optional<QString> hotKey_;
    // A stored task being changed: its script as read, put back on Cancel.
    std::optional<std::vector<ScriptingRecord>> scriptAsRead_;
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
