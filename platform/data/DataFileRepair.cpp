#include "platform/data/DataFileRepair.h"

#include "platform/data/Connection.h"
#include "platform/data/KeySql.h"
#include "platform/data/NoCaseCollation.h"

#include <QFile>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <limits>
#include <optional>
#include <vector>

namespace vl {

namespace {

constexpr int64_t kNoRowYet = std::numeric_limits<int64_t>::min();

std::string Quoted(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool IsDamage(const SQLite::Exception& failure)
{
    const int primary = failure.getErrorCode() & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

void BindValue(SQLite::Statement& statement, int index, const SQLite::Column& value)
{
    switch (value.getType()) {
    case SQLITE_INTEGER:
        statement.bind(index, value.getInt64());
        break;
    case SQLITE_FLOAT:
        statement.bind(index, value.getDouble());
        break;
    case SQLITE_TEXT:
        statement.bind(index, value.getString());
        break;
    case SQLITE_BLOB:
        statement.bind(index, value.getBlob(), value.getBytes());
        break;
    default:
        statement.bind(index);
        break;
    }
}

// The integrity check's findings; a check that cannot even run is a finding.
QStringList Findings(SQLite::Database& db)
{
    QStringList findings;
    try {
        SQLite::Statement check(db, "PRAGMA integrity_check");
        while (check.executeStep()) {
            const QString line = QString::fromUtf8(check.getColumn(0).getText());
            if (line != QLatin1String("ok"))
                findings.append(line);
        }
    } catch (const SQLite::Exception& failure) {
        if (!IsDamage(failure))
            throw;
        findings.append(QString::fromUtf8(failure.what()));
    }
    return findings;
}

struct SchemaEntry {
    std::string type;
    std::string name;
    std::string sql;
};

std::vector<SchemaEntry> ReadSchema(SQLite::Database& db)
{
    std::vector<SchemaEntry> schema;
    SQLite::Statement read(db, "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL "
                               "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    while (read.executeStep())
        schema.push_back({read.getColumn(0).getString(), read.getColumn(1).getString(), read.getColumn(2).getString()});
    return schema;
}

// Copies the records of one table in record order, passing over stretches
// that cannot be read.
class TableSalvage {
public:
    TableSalvage(SQLite::Database& source, SQLite::Database& target, const std::string& table)
        : source_(source), quoted_(Quoted(table))
    {
        SQLite::Statement shape(source_, "SELECT * FROM " + quoted_ + " LIMIT 0");
        std::string values;
        for (int i = 0; i < shape.getColumnCount(); ++i)
            values += i ? ",?" : "?";
        columns_ = shape.getColumnCount();
        insert_ = std::make_unique<SQLite::Statement>(target, "INSERT INTO " + quoted_ + " VALUES (" + values + ")");
    }

    // Returns the number of records copied.
    int64_t Run(DataFileRepair& result)
    {
        int64_t kept = 0;
        int64_t last = kNoRowYet;
        for (;;) {
            try {
                SQLite::Statement read(source_, "SELECT rowid, * FROM " + quoted_ + " WHERE rowid > ? ORDER BY rowid");
                read.bind(1, last);
                while (read.executeStep()) {
                    for (int i = 0; i < columns_; ++i)
                        BindValue(*insert_, i + 1, read.getColumn(i + 1));
                    insert_->exec();
                    insert_->reset();
                    last = read.getColumn(0).getInt64();
                    ++kept;
                }
                return kept;
            } catch (const SQLite::Exception& failure) {
                if (!IsDamage(failure))
                    throw;
                ++result.unreadablePlaces;
                const std::optional<int64_t> next = NextReadable(last);
                if (!next)
                    return kept;
                last = *next - 1;
            }
        }
    }

private:
    enum class Probe { Row, End, Damaged };

    // Whether the first record after start can be read (all its fields).
    Probe Try(int64_t start, int64_t* found = nullptr)
    {
        try {
            SQLite::Statement read(source_, "SELECT rowid, * FROM " + quoted_ + " WHERE rowid > ? ORDER BY rowid LIMIT 1");
            read.bind(1, start);
            if (!read.executeStep())
                return Probe::End;
            for (int i = 0; i <= columns_; ++i)
                (void)read.getColumn(i).getBytes();
            if (found)
                *found = read.getColumn(0).getInt64();
            return Probe::Row;
        } catch (const SQLite::Exception& failure) {
            if (!IsDamage(failure))
                throw;
            return Probe::Damaged;
        }
    }

    // The first readable record after the damaged place that follows
    // record `after`: seeks ever further until a seek reads again, then
    // narrows back to where reading starts working.
    std::optional<int64_t> NextReadable(int64_t after)
    {
        constexpr int64_t kLast = std::numeric_limits<int64_t>::max();
        int64_t bad = after;
        int64_t good = 0;
        bool reached = false;
        for (int64_t step = 1; !reached; step = step > kLast / 2 ? kLast : step * 2) {
            const int64_t probe = bad > std::numeric_limits<int64_t>::max() - step ? std::numeric_limits<int64_t>::max()
                                                                                   : bad + step;
            if (Try(probe) != Probe::Damaged) {
                good = probe;
                reached = true;
            } else if (probe == std::numeric_limits<int64_t>::max()) {
                return std::nullopt;
            } else {
                bad = probe;
            }
        }
        while (good - bad > 1) {
            const int64_t middle = bad + (good - bad) / 2;
            (Try(middle) == Probe::Damaged ? bad : good) = middle;
        }
        int64_t found = 0;
        return Try(good, &found) == Probe::Row ? std::optional<int64_t>(found) : std::nullopt;
    }

    SQLite::Database& source_;
    std::string quoted_;
    int columns_ = 0;
    std::unique_ptr<SQLite::Statement> insert_;
};

// Writes every readable record of source into a new file at target, with
// the source's tables, keys and numbering, and checks the result.
void Salvage(SQLite::Database& source, const QString& target, DataFileRepair& result,
             const std::function<void(int)>& progress)
{
    const std::vector<SchemaEntry> schema = ReadSchema(source);
    SQLite::Database fixed(target.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    if (!RegisterNoCaseCollation(fixed.getHandle()))
        throw SQLite::Exception("cannot register the key collation");
    // The new content later replaces the old page by page: same page size.
    fixed.exec("PRAGMA page_size = " + std::to_string(source.execAndGet("PRAGMA page_size").getInt()));
    fixed.exec("PRAGMA user_version = " + std::to_string(source.execAndGet("PRAGMA user_version").getInt()));
    fixed.exec("BEGIN");
    std::vector<std::string> tables;
    for (const SchemaEntry& entry : schema) {
        if (entry.type == "table") {
            fixed.exec(entry.sql);
            tables.push_back(entry.name);
        }
    }
    for (size_t i = 0; i < tables.size(); ++i) {
        const int64_t kept = TableSalvage(source, fixed, tables[i]).Run(result);
        if (tables[i] != kCatalogTable)
            result.recordsKept += kept;
        if (progress)
            progress(static_cast<int>((i + 1) * 100 / tables.size()));
    }
    // Numbering goes on after the highest number ever given, where it can
    // still be read.
    try {
        SQLite::Statement numbers(source, "SELECT name, seq FROM sqlite_sequence");
        SQLite::Statement raise(fixed, "UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?");
        while (numbers.executeStep()) {
            raise.bind(1, numbers.getColumn(1).getInt64());
            raise.bind(2, numbers.getColumn(0).getString());
            raise.exec();
            raise.reset();
        }
    } catch (const SQLite::Exception& failure) {
        if (!IsDamage(failure) && source.tableExists("sqlite_sequence"))
            throw;
    }
    for (const SchemaEntry& entry : schema) {
        if (entry.type != "table")
            fixed.exec(entry.sql);
    }
    fixed.exec("COMMIT");
    const QStringList left = Findings(fixed);
    if (!left.isEmpty())
        throw SQLite::Exception("the repaired copy is still damaged: " + left.first().toStdString());
}

// Keeps the damaged file under a name of its own beside it.
QString KeepDamagedCopy(const QString& path)
{
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 2; QFile::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged%1").arg(n);
    QFile original(path);
    if (!original.copy(copy))
        throw SQLite::Exception("cannot keep a copy of the damaged file: " + original.errorString().toStdString());
    return copy;
}

} // namespace

DataError RepairDataFile(const QString& path, DataFileRepair& result, const std::function<void(int)>& progress)
{
    result = DataFileRepair();
    DataError error;
    std::unique_ptr<DataConnection> connection = DataConnection::ConnectPrivate(path, error);
    if (!connection) {
        error.file = path;
        return error;
    }
    const QString fixPath = path + QStringLiteral(".fix");
    try {
        SQLite::Database& db = connection->Db();
        // From the first read on, this connection holds the file alone until
        // it closes: nobody writes between the copy and the replacement.
        db.exec("PRAGMA locking_mode = EXCLUSIVE");
        db.exec("BEGIN EXCLUSIVE");
        db.execAndGet("SELECT COUNT(*) FROM sqlite_master");
        db.exec("COMMIT");
        // Everything committed moves from the log into the file, so that the
        // kept copy of the file holds it too.
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        result.findings = Findings(db);
        if (result.findings.isEmpty())
            return DataError();

        QFile::remove(fixPath); // left by a repair that was interrupted
        Salvage(db, fixPath, result, progress);
        result.damagedCopy = KeepDamagedCopy(path);
        {
            SQLite::Database fixed(fixPath.toStdString(), SQLite::OPEN_READONLY);
            SQLite::Backup replace(db, fixed);
            replace.executeStep(-1);
        }
        result.replaced = true;
        QFile::remove(fixPath);
        return DataError();
    } catch (const std::exception& failure) {
        QFile::remove(fixPath);
        QFile::remove(fixPath + QStringLiteral("-journal"));
        if (!result.damagedCopy.isEmpty())
            QFile::remove(result.damagedCopy); // the original is still in place
        result.damagedCopy.clear();
        result.recordsKept = 0;
        return EngineError(failure, path);
    }
}

} // namespace vl
