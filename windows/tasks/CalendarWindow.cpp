#include "windows/tasks/CalendarWindow.h"

#include "core/base/UserDate.h"
#include "core/schedule/DateFit.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kDaysInWeek = 7;
const char* const kWeekdayHeadings[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

QToolButton* StepButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CalendarWindow::CalendarWindow(Date date, const QString& filter, const QString& title,
                               const std::optional<ScheduleRecord>& task, QWidget* parent)
    : QDialog(parent), given_(date), result_(date), filtered_(Clip(filter) != QLatin1String(kNoDateFilter)),
      task_(task)
{
    QString caption = Clip(title);
    if (caption.isEmpty())
        caption = filtered_ && task_ && !Clip(task_->ScheduleType).isEmpty() ? Clip(task_->ScheduleType)
                                                                             : QStringLiteral("Select Date");
    setWindowTitle(caption);

    heading_ = new QLabel(this);
    heading_->setAlignment(Qt::AlignCenter);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    QToolButton* previousYear = StepButton(QStringLiteral("<<"), QStringLiteral("Previous Year"), this);
    QToolButton* previousMonth = StepButton(QStringLiteral("<"), QStringLiteral("Previous month"), this);
    QToolButton* nextMonth = StepButton(QStringLiteral(">"), QStringLiteral("Next month"), this);
    QToolButton* nextYear = StepButton(QStringLiteral(">>"), QStringLiteral("Next year"), this);
    connect(previousYear, &QToolButton::clicked, this, [this] { Show(shown_.PreviousYear()); });
    connect(previousMonth, &QToolButton::clicked, this, [this] { Show(shown_.PreviousMonth()); });
    connect(nextMonth, &QToolButton::clicked, this, [this] { Show(shown_.NextMonth()); });
    connect(nextYear, &QToolButton::clicked, this, [this] { Show(shown_.NextYear()); });
    auto* top = new QHBoxLayout;
    top->addWidget(previousYear);
    top->addWidget(previousMonth);
    top->addWidget(heading_, 1);
    top->addWidget(nextMonth);
    top->addWidget(nextYear);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int column = 0; column < kDaysInWeek; ++column) {
        auto* label = new QLabel(QLatin1String(kWeekdayHeadings[column]), this);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, column);
    }
    for (int cell = 0; cell < kCalendarCells; ++cell) {
        auto* button = new QToolButton(this);
        button->setMinimumSize(34, 26);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        policy.setRetainSizeWhenHidden(true); // the grid keeps its seven columns in every month
        button->setSizePolicy(policy);
        connect(button, &QToolButton::clicked, this, [this, button] { ChooseDay(button->text().toInt()); });
        cells_[cell] = button;
        grid->addWidget(button, 1 + cell / kDaysInWeek, cell % kDaysInWeek);
    }

    auto* today = new QPushButton(QStringLiteral("&Today"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(today, &QPushButton::clicked, this, [this] {
        result_ = Today();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &CalendarWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(today);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    const Date shown = date > 0 ? date : Today();
    Show(CalendarMonth::Of(shown));
    if (QToolButton* day = DayButton(DayOf(shown)))
        day->setFocus();
    KeepWindowPosition(*this, QLatin1String(kCalendarProcedure));
}

QString CalendarWindow::Heading() const
{
    return heading_->text();
}

QToolButton* CalendarWindow::DayButton(int day) const
{
    if (day < 1 || day > shown_.Days())
        return nullptr;
    return cells_[shown_.FirstCell() + day - 1];
}

bool CalendarWindow::DayEnabled(Date date) const
{
    return !filtered_ || !task_ || DateFitsSchedule(*task_, date);
}

void CalendarWindow::Show(const CalendarMonth& month)
{
    shown_ = month;
    heading_->setText(month.Heading());
    for (QToolButton* button : cells_) {
        button->setText(QString());
        button->setToolTip(QString());
        button->setFont(font());
        button->hide();
    }
    const Date today = Today();
    for (int day = 1; day <= month.Days(); ++day) {
        QToolButton* button = DayButton(day);
        const Date date = month.DateOfDay(day);
        if (date < 1)
            continue; // before the calendar's first day

        button->setText(QString::number(day));
        button->setToolTip(FormatUserDate(date));
        button->setEnabled(DayEnabled(date));
        if (date == today) {
            // Today stands out in bold and underlined, in every month shown.
            QFont marked = font();
            marked.setBold(true);
            marked.setUnderline(true);
            button->setFont(marked);
            button->setToolTip(FormatUserDate(date) + QStringLiteral(" (today)"));
        }
        button->show();
    }
}

void CalendarWindow::ChooseDay(int day)
{
    const Date date = shown_.DateOfDay(day);
    if (date < Today()) {
        const StandardButton answer = Prompt::Ask(QLatin1String(kEarlierDateQuestion),
                                                  QLatin1String(kEarlierDateCaption), PromptIcon::Question,
                                                  ButtonYes | ButtonNo, ButtonNo);
        if (answer != ButtonYes)
            return;
    }
    result_ = date;
    accept();
}

void CalendarWindow::reject()
{
    result_ = given_;
    QDialog::reject();
}

} // namespace vl
