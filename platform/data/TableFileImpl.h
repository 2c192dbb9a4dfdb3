#pragma once
// The inside of a file object, shared by TableFile.cpp and KeyCursor.cpp.

#include "platform/data/Connection.h"
#include "platform/data/FieldBinding.h"
#include "platform/data/KeySql.h"
#include "platform/data/TableFile.h"

#include <SQLiteCpp/Statement.h>

#include <unordered_map>

namespace vl {

struct TableFile::Impl {
    std::shared_ptr<const TableDef> def;
    QString name;
    int openCount = 0;
    bool markedForUse = false;
    int accessMode = AccessMode::kReadWrite;
    std::shared_ptr<DataConnection> connection;
    QString table;
    // The statement texts, made for the table sqlTable; kept when the file
    // closes: lists and ticks open the same tables again and again.
    std::unique_ptr<TableSql> sql;
    QString sqlTable;
    // Prepared once per open, by the address of their text in sql.
    std::unordered_map<const std::string*, std::unique_ptr<SQLite::Statement>> statements;
    int streams = 0; // batches this file object started and has not flushed
    DataError error;
    std::unique_ptr<KeyCursor> cursor;
    const char* lastKeyName = nullptr; // KeyRef resolution cache
    int lastKeyIndex = -1;

    bool Fail(DataError failure);
    bool Succeed();
    // Opens a table marked for use; 37 when the table is not open.
    bool EnsureOpen();
    bool EnsureWritable();
    // The key's index, -1 for file order; false (error set) for an unknown key.
    bool ResolveKey(KeyRef key, int& index);
    // The key's texts, its walk's made (-1: file order).
    const KeySql& SqlFor(int key) { return MadeWalk(*sql, key < 0 ? sql->fileOrder : sql->keys[key]); }
    // The prepared statement for one of sql's texts.
    SQLite::Statement& Prepare(const std::string& text);
    void ReleaseStatements();
};

// Resets a statement when its use ends, so no read lock stays behind.
class StatementUse {
public:
    explicit StatementUse(SQLite::Statement& statement) : statement_(statement) {}
    ~StatementUse() { statement_.tryReset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    SQLite::Statement& operator*() { return statement_; }
    SQLite::Statement* operator->() { return &statement_; }

private:
    SQLite::Statement& statement_;
};

// Reads the current row (record pointer, then every field): the pointer into
// pointer, the fields' values as returned.
std::vector<FieldValue> ReadValues(const TableDef& def, SQLite::Statement& statement, int64_t& pointer);
// Sets the record's fields to the values (in declared order).
void SetValues(const TableDef& def, const std::vector<FieldValue>& values, RecordBase& record);
// Reads the current row into the record.
void ReadRecord(const TableDef& def, SQLite::Statement& statement, RecordBase& record);
// Binds the key's component values taken from the record (stored form).
int BindKeyValues(const TableDef& def, const KeyDef* key, const RecordBase& record, SQLite::Statement& statement,
                  int first, int count);

} // namespace vl
