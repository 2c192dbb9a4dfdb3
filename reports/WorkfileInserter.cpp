#include "reports/WorkfileInserter.h"

#include "platform/data/Connection.h"
#include "platform/data/FieldBinding.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

namespace vl {

WorkfileInserter::WorkfileInserter(Table<ScheduleRecord>& workfile)
    : def_(workfile.Definition()), file_(workfile.Name()),
      id_(def_.FieldIndex(QStringLiteral("SCW:ID"))), date_(def_.FieldIndex(QStringLiteral("SCW:Date"))),
      time_(def_.FieldIndex(QStringLiteral("SCW:Time"))), every_(def_.FieldIndex(QStringLiteral("SCW:Every"))),
      completed_(def_.FieldIndex(QStringLiteral("SCW:Completed")))
{
    QString table;
    if (!workfile.Storage(connection_, table)) {
        error_ = workfile.LastError();
        return;
    }
    try {
        TableSql sql = BuildTableSql(def_, table);
        keys_ = std::move(sql.keys);
        statement_ = std::make_unique<SQLite::Statement>(connection_->Db(), sql.insert);
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_);
    }
}

WorkfileInserter::~WorkfileInserter() = default;

bool WorkfileInserter::TreatAsScratch()
{
    try {
        SQLite::Database& db = connection_->Db();
        db.exec("PRAGMA synchronous = OFF");
        db.exec("PRAGMA wal_autocheckpoint = 0");
        const int done = sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        if (done != SQLITE_OK)
            throw SQLite::Exception(db.getHandle(), done);
        return true;
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_);
        return false;
    }
}

bool WorkfileInserter::SetKeysAside()
{
    try {
        connection_->NoteChange();
        // Room to hold the file and sort each key in memory when it is
        // built; the work file's connection is its own.
        connection_->Db().exec("PRAGMA cache_size = -65536");
        for (const KeySql& key : keys_)
            connection_->Db().exec("DROP INDEX IF EXISTS " + QuoteName(QString::fromStdString(key.indexName)));
        return true;
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_);
        return false;
    }
}

bool WorkfileInserter::BuildKey(KeyRef key)
{
    if (key.name == nullptr)
        return true; // record order needs no key
    const int index = def_.KeyIndex(QString::fromLatin1(key.name));
    if (index < 0) {
        error_ = DataError::Make(kFileSystemError);
        error_.driverMessage = QStringLiteral("no key %1 in %2").arg(QString::fromLatin1(key.name), def_.Label());
        return false;
    }
    try {
        connection_->NoteChange();
        connection_->Db().exec(keys_[index].createIndex);
        return true;
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_);
        return false;
    }
}

void WorkfileInserter::Bind(int field, const ScheduleRecord& record)
{
    BindFieldValue(*statement_, field + 1, def_.StoredValue(field, record));
}

void WorkfileInserter::BindTask(const ScheduleRecord& task)
{
    ScheduleRecord copy = task;
    copy.Message.clear();
    const int fields = int(def_.Fields().size());
    for (int field = 0; field < fields; ++field)
        Bind(field, copy);
}

bool WorkfileInserter::Add(const ScheduleRecord& occurrence, int32_t id)
{
    ScheduleRecord numbered;
    numbered.ID = id;
    Bind(id_, numbered);
    for (const int field : {date_, time_, every_, completed_})
        Bind(field, occurrence);
    try {
        connection_->NoteChange();
        statement_->exec();
        statement_->reset();
        return true;
    } catch (const std::exception& failure) {
        statement_->tryReset();
        error_ = EngineError(failure, file_);
        return false;
    }
}

} // namespace vl
