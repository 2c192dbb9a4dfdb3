#pragma once
// Adds occurrences to the work file quickly. The file is private to one
// report run, and a run adds up to the record limit, so the records go in
// through one statement prepared once, inside the batch of the caller: the
// fields of a task are bound once, and each occurrence of it rebinds only
// what stepping to the occurrence changes (its number, date, time and the
// repetition fields the step may set). The file's keys are set aside while
// it fills and built afresh once it is full: sorting the records into a key
// at once costs a fraction of placing them one by one in a dozen keys.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/KeySql.h"
#include "platform/data/Table.h"

#include <memory>
#include <string>
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
    // Binds every field of the task (its message left out).
    void BindTask(const ScheduleRecord& task);
    // Adds the occurrence (the bound task stepped on) numbered `id`; false
    // with Error() set when the engine refused it.
    bool Add(const ScheduleRecord& occurrence, int32_t id);
    const DataError& Error() const { return error_; }

private:
    void Bind(int field, const ScheduleRecord& record);

    const TableDef& def_;
    QString file_;
    std::shared_ptr<DataConnection> connection_;
    std::unique_ptr<SQLite::Statement> statement_;
    std::vector<KeySql> keys_; // in the order of the definition's keys
    int id_, date_, time_, every_, completed_; // field indexes
    DataError error_;
};

} // namespace vl
