#include "windows/tasks/BrowseHolidays.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"
#include "windows/tasks/ListButtons.h"
#include "windows/tasks/UpdateHolidays.h"
#include "xplore/windows/Xplore.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

class HolidaysXplore : public Xplore {
public:
    using Xplore::Xplore;

protected:
    std::vector<ColumnDefinition> DefineColumns() override
    {
        ColumnDefinition date;
        date.field = QStringLiteral("HOL:HolidayDate");
        date.header = QStringLiteral("Date");
        date.description = QStringLiteral("Date");
        date.picture = UserDatePicture();
        date.width = 60;
        date.sortable = true;
        ColumnDefinition name;
        name.field = QStringLiteral("HOL:Holiday");
        name.header = QStringLiteral("Description");
        name.description = QStringLiteral("Description");
        name.picture = QStringLiteral("@s30");
        name.width = 120;
        name.sortable = true;
        return {date, name};
    }
};

} // namespace

BrowseHolidays::BrowseHolidays(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Holidays"));
    setObjectName(QLatin1String(kBrowseHolidaysProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    Table<HolidaysRecord>& holidays = Tables().Holidays;
    opened_ = OpenTable(holidays);

    model_ = std::make_unique<BrowseModel>(holidays);
    model_->SetColumns({{QStringLiteral("HOL:HolidayDate"), QStringLiteral("Date"), QStringLiteral("@d3b"), true},
                        {QStringLiteral("HOL:Holiday"), QStringLiteral("Description"), QStringLiteral("@s30")}});
    model_->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    AddKeyOrder(*model_, QStringLiteral("By Date"), HOL_KEYHOLIDAYDATE);
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());

    auto* row = new QHBoxLayout;
    const BrowseButtons buttons = MakeListButtons(this, {"&New", "&View", "Cop&y", "&Edit", "&Delete"}, *row);
    buttons.change->setDefault(true);
    viewCopy_ = new ViewCopyBrowse(list_, buttons, [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addStretch();
    row->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(row);

    xplore_ = new HolidaysXplore(this);
    xplore_->SetupForBrowse(list_, model_.get(), this,
                            {QLatin1String(kBrowseHolidaysProcedure), QStringLiteral("?Browse:1"),
                             SortMarkStyle::Underline});
    viewCopy_->AddPopupItems(*xplore_->Popup());
    xplore_->Activate();
    resize(420, 360);
    KeepWindowPosition(*this, QLatin1String(kBrowseHolidaysProcedure));
}

BrowseHolidays::~BrowseHolidays()
{
    // The enhancement and the list go before the model they show.
    delete xplore_;
    delete list_;
    if (opened_)
        Tables().Holidays.Close();
}

void BrowseHolidays::OpenForm(FormRequest request, bool copy)
{
    Table<HolidaysRecord>& holidays = Tables().Holidays;
    HolidaysRecord holiday;
    if (request == FormRequest::Insert && !copy) {
        holidays.Prime(holiday);
    } else if (!model_->Record(list_->CurrentRow(), holiday) || !holidays.Get(holiday.RecordPointer, holiday)) {
        // Gone meanwhile (another program deleted it): show the list as it is.
        list_->Refresh();
        return;
    }
    if (copy)
        holiday.RecordPointer = 0;
    auto* form = new UpdateHolidays(request, holiday, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] { Stored(form->Record()); });
    form->open();
}

void BrowseHolidays::Stored(const HolidaysRecord& holiday)
{
    list_->Refresh();
    const int row = model_->RowOf(ViewRow::From(model_->Definition(), holiday));
    if (row >= 0)
        list_->SelectRow(row);
}

} // namespace vl
