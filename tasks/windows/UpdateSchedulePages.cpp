// The five tabs of the task form and the controls bound to the task's
// fields. What the controls do is in UpdateSchedule.cpp.

#include "tasks/windows/UpdateSchedule.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/PictureSpinBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kTimePicture[] = "@t01";
constexpr int kTextWidth = 255;
constexpr int kAlarmFileWidth = 254; // CSTRING(255)
constexpr int kDescriptionWidth = 40;
constexpr int kCategoryWidth = 20;
constexpr int kMostEvery = 999'999; // six digits
constexpr int kMostOffset = 9'999;

QLabel* Label(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QLabel* Note(const QString& text)
{
    auto* note = new QLabel(text);
    note->setWordWrap(true);
    return note;
}

} // namespace

// ---- controls bound to fields ----

QCheckBox* UpdateSchedule::Flag(const QString& text, uint8_t ScheduleRecord::*field)
{
    auto* box = new QCheckBox(text);
    bindings_.push_back({[this, box, field] { box->setChecked(task_.*field != 0); },
                         [this, box, field] { task_.*field = box->isChecked() ? 1 : 0; }});
    connect(box, &QCheckBox::toggled, this, &UpdateSchedule::Accepted);
    return box;
}

QLineEdit* UpdateSchedule::TextEntry(QString ScheduleRecord::*field, int width, const QString& name)
{
    auto* entry = new QLineEdit;
    entry->setObjectName(name);
    entry->setMaxLength(width);
    // Blanks the user is typing at the end stay in the entry.
    bindings_.push_back({[this, entry, field] {
                             if (Clip(entry->text()) != Clip(task_.*field))
                                 entry->setText(Clip(task_.*field));
                         },
                         [this, entry, field] { task_.*field = entry->text(); }});
    connect(entry, &QLineEdit::editingFinished, this, &UpdateSchedule::Accepted);
    return entry;
}

QButtonGroup* UpdateSchedule::Choice(const QStringList& texts, QString ScheduleRecord::*field, QWidget* parent,
                                     int columns)
{
    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout(parent);
    const int rows = (static_cast<int>(texts.size()) + columns - 1) / columns;
    for (int index = 0; index < texts.size(); ++index) {
        auto* radio = new QRadioButton(texts[index]);
        group->addButton(radio, index);
        grid->addWidget(radio, index % rows, index / rows);
    }
    // The stored value is the radio's text; a value no radio has (a hot-key
    // task's type) shows no radio ticked and is kept.
    bindings_.push_back({[this, group, texts, field] {
                             const int index = texts.indexOf(Clip(task_.*field), 0);
                             group->setExclusive(false);
                             for (QAbstractButton* radio : group->buttons())
                                 radio->setChecked(group->id(radio) == index);
                             group->setExclusive(true);
                         },
                         [this, group, texts, field] {
                             if (group->checkedId() >= 0)
                                 task_.*field = texts[group->checkedId()];
                         }});
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Accepted();
    });
    return group;
}

QSpinBox* UpdateSchedule::Number(int32_t ScheduleRecord::*field, int low, int high)
{
    auto* spin = new QSpinBox;
    spin->setRange(low, high);
    bindings_.push_back({[this, spin, field] { spin->setValue(task_.*field); },
                         [this, spin, field] { task_.*field = spin->value(); }});
    connect(spin, &QSpinBox::valueChanged, this, &UpdateSchedule::Accepted);
    return spin;
}

PictureSpinBox* UpdateSchedule::Moment(int32_t ScheduleRecord::*field, const QString& picture, const QString& name)
{
    auto* spin = new PictureSpinBox(picture);
    spin->setObjectName(name);
    bindings_.push_back({[this, spin, field] { spin->SetValue(task_.*field); },
                         [this, spin, field] { task_.*field = spin->Value(); }});
    return spin;
}

QPushButton* UpdateSchedule::Button(const QString& text, const QString& tip, void (UpdateSchedule::*action)())
{
    auto* button = new QPushButton(text);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

QPushButton* UpdateSchedule::CalendarButton(void (UpdateSchedule::*action)())
{
    QPushButton* button = Button(QStringLiteral("..."), QStringLiteral("Select Date"), action);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    return button;
}

// ---- the tabs ----

QWidget* UpdateSchedule::TaskPage()
{
    auto* page = new QWidget;
    auto* typeBox = new QGroupBox(QStringLiteral("Task Type"));
    taskType_ = Choice({QStringLiteral("Run Program"), QStringLiteral("Display Message"), QStringLiteral("Both"),
                        QStringLiteral("None")},
                       &ScheduleRecord::TaskType, typeBox, 4);

    category_ = new QComboBox;
    category_->setMinimumContentsLength(kCategoryWidth);
    CategoriesRecord category;
    Cursor<CategoriesRecord> categories(Tables().Categories, CAT_KEYCATEGORY);
    while (categories.Next(category))
        category_->addItem(Clip(category.Category));
    bindings_.push_back({[this] {
                             const QString name = Clip(task_.Category);
                             int index = category_->findText(name, Qt::MatchFixedString);
                             if (index < 0 && !name.isEmpty()) {
                                 category_->addItem(name); // a category since deleted stays the task's
                                 index = category_->count() - 1;
                             }
                             category_->setCurrentIndex(index);
                         },
                         [this] {
                             if (category_->currentIndex() >= 0)
                                 task_.Category = category_->currentText();
                         }});
    connect(category_, &QComboBox::activated, this, &UpdateSchedule::Accepted);

    description_ = TextEntry(&ScheduleRecord::Description, kDescriptionWidth, QStringLiteral("SCH:Description"));
    description_->setMinimumWidth(description_->fontMetrics().horizontalAdvance(QString(kDescriptionWidth, QLatin1Char('n'))));
    // The title follows the description while it is typed.
    connect(description_, &QLineEdit::textEdited, this, &UpdateSchedule::Accepted);

    auto* fields = new QGridLayout;
    fields->addWidget(Label(QStringLiteral("&Category:"), category_), 0, 0);
    fields->addWidget(category_, 0, 1, Qt::AlignLeft);
    fields->addWidget(Label(QStringLiteral("&Description:"), description_), 1, 0);
    fields->addWidget(description_, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(typeBox);
    layout->addLayout(fields);
    layout->addStretch();
    return page;
}

QWidget* UpdateSchedule::CommandPage()
{
    auto* page = new QWidget;
    QLineEdit* command = TextEntry(&ScheduleRecord::Command, kTextWidth, QStringLiteral("SCH:Command"));
    QLineEdit* path = TextEntry(&ScheduleRecord::Path, kTextWidth, QStringLiteral("SCH:Path"));
    scripting_ = Button(QStringLiteral("&Scripting"), QString(), &UpdateSchedule::OpenScriptList);

    auto* layout = new QGridLayout(page);
    layout->addWidget(Note(QStringLiteral("Enter any valid program name, along with the parameters it needs here...")),
                      0, 0, 1, 3);
    layout->addWidget(Label(QStringLiteral("Comma&nd:"), command), 1, 0);
    layout->addWidget(command, 1, 1, 1, 2);
    layout->addWidget(Note(QStringLiteral("If the program must be started from a specific directory or folder, enter "
                                          "it here...")),
                      2, 0, 1, 2);
    layout->addWidget(Button(QStringLiteral("&Browse"), QStringLiteral("Select a program to start"),
                             &UpdateSchedule::BrowseProgram),
                      2, 2);
    layout->addWidget(Label(QStringLiteral("Start &in:"), path), 3, 0);
    layout->addWidget(path, 3, 1, 1, 2);
    layout->setRowMinimumHeight(4, 12);
    layout->addWidget(scripting_, 5, 0);
    layout->addWidget(Note(QStringLiteral("<- Press this to send keystrokes or DDE commands")), 5, 1, 1, 2);
    layout->addWidget(
        Note(QStringLiteral("TIP:  If you just want to use scripting, enter \"N/A\" as the command above.")), 6, 0, 1,
        3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(7, 1);
    return page;
}

QWidget* UpdateSchedule::MessagePage()
{
    auto* page = new QWidget;
    message_ = new QPlainTextEdit;
    message_->installEventFilter(this);
    bindings_.push_back({[this] {
                             if (message_->toPlainText() != task_.Message)
                                 message_->setPlainText(task_.Message);
                         },
                         [this] { task_.Message = message_->toPlainText(); }});
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label(QStringLiteral("Enter your customized message here..."), message_));
    layout->addWidget(message_);
    return page;
}

QGroupBox* UpdateSchedule::EveryGroup()
{
    auto* group = new QGroupBox;
    auto* layout = new QVBoxLayout(group);

    auto* weeks = new QHBoxLayout;
    const std::pair<const char*, uint8_t ScheduleRecord::*> weekFlags[] = {
        {"1st", &ScheduleRecord::Every1st}, {"2nd", &ScheduleRecord::Every2nd}, {"3rd", &ScheduleRecord::Every3rd},
        {"4th", &ScheduleRecord::Every4th}, {"Last", &ScheduleRecord::EveryLast}};
    for (const auto& [text, field] : weekFlags) {
        weekBoxes_.push_back(Flag(QLatin1String(text), field));
        weeks->addWidget(weekBoxes_.back());
    }
    monthEnd_ = Flag(QStringLiteral("Month End"), &ScheduleRecord::LastDayofMonth);
    weeks->addWidget(monthEnd_);
    weeks->addStretch();
    layout->addLayout(weeks);

    auto* weekdays = new QGridLayout;
    const std::pair<const char*, uint8_t ScheduleRecord::*> dayFlags[] = {
        {"Sunday", &ScheduleRecord::Sunday},     {"Monday", &ScheduleRecord::Monday},
        {"Tuesday", &ScheduleRecord::Tuesday},   {"Wednesday", &ScheduleRecord::Wednesday},
        {"Thursday", &ScheduleRecord::Thursday}, {"Friday", &ScheduleRecord::Friday},
        {"Saturday", &ScheduleRecord::Saturday}};
    for (const auto& [text, field] : dayFlags) {
        weekdayBoxes_.push_back(Flag(QLatin1String(text), field));
        const int index = static_cast<int>(weekdayBoxes_.size()) - 1;
        weekdays->addWidget(weekdayBoxes_.back(), index / 4, index % 4);
    }
    layout->addLayout(weekdays);

    auto* every = new QHBoxLayout;
    QSpinBox* units = Number(&ScheduleRecord::Every, 0, kMostEvery);
    QLabel* everyLabel = Label(QStringLiteral("Every:"), units);
    auto* everyType = new QWidget;
    Choice({QStringLiteral("minute(s)"), QStringLiteral("hour(s)"), QStringLiteral("day(s)"), QStringLiteral("week(s)"),
            QStringLiteral("month(s)"), QStringLiteral("year(s)")},
           &ScheduleRecord::EveryType, everyType, 2);
    every->addWidget(everyLabel, 0, Qt::AlignTop);
    every->addWidget(units, 0, Qt::AlignTop);
    every->addWidget(everyType);
    every->addStretch();
    everyControls_ = {everyLabel, units, everyType};
    layout->addLayout(every);

    auto* repeat = new QWidget;
    Choice({QStringLiteral("Once"), QStringLiteral("Twice - 1st, 15th"), QStringLiteral("Twice - 15th, Last")},
           &ScheduleRecord::MonthRepeat, repeat);
    QSpinBox* offset = Number(&ScheduleRecord::Offset, -kMostOffset, kMostOffset);
    QLabel* offsetLabel = Label(QStringLiteral("Days to Offset:"), offset);
    QPushButton* tips = Button(QStringLiteral("&Tips"), QString(), &UpdateSchedule::ShowOffsetTips);
    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(repeat);
    auto* offsetColumn = new QVBoxLayout;
    auto* offsetLine = new QHBoxLayout;
    offsetLine->addWidget(offsetLabel);
    offsetLine->addWidget(offset);
    offsetColumn->addLayout(offsetLine);
    offsetColumn->addWidget(tips, 0, Qt::AlignLeft);
    offsetColumn->addStretch();
    offsetRow->addLayout(offsetColumn);
    offsetRow->addStretch();
    repeatControls_ = {repeat, offsetLabel, offset, tips};
    offsetControls_ = {offsetLabel, offset};
    layout->addLayout(offsetRow);
    layout->addStretch();
    return group;
}

QWidget* UpdateSchedule::WhenPage()
{
    auto* page = new QWidget;
    auto* typeBox = new QGroupBox(QStringLiteral("Schedule &Type"));
    Choice({QStringLiteral("Once"), QStringLiteral("Day of Week"), QStringLiteral("Day of Month"),
            QStringLiteral("Monthly"), QStringLiteral("Yearly"), QStringLiteral("Custom")},
           &ScheduleRecord::ScheduleType, typeBox);
    everyGroup_ = EveryGroup();
    except_ = Button(QStringLiteral("E&xcept"), QStringLiteral("Days and times on which the task must not run"),
                     &UpdateSchedule::EditExceptions);

    date_ = Moment(&ScheduleRecord::Date, UserDatePicture(), QStringLiteral("SCH:Date"));
    date_->installEventFilter(this);
    connect(date_, &PictureSpinBox::valueEdited, this, &UpdateSchedule::NextDateAccepted);
    PictureSpinBox* time = Moment(&ScheduleRecord::Time, QLatin1String(kTimePicture), QStringLiteral("SCH:Time"));
    connect(time, &PictureSpinBox::valueEdited, this, &UpdateSchedule::Accepted);
    QLabel* timeLabel = Label(QStringLiteral("&Time:"), time);
    timeControls_ = {timeLabel, time};
    lastRun_ = new QLabel;
    lastRunTime_ = new QLabel;
    QCheckBox* skip = Flag(QStringLiteral("&Skip Next Time"), &ScheduleRecord::SkipNextTime);
    warnDate_ = Moment(&ScheduleRecord::AdvanceWarnDate, UserDatePicture(), QStringLiteral("SCH:AdvanceWarnDate"));
    warnTime_ = Moment(&ScheduleRecord::AdvanceWarnTime, QLatin1String(kTimePicture), QStringLiteral("SCH:AdvanceWarnTime"));
    connect(warnDate_, &PictureSpinBox::valueEdited, this, &UpdateSchedule::AdvanceWarningAccepted);
    connect(warnTime_, &PictureSpinBox::valueEdited, this, &UpdateSchedule::AdvanceWarningAccepted);

    auto* moments = new QGridLayout;
    moments->addWidget(Label(QStringLiteral("&Next Date to Perform Task:"), date_), 0, 0);
    moments->addWidget(date_, 0, 1);
    moments->addWidget(CalendarButton(&UpdateSchedule::ChooseNextDate), 0, 2);
    moments->addWidget(timeLabel, 0, 3);
    moments->addWidget(time, 0, 4);
    moments->addWidget(Label(QStringLiteral("Date Last Performed:")), 1, 0);
    moments->addWidget(lastRun_, 1, 1);
    moments->addWidget(Label(QStringLiteral("Time:")), 1, 3);
    moments->addWidget(lastRunTime_, 1, 4);
    moments->addWidget(skip, 2, 0);
    moments->addWidget(Label(QStringLiteral("&Advance Warning Date:"), warnDate_), 3, 0);
    moments->addWidget(warnDate_, 3, 1);
    moments->addWidget(CalendarButton(&UpdateSchedule::ChooseWarningDate), 3, 2);
    moments->addWidget(Label(QStringLiteral("Time:"), warnTime_), 3, 3);
    moments->addWidget(warnTime_, 3, 4);
    moments->setColumnStretch(5, 1);

    auto* top = new QHBoxLayout;
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(typeBox);
    typeColumn->addWidget(except_);
    typeColumn->addStretch();
    top->addLayout(typeColumn);
    top->addWidget(everyGroup_, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(moments);
    return page;
}

QWidget* UpdateSchedule::AdvancedPage()
{
    auto* page = new QWidget;
    auto* alarmGroup = new QGroupBox(QStringLiteral("Alarm"));
    QCheckBox* alarm = Flag(QStringLiteral("Alarm"), &ScheduleRecord::Alarm);
    connect(alarm, &QCheckBox::toggled, this, &UpdateSchedule::AlarmRule);
    alarmFile_ = TextEntry(&ScheduleRecord::AlarmFile, kAlarmFileWidth, QStringLiteral("SCH:AlarmFile"));
    alarmFile_->installEventFilter(this);
    connect(alarmFile_, &QLineEdit::editingFinished, this, &UpdateSchedule::AlarmFileRule);
    QLabel* prompt = Label(QStringLiteral("WAV File to Play:"), alarmFile_);
    browseAlarm_ = Button(QStringLiteral("&Browse"), QStringLiteral("Select WAV File for Alarm"),
                          &UpdateSchedule::BrowseAlarmFile);
    QPushButton* play = Button(QStringLiteral("&Play"), QStringLiteral("Let's hear it!"), &UpdateSchedule::PlayAlarm);
    alarmControls_ = {prompt, alarmFile_, browseAlarm_, play};
    auto* alarmLayout = new QGridLayout(alarmGroup);
    alarmLayout->addWidget(alarm, 0, 0);
    alarmLayout->addWidget(prompt, 1, 0);
    alarmLayout->addWidget(alarmFile_, 1, 1);
    alarmLayout->addWidget(browseAlarm_, 1, 2);
    alarmLayout->addWidget(play, 1, 3);
    alarmLayout->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(alarmGroup);
    layout->addWidget(Flag(QStringLiteral("&Warn if not run on specified date"), &ScheduleRecord::Warn));
    layout->addWidget(
        Flag(QStringLiteral("&Skip if not run at specified time (+/- 10 minutes)"), &ScheduleRecord::SkipIfMissed));
    layout->addWidget(
        Flag(QStringLiteral("&Before performing task, give option to skip"), &ScheduleRecord::UserSkip));
    layout->addWidget(Flag(QStringLiteral("Skip if a script is running"), &ScheduleRecord::SkipIfScriptActive));
    layout->addWidget(Flag(QStringLiteral("No &History"), &ScheduleRecord::NoHistory));
    layout->addWidget(Flag(QStringLiteral("&Disable"), &ScheduleRecord::Disabled));
    layout->addStretch();
    return page;
}

} // namespace vl
