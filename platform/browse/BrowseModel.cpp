#include "platform/browse/BrowseModel.h"

#include "platform/runtime/Picture.h"

#include <QMetaObject>

#include <algorithm>
#include <climits>

namespace vl {

namespace {

QVariant RawValue(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return QVariant::fromValue(static_cast<qlonglong>(*i));
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    return std::get<QString>(value);
}

QString PlainText(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return QString::number(*i);
    if (const auto* d = std::get_if<double>(&value))
        return QString::number(*d);
    return std::get<QString>(value);
}

QString ClipTrailing(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

BrowseModel::BrowseModel(TableFile& file, QObject* parent) : QAbstractTableModel(parent), view_(file) {}

bool BrowseModel::SetColumns(std::vector<BrowseColumn> columns)
{
    std::vector<int> fields;
    for (const BrowseColumn& column : columns) {
        const int field = column.field.isEmpty() ? -1 : Definition().FieldIndex(column.field);
        if (field < 0 && !(column.field.isEmpty() && column.compute)) {
            error_ = column.field.isEmpty()
                         ? QStringLiteral("Column \"%1\" has neither a field nor a computed value").arg(column.header)
                         : QStringLiteral("Column \"%1\": %2 has no field %3")
                               .arg(column.header, Definition().Label(), column.field);
            return false;
        }
        fields.push_back(field);
    }
    beginResetModel();
    columns_ = std::move(columns);
    columnFields_ = std::move(fields);
    endResetModel();
    error_.clear();
    return true;
}

void BrowseModel::SetUserDatePicture(const QString& picture)
{
    userDatePicture_ = picture;
    // Only rows a view has counted can show the old picture: a model no view
    // has asked yet is not counted for this.
    if (count_ > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

bool BrowseModel::KnowsFields(const QString& name, const ViewOrder& order)
{
    for (const OrderPart& part : order.parts) {
        if (Definition().FieldIndex(part.field) < 0) {
            error_ = QStringLiteral("Order \"%1\": %2 has no field %3").arg(name, Definition().Label(), part.field);
            return false;
        }
    }
    return true;
}

int BrowseModel::AddOrder(const QString& name, const ViewOrder& order)
{
    if (!KnowsFields(name, order))
        return -1;
    orders_.push_back({name, order});
    const int number = static_cast<int>(orders_.size()) - 1;
    if (number == 0 && !SelectOrder(0)) {
        orders_.pop_back();
        return -1;
    }
    return number;
}

bool BrowseModel::SelectOrder(int number)
{
    if (number < 0 || number >= static_cast<int>(orders_.size())) {
        error_ = QStringLiteral("There is no order %1 (the list has %2)").arg(number).arg(orders_.size());
        return false;
    }
    if (!Apply(view_.SetOrder(orders_[static_cast<size_t>(number)].order)))
        return false;
    currentOrder_ = number;
    return true;
}

bool BrowseModel::ReplaceOrder(int number, const QString& name, const ViewOrder& order)
{
    if (number < 0 || number >= static_cast<int>(orders_.size())) {
        error_ = QStringLiteral("There is no order %1 (the list has %2)").arg(number).arg(orders_.size());
        return false;
    }
    if (!KnowsFields(name, order))
        return false;
    orders_[static_cast<size_t>(number)] = {name, order};
    return number != currentOrder_ || SelectOrder(number);
}

bool BrowseModel::SetOrder(const ViewOrder& order)
{
    if (!Apply(view_.SetOrder(order)))
        return false;
    currentOrder_ = -1;
    return true;
}

bool BrowseModel::SetRange(const ViewRange& range)
{
    return Apply(view_.SetRange(range));
}

std::vector<Filter> BrowseModel::ViewFilters() const
{
    std::vector<Filter> filters;
    const ViewRange& range = view_.Range();
    const std::vector<OrderPart>& parts = view_.Order().parts;
    Filter limits;
    const auto limit = [&](size_t part, Compare compare, const FieldValue& value) {
        if (part < parts.size())
            limits.push_back(Condition{parts[part].field, compare, value});
    };
    for (size_t i = 0; i < range.equal.size(); ++i)
        limit(i, Compare::Equal, range.equal[i]);
    if (range.low)
        limit(range.equal.size(), Compare::GreaterEqual, *range.low);
    if (range.high)
        limit(range.equal.size(), Compare::LessEqual, *range.high);
    if (!limits.empty())
        filters.push_back(std::move(limits));
    for (const auto& [name, filter] : view_.Filters()) {
        if (!filter.empty())
            filters.push_back(filter);
    }
    return filters;
}

bool BrowseModel::SetFilter(const QString& name, const Filter& filter)
{
    return Apply(view_.SetFilter(name, filter));
}

bool BrowseModel::SetFilters(const std::map<QString, Filter>& filters)
{
    bool ok = true;
    for (const auto& [name, filter] : filters) {
        if (filter.empty())
            view_.RemoveFilter(name);
        else if (!view_.SetFilter(name, filter)) {
            ok = false;
            break;
        }
    }
    if (ok)
        return Apply(true);
    // The filters set before the refused one hold: show what they select.
    error_ = view_.Error();
    Reset();
    return false;
}

void BrowseModel::RemoveFilter(const QString& name)
{
    view_.RemoveFilter(name);
    Apply(true);
}

void BrowseModel::SetResetFields(std::function<QVariantList()> values)
{
    resetFields_ = std::move(values);
    lastResetValues_ = resetFields_ ? resetFields_() : QVariantList();
}

bool BrowseModel::CheckResetFields()
{
    if (!resetFields_)
        return false;
    QVariantList values = resetFields_();
    if (values == lastResetValues_)
        return false;
    lastResetValues_ = std::move(values);
    Refresh();
    return true;
}

void BrowseModel::Refresh()
{
    Reset();
}

bool BrowseModel::Apply(bool ok)
{
    if (!ok) {
        error_ = view_.Error();
        return false;
    }
    error_.clear();
    Reset();
    return true;
}

void BrowseModel::Reset()
{
    beginResetModel();
    cache_.clear();
    cacheStart_ = 0;
    count_ = -1;
    refreshQueued_ = false;
    failureReported_ = false;
    emptyQueued_ = false;
    endResetModel();
}

int64_t BrowseModel::Total() const
{
    if (count_ < 0) {
        count_ = view_.Count();
        if (count_ < 0) {
            count_ = 0;
            Fail();
        }
    }
    return count_;
}

void BrowseModel::Fail() const
{
    error_ = QStringLiteral("%1: %2").arg(view_.LastError().file, view_.Error());
    // Rows counted that cannot be read are not shown as blank rows: the view
    // is told (once it has finished asking) that there are none.
    if (count_ > 0 && !emptyQueued_) {
        emptyQueued_ = true;
        QMetaObject::invokeMethod(const_cast<BrowseModel*>(this), &BrowseModel::ShowNoRows, Qt::QueuedConnection);
    }
    // Once until the next reset: a failing table fails every row a view asks for.
    if (failureReported_)
        return;
    failureReported_ = true;
    // A damaged file is told once, with the offer of its repair, by the
    // data layer's notice (DamagedFileNotice.h), not by every list on it.
    if (view_.LastError().code != kInvalidDataFile)
        emit const_cast<BrowseModel*>(this)->readFailed(error_);
}

void BrowseModel::ShowNoRows()
{
    beginResetModel();
    cache_.clear();
    cacheStart_ = 0;
    count_ = 0;
    emptyQueued_ = false;
    endResetModel();
}

void BrowseModel::Stale() const
{
    // The table changed under the cached rows (another program added or
    // deleted records): read it again once the view has finished asking.
    if (refreshQueued_)
        return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(const_cast<BrowseModel*>(this), &BrowseModel::Refresh, Qt::QueuedConnection);
}

const ViewRow* BrowseModel::Cached(int row) const
{
    const int64_t offset = row - cacheStart_;
    if (offset < 0 || offset >= static_cast<int64_t>(cache_.size()))
        return nullptr;
    return &cache_[static_cast<size_t>(offset)];
}

bool BrowseModel::Fetch(int row) const
{
    const int64_t total = Total();
    if (row < 0 || row >= total)
        return false;
    if (Cached(row))
        return true;
    std::vector<ViewRow> rows;
    const int64_t end = cacheStart_ + static_cast<int64_t>(cache_.size());
    size_t expected = 0;
    size_t got = 0;
    bool read = false;
    if (!cache_.empty() && row >= end && row < end + kPageRows) {
        // The next page, read on from the last cached row.
        read = view_.After(cache_.back(), kPageRows, rows);
        got = rows.size();
        expected = static_cast<size_t>(std::min<int64_t>(kPageRows, total - end));
        cache_.insert(cache_.end(), rows.begin(), rows.end());
        for (; cache_.size() > kMaxCachedRows; ++cacheStart_)
            cache_.pop_front();
    } else if (!cache_.empty() && row < cacheStart_ && row >= cacheStart_ - kPageRows) {
        // The page before, read back from the first cached row.
        read = view_.Before(cache_.front(), kPageRows, rows);
        got = rows.size();
        expected = static_cast<size_t>(std::min<int64_t>(kPageRows, cacheStart_));
        rows.erase(rows.begin(), rows.end() - static_cast<std::ptrdiff_t>(std::min(rows.size(), expected)));
        cache_.insert(cache_.begin(), rows.begin(), rows.end());
        cacheStart_ -= static_cast<int64_t>(rows.size());
        while (cache_.size() > kMaxCachedRows)
            cache_.pop_back();
    } else {
        // A jump: the page around the row, by its offset from the nearer end.
        const int64_t first = std::clamp<int64_t>(row - kPageRows / 2, 0, std::max<int64_t>(0, total - kPageRows));
        const int64_t last = std::min<int64_t>(first + kPageRows, total);
        const bool fromEnd = first > total - last;
        read = view_.Page(fromEnd ? total - last : first, static_cast<int>(last - first), fromEnd, rows);
        got = rows.size();
        expected = static_cast<size_t>(last - first);
        cache_.assign(rows.begin(), rows.end());
        cacheStart_ = fromEnd ? last - static_cast<int64_t>(rows.size()) : first;
    }
    if (!read) {
        Fail();
        return false;
    }
    // Other rows than the count promised: the table changed since.
    if (got != expected)
        Stale();
    return Cached(row) != nullptr;
}

int BrowseModel::Anchor(const ViewRow& anchor)
{
    const int64_t before = view_.RowsBefore(anchor);
    std::vector<ViewRow> above;
    std::vector<ViewRow> below;
    if (before < 0 || !view_.Before(anchor, kPageRows / 2, above) || !view_.After(anchor, kPageRows / 2, below)) {
        Fail();
        return -1;
    }
    if (before >= Total()) {
        // Added since the count was read: the view is read again soon.
        Stale();
        return static_cast<int>(Total()) - 1;
    }
    cache_.assign(above.begin(), above.end());
    cache_.push_back(anchor);
    cache_.insert(cache_.end(), below.begin(), below.end());
    cacheStart_ = before - static_cast<int64_t>(above.size());
    return static_cast<int>(before);
}

int BrowseModel::RowOf(const ViewRow& record)
{
    ViewRow current;
    bool found = false;
    std::vector<ViewRow> rows;
    if (!view_.Find(record.pointer, current, found) || (!found && !view_.After(record, 1, rows)) ||
        (!found && rows.empty() && !view_.Last(1, rows))) {
        Fail();
        return -1;
    }
    if (found)
        return Anchor(current);
    return rows.empty() ? -1 : Anchor(rows.front());
}

int BrowseModel::Locate(const FieldValue& value)
{
    std::vector<ViewRow> rows;
    if (!view_.Locate(value, 1, rows) || (rows.empty() && !view_.Last(1, rows))) {
        error_ = view_.Error();
        return -1;
    }
    return rows.empty() ? -1 : Anchor(rows.front());
}

bool BrowseModel::RowValues(int row, ViewRow& values)
{
    if (!Fetch(row))
        return false;
    values = *Cached(row);
    return true;
}

int BrowseModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::min<int64_t>(Total(), INT_MAX));
}

int BrowseModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString BrowseModel::Format(int column, const ViewRow& row) const
{
    const BrowseColumn& definition = columns_[static_cast<size_t>(column)];
    const int field = columnFields_[static_cast<size_t>(column)];
    const FieldValue value = field >= 0 ? row.values[static_cast<size_t>(field)] : definition.compute(row);
    QString picture = definition.picture;
    if (picture.trimmed().isEmpty())
        return PlainText(value);
    const Picture::Kind kind = Picture::Parse(picture).kind;
    if (definition.userDate && kind == Picture::Kind::Date && !userDatePicture_.isEmpty())
        picture = userDatePicture_;
    QString text;
    if (const auto* i = std::get_if<int64_t>(&value))
        text = Picture::Format(static_cast<qint64>(*i), picture);
    else if (const auto* d = std::get_if<double>(&value))
        text = Picture::Format(*d, picture);
    else
        text = Picture::Format(std::get<QString>(value), picture);
    // Texts keep their leading blanks; numbers, dates and times are aligned
    // by the column instead of by padding.
    return (kind == Picture::Kind::String || kind == Picture::Kind::Plain) ? ClipTrailing(text) : text.trimmed();
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(columns_[static_cast<size_t>(index.column())].alignment);
    const BrowseColumn& column = columns_[static_cast<size_t>(index.column())];
    if (role != Qt::DisplayRole && role != kRawValueRole && !column.look)
        return QVariant();
    if (!Fetch(index.row()))
        return QVariant();
    const ViewRow& row = *Cached(index.row());
    if (role != Qt::DisplayRole && role != kRawValueRole)
        return column.look(row, role);
    if (role == Qt::DisplayRole)
        return Format(index.column(), row);
    const int field = columnFields_[static_cast<size_t>(index.column())];
    return RawValue(field >= 0 ? row.values[static_cast<size_t>(field)] : column.compute(row));
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_[static_cast<size_t>(section)].header;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(columns_[static_cast<size_t>(section)].alignment);
    return QVariant();
}

bool BrowseModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    columns_[static_cast<size_t>(section)].header = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

} // namespace vl
