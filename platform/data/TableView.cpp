#include "platform/data/TableView.h"

#include "platform/data/Connection.h"
#include "platform/data/DamagedFileNotice.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableFileImpl.h"
#include "platform/data/ViewSql.h"

#include <sqlite3.h>

#include <algorithm>

namespace vl {

namespace {

void Upper(sqlite3_context* context, int, sqlite3_value** arguments)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const QByteArray upper = QString::fromUtf8(text, sqlite3_value_bytes(arguments[0])).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

// Registers the upper-case function on a connection that lacks it.
void EnsureUpperFunction(sqlite3* db)
{
    sqlite3_stmt* probe = nullptr;
    const std::string sql = std::string("SELECT ") + kUpperFunction + "('')";
    const bool present = sqlite3_prepare_v2(db, sql.c_str(), -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    if (!present)
        sqlite3_create_function_v2(db, kUpperFunction, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &Upper,
                                   nullptr, nullptr, nullptr);
}

ViewRow ReadRow(const TableDef& def, SQLite::Statement& statement, int firstColumn)
{
    ViewRow row;
    row.pointer = statement.getColumn(firstColumn).getInt64();
    row.values.reserve(def.Fields().size());
    for (size_t i = 0; i < def.Fields().size(); ++i) {
        const SQLite::Column column = statement.getColumn(firstColumn + static_cast<int>(i) + 1);
        const FieldDef& field = def.Fields()[i];
        if (field.IsText())
            row.values.emplace_back(QString::fromUtf8(static_cast<const char*>(column.getBlob()), column.getBytes()));
        else if (field.type == FieldType::Real || field.type == FieldType::Decimal)
            row.values.emplace_back(column.getDouble());
        else
            row.values.emplace_back(static_cast<int64_t>(column.getInt64()));
    }
    return row;
}

bool SameFields(const TableDef& def, const QString& a, const QString& b)
{
    return def.FieldIndex(a) == def.FieldIndex(b);
}

} // namespace

void ViewRow::Fill(const TableDef& def, RecordBase& record) const
{
    record.RecordPointer = pointer;
    for (size_t i = 0; i < def.Fields().size() && i < values.size(); ++i)
        def.Fields()[i].set(record, values[i]);
}

ViewRow ViewRow::From(const TableDef& def, const RecordBase& record)
{
    ViewRow row;
    row.pointer = record.RecordPointer;
    for (size_t i = 0; i < def.Fields().size(); ++i)
        row.values.push_back(def.StoredValue(static_cast<int>(i), record));
    return row;
}

TableView::TableView(TableFile& file) : file_(&file) {}

const TableDef& TableView::Definition() const
{
    return file_->Definition();
}

bool TableView::FailInput(const QString& message)
{
    error_ = DataError::Make(kFileSystemError, file_->Name());
    inputError_ = message;
    return false;
}

QString TableView::Error() const
{
    if (error_.Ok())
        return QString();
    return inputError_.isEmpty() ? error_.Describe() : inputError_;
}

bool TableView::Check(const ViewOrder& order, const ViewRange& range, const std::map<QString, Filter>& filters)
{
    ViewSql sql;
    QString message;
    if (!sql.Build(Definition(), QString(), order, range, filters, message))
        return FailInput(message);
    error_ = DataError();
    inputError_.clear();
    return true;
}

bool TableView::SetOrder(const ViewOrder& order)
{
    // The range stays while the new order starts with the fields it limits.
    const size_t limited = range_.equal.size() + ((range_.low || range_.high) ? 1 : 0);
    bool keepRange = limited <= order.parts.size();
    for (size_t i = 0; keepRange && i < limited; ++i)
        keepRange = SameFields(Definition(), order.parts[i].field, order_.parts[i].field);
    const ViewRange range = keepRange ? range_ : ViewRange();
    if (!Check(order, range, {}))
        return false;
    order_ = order;
    range_ = range;
    return true;
}

const ViewOrder& TableView::Order() const
{
    return order_;
}

bool TableView::SetRange(const ViewRange& range)
{
    if (!Check(order_, range, {}))
        return false;
    range_ = range;
    return true;
}

const ViewRange& TableView::Range() const
{
    return range_;
}

bool TableView::SetFilter(const QString& name, const Filter& filter)
{
    if (!Check(order_, {}, {{name, filter}}))
        return false;
    filters_[name] = filter;
    return true;
}

void TableView::RemoveFilter(const QString& name)
{
    filters_.erase(name);
}

void TableView::ClearFilters()
{
    filters_.clear();
}

QStringList TableView::FilterNames() const
{
    QStringList names;
    for (const auto& entry : filters_)
        names.append(entry.first);
    return names;
}

bool TableView::Run(const MakeQuery& make, const EachRow& each)
{
    std::shared_ptr<DataConnection> connection;
    QString table;
    inputError_.clear();
    if (!file_->Storage(connection, table)) {
        error_ = file_->LastError();
        return false;
    }
    ViewSql sql;
    QString message;
    if (!sql.Build(Definition(), table, order_, range_, filters_, message))
        return FailInput(message);
    const ViewQuery query = make(sql);
    try {
        if (query.usesUpper)
            EnsureUpperFunction(connection->Db().getHandle());
        SQLite::Statement statement(connection->Db(), query.sql);
        for (size_t i = 0; i < query.binds.size(); ++i)
            BindFieldValue(statement, static_cast<int>(i) + 1, query.binds[i]);
        while (statement.executeStep())
            each(statement, query.firstColumn);
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_->Name());
        NoteDataFileFailure(connection->Path(), error_);
        return false;
    }
    error_ = DataError();
    inputError_.clear();
    return true;
}

bool TableView::ReadRows(const MakeQuery& make, bool reverse, std::vector<ViewRow>& rows)
{
    std::vector<ViewRow> read;
    const TableDef& def = Definition();
    if (!Run(make, [&](SQLite::Statement& statement, int first) { read.push_back(ReadRow(def, statement, first)); }))
        return false;
    if (reverse)
        std::reverse(read.begin(), read.end());
    rows = std::move(read);
    return true;
}

int64_t TableView::ReadNumber(const MakeQuery& make)
{
    int64_t number = -1;
    if (!Run(make, [&](SQLite::Statement& statement, int) { number = statement.getColumn(0).getInt64(); }))
        return -1;
    return number;
}

bool TableView::First(int count, std::vector<ViewRow>& rows)
{
    return ReadRows([&](const ViewSql& sql) { return sql.First(count, false); }, false, rows);
}

bool TableView::Last(int count, std::vector<ViewRow>& rows)
{
    return ReadRows([&](const ViewSql& sql) { return sql.First(count, true); }, true, rows);
}

bool TableView::CheckRow(const ViewRow& row)
{
    if (row.values.size() == Definition().Fields().size())
        return true;
    return FailInput(QStringLiteral("A position in %1 needs the values of its %2 fields, not %3")
                         .arg(Definition().Label())
                         .arg(Definition().Fields().size())
                         .arg(row.values.size()));
}

bool TableView::After(const ViewRow& row, int count, std::vector<ViewRow>& rows)
{
    if (!CheckRow(row))
        return false;
    return ReadRows([&](const ViewSql& sql) { return sql.Step(row, count, false); }, false, rows);
}

bool TableView::Before(const ViewRow& row, int count, std::vector<ViewRow>& rows)
{
    if (!CheckRow(row))
        return false;
    return ReadRows([&](const ViewSql& sql) { return sql.Step(row, count, true); }, true, rows);
}

bool TableView::Locate(const FieldValue& value, int count, std::vector<ViewRow>& rows)
{
    ViewSql sql;
    QString message;
    if (!sql.Build(Definition(), QString(), order_, range_, filters_, message))
        return FailInput(message);
    FieldValue compared = value;
    const int field = sql.LocateField();
    if (field >= 0 && !CompareValue(Definition().Fields()[field], value, compared, message))
        return FailInput(QStringLiteral("Locator: %1").arg(message));
    if (field < 0 && !std::holds_alternative<int64_t>(value))
        return FailInput(QStringLiteral("Locator: this order is located by record pointer, a whole number"));
    return ReadRows([&](const ViewSql& built) { return built.Locate(compared, count); }, false, rows);
}

bool TableView::Page(int64_t offset, int count, bool fromEnd, std::vector<ViewRow>& rows)
{
    return ReadRows([&](const ViewSql& sql) { return sql.Page(std::max<int64_t>(offset, 0), count, fromEnd); },
                    fromEnd, rows);
}

bool TableView::Find(int64_t pointer, ViewRow& row, bool& found)
{
    std::vector<ViewRow> rows;
    if (!ReadRows([&](const ViewSql& sql) { return sql.Find(pointer); }, false, rows))
        return false;
    found = !rows.empty();
    if (found)
        row = std::move(rows.front());
    return true;
}

int64_t TableView::Count()
{
    return ReadNumber([](const ViewSql& sql) { return sql.Count(); });
}

int64_t TableView::RowsBefore(const ViewRow& row)
{
    if (!CheckRow(row))
        return -1;
    return ReadNumber([&](const ViewSql& sql) { return sql.RowsBefore(row); });
}

} // namespace vl
