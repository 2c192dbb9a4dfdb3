#include "tasks/TaskWizardPages.h"

#include "core/dictionary/TableDefinitions.h"
#include "platform/runtime/FixedText.h"
#include "tasks/TaskFormRules.h"

#include <algorithm>

namespace vl {

namespace {

struct LookRow {
    TaskWizardKind kind;
    WizardPage page;
    WizardPageLook look;
};

// Every wizard's pages with their headings and pictures. The command and
// the schedule controls need the room: their pages show no picture.
constexpr LookRow kLooks[] = {
    {TaskWizardKind::Task, WizardPage::Task, {"What needs to be done?", kClockPicture}},
    {TaskWizardKind::Task, WizardPage::Category, {"Describing it...", kClockPicture}},
    {TaskWizardKind::Task, WizardPage::Command, {"Application to start...", nullptr}},
    {TaskWizardKind::Task, WizardPage::Message, {"Message to display...", kWritePicture}},
    {TaskWizardKind::Task, WizardPage::When, {"When to do it...", nullptr}},
    {TaskWizardKind::Task, WizardPage::Advanced, {"Alarm and Advanced Settings...", kClockPicture}},
    {TaskWizardKind::Program, WizardPage::Command, {"Application to start...", kClockPicture}},
    {TaskWizardKind::Program, WizardPage::When, {"When to start it...", nullptr}},
    {TaskWizardKind::Program, WizardPage::Category, {"Describing it...", kClockPicture}},
    {TaskWizardKind::Program, WizardPage::Advanced, {"Alarm and advanced options...", kClockPicture}},
    {TaskWizardKind::Message, WizardPage::Message, {"Message to display...", kWritePicture}},
    {TaskWizardKind::Message, WizardPage::When, {"When to display it...", nullptr}},
    {TaskWizardKind::Message, WizardPage::Advanced, {"Alarm and advanced options...", kWritePicture}},
    {TaskWizardKind::SpecialEvent, WizardPage::Task, {"Rescheduling...", kClockPicture}},
    {TaskWizardKind::SpecialEvent, WizardPage::Command, {"Application to start...", nullptr}},
    {TaskWizardKind::SpecialEvent, WizardPage::Message, {"Message to display...", kWritePicture}},
    {TaskWizardKind::SpecialEvent, WizardPage::When, {"When to do it...", nullptr}},
    {TaskWizardKind::SpecialEvent, WizardPage::Advanced, {"The fancy stuff...", kClockPicture}},
    {TaskWizardKind::Script, WizardPage::Script, {"Create a script...", nullptr}},
    {TaskWizardKind::Script, WizardPage::When, {"When to start it...", nullptr}},
    {TaskWizardKind::Script, WizardPage::Category, {"Describing it...", kClockPicture}},
    {TaskWizardKind::Script, WizardPage::Advanced, {"Alarm and advanced options...", kClockPicture}},
};

} // namespace

const TaskWizardTexts& WizardTexts(TaskWizardKind kind)
{
    static const TaskWizardTexts texts[] = {
        {"Add Task Wizard", "iexpprog.ico", "AddTaskWizard", "Both"},
        {"New Program Task Wizard", "0PRG.ICO", "AddProgramWizard", "Run Program"},
        {"New Message Task Wizard", "0MSG.ICO", "AddMessageWizard", "Display Message"},
        {"Special Event Wizard (Rescheduling)", "timedate.ico", "SpecialEventWizard", ""},
        {"New Script Task Wizard", "taskdoc1.ico", "AddScriptWizard", "Run Program"},
    };
    return texts[static_cast<int>(kind)];
}

WizardPageLook PageLook(TaskWizardKind kind, WizardPage page)
{
    for (const LookRow& row : kLooks) {
        if (row.kind == kind && row.page == page)
            return row.look;
    }
    return {"", nullptr};
}

std::vector<WizardPage> PageSequence(TaskWizardKind kind, const ScheduleRecord& task)
{
    switch (kind) {
    case TaskWizardKind::Program:
        return {WizardPage::Command, WizardPage::When, WizardPage::Category, WizardPage::Advanced};
    case TaskWizardKind::Message:
        return {WizardPage::Message, WizardPage::When, WizardPage::Advanced};
    case TaskWizardKind::Script:
        if (SameTextNoCase(task.TaskType, QLatin1String(kHotKeyTaskType)))
            return {WizardPage::Script, WizardPage::Category};
        return {WizardPage::Script, WizardPage::When, WizardPage::Category, WizardPage::Advanced};
    case TaskWizardKind::Task:
    case TaskWizardKind::SpecialEvent:
        break;
    }
    // What the task type shows decides the command and message pages; the
    // rule is the task form's (a reminder takes its fixed time on a copy).
    ScheduleRecord copy = task;
    const TaskTypeControls shown = ApplyTaskTypeRule(copy);
    std::vector<WizardPage> pages{WizardPage::Task};
    if (kind == TaskWizardKind::Task)
        pages.push_back(WizardPage::Category);
    if (shown.command)
        pages.push_back(WizardPage::Command);
    if (shown.message)
        pages.push_back(WizardPage::Message);
    pages.push_back(WizardPage::When);
    pages.push_back(WizardPage::Advanced);
    return pages;
}

WizardButtons ButtonsOn(const std::vector<WizardPage>& sequence, WizardPage page)
{
    const auto at = std::find(sequence.begin(), sequence.end(), page);
    const bool first = at == sequence.begin() || at == sequence.end();
    const bool last = at != sequence.end() && at + 1 == sequence.end();
    return {!first, !last, last};
}

WizardPage StepFrom(const std::vector<WizardPage>& sequence, WizardPage page, int step)
{
    if (sequence.empty())
        return page;
    const auto at = std::find(sequence.begin(), sequence.end(), page);
    if (at == sequence.end())
        return sequence.front();
    const auto index = std::clamp<std::ptrdiff_t>(at - sequence.begin() + step, 0,
                                                  static_cast<std::ptrdiff_t>(sequence.size()) - 1);
    return sequence[static_cast<size_t>(index)];
}

} // namespace vl
