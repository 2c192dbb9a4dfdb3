#include "windows/tasks/UpdateSchedule.h"

#include "core/base/UserDate.h"
#include "core/startup/WritableDataDirectory.h"
#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTask.h"
#include "windows/frame/tabs/TabColourer.h"
#include "platform/data/DataError.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FocusChain.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "scripting/items/TaskScripts.h"
#include "tasks/TaskFormRules.h"
#include "tasks/TaskStore.h"
#include "windows/tasks/TaskEditor.h"
#include "windows/tasks/TaskForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kIcon[] = "timedate.ico";
constexpr char kPositionName[] = "UpdateSchedule";
constexpr char kTaskNotFoundCaption[] = "Task Not Found";
constexpr char kTaskNotFoundText[] = "The task no longer exists: the scheduler or another window has deleted it.";
constexpr char kScriptingTip[] = "Send keystrokes, DDE commands, etc.";
constexpr char kNoScriptListTip[] = "The script list is not available in this version.";

enum Tab { kTaskTab, kCommandTab, kMessageTab, kWhenTab, kAdvancedTab };

bool ShowReadError(const TableFile& schedule)
{
    if (schedule.ErrorCode() == kRecordNotFound || schedule.ErrorCode() == kNoError)
        Prompt::Message(QLatin1String(kTaskNotFoundText), QLatin1String(kTaskNotFoundCaption), PromptIcon::Exclamation);
    else
        Prompt::Message(schedule.LastError().Describe(), QLatin1String(kTaskFileErrorCaption), PromptIcon::Stop);
    return false;
}

} // namespace

UpdateSchedule::UpdateSchedule(const TaskFormRequest& request, QWidget* parent)
    : QDialog(parent), request_(request)
{
    Dictionary& tables = Tables();
    if (!tables_.Open({&tables.Schedule, &tables.Categories, &tables.Scripting, &tables.Holidays}))
        return;
    if (!LoadTask()) {
        tables_.Close();
        return;
    }
    BuildWindow();
    opened_ = true;
    editor_->Display();
    editor_->AlarmRule();
}

UpdateSchedule::~UpdateSchedule()
{
    CloseDown();
}

bool UpdateSchedule::LoadTask()
{
    Dictionary& tables = Tables();
    if (request_.request != FormRequest::Insert) {
        const std::optional<ScheduleRecord> stored = ReadTask(tables.Schedule, request_.taskId);
        if (!stored)
            return ShowReadError(tables.Schedule);
        task_ = base_ = *stored;
        return true;
    }
    std::optional<ScheduleRecord> source;
    if (request_.copySourceId != 0) {
        source = ReadTask(tables.Schedule, request_.copySourceId);
        if (!source)
            return ShowReadError(tables.Schedule);
        task_ = CopyOfTask(*source);
    } else {
        task_ = NewTask(tables.Schedule.Definition(), request_.dateToUse);
        task_.Category = request_.category;
    }
    if (!ReserveTask(tables.Schedule, task_, base_)) {
        const QString refused = RefusedWriteText(QStringLiteral("A new task"), tables.Schedule.LastError());
        if (!refused.isEmpty())
            Prompt::Message(refused, QLatin1String(kReadOnlyDataCaption), PromptIcon::Exclamation);
        else
            ShowReserveFailure(tables.Schedule.LastError());
        return false;
    }
    reserved_ = true;
    if (source)
        CopyScript(tables.Scripting, source->ID, task_.ID);
    return true;
}

void UpdateSchedule::BuildWindow()
{
    setWindowIcon(LoadIcon(QLatin1String(kIcon)));
    KeepWindowPosition(*this, QLatin1String(kPositionName));
    TaskEditor::Options options;
    options.proposeFittingDate = request_.request == FormRequest::Insert && request_.copySourceId == 0;
    editor_ = new TaskEditor(task_, this, options);
    editor_->onTaskType = [this](const TaskTypeControls& shown) { ShowTaskType(shown); };
    editor_->onDisplayed = [this] { ShowTitleAndLastRun(); };

    tabs_ = new QTabWidget;
    tabs_->addTab(TaskPage(), QStringLiteral("&Task"));
    tabs_->addTab(CommandPage(), QStringLiteral("&Command"));
    tabs_->addTab(MessagePage(), QStringLiteral("&Message"));
    tabs_->addTab(WhenPage(), QStringLiteral("&When"));
    tabs_->addTab(AdvancedPage(), QStringLiteral("&Advanced"));

    picture_ = new QLabel;
    picture_->setFixedSize(32, 32);
    // Its room stays while a tab shows no picture, so OK and Cancel keep
    // their place on every tab.
    QSizePolicy keepRoom = picture_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    picture_->setSizePolicy(keepRoom);
    ok_ = new QPushButton(LoadIcon(QStringLiteral("ok.ico")), QStringLiteral("&OK"));
    cancel_ = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateSchedule::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateSchedule::reject);
    auto* panel = new QHBoxLayout;
    panel->addWidget(picture_);
    panel->addStretch();
    panel->addWidget(ok_);
    panel->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(panel);
    layout->addWidget(new StatusTipLine(*this));
    ChainSheetFocus(*tabs_, {ok_, cancel_});

    auto scriptListShown = [this] {
        const bool available = Procedures().Has(QLatin1String(kScriptListProcedure));
        scripting_->setEnabled(available);
        scripting_->setToolTip(QLatin1String(available ? kScriptingTip : kNoScriptListTip));
    };
    scriptListShown();
    connect(&Procedures(), &FrameProcedures::Changed, this, scriptListShown);

    colourer_ = TabColourer::Attach(this);
    connect(tabs_, &QTabWidget::currentChanged, this, &UpdateSchedule::ShowPicture);
    ShowPicture(kTaskTab);
    if (request_.request == FormRequest::View || request_.request == FormRequest::Delete)
        MakeReadOnly();
}

void UpdateSchedule::MakeReadOnly()
{
    for (int tab = 0; tab < tabs_->count(); ++tab)
        tabs_->widget(tab)->setEnabled(false);
    if (request_.request == FormRequest::View) {
        ok_->hide();
        ok_->setEnabled(false);
        cancel_->setText(QStringLiteral("Cl&ose"));
        cancel_->setIcon(LoadIcon(QStringLiteral("close.ico")));
        cancel_->setDefault(true);
        connect(tabs_, &QTabWidget::currentChanged, cancel_, [this] { cancel_->setFocus(); });
    }
    cancel_->setFocus();
}

// ---- what the task shows ----

void UpdateSchedule::ShowTaskType(const TaskTypeControls& shown)
{
    tabs_->setTabVisible(kCommandTab, shown.command);
    tabs_->setTabVisible(kMessageTab, shown.message);
}

void UpdateSchedule::ShowTitleAndLastRun()
{
    lastRun_->setText(FormatUserDate(task_.LastRunDate));
    lastRunTime_->setText(task_.LastRunTime == 0 ? QString() : Picture::Format(task_.LastRunTime, QStringLiteral("@t01")));
    setWindowTitle(TaskFormTitle(request_.request, task_.Description));
}

void UpdateSchedule::ShowPicture(int tab)
{
    const char* picture = tab == kMessageTab ? "WRITE.GIF"
        : tab == kTaskTab || tab == kAdvancedTab ? "TIMEPC_L.GIF"
                                                 : nullptr;
    picture_->setVisible(picture != nullptr);
    if (picture)
        picture_->setPixmap(LoadIcon(QLatin1String(picture)).pixmap(picture_->size()));
}

// ---- buttons ----

void UpdateSchedule::OpenScriptList()
{
    editor_->Take();
    Procedures().Start(QLatin1String(kScriptListProcedure), this);
    editor_->Display();
}

// ---- closing ----

void UpdateSchedule::accept()
{
    if (!opened_)
        return;
    Dictionary& tables = Tables();
    if (request_.request == FormRequest::Delete) {
        if (DeleteTask(tables, task_.ID)) {
            NotifyBrowseThreads();
            QDialog::accept();
        }
        return;
    }
    if (request_.request == FormRequest::View)
        return;
    // A date or time still being typed is taken first.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    editor_->Take();
    if (TaskHasNothingToDo(task_, TaskHasScriptItems(tables.Scripting, task_.ID))) {
        Prompt::Message(QLatin1String(kNothingToDoText), QLatin1String(kNothingToDoCaption), PromptIcon::Exclamation);
        return;
    }
    if (SaveTask(tables, task_, base_) != TaskSaved::Saved) {
        editor_->Display();
        return;
    }
    reserved_ = false;
    NotifyBrowseThreads();
    QDialog::accept();
}

void UpdateSchedule::done(int result)
{
    CloseDown();
    QDialog::done(result);
}

void UpdateSchedule::CloseDown()
{
    if (closed_)
        return;
    closed_ = true;
    if (editor_)
        editor_->Close();
    // A new task not stored goes, and with it the script stored under its ID.
    if (reserved_)
        ReleaseTask(Tables(), task_.ID, base_.RecordPointer);
    reserved_ = false;
    if (colourer_) {
        colourer_->Detach();
        colourer_ = nullptr;
    }
    tables_.Close();
}

UpdateSchedule* OpenUpdateSchedule(QWidget* list, const TaskFormRequest& request,
                                   std::function<void(bool completed, int32_t taskId)> done)
{
    auto* form = new UpdateSchedule(request, list);
    if (!form->Opened()) {
        delete form;
        return nullptr;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    QObject::connect(form, &QDialog::finished, form, [form, done = std::move(done)](int result) {
        done(result == QDialog::Accepted, form->Task().ID);
    });
    form->open();
    return form;
}

void InstallTaskForm()
{
    TaskForm() = [](QWidget* list, const TaskFormCall& call, std::function<void()> done) {
        TaskFormRequest request{call.request, call.task.ID, call.copySourceTaskId};
        if (call.request == FormRequest::Insert && call.copySourceTaskId == 0) {
            // Of a new task the list sets its date and category; nothing else.
            request.dateToUse = call.task.Date;
            request.category = call.task.Category;
        }
        OpenUpdateSchedule(list, request, [done = std::move(done)](bool completed, int32_t) {
            if (completed)
                done();
        });
    };
}

} // namespace vl
