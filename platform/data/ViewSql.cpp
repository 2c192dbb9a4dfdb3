#include "platform/data/ViewSql.h"

#include "platform/data/KeySql.h"
#include "platform/data/NoCaseCollation.h"

namespace vl {

namespace {

const std::string kPointer = std::string("\"") + kPointerColumn + "\"";

std::string Collated(const std::string& text)
{
    return text + " COLLATE " + kNoCaseCollation;
}

QString ClipTrailing(const QString& text)
{
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1) == QLatin1Char(' '))
        --length;
    return text.left(length);
}

QString ValueText(const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        return QString::number(*i);
    if (const auto* d = std::get_if<double>(&value))
        return QString::number(*d, 'g', 17);
    return std::get<QString>(value);
}

const char* Operator(Compare compare)
{
    switch (compare) {
    case Compare::Equal: return " = ";
    case Compare::NotEqual: return " <> ";
    case Compare::Less: return " < ";
    case Compare::LessEqual: return " <= ";
    case Compare::Greater: return " > ";
    case Compare::GreaterEqual: return " >= ";
    default: return nullptr;
    }
}

std::string JoinTerms(const std::vector<std::string>& terms, const char* separator)
{
    std::string result;
    for (size_t i = 0; i < terms.size(); ++i)
        result += (i > 0 ? separator : "") + terms[i];
    return result;
}

std::string Bracketed(const std::string& text)
{
    std::string result(1, '(');
    result += text;
    result += ')';
    return result;
}

// The linked table's name inside the condition that reaches it.
const std::string kLinkAlias = "vl_link";

// A field a condition names, as a column of the SQL text.
struct Operand {
    const FieldDef* field = nullptr;
    std::string column;
};

// Finds a field: in the linked table first when the condition has one
// (qualified, as is the view's table then), else in the view's table.
bool FindOperand(const TableDef& def, const std::string& table, const Condition& condition, const QString& name,
                 Operand& operand, QString& error)
{
    if (condition.link) {
        const TableDef& linked = *condition.link->def;
        if (const int index = linked.FieldIndex(name); index >= 0) {
            operand = {&linked.Fields()[index], kLinkAlias + "." + QuoteName(linked.Fields()[index].column)};
            return true;
        }
        if (const int index = def.FieldIndex(name); index >= 0) {
            operand = {&def.Fields()[index], table + "." + QuoteName(def.Fields()[index].column)};
            return true;
        }
        error = QStringLiteral("neither %1 nor %2 has a field %3").arg(def.Label(), linked.Label(), name);
        return false;
    }
    const int index = def.FieldIndex(name);
    if (index < 0) {
        error = QStringLiteral("%1 has no field %2").arg(def.Label(), name);
        return false;
    }
    operand = {&def.Fields()[index], QuoteName(def.Fields()[index].column)};
    return true;
}

// A day number's month as SQL: day 0, 28 December 1800, is Julian day 2378857.5.
std::string MonthOf(const std::string& day)
{
    return "strftime('%m', " + day + " + 2378857.5)";
}

// The comparison of two operands (columns or parameter marks).
std::string Comparison(Compare compare, const std::string& left, const std::string& right, bool noCase,
                       bool& usesUpper)
{
    if (const char* op = Operator(compare))
        return (noCase ? Collated(left) : left) + op + right;
    if (compare == Compare::SameMonth)
        return MonthOf(left) + " = " + MonthOf(right);
    const bool negated = compare == Compare::NotBeginsWith || compare == Compare::NotContains;
    std::string sql;
    if (compare == Compare::BeginsWith || compare == Compare::NotBeginsWith) {
        sql = "substr(" + left + ", 1, length(" + right + ")) = " + (noCase ? Collated(right) : right);
    } else if (noCase) {
        sql = std::string("instr(") + kUpperFunction + "(" + left + "), " + kUpperFunction + "(" + right + ")) > 0";
        usesUpper = true;
    } else {
        sql = "instr(" + left + ", " + right + ") > 0";
    }
    return negated ? "NOT (" + sql + ")" : sql;
}

// A condition on a linked table: at least one linked record meets it.
bool LinkedSql(const TableDef& def, const std::string& table, const Condition& condition, std::string& term,
               QString& error)
{
    const ConditionLink& link = *condition.link;
    const int linkField = link.def->FieldIndex(link.field);
    const int ownerField = def.FieldIndex(link.ownerField);
    if (linkField < 0 || ownerField < 0) {
        error = QStringLiteral("%1 cannot be joined to %2 by %3 = %4")
                    .arg(link.def->Label(), def.Label(), link.field, link.ownerField);
        return false;
    }
    const FieldDef& joined = link.def->Fields()[linkField];
    const std::string left = kLinkAlias + "." + QuoteName(joined.column);
    const std::string right = table + "." + QuoteName(def.Fields()[ownerField].column);
    term = "EXISTS (SELECT 1 FROM " + QuoteName(link.table) + " AS " + kLinkAlias + " WHERE " +
           (joined.IsText() ? Collated(left) : left) + " = " + right + " AND " + term + ")";
    return true;
}

// One condition as SQL; false with a message.
bool ConditionSql(const TableDef& def, const std::string& table, const Condition& condition, SqlParams& params,
                  std::string& sql, bool& usesUpper, QString& error)
{
    if (condition.link && !condition.link->def) {
        error = QStringLiteral("the link of %1 names no table").arg(condition.field);
        return false;
    }
    Operand left;
    if (!FindOperand(def, table, condition, condition.field, left, error))
        return false;
    const FieldDef& field = *left.field;
    const bool byText = !Operator(condition.compare) && condition.compare != Compare::SameMonth;
    if (byText && !field.IsText()) {
        error = QStringLiteral("%1 is a number: it cannot be compared as text").arg(field.name);
        return false;
    }
    std::string right;
    if (!condition.otherField.isEmpty()) {
        Operand other;
        if (!FindOperand(def, table, condition, condition.otherField, other, error))
            return false;
        if (other.field->IsText() != field.IsText()) {
            const FieldDef& number = field.IsText() ? *other.field : field;
            const FieldDef& text = field.IsText() ? field : *other.field;
            error = QStringLiteral("%1 is a number and %2 a text: they cannot be compared").arg(number.name, text.name);
            return false;
        }
        right = other.column;
    } else {
        FieldValue value;
        if (!CompareValue(field, condition.value, value, error))
            return false;
        right = params.Add(value);
    }
    sql = Comparison(condition.compare, left.column, right, condition.noCase && field.IsText(), usesUpper);
    return !condition.link || LinkedSql(def, table, condition, sql, error);
}

} // namespace

std::string SqlParams::Add(const FieldValue& value)
{
    values_.push_back(value);
    std::string mark("?");
    mark += std::to_string(values_.size());
    return mark;
}

bool CompareValue(const FieldDef& field, const FieldValue& value, FieldValue& result, QString& error)
{
    if (field.IsText()) {
        const QString text = ValueText(value);
        result = field.type == FieldType::Memo ? text : ClipTrailing(text);
        return true;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        bool isNumber = false;
        const QString trimmed = text->trimmed();
        const qlonglong whole = trimmed.toLongLong(&isNumber);
        if (isNumber) {
            result = static_cast<int64_t>(whole);
            return true;
        }
        const double real = trimmed.toDouble(&isNumber);
        if (!isNumber) {
            error = QStringLiteral("%1 is a number: \"%2\" is not one").arg(field.name, *text);
            return false;
        }
        result = real;
        return true;
    }
    result = value;
    return true;
}

bool CompileFilter(const TableDef& def, const std::string& table, const QString& name, const Filter& filter,
                   SqlParams& params, std::string& sql, bool& usesUpper, QString& error)
{
    // AND binds tighter than OR: the conditions fall into groups at each OR.
    std::vector<std::string> groups;
    std::vector<std::string> terms;
    for (size_t i = 0; i < filter.size(); ++i) {
        if (i > 0 && filter[i].join == Join::Or) {
            groups.push_back(Bracketed(JoinTerms(terms, " AND ")));
            terms.clear();
        }
        std::string term;
        QString problem;
        if (!ConditionSql(def, table, filter[i], params, term, usesUpper, problem)) {
            error = QStringLiteral("Filter \"%1\": %2").arg(name, problem);
            return false;
        }
        terms.push_back(term);
    }
    if (!terms.empty())
        groups.push_back(Bracketed(JoinTerms(terms, " AND ")));
    sql = groups.empty() ? std::string() : Bracketed(JoinTerms(groups, " OR "));
    return true;
}

bool ViewSql::Build(const TableDef& def, const QString& table, const ViewOrder& order, const ViewRange& range,
                    const std::map<QString, Filter>& filters, QString& error)
{
    def_ = &def;
    table_ = QuoteName(table);
    columns_ = kPointer;
    for (const FieldDef& field : def.Fields())
        columns_ += ", " + QuoteName(field.column);
    parts_.clear();
    for (const OrderPart& orderPart : order.parts) {
        const int index = def.FieldIndex(orderPart.field);
        if (index < 0) {
            error = QStringLiteral("Order: %1 has no field %2").arg(def.Label(), orderPart.field);
            return false;
        }
        const FieldDef& field = def.Fields()[index];
        const std::string column = QuoteName(field.column);
        parts_.push_back({index, orderPart.noCase && field.IsText() ? Collated(column) : column, orderPart.descending});
    }
    const size_t limited = range.equal.size() + ((range.low || range.high) ? 1 : 0);
    if (limited > parts_.size()) {
        error = QStringLiteral("The range limits %1 fields of an order of %2").arg(limited).arg(parts_.size());
        return false;
    }
    fixed_ = range.equal.size();
    SqlParams params;
    std::vector<std::string> terms;
    auto limit = [&](size_t part, const FieldValue& value, const char* op) {
        FieldValue compared;
        const FieldDef& field = def.Fields()[parts_[part].field];
        if (!CompareValue(field, value, compared, error)) {
            error = QStringLiteral("Range: %1").arg(error);
            return false;
        }
        terms.push_back(parts_[part].expression + op + params.Add(compared));
        return true;
    };
    for (size_t i = 0; i < range.equal.size(); ++i) {
        if (!limit(i, range.equal[i], " = "))
            return false;
    }
    if ((range.low && !limit(fixed_, *range.low, " >= ")) || (range.high && !limit(fixed_, *range.high, " <= ")))
        return false;
    usesUpper_ = false;
    for (const auto& [name, filter] : filters) {
        std::string sql;
        if (!CompileFilter(def, table_, name, filter, params, sql, usesUpper_, error))
            return false;
        if (!sql.empty())
            terms.push_back(sql);
    }
    base_ = JoinTerms(terms, " AND ");
    baseValues_ = params.Values();
    return true;
}

int ViewSql::LocateField() const
{
    return fixed_ < parts_.size() ? parts_[fixed_].field : -1;
}

std::string ViewSql::Select() const
{
    return "SELECT " + columns_ + " FROM " + table_;
}

std::string ViewSql::Where(const std::string& condition) const
{
    std::vector<std::string> terms;
    if (!base_.empty())
        terms.push_back(base_);
    if (!condition.empty())
        terms.push_back(condition);
    return terms.empty() ? std::string() : " WHERE " + JoinTerms(terms, " AND ");
}

std::string ViewSql::OrderTerms(size_t from, bool backward) const
{
    std::vector<std::string> terms;
    for (size_t i = from; i < parts_.size(); ++i)
        terms.push_back(parts_[i].expression + ((parts_[i].descending != backward) ? " DESC" : " ASC"));
    terms.push_back(kPointer + (backward ? " DESC" : " ASC"));
    return JoinTerms(terms, ", ");
}

std::string ViewSql::OrderBy(size_t from, bool backward) const
{
    return " ORDER BY " + OrderTerms(from, backward);
}

ViewQuery ViewSql::Make(std::string sql, SqlParams params, int firstColumn) const
{
    return {std::move(sql), params.Values(), firstColumn, usesUpper_};
}

std::vector<std::pair<std::string, size_t>> ViewSql::Levels(const ViewRow& from, bool backward,
                                                            SqlParams& params) const
{
    std::vector<std::string> marks(parts_.size());
    for (size_t i = fixed_; i < parts_.size(); ++i)
        marks[i] = params.Add(from.values[static_cast<size_t>(parts_[i].field)]);
    auto equalUpTo = [&](size_t end) {
        std::string terms;
        for (size_t i = fixed_; i < end; ++i)
            terms += parts_[i].expression + " = " + marks[i] + " AND ";
        return terms;
    };
    std::vector<std::pair<std::string, size_t>> levels;
    levels.emplace_back(equalUpTo(parts_.size()) + kPointer + (backward ? " < " : " > ") + params.Add(from.pointer),
                        parts_.size());
    for (size_t level = parts_.size(); level > fixed_; --level) {
        const Part& part = parts_[level - 1];
        const char* beyond = (part.descending != backward) ? " < " : " > ";
        levels.emplace_back(equalUpTo(level - 1) + part.expression + beyond + marks[level - 1], level - 1);
    }
    return levels;
}

ViewQuery ViewSql::First(int count, bool backward) const
{
    return Make(Select() + Where("") + OrderBy(fixed_, backward) + " LIMIT " + std::to_string(count),
                SqlParams(baseValues_), 0);
}

ViewQuery ViewSql::Step(const ViewRow& from, int count, bool backward) const
{
    SqlParams params(baseValues_);
    const auto levels = Levels(from, backward, params);
    const std::string limit = " LIMIT " + std::to_string(count);
    if (levels.size() == 1)
        return Make(Select() + Where(levels.front().first) + OrderBy(parts_.size(), backward) + limit, params, 0);
    // Each level reads its own page through the order's index; the pages are
    // merged by level, then by the order within a level.
    std::vector<std::string> selects;
    for (size_t i = 0; i < levels.size(); ++i) {
        selects.push_back("SELECT * FROM (SELECT " + std::to_string(i) + " AS vl_level, " + columns_ + " FROM " +
                          table_ + Where(levels[i].first) + OrderBy(levels[i].second, backward) + limit + ")");
    }
    const std::string merged = "SELECT * FROM (" + JoinTerms(selects, " UNION ALL ") + ")";
    return Make(merged + " ORDER BY vl_level, " + OrderTerms(fixed_, backward) + limit, params, 1);
}

ViewQuery ViewSql::Locate(const FieldValue& value, int count) const
{
    SqlParams params(baseValues_);
    std::string condition;
    if (fixed_ < parts_.size())
        condition = parts_[fixed_].expression + (parts_[fixed_].descending ? " <= " : " >= ") + params.Add(value);
    else
        condition = kPointer + " >= " + params.Add(value);
    return Make(Select() + Where(condition) + OrderBy(fixed_, false) + " LIMIT " + std::to_string(count), params, 0);
}

ViewQuery ViewSql::Page(int64_t offset, int count, bool backward) const
{
    return Make(Select() + Where("") + OrderBy(fixed_, backward) + " LIMIT " + std::to_string(count) + " OFFSET " +
                    std::to_string(offset),
                SqlParams(baseValues_), 0);
}

ViewQuery ViewSql::Find(int64_t pointer) const
{
    SqlParams params(baseValues_);
    const std::string condition = kPointer + " = " + params.Add(pointer);
    return Make(Select() + Where(condition), params, 0);
}

ViewQuery ViewSql::Count() const
{
    return Make("SELECT COUNT(*) FROM " + table_ + Where(""), SqlParams(baseValues_), 0);
}

ViewQuery ViewSql::RowsBefore(const ViewRow& row) const
{
    SqlParams params(baseValues_);
    std::vector<std::string> counts;
    for (const auto& level : Levels(row, true, params))
        counts.push_back("(SELECT COUNT(*) FROM " + table_ + Where(level.first) + ")");
    return Make("SELECT " + JoinTerms(counts, " + "), params, 0);
}

} // namespace vl
