#pragma once
// The file object of one table: opens and closes it, counts opens, and
// carries the last error. Record operations are typed in Table<R> (Table.h).
//
// Threads: a file object is used by one thread at a time. All file objects
// of one data file on one thread share one connection; a worker thread makes
// file objects of its own (from the same TableDef) and so gets a connection
// of its own.

#include "platform/data/DataError.h"
#include "platform/data/LogIndex.h"
#include "platform/data/TableDef.h"

#include <memory>

namespace vl {

class DataConnection;
class KeyCursor;

class TableFile {
public:
    static constexpr int kDeclaredMode = -1;

    explicit TableFile(std::shared_ptr<const TableDef> def);
    virtual ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    const TableDef& Definition() const;
    const std::shared_ptr<const TableDef>& DefinitionPtr() const;

    // The file name in use ("vldb\!s"); starts as the declared one. A new
    // name takes effect at the next open.
    QString Name() const;
    void SetName(const QString& name);

    // Opens the table. Errors: 2 (missing; created instead when
    // createIfMissing), 5, 32, 46, 47, 90. A second open of an open file
    // object counts the open and leaves 52 (the call still succeeds).
    // Opening converts an older stored layout to the declared one.
    bool Open(int accessMode = kDeclaredMode, bool createIfMissing = false);
    // Creates the table, and its data file, when missing; an existing table
    // is kept as it is.
    bool Create();
    // Undoes one open; the table closes when the last open is undone.
    void Close();
    // Opens the table with its declared access mode on first use. The mark
    // counts as one user of the table: one Close takes it back.
    void MarkForUse();
    bool IsOpen() const;
    int OpenCount() const;

    // Number of records (0 with an error on failure).
    int64_t Records();

    // A batch of writes in one transaction of the table's data file: Stream()
    // starts it (waiting for another program's write lock up to the lock
    // wait), Flush() commits it. Batches nest and end in the reverse order of
    // their start; the outermost Flush commits. A Flush that fails ends its
    // batch with nothing of it written and returns the engine's error; so does
    // Rollback(), by request. Never hold a batch across a prompt: other
    // programs wait for it.
    bool Stream();
    bool Flush();
    bool Rollback();

    // Rebuilds the table's keys (also when it is closed, after error 46).
    bool RebuildKeys();

    // The connection and stored table name of the open table, for readers
    // that build queries of their own (TableView). Opens a table marked for
    // use; false, with the error set, when the table cannot be read.
    bool Storage(std::shared_ptr<DataConnection>& connection, QString& table);

    // The last operation's error (code 0 after a success).
    const DataError& LastError() const;
    int ErrorCode() const;
    QString Error() const;     // the error's text
    QString ErrorFile() const; // the file name of the failing table
    int FileErrorCode() const; // the storage engine's code of a failure
    QString FileError() const; // and its message

protected:
    bool GetByKey(KeyRef key, RecordBase& record);
    bool GetByPointer(int64_t pointer, RecordBase& record);
    bool AddRecord(RecordBase& record);
    bool PutRecord(RecordBase& record);
    bool DeleteRecord(const RecordBase& record);
    KeyCursor& OwnCursor();

public:
    struct Impl; // the inside, defined in the library only

private:
    friend class KeyCursor;
    // Opens a table marked for use when it is not open yet.
    bool OpenForUse();
    // Opens on use and checks that the table may be written and that the
    // record was read from it (its record pointer); fails with the error set.
    bool ReadyToChange(const RecordBase& record);
    std::unique_ptr<Impl> impl_;
};

// A position in one key of a table (or in file order): Set, then Next or
// Previous one record at a time. Each step continues from the key values and
// record pointer of the last record read, so a record changed during a scan
// is met at its new place when it moved forward, and deleting the current
// record skips nothing. A walk reads the records that follow a page at a time
// and hands them out while the table stays as it was; after a change (a write
// through this program's connection, or another connection's commit) the next
// step seeks afresh from the position. The cursor must not outlive its file
// object.
class KeyCursor {
public:
    explicit KeyCursor(TableFile& file);

    // Before the first record of the key; Previous then starts at the end.
    bool Set(KeyRef key);
    // At the position of a record buffer: Next reads the first record at or
    // after its key values and record pointer, Previous the last at or
    // before them (a pointer of 0 stands for all records with those values;
    // for Next, the largest pointer stands past all of them).
    bool Set(KeyRef key, const RecordBase& position);
    // Error 33 at the end of the key (the position stays where it was).
    bool Next(RecordBase& record);
    bool Previous(RecordBase& record);

private:
    enum class State { Unset, Start, Positioned };
    // A record read ahead of the position.
    struct Row {
        int64_t pointer = 0;
        std::vector<FieldValue> values; // every field
    };
    bool Step(RecordBase& record, bool forward);
    // Opens on use and starts the cursor on the key; clears the position.
    bool Begin(KeyRef key, State state);
    // True when rows read ahead in this direction are left and the table has
    // not changed since they were read.
    bool AheadValid(bool forward);
    // Reads the next page of rows from the position (throws on failure).
    void ReadAhead(bool forward);
    // False when a row read ahead does not lie beyond the one before it
    // (the first: beyond the position) in the walk's direction: the file is
    // damaged.
    bool AheadMovesOn(bool forward) const;
    // <0, 0, >0 as the row lies before, at or after the row before it (the
    // position when none) in the key's order: key values, then pointer.
    int Compare(const Row& row, const Row* before) const;
    // Hands out the next row read ahead and moves the position to it.
    void Take(RecordBase& record);

    TableFile* file_;
    int key_ = -1; // -1 = file order
    State state_ = State::Unset;
    bool inclusive_ = false; // the next step may return the position itself
    std::vector<FieldValue> values_; // key values at the position
    int64_t pointer_ = 0;

    std::vector<Row> ahead_; // rows read ahead, in walk order
    size_t next_ = 0;        // the next of them to hand out
    bool aheadForward_ = true;
    LogIndexHeader aheadStamp_{}; // the file's commit stamp from before they were read
    uint64_t aheadMark_ = 0;   // and the connection's change mark
    int page_ = 1;             // rows the next read asks for
};

} // namespace vl

namespace vl {
// How long an operation waits for another program's lock on a data file
// before it fails with error 32 (5 seconds unless set; for connections made
// afterwards).
void SetLockWait(int milliseconds);
int LockWait();
} // namespace vl
