#include "windows/tasks/ExploreSchedule.h"

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WalkFailure.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/BrowseList.h"
#include "tasks/TaskListFilters.h"
#include "windows/tasks/SelectDateRange.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vl {

namespace {

// The date a little wider than 45: a date in pictures such as "@d3" is cut at 45.
const TaskListLayout kLayout{50, 55, 123, 'L', 40};

QStringList CategoryChoices()
{
    QStringList choices{QLatin1String(kAllChoice)};
    Table<CategoriesRecord>& categories = Tables().Categories;
    CategoriesRecord category;
    for (categories.Set(CAT_KEYCATEGORY); categories.Next(category);)
        choices << Clip(category.Category);
    TellWalkFailure(categories);
    return choices;
}

QComboBox* Choice(const QStringList& choices, const QString& current, const char* tip)
{
    auto* box = new QComboBox;
    box->addItems(choices);
    box->setCurrentText(current);
    box->setToolTip(QString::fromUtf8(tip));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

// The choices the list opens with.
QString FirstStatus()
{
    return QLatin1String(GlobalActiveOnly ? kActiveStatus : kAllChoice);
}

QString FirstDay()
{
    return QLatin1String(FullSchedule ? kAllChoice : kTodayChoice);
}

// The filters of the choices; a choice without one leaves its filter out
// (the list keeps the filter it has).
std::map<QString, Filter> ChoiceFilters(const QString& status, const std::optional<DaySelection>& days,
                                        const QString& category)
{
    std::map<QString, Filter> filters{{QLatin1String(kTaskTypeFilterName), NoHotKeyFilter()}};
    if (const std::optional<Filter> filter = StatusFilter(status))
        filters[QLatin1String(kStatusFilterName)] = *filter;
    if (days)
        filters[QLatin1String(kDateFilterName)] = days->filter;
    filters[QLatin1String(kCategoryFilterName)] =
        category == QLatin1String(kAllChoice) ? Filter{} : CategoryFilter(category);
    return filters;
}

QLabel* Prompt(const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setBuddy(buddy);
    return label;
}

} // namespace

ExploreSchedule::ExploreSchedule(QWidget* parent)
    : TaskList({kExploreScheduleProcedure, kExploreScheduleCaption, kExploreScheduleUserCaption, "E&xecute", "Query"},
               kLayout, ChoiceFilters(FirstStatus(), SelectDays(FirstDay(), Today(), 0, 0), QLatin1String(kAllChoice)),
               parent),
      dateToUse_(Today())
{
    QWidget* filters = MakeFilters();
    AddTop(filters, {status_, day_, category_, QueryButton(), ResetButton()});
    resize(700, 440);
    ApplyFilters();
    if (FullSchedule)
        List()->SelectRow(Model()->Locate(int64_t{Today()}));
    connect(status_, &QComboBox::currentIndexChanged, this, &ExploreSchedule::ApplyFilters);
    connect(category_, &QComboBox::currentIndexChanged, this, &ExploreSchedule::ApplyFilters);
    connect(day_, &QComboBox::currentIndexChanged, this, &ExploreSchedule::ApplyFilters);
    connect(day_, &QComboBox::activated, this, &ExploreSchedule::DayChosen);
    Opened();
}

QWidget* ExploreSchedule::MakeFilters()
{
    status_ = Choice(StatusChoices(), FirstStatus(), "Select records by status");
    day_ = Choice(DayChoices(), FirstDay(), kAnyDateTip);
    category_ = Choice(CategoryChoices(), QLatin1String(kAllChoice), "Select records by category");
    category_->setMinimumContentsLength(12);
    shown_ = new QLabel;
    // Room for the widest range the user's date picture writes.
    const Date wide = MakeDate(12, 28, 2088);
    shown_->setMinimumWidth(shown_->fontMetrics().horizontalAdvance(RangeText(wide, wide) + QLatin1Char(' ')));
    QueryButton()->setToolTip(QStringLiteral("Select records using a detailed query criteria"));
    ResetButton()->setToolTip(QStringLiteral("Reset (clear) query"));

    auto* group = new QGroupBox(QStringLiteral("F&ilters"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Prompt("Status:", status_), 0, 0);
    grid->addWidget(status_, 0, 1);
    grid->addWidget(Prompt("Day:", day_), 0, 2);
    grid->addWidget(day_, 0, 3);
    grid->addWidget(shown_, 0, 4, 1, 3);
    grid->addWidget(Prompt("Category:", category_), 1, 0);
    grid->addWidget(category_, 1, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(QueryButton(), 1, 5);
    grid->addWidget(ResetButton(), 1, 6);
    grid->setColumnStretch(4, 1);
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    return group;
}

QString ExploreSchedule::Shown() const
{
    return shown_->text();
}

void ExploreSchedule::ApplyFilters()
{
    const std::optional<DaySelection> days = SelectDays(day_->currentText(), Today(), rangeFrom_, rangeTo_);
    if (days) {
        shown_->setText(days->shown);
        day_->setToolTip(days->shown.isEmpty() ? QLatin1String(kAnyDateTip) : days->shown);
        dateToUse_ = days->dateToUse;
        if (days->rangeFrom != 0) {
            rangeFrom_ = days->rangeFrom;
            rangeTo_ = days->rangeTo;
        }
    }
    Model()->SetFilters(ChoiceFilters(status_->currentText(), days, category_->currentText()));
}

void ExploreSchedule::DayChosen()
{
    if (day_->currentText() != QLatin1String(kCustomChoice))
        return;
    OpenSelectDateRange(this, rangeFrom_, rangeTo_, [this](Date from, Date to) {
        rangeFrom_ = from;
        rangeTo_ = to;
        ApplyFilters();
    });
}

bool ExploreSchedule::ActiveOnly() const
{
    return status_->currentText() == QLatin1String(kActiveStatus);
}

bool ExploreSchedule::ShowsAll() const
{
    return status_->currentText() == QLatin1String(kAllChoice);
}

void ExploreSchedule::SetActiveOnly(bool activeOnly)
{
    status_->setCurrentText(QLatin1String(activeOnly ? kActiveStatus : kAllChoice));
}

void ExploreSchedule::DayChanged(Date, Date)
{
    // The day choices count from today.
    ApplyFilters();
}

} // namespace vl
