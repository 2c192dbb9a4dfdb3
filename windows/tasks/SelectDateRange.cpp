#include "windows/tasks/SelectDateRange.h"

#include "core/base/UserDate.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/PickDate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kRangeCalendarTitle[] = "Select Start Date";

} // namespace

SelectDateRange::SelectDateRange(Date start, Date end, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Enter Date Range"));
    setWindowIcon(LoadIcon(QStringLiteral("CAL.ICO")));
    KeepWindowPosition(*this, QStringLiteral("Function:SelectDateRange"));

    start_ = new PictureSpinBox(UserDatePicture());
    end_ = new PictureSpinBox(UserDatePicture());
    start_->SetValue(start);
    end_->SetValue(end);
    startOnly_ = new QCheckBox(QStringLiteral("Use Start Date Only"));
    auto* startLabel = new QLabel(QStringLiteral("Start Date:"));
    auto* endLabel = new QLabel(QStringLiteral("End Date:"));
    startLabel->setBuddy(start_);
    endLabel->setBuddy(end_);
    endCalendar_ = CalendarButton(end_);
    connect(startOnly_, &QCheckBox::toggled, this, [this, endLabel](bool only) {
        for (QWidget* widget : {static_cast<QWidget*>(end_), static_cast<QWidget*>(endCalendar_),
                                static_cast<QWidget*>(endLabel)})
            widget->setEnabled(!only);
    });

    auto* fields = new QGridLayout;
    fields->addWidget(startLabel, 0, 0);
    fields->addWidget(start_, 0, 1);
    fields->addWidget(CalendarButton(start_), 0, 2);
    fields->addWidget(endLabel, 1, 0);
    fields->addWidget(end_, 1, 1);
    fields->addWidget(endCalendar_, 1, 2);
    fields->addWidget(startOnly_, 2, 1, 1, 2);

    auto* ok = new QPushButton(QStringLiteral("&OK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* SelectDateRange::CalendarButton(PictureSpinBox* box)
{
    auto* button = new QPushButton(QStringLiteral("..."));
    button->setAutoDefault(false);
    button->setToolTip(QLatin1String(kRangeCalendarTitle));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    connect(button, &QPushButton::clicked, this, [this, box] {
        PickDate(this, box->Value(), QLatin1String(kNoDateFilter), QLatin1String(kRangeCalendarTitle), std::nullopt,
                 [box](Date date) { box->SetValue(date); });
    });
    return button;
}

Date SelectDateRange::Start() const
{
    return start_->Value();
}

Date SelectDateRange::End() const
{
    return startOnly_->isChecked() ? start_->Value() : end_->Value();
}

void OpenSelectDateRange(QWidget* parent, Date start, Date end, std::function<void(Date, Date)> done)
{
    auto* dialog = new SelectDateRange(start, end, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QDialog::accepted, dialog,
                     [dialog, done = std::move(done)] { done(dialog->Start(), dialog->End()); });
    dialog->open();
}

} // namespace vl
