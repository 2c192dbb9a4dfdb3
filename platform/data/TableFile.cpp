#include "platform/data/TableFile.h"

#include "platform/data/Catalog.h"
#include "platform/data/DamagedFileNotice.h"
#include "platform/data/DataFileName.h"
#include "platform/data/TableDeclaration.h"
#include "platform/data/TableFileImpl.h"

#include <sqlite3.h>

namespace vl {

namespace {

bool CanRead(int mode)
{
    return (mode & 0x0f) != AccessMode::kWriteOnly;
}

bool CanWrite(int mode)
{
    return (mode & 0x0f) != AccessMode::kReadOnly;
}

} // namespace

// ---- the inside ----------------------------------------------------------

bool TableFile::Impl::Fail(DataError failure)
{
    failure.file = name;
    if (failure.text.isEmpty())
        failure.text = DataErrorText(failure.code);
    NoteDataFileFailure(connection ? connection->Path() : ResolveDataFileName(name, def->Label()).path, failure);
    error = std::move(failure);
    return false;
}

bool TableFile::Impl::Succeed()
{
    error = DataError();
    return true;
}

bool TableFile::Impl::EnsureOpen()
{
    if (openCount > 0 && CanRead(accessMode))
        return true;
    if (openCount > 0)
        return Fail(DataError::Make(kAccessDenied));
    return Fail(DataError::Make(kFileNotOpen));
}

bool TableFile::Impl::EnsureWritable()
{
    if (openCount == 0)
        return Fail(DataError::Make(kFileNotOpen));
    if (!CanWrite(accessMode))
        return Fail(DataError::Make(kAccessDenied));
    return true;
}

bool TableFile::Impl::ResolveKey(KeyRef key, int& index)
{
    if (key.name == nullptr) {
        index = -1;
        return true;
    }
    if (key.name != lastKeyName) {
        const int found = def->KeyIndex(QString::fromLatin1(key.name));
        if (found < 0) {
            DataError failure = DataError::Make(kFileSystemError);
            failure.driverMessage = QStringLiteral("no key %1 in %2").arg(QString::fromLatin1(key.name), def->Label());
            return Fail(failure);
        }
        lastKeyName = key.name;
        lastKeyIndex = found;
    }
    index = lastKeyIndex;
    return true;
}

SQLite::Statement& TableFile::Impl::Prepare(const std::string& text)
{
    auto found = statements.find(&text);
    if (found != statements.end())
        return *found->second;
    auto statement = std::make_unique<SQLite::Statement>(connection->Db(), text);
    SQLite::Statement& prepared = *statement;
    statements.emplace(&text, std::move(statement));
    return prepared;
}

void TableFile::Impl::ReleaseStatements()
{
    statements.clear();
}

std::vector<FieldValue> ReadValues(const TableDef& def, SQLite::Statement& statement, int64_t& pointer)
{
    pointer = statement.getColumn(0).getInt64();
    const std::vector<FieldDef>& fields = def.Fields();
    std::vector<FieldValue> values;
    values.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const SQLite::Column column = statement.getColumn(static_cast<int>(i) + 1);
        const FieldDef& field = fields[i];
        if (field.IsText())
            values.emplace_back(QString::fromUtf8(static_cast<const char*>(column.getBlob()), column.getBytes()));
        else if (field.type == FieldType::Real || field.type == FieldType::Decimal)
            values.emplace_back(column.getDouble());
        else
            values.emplace_back(static_cast<int64_t>(column.getInt64()));
    }
    return values;
}

void SetValues(const TableDef& def, const std::vector<FieldValue>& values, RecordBase& record)
{
    const std::vector<FieldDef>& fields = def.Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i].set(record, values[i]);
}

void ReadRecord(const TableDef& def, SQLite::Statement& statement, RecordBase& record)
{
    int64_t pointer = 0;
    SetValues(def, ReadValues(def, statement, pointer), record);
    record.RecordPointer = pointer;
}

int BindKeyValues(const TableDef& def, const KeyDef* key, const RecordBase& record, SQLite::Statement& statement,
                  int first, int count)
{
    int index = first;
    if (!key)
        return index;
    for (int c = 0; c < count; ++c)
        BindFieldValue(statement, index++, def.StoredValue(key->components[c].field, record));
    return index;
}

namespace {

// The first unique key under which another record (other than pointer) has
// the values of record.
QString KeyRefusing(TableFile::Impl& d, const RecordBase& record, int64_t pointer)
{
    const TableDef& def = *d.def;
    for (size_t k = 0; k < def.Keys().size(); ++k) {
        const KeyDef& key = def.Keys()[k];
        if (!key.unique)
            continue;
        try {
            StatementUse probe(d.Prepare(d.sql->keys[k].uniqueProbe));
            const int next = BindKeyValues(def, &key, record, *probe, 1, static_cast<int>(key.components.size()));
            probe->bind(next, static_cast<int64_t>(pointer));
            if (probe->executeStep())
                return key.name;
        } catch (const std::exception&) {
            // The key stays unnamed.
        }
    }
    return QString();
}

DataError WriteFailure(TableFile::Impl& d, const std::exception& failure, const RecordBase& record, int64_t pointer)
{
    const DataError error = EngineError(failure, d.name);
    return error.code == kDuplicateKey ? DataError::DuplicateKey(KeyRefusing(d, record, pointer), d.name) : error;
}

void BindRecord(const TableDef& def, const RecordBase& record, SQLite::Statement& statement)
{
    for (size_t i = 0; i < def.Fields().size(); ++i)
        BindFieldValue(statement, static_cast<int>(i) + 1, def.StoredValue(static_cast<int>(i), record));
}

} // namespace

// ---- opening and closing ---------------------------------------------------

TableFile::TableFile(std::shared_ptr<const TableDef> def) : impl_(std::make_unique<Impl>())
{
    impl_->def = std::move(def);
    impl_->name = impl_->def->FileName();
}

TableFile::~TableFile()
{
    while (impl_->openCount > 0)
        Close();
}

const TableDef& TableFile::Definition() const
{
    return *impl_->def;
}

const std::shared_ptr<const TableDef>& TableFile::DefinitionPtr() const
{
    return impl_->def;
}

QString TableFile::Name() const
{
    return impl_->name;
}

void TableFile::SetName(const QString& name)
{
    impl_->name = name;
}

bool TableFile::Open(int accessMode, bool createIfMissing)
{
    Impl& d = *impl_;
    if (d.openCount > 0) {
        ++d.openCount;
        d.Fail(DataError::Make(kFileAlreadyOpen));
        return true;
    }
    const int mode = accessMode == kDeclaredMode ? d.def->AccessMode() : accessMode;
    const DataFileName file = ResolveDataFileName(d.name, d.def->Label());
    DataError error;
    std::shared_ptr<DataConnection> connection = DataConnection::Connect(file.path, createIfMissing, error);
    if (!connection)
        return d.Fail(error);
    if (!d.sql || d.sqlTable != file.table) {
        d.sql = std::make_unique<TableSql>(BuildTableSql(*d.def, file.table));
        d.sqlTable = file.table;
    }
    error = PrepareStoredTable(*connection, *d.def, file.table, *d.sql, createIfMissing, d.name);
    if (!error.Ok())
        return d.Fail(error);
    d.connection = std::move(connection);
    d.table = file.table;
    d.accessMode = mode;
    d.openCount = 1;
    return d.Succeed();
}

bool TableFile::Create()
{
    Impl& d = *impl_;
    if (d.openCount > 0)
        return d.Succeed();
    if (!Open(kDeclaredMode, true))
        return false;
    Close();
    return d.Succeed();
}

void TableFile::Close()
{
    Impl& d = *impl_;
    // A mark not yet turned into an open is one user of the table: its Close
    // takes the mark back. Whichever user closes first, the table stays open
    // (or openable on use) for as long as any user is left.
    if (d.markedForUse) {
        d.markedForUse = false;
        d.Succeed();
        return;
    }
    if (d.openCount == 0)
        return;
    if (--d.openCount > 0) {
        d.Succeed();
        return;
    }
    // A batch still running is committed; one that cannot be is undone, and
    // reported.
    DataError failure;
    while (d.streams > 0) {
        if (!Flush())
            failure = d.error;
    }
    d.ReleaseStatements();
    d.connection.reset();
    d.lastKeyName = nullptr;
    if (!failure.Ok()) {
        d.Fail(failure);
        return;
    }
    d.Succeed();
}

void TableFile::MarkForUse()
{
    impl_->markedForUse = true;
}

bool TableFile::OpenForUse()
{
    Impl& d = *impl_;
    if (!d.markedForUse || d.openCount > 0)
        return true;
    if (!Open())
        return false;
    // The open made on first use takes the mark's place.
    d.markedForUse = false;
    return true;
}

bool TableFile::IsOpen() const
{
    return impl_->openCount > 0;
}

int TableFile::OpenCount() const
{
    return impl_->openCount;
}

bool TableFile::Storage(std::shared_ptr<DataConnection>& connection, QString& table)
{
    Impl& d = *impl_;
    if (!OpenForUse() || !d.EnsureOpen())
        return false;
    connection = d.connection;
    table = d.table;
    return d.Succeed();
}

// ---- whole-table work -------------------------------------------------------

int64_t TableFile::Records()
{
    Impl& d = *impl_;
    if (!OpenForUse())
        return 0;
    if (!d.EnsureOpen())
        return 0;
    try {
        StatementUse count(d.Prepare(d.sql->count));
        count->executeStep();
        d.Succeed();
        return count->getColumn(0).getInt64();
    } catch (const std::exception& failure) {
        d.Fail(EngineError(failure, d.name));
        return 0;
    }
}

bool TableFile::Stream()
{
    Impl& d = *impl_;
    if (!OpenForUse())
        return false;
    if (!d.EnsureWritable())
        return false;
    try {
        // The outermost batch takes the write lock at once; a nested one is
        // a savepoint that Rollback can undo alone.
        d.connection->Db().exec(d.connection->streamDepth == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT vl_batch");
        ++d.connection->streamDepth;
        ++d.streams;
        return d.Succeed();
    } catch (const std::exception& failure) {
        return d.Fail(EngineError(failure, d.name));
    }
}

namespace {

// Ends the innermost batch of the connection with its writes undone.
void UndoBatch(DataConnection& connection)
{
    sqlite3* db = connection.Db().getHandle();
    if (connection.streamDepth > 1)
        sqlite3_exec(db, "ROLLBACK TO vl_batch; RELEASE vl_batch", nullptr, nullptr, nullptr);
    else if (connection.InTransaction())
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    --connection.streamDepth;
    connection.NoteChange();
}

} // namespace

bool TableFile::Flush()
{
    Impl& d = *impl_;
    if (d.streams == 0)
        return d.Succeed();
    --d.streams;
    try {
        d.connection->Db().exec(d.connection->streamDepth == 1 ? "COMMIT" : "RELEASE vl_batch");
        --d.connection->streamDepth;
        return d.Succeed();
    } catch (const std::exception& failure) {
        // Nothing of the batch stays: left open, it would hold the write lock
        // and swallow every later write.
        const DataError error = EngineError(failure, d.name);
        UndoBatch(*d.connection);
        return d.Fail(error);
    }
}

bool TableFile::Rollback()
{
    Impl& d = *impl_;
    if (d.streams == 0)
        return d.Succeed();
    --d.streams;
    UndoBatch(*d.connection);
    return d.Succeed();
}

bool TableFile::RebuildKeys()
{
    Impl& d = *impl_;
    const DataFileName file = ResolveDataFileName(d.name, d.def->Label());
    DataError error;
    std::shared_ptr<DataConnection> connection = d.connection;
    if (!connection)
        connection = DataConnection::Connect(file.path, false, error);
    if (!connection)
        return d.Fail(error);
    const QString table = d.openCount > 0 ? d.table : file.table;
    d.ReleaseStatements(); // rebuilt keys invalidate prepared statements
    error = RebuildStoredKeys(*connection, *d.def, table, BuildTableSql(*d.def, table));
    return error.Ok() ? d.Succeed() : d.Fail(error);
}

// ---- records ------------------------------------------------------------------

bool TableFile::GetByKey(KeyRef key, RecordBase& record)
{
    Impl& d = *impl_;
    if (!OpenForUse())
        return false;
    int index = -1;
    if (!d.EnsureOpen() || !d.ResolveKey(key, index))
        return false;
    if (index < 0)
        return GetByPointer(record.RecordPointer, record);
    try {
        const KeyDef& keyDef = d.def->Keys()[index];
        StatementUse get(d.Prepare(d.SqlFor(index).getEqual));
        BindKeyValues(*d.def, &keyDef, record, *get, 1, static_cast<int>(keyDef.components.size()));
        if (!get->executeStep())
            return d.Fail(DataError::Make(kRecordNotFound));
        ReadRecord(*d.def, *get, record);
        return d.Succeed();
    } catch (const std::exception& failure) {
        return d.Fail(EngineError(failure, d.name));
    }
}

bool TableFile::GetByPointer(int64_t pointer, RecordBase& record)
{
    Impl& d = *impl_;
    if (!OpenForUse())
        return false;
    if (!d.EnsureOpen())
        return false;
    try {
        StatementUse get(d.Prepare(d.sql->selectByPointer));
        get->bind(1, static_cast<int64_t>(pointer));
        if (!get->executeStep())
            return d.Fail(DataError::Make(kRecordNotFound));
        ReadRecord(*d.def, *get, record);
        return d.Succeed();
    } catch (const std::exception& failure) {
        return d.Fail(EngineError(failure, d.name));
    }
}

bool TableFile::AddRecord(RecordBase& record)
{
    Impl& d = *impl_;
    if (!OpenForUse())
        return false;
    if (!d.EnsureWritable())
        return false;
    const TableDef& def = *d.def;
    // Numbers given on this attempt, undone when the add fails.
    std::vector<std::pair<int, FieldValue>> numbered;
    d.connection->NoteChange();
    try {
        // The highest number is read and the record inserted in one write
        // transaction, so no other program can take the same number.
        WriteTransaction transaction(*d.connection, WriteTransaction::Inside::Join);
        for (size_t k = 0; k < def.Keys().size(); ++k) {
            const KeyDef& key = def.Keys()[k];
            if (!key.autoNumber)
                continue;
            const FieldDef& last = def.Fields()[key.components.back().field];
            if (TableDefBuilder::ToInteger(def.StoredValue(key.components.back().field, record)) != 0)
                continue;
            StatementUse highest(d.Prepare(d.sql->keys[k].maxAutoNumber));
            BindKeyValues(def, &key, record, *highest, 1, static_cast<int>(key.components.size()) - 1);
            highest->executeStep();
            const int64_t top = highest->getColumn(0).isNull() ? 0 : highest->getColumn(0).getInt64();
            numbered.emplace_back(key.components.back().field, last.get(record));
            last.set(record, NormaliseValue(last, top + 1));
        }
        {
            StatementUse insert(d.Prepare(d.sql->insert));
            BindRecord(def, record, *insert);
            insert->exec();
        }
        const int64_t pointer = d.connection->Db().getLastInsertRowid();
        transaction.Commit();
        record.RecordPointer = pointer;
        return d.Succeed();
    } catch (const std::exception& failure) {
        const DataError error = WriteFailure(d, failure, record, 0);
        for (const auto& [field, value] : numbered)
            def.Fields()[field].set(record, value);
        return d.Fail(error);
    }
}

bool TableFile::ReadyToChange(const RecordBase& record)
{
    Impl& d = *impl_;
    if (!OpenForUse() || !d.EnsureWritable())
        return false;
    if (record.RecordPointer == 0)
        return d.Fail(DataError::Make(kRecordNotAvailable));
    return true;
}

bool TableFile::PutRecord(RecordBase& record)
{
    Impl& d = *impl_;
    if (!ReadyToChange(record))
        return false;
    d.connection->NoteChange();
    try {
        StatementUse update(d.Prepare(d.sql->update));
        BindRecord(*d.def, record, *update);
        update->bind(static_cast<int>(d.def->Fields().size()) + 1, static_cast<int64_t>(record.RecordPointer));
        if (update->exec() == 0)
            return d.Fail(DataError::Make(kRecordNotAvailable));
        return d.Succeed();
    } catch (const std::exception& failure) {
        return d.Fail(WriteFailure(d, failure, record, record.RecordPointer));
    }
}

bool TableFile::DeleteRecord(const RecordBase& record)
{
    Impl& d = *impl_;
    if (!ReadyToChange(record))
        return false;
    d.connection->NoteChange();
    try {
        StatementUse erase(d.Prepare(d.sql->deleteByPointer));
        erase->bind(1, static_cast<int64_t>(record.RecordPointer));
        if (erase->exec() == 0)
            return d.Fail(DataError::Make(kRecordNotAvailable));
        return d.Succeed();
    } catch (const std::exception& failure) {
        return d.Fail(EngineError(failure, d.name));
    }
}

KeyCursor& TableFile::OwnCursor()
{
    if (!impl_->cursor)
        impl_->cursor = std::make_unique<KeyCursor>(*this);
    return *impl_->cursor;
}

// ---- errors -------------------------------------------------------------------

const DataError& TableFile::LastError() const
{
    return impl_->error;
}

int TableFile::ErrorCode() const
{
    return impl_->error.code;
}

QString TableFile::Error() const
{
    return impl_->error.text;
}

QString TableFile::ErrorFile() const
{
    return impl_->error.file;
}

int TableFile::FileErrorCode() const
{
    return impl_->error.driverCode;
}

QString TableFile::FileError() const
{
    return impl_->error.driverMessage;
}

} // namespace vl
