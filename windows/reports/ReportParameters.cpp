#include "windows/reports/ReportParameters.h"

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "core/dictionary/WalkFailure.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/PictureSpinBox.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"
#include "windows/tasks/CalendarWindow.h"
#include "windows/tasks/PickDate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vl {
namespace {

const QStringList kOrderRadios{QStringLiteral("Date"),      QStringLiteral("Category"),
                               QStringLiteral("Description"), QStringLiteral("Task Type"),
                               QStringLiteral("Adv. Warn"), QStringLiteral("Category/Date")};

// A group box of radios, one per text, in a group; the one named current
// is checked. The box's layout holds rows: the radios one per row, or side
// by side in the first row (RadioRow), so that controls can follow below.
QGroupBox* RadioBox(const QString& title, const QStringList& texts, const QString& current, QButtonGroup*& group,
                    QWidget* owner, bool vertical)
{
    auto* box = new QGroupBox(title);
    group = new QButtonGroup(owner);
    auto* rows = new QVBoxLayout(box);
    QBoxLayout* radios = rows;
    if (!vertical) {
        radios = new QHBoxLayout;
        rows->addLayout(radios);
    }
    for (const QString& text : texts) {
        auto* radio = new QRadioButton(text);
        radio->setChecked(Clip(current) == text);
        group->addButton(radio);
        radios->addWidget(radio);
    }
    return box;
}

QVBoxLayout* RowsOf(QGroupBox* box)
{
    return static_cast<QVBoxLayout*>(box->layout());
}

// The row of side-by-side radios of a box.
QHBoxLayout* RadioRow(QGroupBox* box)
{
    return static_cast<QHBoxLayout*>(RowsOf(box)->itemAt(0)->layout());
}

QRadioButton* RadioOf(QButtonGroup* group, const QString& text)
{
    for (QAbstractButton* button : group->buttons()) {
        if (button->text() == text)
            return static_cast<QRadioButton*>(button);
    }
    return nullptr;
}

QString CheckedText(QButtonGroup* group)
{
    return group->checkedButton() ? group->checkedButton()->text() : QString();
}

} // namespace

ReportParameters::ReportParameters(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Report Criteria"));
    setWindowIcon(LoadIcon(QStringLiteral("PICK.ICO")));
    setObjectName(QLatin1String(kReportParametersProcedure));
    KeepWindowPosition(*this, QLatin1String(kReportParametersProcedure));
    ReportCriteria criteria = ReportCriteriaChoice;
    ApplyCriteriaDefaults(criteria, Today());
    const QStringList allOrSelected{QLatin1String(kSelectAll), QLatin1String(kSelectSelected)};

    // Date range
    QGroupBox* dateBox = RadioBox(QStringLiteral("Date Range"), allOrSelected, criteria.dateSelect, dates_, this, false);
    from_ = new PictureSpinBox(UserDatePicture());
    to_ = new PictureSpinBox(UserDatePicture());
    from_->SetValue(criteria.dateFrom);
    to_->SetValue(criteria.dateTo);
    auto* fromLabel = new QLabel(QStringLiteral("From:"));
    auto* toLabel = new QLabel(QStringLiteral("To:"));
    fromLabel->setBuddy(from_);
    toLabel->setBuddy(to_);
    QPushButton* fromPick = CalendarButton(from_, QStringLiteral("Select \"From\" Date"));
    QPushButton* toPick = CalendarButton(to_, QStringLiteral("Select \"To\" Date"));
    future_ = new QCheckBox(QStringLiteral("Include future occurrences of tasks"));
    future_->setToolTip(QStringLiteral("Include future occurrences"));
    future_->setChecked(ReportIncludeFutureOccurances != 0);
    rangeControls_ = {fromLabel, from_, fromPick, toLabel, to_, toPick, future_};
    auto* range = new QGridLayout;
    range->addWidget(fromLabel, 0, 0);
    range->addWidget(from_, 0, 1);
    range->addWidget(fromPick, 0, 2);
    range->addWidget(toLabel, 1, 0);
    range->addWidget(to_, 1, 1);
    range->addWidget(toPick, 1, 2);
    // The box needs a date range, so it stands with the range it depends on.
    range->addWidget(future_, 2, 0, 1, 3);
    RadioRow(dateBox)->addStretch();
    RowsOf(dateBox)->addLayout(range);

    // Category
    QGroupBox* categoryBox =
        RadioBox(QStringLiteral("Category"), allOrSelected, criteria.categorySelect, categories_, this, false);
    category_ = new QComboBox;
    Table<CategoriesRecord>& table = Tables().Categories;
    if (OpenTable(table)) {
        CategoriesRecord record;
        table.Set(CAT_KEYCATEGORY);
        while (table.Next(record))
            category_->addItem(Clip(record.Category));
        TellWalkFailure(table);
        table.Close();
    }
    category_->setCurrentIndex(std::max(category_->findText(Clip(criteria.categorySelected)), 0));
    // The list stands beside "Selected", the choice it belongs to.
    RadioRow(categoryBox)->addWidget(category_, 1);

    QGroupBox* orderBox = RadioBox(QStringLiteral("Order"), kOrderRadios, criteria.orderSelect, orders_, this, true);
    if (!orders_->checkedButton())
        orders_->buttons().first()->setChecked(true);

    auto* ok = new QPushButton(LoadIcon(QStringLiteral("OK.ICO")), QStringLiteral("&OK"));
    ok->setToolTip(QStringLiteral("Proceed with report"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(LoadIcon(QStringLiteral("CANCEL.ICO")), QStringLiteral("Cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(dates_, &QButtonGroup::buttonClicked, this, &ReportParameters::Enable);
    connect(categories_, &QButtonGroup::buttonClicked, this, &ReportParameters::Enable);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(dateBox, 0, 0);
    layout->addWidget(categoryBox, 1, 0);
    layout->addWidget(orderBox, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Each date entry, then its calendar button, then the box below them.
    setTabOrder(from_, fromPick);
    setTabOrder(fromPick, to_);
    setTabOrder(to_, toPick);
    setTabOrder(toPick, future_);
    Enable();
}

QPushButton* ReportParameters::CalendarButton(PictureSpinBox* box, const QString& title)
{
    auto* button = new QPushButton(QStringLiteral("..."));
    button->setAutoDefault(false);
    button->setToolTip(title);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    connect(button, &QPushButton::clicked, this, [this, box, title] {
        PickDate(this, box->Value(), QLatin1String(kNoDateFilter), title, std::nullopt,
                 [box](Date date) { box->SetValue(date); });
    });
    return button;
}

void ReportParameters::Enable()
{
    const bool range = CheckedText(dates_) == QLatin1String(kSelectSelected);
    for (QWidget* control : rangeControls_)
        control->setEnabled(range);
    category_->setEnabled(CheckedText(categories_) == QLatin1String(kSelectSelected));
}

ReportCriteria ReportParameters::Choice() const
{
    ReportCriteria criteria;
    criteria.dateSelect = CheckedText(dates_);
    criteria.dateFrom = from_->Value();
    criteria.dateTo = to_->Value();
    criteria.categorySelect = CheckedText(categories_);
    criteria.categorySelected = category_->currentText();
    criteria.orderSelect = CheckedText(orders_);
    return criteria;
}

QRadioButton* ReportParameters::DateRadio(const QString& text) const
{
    return RadioOf(dates_, text);
}

QRadioButton* ReportParameters::CategoryRadio(const QString& text) const
{
    return RadioOf(categories_, text);
}

QRadioButton* ReportParameters::OrderRadio(const QString& text) const
{
    return RadioOf(orders_, text);
}

void ReportParameters::accept()
{
    AcceptReportCriteria(Choice(), future_->isChecked());
    QDialog::accept();
}

void ReportParameters::reject()
{
    CancelReportCriteria(Choice(), future_->isChecked());
    QDialog::reject();
}

} // namespace vl
