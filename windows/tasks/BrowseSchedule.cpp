#include "windows/tasks/BrowseSchedule.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "windows/frame/tabs/TabColourer.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/BrowseList.h"
#include "tasks/TaskListFilters.h"
#include "windows/tasks/PickDate.h"
#include "windows/tasks/SelectCategories.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vl {

namespace {

const TaskListLayout kLayout{47, 57, 135, 'R', 80};

const QString kDayFilter = QStringLiteral("Day");
const QString kCategoryFilter = QStringLiteral("Category");
const QString kActiveFilter = QStringLiteral("Active");

QWidget* Page(std::initializer_list<QWidget*> controls)
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    for (QWidget* control : controls)
        row->addWidget(control);
    row->addStretch();
    return page;
}

// The filters of a tab.
std::map<QString, Filter> TabFilters(int tab, Date day, const QString& category, bool activeOnly)
{
    return {{kDayFilter, tab == BrowseSchedule::kDayTab ? DayFilter(day) : Filter{}},
            {kCategoryFilter, tab == BrowseSchedule::kCategoryTab ? CategoryFilter(category) : Filter{}},
            {kActiveFilter, activeOnly ? ActiveFilter() : Filter{}}};
}

} // namespace

BrowseSchedule::BrowseSchedule(QWidget* parent)
    : TaskList({kBrowseScheduleProcedure, kBrowseScheduleCaption, kBrowseScheduleUserCaption, "E&xecute/Test",
                "Q&uery"},
               kLayout,
               TabFilters(FullSchedule ? kAllByDateTab : kDayTab, Today(), QString(), GlobalActiveOnly != 0), parent),
      selectedDay_(Today()), activeOnly_(GlobalActiveOnly != 0)
{
    categoryOrder_ = AddKeyOrder(*Model(), QStringLiteral("Category"), SCH_KEYCATEGORY);
    QWidget* tabs = MakeTabs();
    AddTop(tabs, {tabs_->tabBar(), selectDay_, categoryButton_, QueryButton(), ResetButton()});
    resize(720, 440);
    if (FullSchedule) {
        tabs_->setCurrentIndex(kAllByDateTab);
        List()->SelectRow(Model()->Locate(int64_t{Today()}));
    } else {
        ShowTab(kDayTab);
    }
    Opened();
}

QWidget* BrowseSchedule::MakeTabs()
{
    tabs_ = new QTabWidget(this);
    selectDay_ = new QPushButton(QStringLiteral("Se&lect Day"));
    selectDay_->setAutoDefault(false);
    connect(selectDay_, &QPushButton::clicked, this, &BrowseSchedule::SelectDay);
    categoryButton_ = new QPushButton(QStringLiteral("Cate&gory"));
    categoryButton_->setAutoDefault(false);
    connect(categoryButton_, &QPushButton::clicked, this, &BrowseSchedule::ChooseCategory);
    categoryText_ = new QLabel;
    tabs_->addTab(Page({selectDay_}), FormatUserDate(selectedDay_));
    tabs_->addTab(Page({new QLabel(QStringLiteral("Every task, in date order"))}), QStringLiteral("All by Date"));
    tabs_->addTab(Page({categoryButton_, categoryText_}), QStringLiteral("All in Category"));
    tabs_->addTab(Page({QueryButton(), ResetButton()}), QStringLiteral("Selected"));
    tabs_->setTabToolTip(kDayTab, QStringLiteral("Day Schedule"));
    tabs_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(tabs_, &QTabWidget::currentChanged, this, &BrowseSchedule::ShowTab);
    TabColourer::Attach(this);
    return tabs_;
}

void BrowseSchedule::ShowTab(int tab)
{
    Enhancement()->UseKeyOrder(tab == kCategoryTab ? categoryOrder_ : 0);
    ApplyFilters();
    List()->setFocus();
}

void BrowseSchedule::ApplyFilters()
{
    Model()->SetFilters(TabFilters(tabs_->currentIndex(), selectedDay_, category_, activeOnly_));
}

void BrowseSchedule::SetSelectedDay(Date day)
{
    selectedDay_ = day;
    tabs_->setTabText(kDayTab, FormatUserDate(day));
    ApplyFilters();
}

void BrowseSchedule::SetCategory(const QString& category)
{
    category_ = Clip(category);
    categoryText_->setText(category_);
    ApplyFilters();
}

void BrowseSchedule::SetActiveOnly(bool activeOnly)
{
    activeOnly_ = activeOnly;
    ApplyFilters();
}

void BrowseSchedule::DayChanged(Date lastDay, Date today)
{
    // A day the user picked stays; the day that was today moves on.
    if (selectedDay_ == lastDay)
        SetSelectedDay(today);
}

void BrowseSchedule::SelectDay()
{
    PickDate(this, selectedDay_, QString(), QString(), std::nullopt, [this](Date day) {
        if (day != selectedDay_)
            SetSelectedDay(day);
    });
}

void BrowseSchedule::ChooseCategory()
{
    auto* picker = new SelectCategories(this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowModality(Qt::WindowModal);
    connect(picker, &QDialog::accepted, this, [this, picker] { SetCategory(picker->Chosen().Category); });
    picker->open();
}

} // namespace vl
