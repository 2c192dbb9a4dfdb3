#include "windows/tasks/TaskEditor.h"

#include "core/config/ConfigStore.h"
#include "core/launch/ProgramFileChoice.h"
#include "core/schedule/DateFit.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/PictureSpinBox.h"
#include "tasks/AdvanceWarning.h"
#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/ExceptionsWindow.h"
#include "windows/tasks/PickDate.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace vl {

namespace {

constexpr char kSelectDateTitle[] = "Select Date";
constexpr char kWavDialogCaption[] = "Select WAV File for Alarm";
constexpr char kWavFilter[] = "WAV Files|*.WAV";

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

} // namespace

TaskEditor::TaskEditor(ScheduleRecord& task, QWidget* window, Options options)
    : QObject(window), task_(task), window_(window), options_(options)
{
}

// ---- the task and the controls ----

void TaskEditor::Take()
{
    if (closed_)
        return;
    for (const Binding& binding : bindings_)
        binding.take();
}

void TaskEditor::Display()
{
    if (closed_)
        return;
    displaying_ = true;
    ApplyRules();
    for (const Binding& binding : bindings_)
        binding.show();
    if (onDisplayed)
        onDisplayed();
    displaying_ = false;
}

void TaskEditor::Accepted()
{
    if (displaying_ || closed_)
        return;
    Take();
    Display();
}

void TaskEditor::ApplyRules()
{
    if (everyGroup_) {
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
        if (except_)
            except_->setVisible(when.except);
    }
    const TaskTypeControls type = ApplyTaskTypeRule(task_);
    if (onTaskType)
        onTaskType(type);
    SetVisible(timeControls_, type.time);
}

void TaskEditor::AlarmRule()
{
    if (displaying_ || closed_)
        return;
    Take();
    SetEnabled(alarmControls_, task_.Alarm != 0);
    if (!task_.Alarm)
        return;
    OfferLastWavFile(task_, options_.alarmBox);
    Display();
}

void TaskEditor::AlarmFileRule()
{
    if (displaying_ || closed_)
        return;
    Take();
    OfferLastWavFile(task_, options_.alarmEntry);
    Display();
}

// ---- rules of single controls ----

void TaskEditor::NextDateAccepted()
{
    if (closed_)
        return;
    Take();
    if (task_.Date != 0 && !DateFitsSchedule(task_))
        Prompt::Message(QLatin1String(kDateMismatchText), QLatin1String(kDateMismatchCaption), PromptIcon::Exclamation);
    DeriveAdvanceWarning(task_, ReadAdvanceWarningSetting(IniFile(ProgramIniPath())));
    Display();
}

void TaskEditor::AdvanceWarningAccepted()
{
    if (closed_)
        return;
    Take();
    if (ClearLateAdvanceWarning(task_))
        Prompt::Message(QLatin1String(kLateAdvanceWarningText), QString(), PromptIcon::Exclamation);
    Display();
}

bool TaskEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (!closed_ && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool byUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (watched == date_ && byUser && options_.proposeFittingDate) {
            Take();
            if (MoveToFittingDate(task_))
                Display();
        } else if (watched == message_) {
            Take();
            FillBlankMessage(task_);
            Display();
            // The description proposed as the message is selected, so that
            // typing replaces it; only once the click that brought the focus
            // has placed the cursor.
            if (!Clip(task_.Description).isEmpty() && task_.Message == Clip(task_.Description))
                QTimer::singleShot(0, message_, [message = message_] { message->selectAll(); });
        } else if (watched == alarmFile_) {
            AlarmFileRule();
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- buttons ----

void TaskEditor::ChooseNextDate()
{
    Take();
    PickDate(window_, task_.Date, QString(), QLatin1String(kSelectDateTitle), task_, [this](Date date) {
        if (date == task_.Date)
            return;
        date_->SetValue(date);
        NextDateAccepted();
    });
}

void TaskEditor::ChooseWarningDate()
{
    Take();
    PickDate(window_, task_.AdvanceWarnDate, QLatin1String(kNoDateFilter), QLatin1String(kSelectDateTitle),
             std::nullopt, [this](Date date) {
                 if (date == task_.AdvanceWarnDate)
                     return;
                 warnDate_->SetValue(date);
                 AdvanceWarningAccepted();
             });
}

void TaskEditor::ShowOffsetTips()
{
    Prompt::Message(QLatin1String(kOffsetTipsText), QLatin1String(kOffsetTipsCaption), PromptIcon::Information);
}

void TaskEditor::EditExceptions()
{
    Take();
    auto* exceptions = new ExceptionsWindow(task_, window_);
    exceptions->setAttribute(Qt::WA_DeleteOnClose);
    exceptions->setWindowModality(Qt::WindowModal);
    connect(exceptions, &QDialog::finished, this, &TaskEditor::Display);
    exceptions->open();
}

void TaskEditor::BrowseProgram()
{
    Take();
    if (ChooseProgramFile(task_))
        Display();
}

void TaskEditor::BrowseAlarmFile()
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

void TaskEditor::PlayAlarm()
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

} // namespace vl
