#pragma once
// The typed file object of a table and its cursors:
//
//   vl::Table<ScheduleRecord> schedule(ScheduleDefinition());
//   schedule.Open();
//   ScheduleRecord task;
//   schedule.Set(SCH_KEYDATEENABLED);
//   while (schedule.Next(task)) { ... }
//
// Every operation returns false on failure and leaves the error in
// ErrorCode()/Error(); nothing throws.

#include "platform/data/TableFile.h"

namespace vl {

template <class R>
class Table : public TableFile {
    static_assert(std::is_base_of_v<RecordBase, R>, "record structs derive from vl::RecordBase");

public:
    explicit Table(std::shared_ptr<const TableDef> def) : TableFile(std::move(def)) {}

    // Clears the record and applies the insert defaults.
    void Prime(R& record) const { Definition().PrimeRecord(record); }
    // Clears the record to blanks and zeros.
    void Clear(R& record) const { Definition().ClearRecord(record); }
    // The first failing field check, or nothing.
    std::optional<FieldCheckFailure> Validate(const R& record) const { return Definition().Validate(record); }

    // The first record (in key order) whose key components equal those of
    // record; error 35 when there is none.
    bool Get(KeyRef key, R& record) { return GetByKey(key, record); }
    // The record at a record pointer; error 35 when there is none.
    bool Get(int64_t pointer, R& record) { return GetByPointer(pointer, record); }
    // Adds the record: auto-numbered fields left 0 are numbered, values are
    // stored clipped and cut, and the record takes its new record pointer.
    // Error 40 names the key that refused it.
    bool Add(R& record) { return AddRecord(record); }
    // Rewrites the record stored at record.RecordPointer (33 when gone).
    bool Put(R& record) { return PutRecord(record); }
    // Deletes the record stored at record.RecordPointer (33 when gone).
    bool Delete(const R& record) { return DeleteRecord(record); }

    // The file object's own position (see KeyCursor).
    bool Set(KeyRef key) { return OwnCursor().Set(key); }
    bool Set(KeyRef key, const R& position) { return OwnCursor().Set(key, position); }
    bool Next(R& record) { return OwnCursor().Next(record); }
    bool Previous(R& record) { return OwnCursor().Previous(record); }
};

// A position of its own in a table, apart from the file object's.
template <class R>
class Cursor {
public:
    explicit Cursor(Table<R>& table) : cursor_(table) {}
    Cursor(Table<R>& table, KeyRef key) : cursor_(table) { cursor_.Set(key); }

    bool Set(KeyRef key) { return cursor_.Set(key); }
    bool Set(KeyRef key, const R& position) { return cursor_.Set(key, position); }
    bool Next(R& record) { return cursor_.Next(record); }
    bool Previous(R& record) { return cursor_.Previous(record); }

private:
    KeyCursor cursor_;
};

} // namespace vl
