#pragma once
// Adds occurrences to the work file quickly. The file is private to one
// report run, and a run adds up to the record limit, so the records go in
// kRows at a time through one statement prepared once, inside the batch of
// the caller (a statement's own costs, about a quarter of a single record's,
// are paid once for them all): in each of its rows the fields of a task are
// bound once, and each occurrence of it rebinds only what stepping to the
// occurrence changes (its number, date, time and the repetition fields the
// step may set). The file's keys are set aside while it fills and built
// afresh once it is full: sorting the records into a key at once costs a
// fraction of placing them one by one in a dozen keys.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/KeySql.h"
#include "platform/data/Table.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace SQLite {
class Statement;
}

namespace vl {

class DataConnection;

class WorkfileInserter {
public:
    // Prepares the insert into the open work file; Ready() says whether it could.
    explicit WorkfileInserter(Table<ScheduleRecord>& workfile);
    ~WorkfileInserter();
    WorkfileInserter(const WorkfileInserter&) = delete;
    WorkfileInserter& operator=(const WorkfileInserter&) = delete;

    bool Ready() const { return statement_ != nullptr; }
    // Before the caller's batch: the work file is scratch, removed after its
    // report, so its commit is not forced to the disk and its log is never
    // copied into the file. An interrupted filling still leaves the file as
    // it was before (the log's uncommitted pages are ignored). False with
    // Error() set when that failed.
    bool TreatAsScratch();
    // Inside the caller's batch, before the first Add: drops the file's keys
    // (the caller rebuilds them with RebuildKeys or BuildKey before the batch
    // ends, or rolls the batch back). False with Error() set when that failed.
    bool SetKeysAside();
    // Inside the caller's batch, after the last Add: builds the one key the
    // file will be read in (none for record order), leaving the others aside. False with Error() set
    // when that failed.
    bool BuildKey(KeyRef key);
    // The task whose occurrences follow (its message is left out).
    void BindTask(const ScheduleRecord& task);
    // Adds the occurrence (the task stepped on) numbered `id`, or holds it
    // until kRows are there; false with Error() set when the engine refused
    // the records.
    bool Add(const ScheduleRecord& occurrence, int32_t id);
    // Adds the occurrences still held; before the keys are built.
    bool Flush();
    const DataError& Error() const { return error_; }

private:
    static constexpr int kRows = 16;

    // A task's stored values, texts in the engine's encoding: bound without
    // copying into every row that holds one of its occurrences, and kept as
    // long as a row holds them.
    using TaskValues = std::vector<std::variant<int64_t, double, std::string>>;

    void Bind(SQLite::Statement& statement, int row, int field, const ScheduleRecord& record);
    bool Run(SQLite::Statement& statement);

    const TableDef& def_;
    QString file_;
    std::shared_ptr<DataConnection> connection_;
    std::string insert_; // of one record
    // Before the statement, which may point into them until it is gone.
    std::shared_ptr<const TaskValues> task_;
    std::vector<std::shared_ptr<const TaskValues>> rowTask_ = std::vector<std::shared_ptr<const TaskValues>>(kRows);
    std::unique_ptr<SQLite::Statement> statement_; // of kRows records
    std::vector<ScheduleRecord> held_ = std::vector<ScheduleRecord>(kRows); // numbered, in the rows of the statement
    int heldCount_ = 0;
    std::vector<KeySql> keys_; // in the order of the definition's keys
    int id_, date_, time_, every_, completed_; // field indexes
    DataError error_;
};

} // namespace vl
