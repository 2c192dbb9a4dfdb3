#include "platform/data/KeySql.h"

#include "platform/data/NoCaseCollation.h"

#include <algorithm>

namespace vl {

namespace {

using Part = KeySqlPart;

// The numbered parameter ?number.
std::string Parameter(size_t number)
{
    std::string mark("?");
    mark += std::to_string(number);
    return mark;
}

// Whether the field's column holds whole numbers.
bool StoredWhole(const FieldDef& field)
{
    return !field.IsText() && field.type != FieldType::Real && field.type != FieldType::Decimal;
}

std::string Join(const std::vector<std::string>& items, const char* separator)
{
    std::string result;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            result += separator;
        result += items[i];
    }
    return result;
}

// Direction of a component in a walk: forward keeps the declared direction,
// backward reverses it.
bool Descends(const Part& part, bool backward)
{
    return part.descending != backward;
}

std::string OrderBy(const std::vector<Part>& parts, size_t from, bool backward)
{
    std::vector<std::string> terms;
    for (size_t i = from; i < parts.size(); ++i)
        terms.push_back(parts[i].column + parts[i].collate + (Descends(parts[i], backward) ? " DESC" : " ASC"));
    terms.push_back(std::string("\"") + kPointerColumn + (backward ? "\" DESC" : "\" ASC"));
    return " ORDER BY " + Join(terms, ", ");
}

// Equal values for the first count components, as ?1..?count.
std::string Equalities(const std::vector<Part>& parts, size_t count)
{
    std::vector<std::string> terms;
    for (size_t i = 0; i < count; ++i)
        terms.push_back(parts[i].column + parts[i].collate + " = " + Parameter(i + 1));
    return terms.empty() ? std::string("1") : Join(terms, " AND ");
}

// Whether the records beyond a position's values can be sought as one
// row-value bound: the engine seeks such a bound only in an index whose
// columns all ascend, and only at or past its values (it would pass over the
// records equal to them one by one), so the last component must be a whole
// number whose next value stands in for "beyond".
bool SeeksBeyondAsOne(const std::vector<Part>& parts)
{
    return parts.size() > 1 && parts.back().whole &&
           std::none_of(parts.begin(), parts.end(), [](const Part& part) { return part.descending; });
}

// The parts of a step (see KeySql.h), each a seek of its own. A unique key
// holds no other record with the position's values: a step past the position
// skips that part.
std::vector<std::string> StepParts(const std::string& select, const std::vector<Part>& parts, bool backward,
                                   bool inclusive, bool unique)
{
    const std::string ptr = std::string("\"") + kPointerColumn + "\"";
    const size_t n = parts.size();
    const std::string limit = " LIMIT " + Parameter(n + 2);
    std::vector<std::string> selects;
    if (inclusive || !unique) {
        const char* op = backward ? (inclusive ? " <= " : " < ") : (inclusive ? " >= " : " > ");
        selects.push_back(select + " WHERE " + Equalities(parts, n) + " AND " + ptr + op + Parameter(n + 1) +
                          OrderBy(parts, n, backward) + limit);
    }
    if (SeeksBeyondAsOne(parts)) {
        std::vector<std::string> columns;
        std::vector<std::string> values;
        for (size_t i = 0; i < n; ++i) {
            columns.push_back(parts[i].column);
            values.push_back(Parameter(i + 1) + parts[i].collate);
        }
        values.back() += backward ? " - 1" : " + 1";
        selects.push_back(select + " WHERE (" + Join(columns, ", ") + ")" + (backward ? " <= (" : " >= (") +
                          Join(values, ", ") + ")" + OrderBy(parts, 0, backward) + limit);
        return selects;
    }
    for (size_t level = n; level >= 1; --level) {
        const Part& part = parts[level - 1];
        selects.push_back(select + " WHERE " + Equalities(parts, level - 1) + " AND " + part.column + part.collate +
                          (Descends(part, backward) ? " < " : " > ") + Parameter(level) +
                          OrderBy(parts, level - 1, backward) + limit);
    }
    return selects;
}

// The parts from the first as one statement, each in its own order.
std::string AllParts(const std::vector<std::string>& parts, size_t first, size_t count)
{
    if (first >= parts.size())
        return std::string();
    if (parts.size() - first == 1)
        return parts[first];
    std::vector<std::string> selects;
    for (size_t i = first; i < parts.size(); ++i)
        selects.push_back("SELECT * FROM (" + parts[i] + ")");
    return Join(selects, " UNION ALL ") + " LIMIT " + Parameter(count + 2);
}

// The texts of the key that are not its walk's.
KeySql BuildKeySql(const std::string& table, const std::vector<Part>& parts, bool unique)
{
    KeySql sql;
    sql.parts = parts;
    sql.unique = unique;
    const std::string ptr = std::string("\"") + kPointerColumn + "\"";
    const size_t n = parts.size();
    sql.uniqueProbe = "SELECT 1 FROM " + table + " WHERE " + Equalities(parts, n) + " AND " + ptr + " <> " + Parameter(n + 1) +
                      " LIMIT 1";
    if (n > 0)
        sql.maxAutoNumber = "SELECT MAX(" + parts.back().column + ") FROM " + table + " WHERE " +
                            Equalities(parts, n - 1);
    return sql;
}

} // namespace

const KeySql& MadeWalk(const TableSql& table, KeySql& key)
{
    if (key.walkMade)
        return key;
    const std::string select = "SELECT " + table.columnList + " FROM " + table.table;
    const std::string ptr = std::string("\"") + kPointerColumn + "\"";
    for (int direction = 0; direction < 2; ++direction) {
        const bool backward = direction == 1;
        key.first[direction] = select + OrderBy(key.parts, 0, backward) + " LIMIT ?1";
        for (int inclusive = 0; inclusive < 2; ++inclusive) {
            const std::vector<std::string>& stepParts = key.step[direction][inclusive] =
                StepParts(select, key.parts, backward, inclusive == 1, key.unique);
            const bool equalPart = inclusive == 1 || !key.unique;
            const size_t n = key.parts.size();
            key.stepAll[direction][inclusive][0] = AllParts(stepParts, 0, n);
            key.stepAll[direction][inclusive][1] = AllParts(stepParts, equalPart ? 1 : 0, n);
        }
    }
    key.getEqual = select + " WHERE " + Equalities(key.parts, key.parts.size()) + " ORDER BY " + ptr + " ASC LIMIT 1";
    key.walkMade = true;
    return key;
}

std::string QuoteName(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return ("\"" + quoted + "\"").toStdString();
}

QString IndexName(const QString& tableName, const KeyDef& key)
{
    return tableName + QLatin1Char('|') + key.name.toUpper();
}

TableSql BuildTableSql(const TableDef& def, const QString& tableName)
{
    TableSql sql;
    sql.table = QuoteName(tableName);
    const std::string ptr = std::string("\"") + kPointerColumn + "\"";
    std::vector<std::string> columns;
    std::vector<std::string> definitions{ptr + " INTEGER PRIMARY KEY AUTOINCREMENT"};
    for (const FieldDef& field : def.Fields()) {
        const std::string column = QuoteName(field.column);
        columns.push_back(column);
        const char* type = field.IsText()      ? " TEXT NOT NULL DEFAULT ''"
                           : StoredWhole(field) ? " INTEGER NOT NULL DEFAULT 0"
                                                : " REAL NOT NULL DEFAULT 0";
        definitions.push_back(column + type);
    }
    sql.columnList = ptr + ", " + Join(columns, ", ");
    const std::string select = "SELECT " + sql.columnList + " FROM " + sql.table;
    sql.selectByPointer = select + " WHERE " + ptr + " = ?";
    std::vector<std::string> marks(columns.size(), "?");
    sql.insert = "INSERT INTO " + sql.table + " (" + Join(columns, ", ") + ") VALUES (" + Join(marks, ", ") + ")";
    std::vector<std::string> assignments;
    for (const std::string& column : columns)
        assignments.push_back(column + " = ?");
    sql.update = "UPDATE " + sql.table + " SET " + Join(assignments, ", ") + " WHERE " + ptr + " = ?";
    sql.deleteByPointer = "DELETE FROM " + sql.table + " WHERE " + ptr + " = ?";
    sql.count = "SELECT COUNT(*) FROM " + sql.table;
    sql.createTable = "CREATE TABLE " + sql.table + " (" + Join(definitions, ", ") + ")";
    sql.fileOrder = BuildKeySql(sql.table, {}, false);

    const std::string collate = std::string(" COLLATE ") + kNoCaseCollation;
    for (const KeyDef& key : def.Keys()) {
        std::vector<Part> parts;
        std::vector<std::string> indexTerms;
        for (const KeyComponent& component : key.components) {
            const FieldDef& field = def.Fields()[component.field];
            Part part;
            part.column = QuoteName(field.column);
            part.collate = component.noCase ? collate : std::string();
            part.descending = component.descending;
            part.whole = StoredWhole(field);
            indexTerms.push_back(part.column + part.collate + (part.descending ? " DESC" : ""));
            parts.push_back(part);
        }
        KeySql keySql = BuildKeySql(sql.table, parts, key.unique);
        keySql.indexName = IndexName(tableName, key).toStdString();
        keySql.createIndex = std::string(key.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
                             QuoteName(IndexName(tableName, key)) + " ON " + sql.table + " (" +
                             Join(indexTerms, ", ") + ")";
        sql.keys.push_back(std::move(keySql));
    }
    return sql;
}

} // namespace vl
