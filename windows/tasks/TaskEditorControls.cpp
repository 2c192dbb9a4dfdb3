// The controls of the task editor, each bound to a field of the task. What
// accepting them does is in TaskEditor.cpp.

#include "windows/tasks/TaskEditor.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WalkFailure.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/FocusChain.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/TextWidth.h"

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

} // namespace

// ---- controls bound to fields ----

QCheckBox* TaskEditor::Flag(const QString& text, uint8_t ScheduleRecord::*field)
{
    auto* box = new QCheckBox(text);
    bindings_.push_back({[this, box, field] { box->setChecked(task_.*field != 0); },
                         [this, box, field] { task_.*field = box->isChecked() ? 1 : 0; }});
    connect(box, &QCheckBox::toggled, this, &TaskEditor::Accepted);
    return box;
}

QLineEdit* TaskEditor::TextEntry(QString ScheduleRecord::*field, int width, const QString& name)
{
    auto* entry = new QLineEdit;
    entry->setObjectName(name);
    LimitToWidth(entry, width);
    // Blanks the user is typing at the end stay in the entry.
    bindings_.push_back({[this, entry, field] {
                             if (Clip(entry->text()) != Clip(task_.*field))
                                 entry->setText(Clip(task_.*field));
                         },
                         [this, entry, field] { task_.*field = entry->text(); }});
    connect(entry, &QLineEdit::editingFinished, this, &TaskEditor::Accepted);
    return entry;
}

QButtonGroup* TaskEditor::Choice(const QStringList& texts, QString ScheduleRecord::*field, QWidget* parent,
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
    // A value no radio has (a hot-key task's type) shows no radio ticked
    // and is kept.
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

QSpinBox* TaskEditor::Number(int32_t ScheduleRecord::*field, int low, int high)
{
    auto* spin = new QSpinBox;
    spin->setRange(low, high);
    bindings_.push_back({[this, spin, field] { spin->setValue(task_.*field); },
                         [this, spin, field] { task_.*field = spin->value(); }});
    connect(spin, &QSpinBox::valueChanged, this, &TaskEditor::Accepted);
    return spin;
}

PictureSpinBox* TaskEditor::Moment(int32_t ScheduleRecord::*field, const QString& picture, const QString& name)
{
    auto* spin = new PictureSpinBox(picture);
    spin->setObjectName(name);
    bindings_.push_back({[this, spin, field] { spin->SetValue(task_.*field); },
                         [this, spin, field] { task_.*field = spin->Value(); }});
    return spin;
}

QPushButton* TaskEditor::Button(const QString& text, const QString& tip, std::function<void()> action)
{
    auto* button = new QPushButton(text);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, std::move(action));
    return button;
}

// ---- the fields ----

QGroupBox* TaskEditor::TaskTypeBox(const QStringList& types, int columns)
{
    auto* box = new QGroupBox(QStringLiteral("Task Type"));
    Choice(types, &ScheduleRecord::TaskType, box, columns);
    return box;
}

QComboBox* TaskEditor::CategoryList(KeyRef order)
{
    category_ = new QComboBox;
    category_->setMinimumContentsLength(kCategoryWidth);
    category_->setStatusTip(QStringLiteral("Basic - Task Category"));
    CategoriesRecord category;
    Cursor<CategoriesRecord> categories(Tables().Categories, order);
    while (categories.Next(category))
        category_->addItem(Clip(category.Category));
    TellWalkFailure(Tables().Categories);
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
    connect(category_, &QComboBox::activated, this, &TaskEditor::Accepted);
    return category_;
}

QLineEdit* TaskEditor::DescriptionEntry()
{
    description_ = TextEntry(&ScheduleRecord::Description, kDescriptionWidth, QStringLiteral("SCH:Description"));
    description_->setStatusTip(QStringLiteral("Description or Title of Task"));
    description_->setMinimumWidth(
        description_->fontMetrics().horizontalAdvance(QString(kDescriptionWidth, QLatin1Char('n'))));
    return description_;
}

QLineEdit* TaskEditor::CommandEntry()
{
    return TextEntry(&ScheduleRecord::Command, kTextWidth, QStringLiteral("SCH:Command"));
}

QLineEdit* TaskEditor::PathEntry()
{
    return TextEntry(&ScheduleRecord::Path, kTextWidth, QStringLiteral("SCH:Path"));
}

QPushButton* TaskEditor::BrowseProgramButton(const QString& tip)
{
    return Button(QStringLiteral("B&rowse"), tip, [this] { BrowseProgram(); });
}

QPlainTextEdit* TaskEditor::MessageEntry()
{
    message_ = new QPlainTextEdit;
    message_->setObjectName(QStringLiteral("SCH:Message"));
    TabLeavesText(*message_);
    message_->installEventFilter(this);
    bindings_.push_back({[this] {
                             if (message_->toPlainText() != task_.Message)
                                 message_->setPlainText(task_.Message);
                         },
                         [this] { task_.Message = message_->toPlainText(); }});
    return message_;
}

QGroupBox* TaskEditor::ScheduleTypeBox()
{
    auto* box = new QGroupBox(QStringLiteral("Sc&hedule Type"));
    box->setStatusTip(QStringLiteral("Basic - Task Schedule Type (Once/Repeating)"));
    Choice({QStringLiteral("Once"), QStringLiteral("Day of Week"), QStringLiteral("Day of Month"),
            QStringLiteral("Monthly"), QStringLiteral("Yearly"), QStringLiteral("Custom")},
           &ScheduleRecord::ScheduleType, box);
    return box;
}

QGroupBox* TaskEditor::EveryGroup()
{
    everyGroup_ = new QGroupBox;
    auto* layout = new QVBoxLayout(everyGroup_);

    auto* weeks = new QHBoxLayout;
    const std::pair<const char*, uint8_t ScheduleRecord::*> weekFlags[] = {
        {"1st", &ScheduleRecord::Every1st}, {"2nd", &ScheduleRecord::Every2nd}, {"3rd", &ScheduleRecord::Every3rd},
        {"4th", &ScheduleRecord::Every4th}, {"Last", &ScheduleRecord::EveryLast}};
    for (const auto& [text, field] : weekFlags) {
        weekBoxes_.push_back(Flag(QLatin1String(text), field));
        weeks->addWidget(weekBoxes_.back());
    }
    monthEnd_ = Flag(QStringLiteral("Month End"), &ScheduleRecord::LastDayofMonth);
    monthEnd_->setStatusTip(QStringLiteral("Every - Last Day of Month"));
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
        weekdayBoxes_.back()->setStatusTip(QStringLiteral("Day - ") + QLatin1String(text));
        const int index = static_cast<int>(weekdayBoxes_.size()) - 1;
        weekdays->addWidget(weekdayBoxes_.back(), index / 4, index % 4);
    }
    layout->addLayout(weekdays);

    auto* every = new QHBoxLayout;
    QSpinBox* units = Number(&ScheduleRecord::Every, 0, kMostEvery);
    units->setStatusTip(QStringLiteral("Repeat Task Every..."));
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
    repeat->setToolTip(QStringLiteral("Type of semi-monthly repetition"));
    QSpinBox* offset = Number(&ScheduleRecord::Offset, -kMostOffset, kMostOffset);
    offset->setToolTip(QStringLiteral("Number of days to offset"));
    QLabel* offsetLabel = Label(QStringLiteral("Days to Offset:"), offset);
    QPushButton* tips = Button(QStringLiteral("Ti&ps"), QString(), [this] { ShowOffsetTips(); });
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
    return everyGroup_;
}

QPushButton* TaskEditor::ExceptButton()
{
    except_ = Button(QStringLiteral("E&xcept"), QStringLiteral("Days and times on which the task must not run"),
                     [this] { EditExceptions(); });
    // Its room is kept while it is hidden: the window keeps its size when a
    // schedule type shows it.
    QSizePolicy policy = except_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    except_->setSizePolicy(policy);
    return except_;
}

TaskEditor::MomentRow TaskEditor::NextDate()
{
    date_ = Moment(&ScheduleRecord::Date, UserDatePicture(), QStringLiteral("SCH:Date"));
    date_->installEventFilter(this);
    connect(date_, &PictureSpinBox::valueEdited, this, &TaskEditor::NextDateAccepted);
    QPushButton* calendar = Button(QStringLiteral("..."), QStringLiteral("Select Date"), [this] { ChooseNextDate(); });
    calendar->setFixedWidth(calendar->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    return {Label(QStringLiteral("Next &Date to Perform Task:"), date_), date_, calendar};
}

TaskEditor::MomentRow TaskEditor::NextTime()
{
    PictureSpinBox* time = Moment(&ScheduleRecord::Time, QLatin1String(kTimePicture), QStringLiteral("SCH:Time"));
    connect(time, &PictureSpinBox::valueEdited, this, &TaskEditor::Accepted);
    QLabel* prompt = Label(QStringLiteral("T&ime:"), time);
    timeControls_ = {prompt, time};
    return {prompt, time, nullptr};
}

TaskEditor::MomentRow TaskEditor::WarningDate()
{
    warnDate_ = Moment(&ScheduleRecord::AdvanceWarnDate, UserDatePicture(), QStringLiteral("SCH:AdvanceWarnDate"));
    connect(warnDate_, &PictureSpinBox::valueEdited, this, &TaskEditor::AdvanceWarningAccepted);
    QPushButton* calendar =
        Button(QStringLiteral("..."), QStringLiteral("Select Date"), [this] { ChooseWarningDate(); });
    calendar->setFixedWidth(calendar->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    return {Label(QStringLiteral("Ad&vance Warning Date:"), warnDate_), warnDate_, calendar};
}

TaskEditor::MomentRow TaskEditor::WarningTime()
{
    PictureSpinBox* time =
        Moment(&ScheduleRecord::AdvanceWarnTime, QLatin1String(kTimePicture), QStringLiteral("SCH:AdvanceWarnTime"));
    connect(time, &PictureSpinBox::valueEdited, this, &TaskEditor::AdvanceWarningAccepted);
    return {Label(QStringLiteral("Time:"), time), time, nullptr};
}

QGroupBox* TaskEditor::AlarmGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Alarm"));
    QCheckBox* alarm = Flag(QStringLiteral("Alarm"), &ScheduleRecord::Alarm);
    alarm->setToolTip(QStringLiteral("Play a WAV file as an alarm"));
    connect(alarm, &QCheckBox::toggled, this, &TaskEditor::AlarmRule);
    alarmFile_ = TextEntry(&ScheduleRecord::AlarmFile, kAlarmFileWidth, QStringLiteral("SCH:AlarmFile"));
    alarmFile_->installEventFilter(this);
    connect(alarmFile_, &QLineEdit::editingFinished, this, &TaskEditor::AlarmFileRule);
    QLabel* prompt = Label(QStringLiteral("WAV File to Play:"), alarmFile_);
    browseAlarm_ = Button(QStringLiteral("B&rowse"), QStringLiteral("Select a WAV file to play as an alarm."),
                          [this] { BrowseAlarmFile(); });
    QPushButton* play = Button(QStringLiteral("&Play"), QStringLiteral("Let's hear it!"), [this] { PlayAlarm(); });
    alarmControls_ = {prompt, alarmFile_, browseAlarm_, play};
    auto* layout = new QGridLayout(group);
    layout->addWidget(alarm, 0, 0);
    layout->addWidget(prompt, 1, 0);
    layout->addWidget(alarmFile_, 1, 1);
    layout->addWidget(browseAlarm_, 1, 2);
    layout->addWidget(play, 1, 3);
    layout->setColumnStretch(1, 1);
    return group;
}

std::vector<QCheckBox*> TaskEditor::AdvancedFlags()
{
    QCheckBox* noHistory = Flag(QStringLiteral("No &History"), &ScheduleRecord::NoHistory);
    noHistory->setToolTip(QStringLiteral("Do not show history (remove when completed)"));
    QCheckBox* disable = Flag(QStringLiteral("&Disable"), &ScheduleRecord::Disabled);
    disable->setToolTip(QStringLiteral("Do not perform this task"));
    return {Flag(QStringLiteral("Warn &if not run on specified date"), &ScheduleRecord::Warn),
            Flag(QStringLiteral("&Skip if not run at specified time (+/- 10 minutes)"), &ScheduleRecord::SkipIfMissed),
            Flag(QStringLiteral("B&efore performing task, give option to skip"), &ScheduleRecord::UserSkip),
            Flag(QStringLiteral("Skip if a script is running"), &ScheduleRecord::SkipIfScriptActive), noHistory,
            disable};
}

} // namespace vl
