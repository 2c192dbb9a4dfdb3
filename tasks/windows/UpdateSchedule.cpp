#include "tasks/windows/UpdateSchedule.h"

#include "core/base/UserDate.h"
#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/launch/ProgramFileChoice.h"
#include "core/schedule/DateFit.h"
#include "core/windows/tabs/TabColourer.h"
#include "platform/data/DataError.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"
#include "platform/runtime/Picture.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "scripting/items/TaskScripts.h"
#include "tasks/AdvanceWarning.h"
#include "tasks/TaskFormRules.h"
#include "tasks/TaskStore.h"
#include "tasks/windows/CalendarWindow.h"
#include "tasks/windows/PickDate.h"
#include "tasks/windows/TaskForm.h"
#include "tasks/windows/ExceptionsWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kIcon[] = "timedate.ico";
constexpr char kPositionName[] = "UpdateSchedule";
constexpr char kLastWavFile[] = "LastWAVFile";
constexpr char kInternalErrorCaption[] = "Internal Error";
constexpr char kAutoIncrementText[] = "Auto-increment error.  Could not set unique schedule ID.";
constexpr char kTaskNotFoundCaption[] = "Task Not Found";
constexpr char kTaskNotFoundText[] = "The task no longer exists: the scheduler or another window has deleted it.";
constexpr char kSelectDateTitle[] = "Select Date";
constexpr char kWavDialogCaption[] = "Select WAV File for Alarm";
constexpr char kWavFilter[] = "WAV Files|*.WAV";
constexpr char kScriptingTip[] = "Send keystrokes, DDE commands, etc.";
constexpr char kNoScriptListTip[] = "The script list is not available in this version.";

enum Tab { kTaskTab, kCommandTab, kMessageTab, kWhenTab, kAdvancedTab };

void SetVisible(const std::vector<QWidget*>& widgets, bool visible)
{
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

void SetEnabled(const std::vector<QWidget*>& widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

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
    Display();
    AlarmRule();
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
        Prompt::Message(QLatin1String(kAutoIncrementText) + QLatin1Char('|') + tables.Schedule.LastError().Describe(),
                        QLatin1String(kInternalErrorCaption), PromptIcon::Stop);
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

    tabs_ = new QTabWidget;
    tabs_->addTab(TaskPage(), QStringLiteral("&Task"));
    tabs_->addTab(CommandPage(), QStringLiteral("&Command"));
    tabs_->addTab(MessagePage(), QStringLiteral("&Message"));
    tabs_->addTab(WhenPage(), QStringLiteral("&When"));
    tabs_->addTab(AdvancedPage(), QStringLiteral("&Advanced"));

    picture_ = new QLabel;
    picture_->setFixedSize(32, 32);
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

// ---- the task and the controls ----

void UpdateSchedule::Take()
{
    for (const Binding& binding : bindings_)
        binding.take();
}

void UpdateSchedule::Display()
{
    displaying_ = true;
    ApplyRules();
    for (const Binding& binding : bindings_)
        binding.show();
    lastRun_->setText(FormatUserDate(task_.LastRunDate));
    lastRunTime_->setText(task_.LastRunTime == 0 ? QString() : Picture::Format(task_.LastRunTime, QStringLiteral("@t01")));
    setWindowTitle(TaskFormTitle(request_.request, task_.Description));
    displaying_ = false;
}

void UpdateSchedule::Accepted()
{
    if (displaying_)
        return;
    Take();
    Display();
}

void UpdateSchedule::ApplyRules()
{
    const ScheduleTypeControls when = ApplyScheduleTypeRule(task_);
    everyGroup_->setTitle(when.groupCaption);
    SetVisible(weekdayBoxes_, when.weekdays);
    SetVisible(weekBoxes_, when.weeks);
    monthEnd_->setVisible(when.weeks);
    SetEnabled(weekdayBoxes_, when.dayBoxesEnabled);
    SetEnabled(weekBoxes_, when.dayBoxesEnabled);
    SetVisible(everyControls_, when.every);
    SetVisible(repeatControls_, when.repeat);
    SetEnabled(offsetControls_, when.offsetEnabled);
    except_->setVisible(when.except);

    const TaskTypeControls type = ApplyTaskTypeRule(task_);
    tabs_->setTabVisible(kCommandTab, type.command);
    tabs_->setTabVisible(kMessageTab, type.message);
    SetVisible(timeControls_, type.time);
}

void UpdateSchedule::AlarmRule()
{
    if (displaying_)
        return;
    Take();
    SetEnabled(alarmControls_, task_.Alarm != 0);
    if (task_.Alarm)
        AlarmFileRule();
}

void UpdateSchedule::AlarmFileRule()
{
    if (displaying_)
        return;
    Take();
    // The last WAV file chosen is offered to the next task with an alarm.
    if (Clip(task_.AlarmFile).isEmpty())
        task_.AlarmFile = GetConfigValue(QLatin1String(kLastWavFile), QString());
    else
        PutConfigValue(QLatin1String(kLastWavFile), Clip(task_.AlarmFile));
    Display();
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

// ---- rules of single controls ----

void UpdateSchedule::NextDateAccepted()
{
    Take();
    if (task_.Date != 0 && !DateFitsSchedule(task_))
        Prompt::Message(QLatin1String(kDateMismatchText), QLatin1String(kDateMismatchCaption), PromptIcon::Exclamation);
    DeriveAdvanceWarning(task_, ReadAdvanceWarningSetting(IniFile(ProgramIniPath())));
    Display();
}

void UpdateSchedule::AdvanceWarningAccepted()
{
    Take();
    if (ClearLateAdvanceWarning(task_))
        Prompt::Message(QLatin1String(kLateAdvanceWarningText), QString(), PromptIcon::Exclamation);
    Display();
}

void UpdateSchedule::NextDateFocused()
{
    // A new task reached by the user (not a copy) moves to a date that fits.
    if (request_.request != FormRequest::Insert || request_.copySourceId != 0)
        return;
    Take();
    if (MoveToFittingDate(task_))
        Display();
}

bool UpdateSchedule::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (watched == date_ && byUser) {
            NextDateFocused();
        } else if (watched == message_) {
            Take();
            FillBlankMessage(task_);
            Display();
        } else if (watched == alarmFile_) {
            AlarmFileRule();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- buttons ----

void UpdateSchedule::ChooseNextDate()
{
    Take();
    PickDate(this, task_.Date, QString(), QLatin1String(kSelectDateTitle), task_, [this](Date date) {
        if (date == task_.Date)
            return;
        date_->SetValue(date);
        NextDateAccepted();
    });
}

void UpdateSchedule::ChooseWarningDate()
{
    Take();
    PickDate(this, task_.AdvanceWarnDate, QLatin1String(kNoDateFilter), QLatin1String(kSelectDateTitle), std::nullopt,
             [this](Date date) {
                 if (date == task_.AdvanceWarnDate)
                     return;
                 warnDate_->SetValue(date);
                 AdvanceWarningAccepted();
             });
}

void UpdateSchedule::ShowOffsetTips()
{
    Prompt::Message(QLatin1String(kOffsetTipsText), QLatin1String(kOffsetTipsCaption), PromptIcon::Information);
}

void UpdateSchedule::EditExceptions()
{
    Take();
    auto* exceptions = new ExceptionsWindow(task_, this);
    exceptions->setAttribute(Qt::WA_DeleteOnClose);
    exceptions->setWindowModality(Qt::WindowModal);
    connect(exceptions, &QDialog::finished, this, &UpdateSchedule::Display);
    exceptions->open();
}

void UpdateSchedule::BrowseProgram()
{
    Take();
    if (ChooseProgramFile(task_))
        Display();
}

void UpdateSchedule::OpenScriptList()
{
    Take();
    Procedures().Start(QLatin1String(kScriptListProcedure), this);
    Display();
}

void UpdateSchedule::BrowseAlarmFile()
{
    Take();
    const QString file = Prompt::OpenFile(QLatin1String(kWavDialogCaption), QLatin1String(kWavFilter),
                                          Clip(task_.AlarmFile));
    if (file.isEmpty())
        return;
    task_.AlarmFile = file;
    Display();
    AlarmFileRule();
}

void UpdateSchedule::PlayAlarm()
{
    Take();
    const QString file = Clip(task_.AlarmFile);
    if (file.isEmpty()) {
        browseAlarm_->setFocus();
        browseAlarm_->click();
        return;
    }
    if (!Sound::Sounded(Sound::Play(file)))
        browseAlarm_->setFocus();
}

// ---- closing ----

void UpdateSchedule::accept()
{
    if (!opened_)
        return;
    Dictionary& tables = Tables();
    if (request_.request == FormRequest::Delete) {
        if (DeleteTask(tables, task_.ID))
            QDialog::accept();
        return;
    }
    if (request_.request == FormRequest::View)
        return;
    // A date or time still being typed is taken first.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    Take();
    if (SaveTask(tables, task_, base_) != TaskSaved::Saved) {
        Display();
        return;
    }
    reserved_ = false;
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
    // A new task not stored goes, and with it the script stored under its ID.
    if (reserved_)
        ReleaseTask(Tables(), task_.ID);
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
