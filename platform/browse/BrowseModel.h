#pragma once
// The item model of a browse list: the rows of one table view (TableView) in
// the list's current order, range and filters, shown in the list's columns
// through their pictures. Rows are read a page at a time around the rows the
// view asks for, forward and backward; a far jump (a scroll-bar drag, End)
// reads the page at its offset. At most a few hundred rows are kept.
//
//   BrowseModel model(schedule);
//   model.SetColumns({{"SCH:Date", "Date", "@d6b", true}, {"SCH:Description", "Description", "@s40"}});
//   model.AddOrder("By Date", byDate);
//   model.SetFilter("Category", {{"SCH:Category", Compare::Equal, QString("Work"), Join::And, true}});
//   list->setModel(&model);
//
// Every change of order, range or filters and every Refresh resets the
// model; a list keeps its selected record across the reset with RowOf.

#include "platform/data/TableView.h"

#include <QAbstractTableModel>
#include <QString>
#include <QVariant>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace vl {

struct BrowseColumn {
    QString field;    // "SCH:Date" as declared; empty for a computed column
    QString header;   // "Date"
    QString picture;  // "@d6b"; empty: the value as plain text
    // A date picture that gives way to the user's date picture
    // (SetUserDatePicture).
    bool userDate = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // The value of a computed column, from the row's fields.
    std::function<FieldValue(const ViewRow&)> compute;
    // The cell's other roles from the row's fields (an icon, text colours);
    // an invalid value for a role the column does not set.
    std::function<QVariant(const ViewRow&, int role)> look;
};

// An order a list registers under a name ("By Date").
struct BrowseOrder {
    QString name;
    ViewOrder order;
};

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The raw stored value of a cell (int64, double or text).
    static constexpr int kRawValueRole = Qt::UserRole + 1;
    // The text colour of a selected cell (a QColor; Qt::ForegroundRole is
    // the colour of a cell that is not selected).
    static constexpr int kSelectedForegroundRole = Qt::UserRole + 2;
    // Rows read per page, and the most rows kept.
    static constexpr int kPageRows = 100;
    static constexpr int kMaxCachedRows = 3 * kPageRows;

    explicit BrowseModel(TableFile& file, QObject* parent = nullptr);

    const TableDef& Definition() const { return view_.Definition(); }

    // Columns. False, with a message naming the field, for a field that is
    // not one of the table's (the columns stay as they were).
    bool SetColumns(std::vector<BrowseColumn> columns);
    const std::vector<BrowseColumn>& Columns() const { return columns_; }
    // The picture that replaces the date picture of userDate columns ("@d17").
    void SetUserDatePicture(const QString& picture);

    // Orders: the list registers its orders; the first added becomes current.
    // AddOrder answers the order's number, -1 (with a message) when a field
    // is unknown.
    int AddOrder(const QString& name, const ViewOrder& order);
    const std::vector<BrowseOrder>& Orders() const { return orders_; }
    bool SelectOrder(int number);
    // Puts another order in place of a registered one (the current one shows
    // at once); false, with a message, for an unknown number or field.
    bool ReplaceOrder(int number, const QString& name, const ViewOrder& order);
    int CurrentOrder() const { return currentOrder_; } // -1 after SetOrder
    // An order that is not registered (a header sort, file sequence).
    bool SetOrder(const ViewOrder& order);
    const ViewOrder& Order() const { return view_.Order(); }

    bool SetRange(const ViewRange& range);
    bool SetFilter(const QString& name, const Filter& filter);
    void RemoveFilter(const QString& name);
    // Several named filters with one reset; an empty filter removes its
    // name. False, with a message, when one of them is refused (the filters
    // before it are set).
    bool SetFilters(const std::map<QString, Filter>& filters);
    QStringList FilterNames() const { return view_.FilterNames(); }
    // Everything the view's rows pass: the range as conditions on the
    // order's leading fields (one filter), then each named filter.
    std::vector<Filter> ViewFilters() const;

    // Reset fields: a function giving the values the list depends on (the
    // highlighted category of a master list). CheckResetFields refreshes the
    // model when they differ from the last check and answers whether it did.
    void SetResetFields(std::function<QVariantList()> values);
    bool CheckResetFields();

    // Reads the view again (another program may have changed the table).
    void Refresh();

    // The row of a record's place in the current view: the record itself
    // when it is still in the view (found by its record pointer, with its
    // current values), else the nearest row after its former place, else the
    // last row; -1 when the view is empty.
    int RowOf(const ViewRow& record);
    // The locator: the first row whose first order field beyond the range is
    // at or after value; the last row when there is none; -1 when empty.
    int Locate(const FieldValue& value);

    // The record buffer of a row (its field values and record pointer).
    bool RowValues(int row, ViewRow& values);
    template <class R>
    bool Record(int row, R& record)
    {
        ViewRow values;
        if (!RowValues(row, values))
            return false;
        values.Fill(Definition(), record);
        return true;
    }

    // Rows held in memory now.
    int CachedRows() const { return static_cast<int>(cache_.size()); }
    // The last failure, "" when none.
    QString Error() const { return error_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

signals:
    // A read failed (the table is locked, gone, ...): the message names the
    // table and the error. Reported once until the model is reset; not for
    // a damaged file, which the data layer's notice reports.
    void readFailed(const QString& message);

private:
    // After a change of the view: reset when it was taken, else keep its message.
    bool Apply(bool ok);
    // False, with a message, when the order names a field the table lacks.
    bool KnowsFields(const QString& name, const ViewOrder& order);
    void Reset();
    int64_t Total() const;
    const ViewRow* Cached(int row) const;
    // Makes a row cached (reading the page it is on); false when it cannot.
    bool Fetch(int row) const;
    // Caches the rows around a row of the view and answers its row number.
    int Anchor(const ViewRow& anchor);
    // A read failed: keeps the message and reports it.
    void Fail() const;
    // After a failed read: no rows until the next reset.
    void ShowNoRows();
    void Stale() const;
    QString Format(int column, const ViewRow& row) const;

    mutable TableView view_;
    std::vector<BrowseColumn> columns_;
    std::vector<int> columnFields_; // field index of each column, -1 computed
    QString userDatePicture_;
    std::vector<BrowseOrder> orders_;
    int currentOrder_ = -1;
    std::function<QVariantList()> resetFields_;
    QVariantList lastResetValues_;
    mutable int64_t count_ = -1; // -1: not read since the last reset
    mutable int64_t cacheStart_ = 0;
    mutable std::deque<ViewRow> cache_;
    mutable QString error_;
    mutable bool refreshQueued_ = false;
    mutable bool failureReported_ = false;
    mutable bool emptyQueued_ = false;
};

} // namespace vl
