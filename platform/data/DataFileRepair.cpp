#include "platform/data/DataFileRepair.h"

#include "platform/data/Catalog.h"
#include "platform/data/Connection.h"
#include "platform/data/KeySql.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/PageSalvage.h"
#include "platform/data/TableFile.h"
#include "platform/runtime/FileModes.h"

#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <map>
#include <vector>

namespace vl {

namespace {

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

void BindValue(SQLite::Statement& statement, int index, const SalvagedValue& value)
{
    switch (value.type) {
    case SQLITE_INTEGER:
        statement.bind(index, value.integer);
        break;
    case SQLITE_FLOAT:
        statement.bind(index, value.real);
        break;
    case SQLITE_TEXT:
        statement.bind(index, value.bytes);
        break;
    case SQLITE_BLOB:
        statement.bind(index, value.bytes.data(), static_cast<int>(value.bytes.size()));
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

// A table of the repaired file: where its records were, and how a record
// read from the pages goes into it.
class SalvageTarget {
public:
    SalvageTarget(SQLite::Database& fixed, const std::string& name, uint32_t root)
        : fixed_(fixed), name_(name), root_(root)
    {
        SQLite::Statement columns(fixed_, "PRAGMA table_info(" + Quoted(name) + ")");
        int primaryParts = 0;
        while (columns.executeStep()) {
            Column column;
            column.name = columns.getColumn(1).getString();
            column.type = QString::fromStdString(columns.getColumn(2).getString()).toUpper().toStdString();
            column.notNull = columns.getColumn(3).getInt() != 0;
            if (columns.getColumn(5).getInt() > 0) {
                ++primaryParts;
                rowidColumn_ = column.type == "INTEGER" ? static_cast<int>(columns_.size()) : -1;
            }
            columns_.push_back(column);
        }
        if (primaryParts != 1)
            rowidColumn_ = -1;
    }

    const std::string& Name() const { return name_; }
    uint32_t Root() const { return root_; }
    // Its records were not all reached from its first page.
    bool missesPages = false;
    int placedPages = 0; // pages of records found for it apart

    // Whether a record read from a page fits this table's columns.
    bool Fits(const SalvagedRow& row) const
    {
        if (row.values.size() > columns_.size())
            return false;
        for (size_t i = 0; i < row.values.size(); ++i) {
            const Column& column = columns_[i];
            const int type = row.values[i].type;
            if (type == SQLITE_NULL) {
                if (column.notNull && static_cast<int>(i) != rowidColumn_)
                    return false;
            } else if (column.type.find("INT") != std::string::npos) {
                if (type != SQLITE_INTEGER)
                    return false;
            } else if (column.type.find("CHAR") != std::string::npos ||
                       column.type.find("TEXT") != std::string::npos) {
                if (type != SQLITE_TEXT)
                    return false;
            } else if (column.type.find("REAL") != std::string::npos) {
                if (type != SQLITE_FLOAT && type != SQLITE_INTEGER)
                    return false;
            }
        }
        return true;
    }

    // Adds the record under its own record pointer; false when the table
    // refuses it (it breaks a rule of the table, so it was not read right).
    bool Add(const SalvagedRow& row)
    {
        if (row.values.size() > columns_.size())
            return false;
        SQLite::Statement& insert = InsertOf(row.values.size());
        int index = 1;
        if (rowidColumn_ < 0)
            insert.bind(index++, row.rowid);
        for (size_t i = 0; i < row.values.size(); ++i, ++index) {
            if (static_cast<int>(i) == rowidColumn_)
                insert.bind(index, row.rowid);
            else
                BindValue(insert, index, row.values[i]);
        }
        try {
            insert.exec();
            insert.reset();
            return true;
        } catch (const SQLite::Exception& failure) {
            insert.reset();
            const int primary = failure.getErrorCode() & 0xff;
            if (primary != SQLITE_CONSTRAINT && primary != SQLITE_MISMATCH)
                throw;
            return false;
        }
    }

private:
    struct Column {
        std::string name;
        std::string type;
        bool notNull = false;
    };

    // A record written by an older layout of the table holds fewer values:
    // the columns added since take their defaults.
    SQLite::Statement& InsertOf(size_t values)
    {
        std::unique_ptr<SQLite::Statement>& insert = inserts_[values];
        if (!insert) {
            std::string names = rowidColumn_ < 0 ? "rowid" : "";
            std::string marks = rowidColumn_ < 0 ? "?" : "";
            for (size_t i = 0; i < values; ++i) {
                names += (names.empty() ? "" : ",") + Quoted(columns_[i].name);
                marks += marks.empty() ? "?" : ",?";
            }
            insert = std::make_unique<SQLite::Statement>(
                fixed_, "INSERT INTO " + Quoted(name_) + " (" + names + ") VALUES (" + marks + ")");
        }
        return *insert;
    }

    SQLite::Database& fixed_;
    std::string name_;
    uint32_t root_ = 0;
    std::vector<Column> columns_;
    int rowidColumn_ = -1;
    std::map<size_t, std::unique_ptr<SQLite::Statement>> inserts_;
};

bool IsEngineName(const std::string& name) { return name.rfind("sqlite_", 0) == 0; }

bool Exists(SQLite::Database& db, const std::string& type, const std::string& name)
{
    SQLite::Statement query(db, "SELECT 1 FROM sqlite_master WHERE type = ? AND name = ? COLLATE NOCASE");
    query.bind(1, type);
    query.bind(2, name);
    return query.executeStep();
}

// Whether the stored table has the columns the declaration gives it.
bool LaidOutAsDeclared(SQLite::Database& fixed, const std::string& table, const std::string& createTable)
{
    SQLite::Database declared(":memory:", SQLite::OPEN_READWRITE);
    declared.exec(createTable);
    const auto layout = [](SQLite::Database& db, const std::string& name) {
        std::vector<std::string> columns;
        SQLite::Statement info(db, "PRAGMA table_info(" + Quoted(name) + ")");
        while (info.executeStep()) {
            std::string column;
            for (int i = 1; i < info.getColumnCount(); ++i)
                column += info.getColumn(i).getString() + "|";
            columns.push_back(column);
        }
        return columns;
    };
    SQLite::Statement name(declared, "SELECT name FROM sqlite_master WHERE type = 'table'");
    return name.executeStep() && layout(fixed, table) == layout(declared, name.getColumn(0).getString());
}

bool Described(SQLite::Database& fixed, const QString& table)
{
    if (!Exists(fixed, "table", kCatalogTable))
        return false;
    SQLite::Statement query(fixed,
                            std::string("SELECT 1 FROM ") + kCatalogTable + " WHERE table_name = ? COLLATE NOCASE");
    query.bind(1, table.toStdString());
    return query.executeStep();
}

// Makes the tables of the repaired file: those the file still describes,
// then the declared ones it no longer does.
std::vector<std::unique_ptr<SalvageTarget>> MakeTables(SQLite::Database& fixed,
                                                       const std::vector<SalvagedSchemaEntry>& schema,
                                                       const std::vector<DeclaredTable>& declared,
                                                       DataFileRepair& result)
{
    std::vector<std::unique_ptr<SalvageTarget>> targets;
    for (const SalvagedSchemaEntry& entry : schema) {
        if (entry.type != "table" || IsEngineName(entry.name))
            continue;
        try {
            fixed.exec(entry.sql);
            targets.push_back(std::make_unique<SalvageTarget>(fixed, entry.name, entry.root));
        } catch (const SQLite::Exception&) {
            // A description that no longer reads: the table is made from its
            // declaration below, or lost.
        }
    }
    for (const DeclaredTable& table : declared) {
        const std::string name = table.table.toStdString();
        if (Exists(fixed, "table", name))
            continue;
        fixed.exec(BuildTableSql(*table.definition, table.table).createTable);
        targets.push_back(std::make_unique<SalvageTarget>(fixed, name, 0));
        targets.back()->missesPages = true;
    }
    for (const SalvagedSchemaEntry& entry : schema) {
        if (entry.type == "table" && !IsEngineName(entry.name) && entry.name != kCatalogTable &&
            !Exists(fixed, "table", entry.name))
            result.tablesLost.append(QString::fromStdString(entry.name));
    }
    return targets;
}

// The keys, and the other entries of the file's list, once the records are
// in; a declared table gets the keys it declares and its description.
void MakeKeys(SQLite::Database& fixed, const std::vector<SalvagedSchemaEntry>& schema,
              const std::vector<DeclaredTable>& declared)
{
    for (const SalvagedSchemaEntry& entry : schema) {
        if (entry.type == "table" || entry.sql.empty() || !Exists(fixed, "table", entry.table))
            continue;
        try {
            fixed.exec(entry.sql);
        } catch (const SQLite::Exception& failure) {
            // A key of a declared table is made from its declaration below.
            if ((failure.getErrorCode() & 0xff) == SQLITE_CONSTRAINT)
                throw;
        }
    }
    for (const DeclaredTable& table : declared) {
        const TableSql sql = BuildTableSql(*table.definition, table.table);
        const std::string name = table.table.toStdString();
        if (!LaidOutAsDeclared(fixed, name, sql.createTable))
            continue; // another layout: its open says so
        for (const KeySql& key : sql.keys) {
            if (!Exists(fixed, "index", key.indexName))
                fixed.exec(key.createIndex);
        }
        if (!Described(fixed, table.table))
            WriteCatalogRow(fixed, *table.definition, table.table);
    }
}

// Whether the records are the engine's numbering: each names a table of the
// repaired file and the highest number given in it.
bool IsNumbering(SQLite::Database& fixed, const std::vector<SalvagedRow>& rows)
{
    for (const SalvagedRow& row : rows) {
        if (row.values.size() != 2 || row.values[0].type != SQLITE_TEXT || row.values[1].type != SQLITE_INTEGER ||
            !Exists(fixed, "table", row.values[0].bytes))
            return false;
    }
    return !rows.empty();
}

// Numbering goes on after the highest number ever given, where it can still
// be read.
void KeepNumbering(SQLite::Database& fixed, const std::vector<SalvagedRow>& rows)
{
    SQLite::Statement add(fixed, "INSERT INTO sqlite_sequence (name, seq) SELECT ?2, 0 WHERE NOT EXISTS "
                                 "(SELECT 1 FROM sqlite_sequence WHERE name = ?2)");
    SQLite::Statement raise(fixed, "UPDATE sqlite_sequence SET seq = max(seq, ?1) WHERE name = ?2");
    for (const SalvagedRow& row : rows) {
        for (SQLite::Statement* statement : {&add, &raise}) {
            statement->bind(1, row.values[1].integer);
            statement->bind(2, row.values[0].bytes);
            statement->exec();
            statement->reset();
        }
    }
}

// Writes every readable record of the file at source into a new file at
// target, with the source's tables, keys and numbering, and checks the
// result.
void Salvage(const QString& source, const QString& target, const std::vector<DeclaredTable>& declared,
             DataFileRepair& result, const std::function<void(int)>& progress)
{
    PageSalvage pages(source);
    if (!pages.Readable())
        throw SQLite::Exception("the file's header cannot be read", SQLITE_NOTADB);
    const std::vector<SalvagedSchemaEntry> schema = pages.Schema();
    CreateFileForItsDirectory(target); // it holds the records: no more open than the data directory
    SQLite::Database fixed(target.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    if (!RegisterNoCaseCollation(fixed.getHandle()))
        throw SQLite::Exception("cannot register the key collation");
    // The new content later replaces the old page by page: same page size.
    fixed.exec("PRAGMA page_size = " + std::to_string(pages.PageSize()));
    fixed.exec("PRAGMA user_version = " + std::to_string(pages.UserVersion()));
    fixed.exec("BEGIN");
    std::vector<std::unique_ptr<SalvageTarget>> tables = MakeTables(fixed, schema, declared, result);
    const auto kept = [&result](const SalvageTarget& table) {
        if (table.Name() != kCatalogTable)
            ++result.recordsKept;
    };
    // The catalog is the data layer's own: its rows for the declared tables
    // are written again below.
    const auto lost = [&result](const QString& table, int places) {
        if (places > 0 && table != QLatin1String(kCatalogTable)) {
            result.unreadablePlaces += places;
            result.unreadableIn[table] += places;
        }
    };
    for (size_t i = 0; i < tables.size(); ++i) {
        SalvageTarget& table = *tables[i];
        if (table.Root() != 0) {
            int refused = 0;
            const PageSalvage::Walked walked = pages.WalkTable(table.Root(), [&](const SalvagedRow& row) {
                if (table.Add(row))
                    kept(table);
                else
                    ++refused;
            });
            table.missesPages = walked.missesPages;
            lost(QString::fromStdString(table.Name()), walked.damagedLeaves + (refused > 0 ? 1 : 0));
        }
        if (progress)
            progress(static_cast<int>((i + 1) * 90 / tables.size()));
    }
    for (const SalvagedSchemaEntry& entry : schema) {
        std::vector<SalvagedRow> numbers;
        if (entry.name == "sqlite_sequence")
            pages.WalkTable(entry.root, [&numbers](const SalvagedRow& row) { numbers.push_back(row); });
        if (IsNumbering(fixed, numbers))
            KeepNumbering(fixed, numbers);
    }
    // Pages of records no table reached: a page goes to the one table, among
    // those that miss pages, that every record on it fits.
    for (uint32_t page : pages.UnreachedLeaves()) {
        std::vector<SalvagedRow> rows;
        if (!pages.ReadLeaf(page, rows) || rows.empty())
            continue;
        if (IsNumbering(fixed, rows)) { // the list no longer names it
            KeepNumbering(fixed, rows);
            continue;
        }
        SalvageTarget* owner = nullptr;
        int owners = 0;
        for (const std::unique_ptr<SalvageTarget>& table : tables) {
            bool fits = table->missesPages;
            for (const SalvagedRow& row : rows)
                fits = fits && table->Fits(row);
            if (fits) {
                owner = table.get();
                ++owners;
            }
        }
        if (owners != 1) {
            lost(QString(), 1);
            continue;
        }
        ++owner->placedPages;
        for (const SalvagedRow& row : rows) {
            if (owner->Add(row))
                kept(*owner);
        }
    }
    // A damaged first page of a table that no page was found for: it held
    // the records itself.
    for (const std::unique_ptr<SalvageTarget>& table : tables) {
        if (table->Root() != 0 && table->missesPages && table->placedPages == 0)
            lost(QString::fromStdString(table->Name()), 1);
    }
    MakeKeys(fixed, schema, declared);
    fixed.exec("COMMIT");
    if (progress)
        progress(100);
    if (result.recordsKept == 0 && (result.unreadablePlaces > 0 || !result.tablesLost.isEmpty() || schema.empty())) {
        result.nothingReadable = true;
        throw SQLite::Exception("no record of the file can be read", SQLITE_CORRUPT);
    }
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

DataError RepairDataFile(const QString& path, DataFileRepair& result, const std::function<void(int)>& progress,
                         const std::vector<DeclaredTable>& declared)
{
    result = DataFileRepair();
    if (!QFileInfo::exists(path))
        return DataError::Make(kFileNotFound, path);
    const QString fixPath = path + QStringLiteral(".fix");
    try {
        // A connection of its own that does not read the file's list of
        // tables on opening, as the program's connections do.
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE, LockWait());
        if (!RegisterNoCaseCollation(db.getHandle()))
            throw SQLite::Exception("cannot register the key collation");
        // From the first read on, this connection holds the file alone until
        // it closes: nobody writes between the copy and the replacement.
        // A damaged list of tables does not stop the repair: the records
        // are read from the pages.
        db.exec("PRAGMA locking_mode = EXCLUSIVE");
        // (Statements other than these need the list read; a transaction
        // ended by rolling back does not.) A file cut short is read as far
        // as it goes, where the engine would refuse to open it at all.
        db.exec("PRAGMA writable_schema = ON");
        db.exec("BEGIN EXCLUSIVE");
        try {
            db.execAndGet("SELECT COUNT(*) FROM sqlite_master");
            db.exec("COMMIT");
        } catch (const SQLite::Exception& failure) {
            if (!IsDamage(failure))
                throw;
            db.exec("ROLLBACK");
        }
        // Everything committed moves from the log into the file, so that the
        // kept copy of the file holds it too, and the pages read hold it.
        const int checkpoint =
            sqlite3_wal_checkpoint_v2(db.getHandle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        if (checkpoint != SQLITE_OK)
            throw SQLite::Exception(db.getHandle(), checkpoint);
        result.findings = Findings(db);
        // Bytes after the last page are no part of the file: the repaired
        // copy leaves them out.
        if (result.findings.isEmpty()) {
            const int64_t length =
                db.execAndGet("PRAGMA page_count").getInt64() * db.execAndGet("PRAGMA page_size").getInt64();
            const int64_t after = QFileInfo(path).size() - length;
            if (after > 0)
                result.findings.append(QStringLiteral("%1 bytes after the last page").arg(after));
        }
        if (result.findings.isEmpty())
            return DataError();

        QFile::remove(fixPath); // left by a repair that was interrupted
        Salvage(path, fixPath, declared, result, progress);
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
        result.replaced = false;
        result.recordsKept = 0;
        return EngineError(failure, path);
    }
}

} // namespace vl
