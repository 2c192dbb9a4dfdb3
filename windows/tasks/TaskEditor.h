#pragma once
// The controls of a task's fields and the rules between them, as the task
// form and the task wizards share them. The editor works on its window's own
// copy of the task: each control is bound to a field (Take reads the
// controls into the task, Display shows the task in them), and accepting a
// control runs the task form's rules (tasks/TaskFormRules.h) and shows the
// task again. The window lays the controls out on its tabs or pages and
// hears through onTaskType which of them the task type needs. Entries and
// date or time spins are named after their fields ("SCH:Date").

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/TableDef.h"
#include "tasks/LastWavFile.h"
#include "tasks/TaskFormRules.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace vl {

class PictureSpinBox;

class TaskEditor : public QObject {
    Q_OBJECT
public:
    struct Options {
        WavFileStore alarmBox = WavFileStore::Configuration;   // ticking "Alarm"
        WavFileStore alarmEntry = WavFileStore::Configuration; // the WAV file entry
        // A new task reached by the user at its next date moves to a date
        // that fits its repetition (not a copy: it keeps the source's date).
        bool proposeFittingDate = false;
    };

    // A date or time with its prompt and its "..." button (null for a time).
    struct MomentRow {
        QLabel* prompt = nullptr;
        PictureSpinBox* spin = nullptr;
        QPushButton* calendar = nullptr;
    };

    TaskEditor(ScheduleRecord& task, QWidget* window, Options options);

    // Run by Display after the rules, before the controls show the task.
    std::function<void(const TaskTypeControls&)> onTaskType;
    // Run at the end of Display.
    std::function<void()> onDisplayed;

    void Take();
    void Display();
    // The window closes or is destroyed: from now on the controls' steps
    // (focus in and out, accepting a control, showing the task) do nothing,
    // so a field that loses the focus while the window goes never reaches
    // the window's parts already destroyed.
    void Close() { closed_ = true; }
    // A control was accepted: the task is taken and shown again.
    void Accepted();
    // "Alarm" accepted (or its page entered): its controls are enabled with
    // it, and a ticked alarm is offered the last WAV file.
    void AlarmRule();

    // Controls bound to a field of the task.
    QCheckBox* Flag(const QString& text, uint8_t ScheduleRecord::*field);
    QLineEdit* TextEntry(QString ScheduleRecord::*field, int width, const QString& name);
    // Radios laid out in columns inside the parent; the stored value is the
    // radio's text.
    QButtonGroup* Choice(const QStringList& texts, QString ScheduleRecord::*field, QWidget* parent, int columns = 1);
    QSpinBox* Number(int32_t ScheduleRecord::*field, int low, int high);
    PictureSpinBox* Moment(int32_t ScheduleRecord::*field, const QString& picture, const QString& name);
    QPushButton* Button(const QString& text, const QString& tip, std::function<void()> action);

    // The fields' controls (TaskEditorControls.cpp).
    QGroupBox* TaskTypeBox(const QStringList& types, int columns);
    // "Cate&gory:" from the Categories table, in the key's order.
    QComboBox* CategoryList(KeyRef order);
    QLineEdit* DescriptionEntry();
    QLineEdit* CommandEntry();
    QLineEdit* PathEntry();
    QPushButton* BrowseProgramButton(const QString& tip);
    QPlainTextEdit* MessageEntry();
    QGroupBox* ScheduleTypeBox();
    QGroupBox* EveryGroup();
    QPushButton* ExceptButton();
    MomentRow NextDate();
    MomentRow NextTime(); // hidden for a reminder
    MomentRow WarningDate();
    MomentRow WarningTime();
    QGroupBox* AlarmGroup();
    // "Warn &if not run..." down to "&Disable", in that order.
    std::vector<QCheckBox*> AdvancedFlags();

    QComboBox* Category() const { return category_; }
    QLineEdit* Description() const { return description_; }
    QPlainTextEdit* MessageBox() const { return message_; }

private:
    struct Binding {
        std::function<void()> show;
        std::function<void()> take;
    };

    void ApplyRules();
    void AlarmFileRule();
    void NextDateAccepted();
    void AdvanceWarningAccepted();
    void ChooseNextDate();
    void ChooseWarningDate();
    void ShowOffsetTips();
    void EditExceptions();
    void BrowseProgram();
    void BrowseAlarmFile();
    void PlayAlarm();
    bool eventFilter(QObject* watched, QEvent* event) override;

    ScheduleRecord& task_;
    QWidget* window_;
    Options options_;
    bool displaying_ = false;
    bool closed_ = false;
    std::vector<Binding> bindings_;

    QComboBox* category_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
    QGroupBox* everyGroup_ = nullptr;
    std::vector<QWidget*> weekBoxes_;    // "1st" .. "Last"
    QCheckBox* monthEnd_ = nullptr;
    std::vector<QWidget*> weekdayBoxes_; // "Sunday" .. "Saturday"
    std::vector<QWidget*> everyControls_;
    std::vector<QWidget*> repeatControls_;
    std::vector<QWidget*> offsetControls_;
    QPushButton* except_ = nullptr;
    PictureSpinBox* date_ = nullptr;
    std::vector<QWidget*> timeControls_;
    PictureSpinBox* warnDate_ = nullptr;
    std::vector<QWidget*> alarmControls_;
    QLineEdit* alarmFile_ = nullptr;
    QPushButton* browseAlarm_ = nullptr;
};

} // namespace vl
