#include "reports/WorkfileInserter.h"

#include "platform/data/Connection.h"
#include "platform/data/FieldBinding.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

#include <type_traits>

namespace vl {
namespace {

// The insert of one record made to insert `rows` records: its list of values
// repeated (the parameters number on through the rows).
std::string InsertRows(const std::string& insert, int rows)
{
    const std::string values = insert.substr(insert.rfind(" VALUES (") + 8);
    std::string sql = insert;
    for (int row = 1; row < rows; ++row)
        sql += ", " + values;
    return sql;
}

} // namespace

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
        insert_ = sql.insert;
        statement_ = std::make_unique<SQLite::Statement>(connection_->Db(), InsertRows(insert_, kRows));
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

void WorkfileInserter::Bind(SQLite::Statement& statement, int row, int field, const ScheduleRecord& record)
{
    const int fields = int(def_.Fields().size());
    BindFieldValue(statement, row * fields + field + 1, def_.StoredValue(field, record));
}

bool WorkfileInserter::Run(SQLite::Statement& statement)
{
    try {
        connection_->NoteChange();
        statement.exec();
        statement.reset();
        return true;
    } catch (const std::exception& failure) {
        statement.tryReset();
        error_ = EngineError(failure, file_);
        return false;
    }
}

void WorkfileInserter::BindTask(const ScheduleRecord& task)
{
    ScheduleRecord copy = task;
    copy.Message.clear();
    const int fields = int(def_.Fields().size());
    auto values = std::make_shared<TaskValues>();
    values->reserve(size_t(fields));
    for (int field = 0; field < fields; ++field) {
        const FieldValue value = def_.StoredValue(field, copy);
        if (const auto* text = std::get_if<QString>(&value))
            values->emplace_back(text->toStdString());
        else if (const auto* number = std::get_if<int64_t>(&value))
            values->emplace_back(*number);
        else
            values->emplace_back(std::get<double>(value));
    }
    task_ = std::move(values);
}

bool WorkfileInserter::Add(const ScheduleRecord& occurrence, int32_t id)
{
    const int row = heldCount_++;
    ScheduleRecord& held = held_[row];
    held = occurrence;
    held.Message.clear();
    held.ID = id;
    if (rowTask_[row] != task_) {
        const int fields = int(task_->size());
        for (int field = 0; field < fields; ++field) {
            const int index = row * fields + field + 1;
            std::visit(
                [&](const auto& value) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                        statement_->bindNoCopy(index, value);
                    else
                        statement_->bind(index, value);
                },
                (*task_)[size_t(field)]);
        }
        rowTask_[row] = task_;
    }
    for (const int field : {id_, date_, time_, every_, completed_})
        Bind(*statement_, row, field, held);
    if (heldCount_ < kRows)
        return true;
    heldCount_ = 0;
    return Run(*statement_);
}

bool WorkfileInserter::Flush()
{
    if (heldCount_ == 0)
        return true;
    try {
        SQLite::Statement rest(connection_->Db(), InsertRows(insert_, heldCount_));
        const int fields = int(def_.Fields().size());
        for (int row = 0; row < heldCount_; ++row) {
            for (int field = 0; field < fields; ++field)
                Bind(rest, row, field, held_[row]);
        }
        heldCount_ = 0;
        return Run(rest);
    } catch (const std::exception& failure) {
        error_ = EngineError(failure, file_);
        return false;
    }
}

} // namespace vl
