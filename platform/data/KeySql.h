#pragma once
// The SQL text of a table's operations, made once per open file object from
// its declaration. Columns are read as the record pointer followed by every
// field in declared order.
//
// Key steps walk the key's index from a position (key values, record
// pointer) in parts that follow each other in key order: the records with the
// same key values and a greater pointer; then the records whose values lie
// beyond the position's, as one row-value bound where the index allows it
// (KeySql.cpp), else component by component from the last (the records with
// the same leading values whose component lies beyond the position's). Each
// part is one index seek, so a step costs the same however many records
// share their key values (a row-value bound that took in the pointer would
// pass over those one by one).

#include "platform/data/TableDef.h"

#include <string>
#include <vector>

namespace vl {

inline constexpr const char* kPointerColumn = "_ptr";
inline constexpr const char* kCatalogTable = "vl_catalog";

std::string QuoteName(const QString& name);

// A component of a key as the SQL names it.
struct KeySqlPart {
    std::string column;  // quoted
    std::string collate; // " COLLATE VL_NOCASE" or empty
    bool descending = false;
    bool whole = false; // an integer column
};

struct KeySql {
    // The texts of a walk (first, step, getEqual) repeat the table's whole
    // column list: they are made when the key is first walked (MadeWalk),
    // since most keys of an open file are never walked in a run.
    bool walkMade = false;
    std::vector<KeySqlPart> parts;
    bool unique = false;
    // [0 forward, 1 backward]: the first records of the order; binds the
    // number of records to read as ?1.
    std::string first[2];
    // [direction][inclusive]: the parts of the records after (before) a
    // position, in order. Each binds the position's n key values as ?1..?n,
    // its record pointer as ?n+1 and the number of records to read as ?n+2.
    std::vector<std::string> step[2][2];
    // [direction][inclusive][beyond]: the parts as one statement that reads
    // them in order (UNION ALL), with the same parameters: a step is one
    // statement and sees one state of the file. beyond = 1 leaves out the
    // part with the position's own values. Empty when no part is left.
    std::string stepAll[2][2][2];
    std::string getEqual;      // first record with equal values
    std::string uniqueProbe;   // another record (pointer <> ?) with equal values
    std::string maxAutoNumber; // highest last component within equal other components
    std::string createIndex;   // CREATE [UNIQUE] INDEX
    std::string indexName;
};

struct TableSql {
    std::string table;        // quoted table name
    std::string columnList;   // the columns read, in order
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

// The key (fileOrder or one of keys) with the texts of its walk made.
const KeySql& MadeWalk(const TableSql& table, KeySql& key);

// The index name of a key of a table in its data file.
QString IndexName(const QString& tableName, const KeyDef& key);

} // namespace vl
