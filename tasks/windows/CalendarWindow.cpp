#include "tasks/windows/CalendarWindow.h"

#include "core/base/UserDate.h"
#include "core/schedule/DateFit.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kIcon[] = "CAL.ICO";
constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

QPushButton* SmallButton(const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    return button;
}

} // namespace

CalendarWindow::CalendarWindow(Date date, const QString& filter, const QString& title,
                               const ScheduleRecord* task, QWidget* parent)
    : QDialog(parent), given_(date), result_(date), filter_(filter), shown_(ShownMonthOf(date == 0 ? Today() : date))
{
    if (task)
        task_ = *task;
    setWindowTitle(CalendarTitle(title, filter, task));
    setWindowIcon(LoadIcon(QLatin1String(kIcon)));
    KeepWindowPosition(*this, QStringLiteral("Calendar"));

    heading_ = new QLabel;
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    QPushButton* previousYear = SmallButton(QStringLiteral("<<"), QStringLiteral("Previous Year"));
    QPushButton* previousMonth = SmallButton(QStringLiteral("<"), QStringLiteral("Previous month"));
    QPushButton* nextMonth = SmallButton(QStringLiteral(">"), QStringLiteral("Next month"));
    QPushButton* nextYear = SmallButton(QStringLiteral(">>"), QStringLiteral("Next year"));
    connect(previousYear, &QPushButton::clicked, this, [this] { Step(PreviousYear); });
    connect(previousMonth, &QPushButton::clicked, this, [this] { Step(PreviousMonth); });
    connect(nextMonth, &QPushButton::clicked, this, [this] { Step(NextMonth); });
    connect(nextYear, &QPushButton::clicked, this, [this] { Step(NextYear); });
    auto* top = new QHBoxLayout;
    top->addWidget(previousYear);
    top->addWidget(previousMonth);
    top->addWidget(heading_, 1);
    top->addWidget(nextMonth);
    top->addWidget(nextYear);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int column = 0; column < 7; ++column) {
        auto* name = new QLabel(QLatin1String(kWeekdays[column]));
        name->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, column);
    }
    const int side = fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 6;
    for (int index = 0; index < 42; ++index) {
        auto* day = new QPushButton;
        day->setAutoDefault(false);
        day->setFixedSize(side, side * 3 / 4 + 6);
        connect(day, &QPushButton::clicked, this, [this, index] { Choose(index); });
        grid->addWidget(day, 1 + index / 7, index % 7);
        days_[index] = day;
    }

    auto* today = new QPushButton(QStringLiteral("&Today"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    today->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(today, &QPushButton::clicked, this, [this] {
        result_ = Today();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &CalendarWindow::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(today);
    bottom->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Fill();
    const Date focused = date == 0 ? Today() : date;
    for (int index = 0; index < 42; ++index) {
        if (grid_[index] == focused)
            days_[index]->setFocus();
    }
}

void CalendarWindow::Fill()
{
    heading_->setText(MonthHeading(shown_));
    grid_ = GridOf(shown_);
    const bool filtered = FiltersDays(filter_) && task_;
    for (int index = 0; index < 42; ++index) {
        QPushButton* button = days_[index];
        const Date day = grid_[index];
        // An empty button keeps its place in the grid but shows nothing.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        button->setVisible(day != 0);
        button->setText(day == 0 ? QString() : QString::number(DayOf(day)));
        button->setToolTip(day == 0 ? QString() : FormatUserDate(day));
        button->setEnabled(day != 0 && (!filtered || DateFitsSchedule(*task_, day)));
    }
}

void CalendarWindow::Step(ShownMonth (*step)(ShownMonth))
{
    shown_ = step(shown_);
    Fill();
}

void CalendarWindow::Choose(int index)
{
    const Date day = grid_.at(index);
    if (day < Today()
        && Prompt::Message(QLatin1String(kEarlyDateText), QLatin1String(kEarlyDateCaption), PromptIcon::Question,
                           QStringLiteral("&Yes|&No"), 2) != 1)
        return;
    result_ = day;
    accept();
}

void CalendarWindow::reject()
{
    result_ = given_;
    QDialog::reject();
}

void OpenCalendar(QWidget* parent, Date date, const QString& filter, const QString& title,
                  const ScheduleRecord* task, std::function<void(Date)> done)
{
    auto* calendar = new CalendarWindow(date, filter, title, task, parent);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setWindowModality(Qt::WindowModal);
    QObject::connect(calendar, &QDialog::finished, calendar,
                     [calendar, done = std::move(done)](int) { done(calendar->Result()); });
    calendar->open();
}

} // namespace vl
