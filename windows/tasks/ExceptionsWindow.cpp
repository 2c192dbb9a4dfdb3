#include "windows/tasks/ExceptionsWindow.h"

#include "windows/frame/tabs/TabColourer.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "platform/runtime/FixedText.h"
#include "resources/ProgramIcons.h"
#include "tasks/ExceptionRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kHolidayList[] = "BrowseHolidays";
constexpr char kTimePicture[] = "@t04";
constexpr const char* kShiftTypes[] = {kShiftSkip, kShiftPrevious, kShiftNext};
constexpr const char* kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kOverrideNotes[] = {
    "Select the days of the week for which", "you wish to have additional exceptions.",
    "NOTE:  These exceptions are in addition to", "the exceptions on the Standard tab.",
    "You do not need to use these unless you", "have exceptions that do not fit into the",
    "categories on the Standard tab."};

} // namespace

ExceptionsWindow::ExceptionsWindow(ScheduleRecord& task, QWidget* parent) : QDialog(parent), task_(task)
{
    setWindowTitle(QStringLiteral("Exceptions"));
    setWindowIcon(LoadIcon(QStringLiteral("CAL2.ICO")));
    KeepWindowPosition(*this, QStringLiteral("UpdateSchedule:ExceptionsWindow"));
    DefaultShiftType(task_);

    tabs_ = new QTabWidget;
    tabs_->addTab(StandardPage(), QStringLiteral("Standard"));
    tabs_->addTab(OverridesPage(), QStringLiteral("Overrides By Day"));
    auto* close = new QPushButton(LoadIcon(QStringLiteral("close.ico")), QStringLiteral("Cl&ose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(bottom);

    ApplyEnableRules();
    colourer_ = TabColourer::Attach(this);
}

QWidget* ExceptionsWindow::StandardPage()
{
    auto* page = new QWidget;
    auto* actionGroup = new QGroupBox(QStringLiteral("E&xception Action"));
    auto* actionLayout = new QVBoxLayout(actionGroup);
    action_ = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        auto* radio = new QRadioButton(QLatin1String(kShiftTypes[index]));
        radio->setChecked(SameTextNoCase(task_.ShiftType, QLatin1String(kShiftTypes[index])));
        action_->addButton(radio, index);
        actionLayout->addWidget(radio);
    }
    actionBox_ = actionGroup;

    auto box = [this](const QString& text, uint8_t value) {
        auto* check = new QCheckBox(text);
        check->setChecked(value != 0);
        connect(check, &QCheckBox::toggled, this, [this] { Take(); });
        return check;
    };
    weekends_ = box(QStringLiteral("Except &weekends"), task_.ExceptWeekends);
    weekdays_ = box(QStringLiteral("Except week&days"), task_.ExceptWeekdays);
    holidays_ = box(QStringLiteral("Except &holidays"), task_.ExceptHolidays);
    timeRange_ = box(QStringLiteral("Except &time range:"), task_.ExceptTime);
    begin_ = new PictureSpinBox(QLatin1String(kTimePicture));
    end_ = new PictureSpinBox(QLatin1String(kTimePicture));
    begin_->SetValue(task_.ExceptTimeBegin);
    end_->SetValue(task_.ExceptTimeEnd);
    beginLabel_ = new QLabel(QStringLiteral("&Begin:"));
    endLabel_ = new QLabel(QStringLiteral("&End:"));
    beginLabel_->setBuddy(begin_);
    endLabel_->setBuddy(end_);
    connect(action_, &QButtonGroup::idClicked, this, [this] { Take(); });
    connect(begin_, &PictureSpinBox::valueEdited, this, [this] { Take(); });
    connect(end_, &PictureSpinBox::valueEdited, this, [this] { Take(); });

    holidayList_ = new QPushButton(QStringLiteral("Ho&lidays..."));
    holidayList_->setAutoDefault(false);
    auto enableHolidays = [this] {
        holidayList_->setEnabled(Procedures().Has(QLatin1String(kHolidayList)));
        holidayList_->setToolTip(holidayList_->isEnabled() ? QString()
                                                           : QStringLiteral("The holiday list is not available."));
    };
    enableHolidays();
    connect(&Procedures(), &FrameProcedures::Changed, this, enableHolidays);
    connect(holidayList_, &QPushButton::clicked, this, [this] {
        Take();
        Procedures().Start(QLatin1String(kHolidayList), this);
    });

    auto* range = new QHBoxLayout;
    range->addWidget(beginLabel_);
    range->addWidget(begin_);
    range->addWidget(endLabel_);
    range->addWidget(end_);
    range->addStretch();
    auto* checks = new QVBoxLayout;
    checks->addWidget(weekends_);
    checks->addWidget(weekdays_);
    checks->addWidget(holidays_);
    checks->addWidget(timeRange_);
    checks->addLayout(range);
    checks->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(actionGroup);
    columns->addLayout(checks, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns);
    auto* holidayRow = new QHBoxLayout;
    holidayRow->addStretch();
    holidayRow->addWidget(holidayList_);
    layout->addLayout(holidayRow);
    return page;
}

QWidget* ExceptionsWindow::OverridesPage()
{
    auto* page = new QWidget;
    const WeekdayMarks marks = ExceptedWeekdays(task_.EXCEPTOTHER);
    auto* dayColumn = new QVBoxLayout;
    for (int day = 0; day < 7; ++day) {
        days_[day] = new QCheckBox(QLatin1String(kDayNames[day]));
        days_[day]->setChecked(marks[day]);
        dayColumn->addWidget(days_[day]);
    }
    dayColumn->addStretch();
    auto* notes = new QVBoxLayout;
    for (const char* line : kOverrideNotes)
        notes->addWidget(new QLabel(QLatin1String(line)));
    notes->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(dayColumn);
    layout->addSpacing(24);
    layout->addLayout(notes, 1);
    return page;
}

void ExceptionsWindow::Take()
{
    if (action_->checkedId() >= 0)
        task_.ShiftType = QLatin1String(kShiftTypes[action_->checkedId()]);
    task_.ExceptWeekends = weekends_->isChecked();
    task_.ExceptWeekdays = weekdays_->isChecked();
    task_.ExceptHolidays = holidays_->isChecked();
    task_.ExceptTime = timeRange_->isChecked();
    task_.ExceptTimeBegin = begin_->Value();
    task_.ExceptTimeEnd = end_->Value();
    ApplyEnableRules();
}

void ExceptionsWindow::ApplyEnableRules()
{
    const ExceptionControls controls = ControlsForExceptions(task_);
    actionBox_->setEnabled(controls.action);
    for (QWidget* widget : {static_cast<QWidget*>(beginLabel_), static_cast<QWidget*>(begin_),
                            static_cast<QWidget*>(endLabel_), static_cast<QWidget*>(end_)})
        widget->setEnabled(controls.timeRange);
    weekends_->setEnabled(controls.weekends);
    weekdays_->setEnabled(controls.weekdays);
}

void ExceptionsWindow::done(int result)
{
    begin_->clearFocus(); // a time still being typed is taken
    end_->clearFocus();
    Take();
    WeekdayMarks marks{};
    for (int day = 0; day < 7; ++day)
        marks[day] = days_[day]->isChecked();
    task_.EXCEPTOTHER = ExceptOtherText(marks);
    if (colourer_) {
        colourer_->Detach();
        colourer_ = nullptr;
    }
    QDialog::done(result);
}

} // namespace vl
