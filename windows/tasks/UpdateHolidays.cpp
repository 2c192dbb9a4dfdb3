#include "windows/tasks/UpdateHolidays.h"

#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/widgets/TextWidth.h"
#include "windows/frame/tabs/TabColourer.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "tasks/HolidayRules.h"
#include "tasks/HolidayStore.h"
#include "windows/tasks/CalendarWindow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace vl {

namespace {

constexpr int kNameWidth = 30;

// The last holiday a holiday form saved, for the field-history key.
std::optional<HolidaysRecord>& LastSaved()
{
    static std::optional<HolidaysRecord> last;
    return last;
}

} // namespace

UpdateHolidays::UpdateHolidays(FormRequest request, const HolidaysRecord& holiday, QWidget* parent)
    : QDialog(parent), request_(request), holiday_(holiday), ruleAtOpen_(Clip(holiday.HOLIDAYTYPE))
{
    setWindowTitle(FormCaption(request, QStringLiteral("New Holiday"), QStringLiteral("Edit Holiday")));
    setObjectName(QLatin1String(kUpdateHolidaysProcedure));
    opened_ = OpenTable(Tables().Holidays);

    date_ = new QLineEdit(this);
    date_->setMaxLength(20);
    date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("September 30, 2099  ")));
    calendar_ = new QToolButton(this);
    calendar_->setText(QStringLiteral("..."));
    calendar_->setToolTip(QStringLiteral("Choose the date on a calendar"));
    connect(calendar_, &QToolButton::clicked, this, &UpdateHolidays::PickDate);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addWidget(calendar_);
    dateRow->addStretch();

    name_ = new QLineEdit(Clip(holiday.Holiday), this);
    LimitToWidth(name_, kNameWidth);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameWidth, QLatin1Char('n'))));

    auto* ruleBox = new QGroupBox(QStringLiteral("Holiday T&ype"), this);
    auto* ruleLayout = new QVBoxLayout(ruleBox);
    QStringList rules = HolidayRuleNames();
    // A weekday on or before a day of the month (Victoria Day) keeps its own rule.
    if (OnOrBeforeDay(ruleAtOpen_) != 0)
        rules.insert(rules.indexOf(QLatin1String(kEasterRule)), Clip(ruleAtOpen_));
    for (const QString& rule : rules) {
        auto* button = new QRadioButton(rule, ruleBox);
        button->setChecked(SameTextNoCase(rule, ruleAtOpen_));
        connect(button, &QRadioButton::clicked, this, [this, rule] { RuleChosen(rule); });
        ruleLayout->addWidget(button);
        rules_ << button;
    }

    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    auto* dateLabel = new QLabel(QStringLiteral("&Date:"), general);
    dateLabel->setBuddy(date_);
    form->addRow(dateLabel, dateRow);
    form->addRow(QStringLiteral("De&scription:"), name_);
    form->addRow(ruleBox);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(general, QStringLiteral("General"));

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateHolidays::accept);
    connect(cancel_, &QPushButton::clicked, this, &UpdateHolidays::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    ShowDate(holiday.HolidayDate);
    QList<QWidget*> dataControls{date_, calendar_, name_};
    for (QRadioButton* button : rules_)
        dataControls << button;
    ApplyFormMode(request, dataControls, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    TabColourer::Attach(this);
    KeepWindowPosition(*this, QLatin1String(kUpdateHolidaysProcedure));
}

UpdateHolidays::~UpdateHolidays()
{
    if (opened_)
        Tables().Holidays.Close();
}

QRadioButton* UpdateHolidays::RuleButton(const QString& rule) const
{
    for (QRadioButton* button : rules_) {
        if (button->text() == rule)
            return button;
    }
    return nullptr;
}

Date UpdateHolidays::ShownDate() const
{
    return Picture::DeformatDate(date_->text(), UserDatePicture());
}

void UpdateHolidays::ShowDate(Date date)
{
    date_->setText(FormatUserDate(date).trimmed());
}

QString UpdateHolidays::ChosenRule() const
{
    for (QRadioButton* button : rules_) {
        if (button->isChecked())
            return button->text();
    }
    return ruleAtOpen_;
}

void UpdateHolidays::RuleChosen(const QString& rule)
{
    if (ChoosingEasterMovesDate(ruleAtOpen_, rule))
        ShowDate(EasterRuleDate(ShownDate(), name_->text(), Today()));
}

void UpdateHolidays::PickDate()
{
    auto* calendar = new CalendarWindow(ShownDate(), QLatin1String(kNoDateFilter), QString(), std::nullopt, this);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    connect(calendar, &QDialog::accepted, this, [this, calendar] { ShowDate(calendar->Result()); });
    calendar->open();
}

void UpdateHolidays::PutBackLastSaved()
{
    const std::optional<HolidaysRecord>& last = LastSaved();
    if (!last || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    QWidget* focused = focusWidget();
    if (focused == date_) {
        ShowDate(last->HolidayDate);
    } else if (focused == name_) {
        name_->setText(Clip(last->Holiday));
    } else if (rules_.contains(focused)) {
        for (QRadioButton* button : rules_)
            button->setChecked(SameTextNoCase(button->text(), last->HOLIDAYTYPE));
    }
}

void UpdateHolidays::keyPressEvent(QKeyEvent* event)
{
    if (QKeySequence(event->keyCombination()) == kFieldHistoryKey) {
        PutBackLastSaved();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateHolidays::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    HolidaysRecord edited = holiday_;
    if (request_ != FormRequest::Delete) {
        edited.HolidayDate = ShownDate();
        edited.Holiday = name_->text();
        edited.HOLIDAYTYPE = ChosenRule();
    }
    if (!StoreHoliday(Tables().Holidays, request_, edited))
        return;
    holiday_ = edited;
    if (request_ != FormRequest::Delete)
        LastSaved() = holiday_;
    QDialog::accept();
}

} // namespace vl
