#pragma once
// The SQL text of a table's operations, made once per open file object from
// its declaration. Columns are read as the record pointer followed by every
// field in declared order.
//
// Key steps walk the key's index one record at a time from a position (key
// values, record pointer): the records with the same key values and a greater
// pointer, then the records whose key values lie beyond. Each part is an index
// seek of its own (one row-value seek when every component runs the same
// direction, else one per component); one statement runs them all and keeps
// the first part's record that has one, so each step takes the file's read
// lock once.

#include "platform/data/TableDef.h"

#include <string>
#include <vector>

namespace vl {

inline constexpr const char* kPointerColumn = "_ptr";
inline constexpr const char* kCatalogTable = "vl_catalog";

std::string QuoteName(const QString& name);

struct StepSql {
    // Binds the position's key values as ?1..?n and, when bindsPointer, its
    // record pointer as ?n+1. Its first column orders the parts (skip it), the
    // record follows.
    std::string sql;
    bool bindsPointer = false;
};

struct KeySql {
    std::string first[2];      // [0 forward, 1 backward]: the first record of the order
    StepSql step[2][2];        // [direction][inclusive]: the record after (before) a position
    std::string getEqual;      // first record with equal values
    std::string uniqueProbe;   // another record (pointer <> ?) with equal values
    std::string maxAutoNumber; // highest last component within equal other components
    std::string createIndex;   // CREATE [UNIQUE] INDEX
    std::string indexName;
};

struct TableSql {
    std::string table;        // quoted table name
    std::string selectByPointer;
    std::string insert;       // binds every field in order
    std::string update;       // binds every field, then the pointer
    std::string deleteByPointer;
    std::string count;
    std::string createTable;
    KeySql fileOrder;         // record-pointer order (no components)
    std::vector<KeySql> keys; // in declared order
};

TableSql BuildTableSql(const TableDef& def, const QString& tableName);

// The index name of a key of a table in its data file.
QString IndexName(const QString& tableName, const KeyDef& key);

} // namespace vl
