#include "platform/data/DataFileRepair.h"

#include "platform/data/Catalog.h"
#include "platform/data/Connection.h"
#include "platform/data/EngineFile.h"
#include "platform/data/EngineLocks.h"
#include "platform/data/KeySql.h"
#include "platform/data/LogFrames.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/PageSalvage.h"
#include "platform/data/TableFile.h"
#include "platform/runtime/FileModes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <thread>
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

// Damage as the program's connections tell it (a damaged header included).
bool IsDamage(const SQLite::Exception& failure)
{
    return EngineError(failure, QString()).code == kInvalidDataFile;
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
    std::set<int64_t> keptPointers; // the record pointers of the records it took
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

    // Whether the record has a value for every column (the table's present layout).
    bool FitsWhole(const SalvagedRow& row) const { return row.values.size() == columns_.size(); }

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
            // A statement whose step failed fails its reset too: the next
            // record gets a fresh one.
            inserts_.erase(row.values.size());
            const int primary = failure.getErrorCode() & 0xff;
            if (primary != SQLITE_CONSTRAINT && primary != SQLITE_MISMATCH && primary != SQLITE_TOOBIG)
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

// Makes the tables of the repaired file: those the file still describes,
// then the declared ones it no longer does.
std::vector<std::unique_ptr<SalvageTarget>> MakeTables(SQLite::Database& fixed,
                                                       const std::vector<SalvagedSchemaEntry>& schema,
                                                       const std::vector<DeclaredTable>& declared,
                                                       DataFileRepair& result)
{
    std::vector<std::unique_ptr<SalvageTarget>> targets;
    for (const SalvagedSchemaEntry& entry : schema) {
        // The catalog is made again from the declarations.
        if (entry.type != "table" || IsEngineName(entry.name) || entry.name == kCatalogTable)
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

// Makes again the entries of the file's list that wanted picks, over tables
// the repaired file has; an entry that no longer reads is left out.
void MakeEntries(SQLite::Database& fixed, const std::vector<SalvagedSchemaEntry>& schema,
                 const std::function<bool(const SalvagedSchemaEntry&)>& wanted)
{
    for (const SalvagedSchemaEntry& entry : schema) {
        if (!wanted(entry) || entry.sql.empty() || !Exists(fixed, "table", entry.table))
            continue;
        try {
            fixed.exec(entry.sql);
        } catch (const SQLite::Exception&) {
            // Damaged text: this entry is left out, the others still made.
        }
    }
}

// The keys of the repaired file's tables, made before the records go in: a
// record that breaks a unique key is refused like any other the table
// refuses. A declared table gets the keys it declares.
void MakeKeys(SQLite::Database& fixed, const std::vector<SalvagedSchemaEntry>& schema,
              const std::vector<DeclaredTable>& declared)
{
    // A key that no longer reads: a declared table's is made from its
    // declaration below.
    MakeEntries(fixed, schema, [](const SalvagedSchemaEntry& entry) { return entry.type == "index"; });
    for (const DeclaredTable& table : declared) {
        const TableSql sql = BuildTableSql(*table.definition, table.table);
        if (!LaidOutAsDeclared(fixed, table.table.toStdString(), sql.createTable))
            continue; // another layout: its open says so
        for (const KeySql& key : sql.keys) {
            if (!Exists(fixed, "index", key.indexName))
                fixed.exec(key.createIndex);
        }
    }
}

// A declared table the file keeps in another layout (an older one, which
// its open converts) keeps its catalog row only when the row checks against
// the table; without one the repaired file does not open, and the repair
// fails.
void KeepCheckedRow(SQLite::Database& fixed, const DeclaredTable& table, const std::vector<SalvagedRow>& catalog)
{
    for (const SalvagedRow& row : catalog) {
        if (row.values.size() != 6 || row.values[0].type != SQLITE_TEXT ||
            QString::fromStdString(row.values[0].bytes).compare(table.table, Qt::CaseInsensitive) != 0)
            continue;
        SQLite::Statement insert(fixed, std::string("INSERT OR REPLACE INTO ") + kCatalogTable +
                                            " (table_name, label, version, fields, keys, collation)"
                                            " VALUES (?, ?, ?, ?, ?, ?)");
        for (size_t i = 0; i < row.values.size(); ++i)
            BindValue(insert, static_cast<int>(i) + 1, row.values[i]);
        try {
            insert.exec();
        } catch (const SQLite::Exception&) {
            continue; // a row the catalog refuses does not read
        }
        if (CheckStoredTable(fixed, *table.definition, table.table).code == kInvalidDataFile) {
            SQLite::Statement drop(fixed, std::string("DELETE FROM ") + kCatalogTable +
                                              " WHERE table_name = ? COLLATE NOCASE");
            drop.bind(1, table.table.toStdString());
            drop.exec();
        }
        return;
    }
}

// The other entries of the file's list once the records are in, and the
// catalog, made again: a declared table laid out as declared is described
// by its declaration, whatever the damaged file's catalog said of it.
void Describe(SQLite::Database& fixed, const std::vector<SalvagedSchemaEntry>& schema,
              const std::vector<DeclaredTable>& declared, const std::vector<SalvagedRow>& catalog)
{
    MakeEntries(fixed, schema,
                [](const SalvagedSchemaEntry& entry) { return entry.type != "table" && entry.type != "index"; });
    MakeCatalog(fixed);
    for (const DeclaredTable& table : declared) {
        const TableSql sql = BuildTableSql(*table.definition, table.table);
        if (LaidOutAsDeclared(fixed, table.table.toStdString(), sql.createTable))
            WriteCatalogRow(fixed, *table.definition, table.table);
        else
            KeepCheckedRow(fixed, table, catalog);
    }
}

// What the catalog says that the declarations (or the file) belie: the
// engine's check does not read the catalog's text.
QStringList CatalogFindings(SQLite::Database& db, const std::vector<DeclaredTable>& declared)
{
    QStringList findings;
    try {
        for (const DeclaredTable& table : declared) {
            const DataError error = CheckStoredTable(db, *table.definition, table.table);
            if (error.code == kInvalidDataFile)
                findings << error.driverMessage;
        }
        for (const QString& stray : StrayCatalogRows(db))
            findings << QStringLiteral("the catalog describes a table \"%1\" the file does not hold").arg(stray);
    } catch (const SQLite::Exception& failure) {
        if (!IsDamage(failure))
            throw;
        findings << QString::fromUtf8(failure.what());
    }
    return findings;
}

// The repaired file as the program's open takes it: every declared table
// opens, or the repair has failed.
void CheckOpens(SQLite::Database& fixed, const std::vector<DeclaredTable>& declared)
{
    for (const DeclaredTable& table : declared) {
        const DataError error = CheckStoredTable(fixed, *table.definition, table.table);
        if (!error.Ok())
            throw SQLite::Exception("the repaired copy does not open: " + table.table.toStdString() + ": " +
                                    error.Describe().toStdString() + " " + error.driverMessage.toStdString());
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

// Whether the records are the data layer's own descriptions of tables of the
// repaired file (written again for the declared tables).
bool IsCatalog(SQLite::Database& fixed, const std::vector<SalvagedRow>& rows)
{
    static const int kTypes[] = {SQLITE_TEXT, SQLITE_TEXT, SQLITE_INTEGER, SQLITE_TEXT, SQLITE_TEXT, SQLITE_TEXT};
    for (const SalvagedRow& row : rows) {
        if (row.values.size() != std::size(kTypes) || !Exists(fixed, "table", row.values[0].bytes))
            return false;
        for (size_t i = 0; i < row.values.size(); ++i) {
            if (row.values[i].type != kTypes[i])
                return false;
        }
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

// How many records of the table did not come back, where one of its keys
// still reads whole: the key names every record the table held.
void CountLost(PageSalvage& pages, const std::vector<SalvagedSchemaEntry>& schema, const SalvageTarget& table,
               DataFileRepair& result)
{
    const QString name = QString::fromStdString(table.Name());
    for (const SalvagedSchemaEntry& entry : schema) {
        std::set<int64_t> held;
        if (entry.type != "index" || entry.root == 0 ||
            QString::fromStdString(entry.table).compare(name, Qt::CaseInsensitive) != 0 ||
            !pages.RecordPointersOfKey(entry.root, held))
            continue;
        int64_t lost = 0;
        for (int64_t pointer : held)
            lost += table.keptPointers.count(pointer) ? 0 : 1;
        result.recordsLostIn[name] = lost;
        return;
    }
}

// Ends the repair when the user has cancelled it.
void StopWhenCancelled(const std::function<bool()>& cancelled, DataFileRepair& result)
{
    if (cancelled && cancelled()) {
        result.cancelled = true;
        throw SQLite::Exception("the repair was cancelled", SQLITE_INTERRUPT);
    }
}

// A log set aside when a program opened its file past it, and its whole
// commits.
struct SetAsideLog {
    QString path;
    LogFrames frames;
};

// The one table every record of the page fits, preferring one whose layout
// it has whole; null when none or several do.
SalvageTarget* OwnerOf(const std::vector<SalvagedRow>& rows,
                       const std::vector<std::unique_ptr<SalvageTarget>>& tables)
{
    for (const bool whole : {true, false}) {
        SalvageTarget* owner = nullptr;
        int owners = 0;
        for (const std::unique_ptr<SalvageTarget>& table : tables) {
            bool fits = true;
            for (const SalvagedRow& row : rows)
                fits = fits && table->Fits(row) && (!whole || table->FitsWhole(row));
            if (fits) {
                owner = table.get();
                ++owners;
            }
        }
        if (owners == 1)
            return owner;
    }
    return nullptr;
}

// Adds the records on the log's pages that the repaired file has not under
// their table and record pointer. The log holds commits the file lost when
// its log was cut; what the file holds is newer and stays. The log's pages
// are read over the damaged file's (an overflow page may be the file's).
void TakeBack(const QString& damaged, const PageSalvage::Layout& layout, const SetAsideLog& log,
              const std::vector<std::unique_ptr<SalvageTarget>>& tables, DataFileRepair& result,
              const std::function<bool()>& cancelled)
{
    PageSalvage pages(damaged, layout, log.path, log.frames);
    if (!pages.Readable())
        return;
    for (const auto& [page, at] : log.frames.pages) {
        StopWhenCancelled(cancelled, result);
        std::vector<SalvagedRow> rows;
        if (!pages.ReadLeaf(page, rows) || rows.empty())
            continue;
        SalvageTarget* owner = OwnerOf(rows, tables);
        if (!owner)
            continue;
        for (const SalvagedRow& row : rows) {
            if (owner->keptPointers.count(row.rowid) || !owner->Add(row))
                continue;
            owner->keptPointers.insert(row.rowid);
            ++result.recordsKept;
            ++result.recordsTakenBack;
        }
    }
}

// Writes every readable record of the damaged file (of the layout learnt
// from it, as the whole commits of its log leave it) into a new file at
// target, with its tables, keys and numbering, and the records of the
// set-aside logs it has not; then checks the result.
void Salvage(const QString& damaged, const PageSalvage::Layout& layout, const SetAsideLog& log,
             const QString& target, const std::vector<DeclaredTable>& declared,
             const std::vector<SetAsideLog>& setAside, DataFileRepair& result,
             const std::function<void(int)>& progress, const std::function<bool()>& cancelled)
{
    PageSalvage pages(damaged, layout, log.path, log.frames);
    if (!pages.Readable()) {
        result.nothingReadable = true;
        throw SQLite::Exception("no page of the file can be read", SQLITE_NOTADB);
    }
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
    MakeKeys(fixed, schema, declared);
    const auto kept = [&result](SalvageTarget& table, const SalvagedRow& row) {
        table.keptPointers.insert(row.rowid);
        ++result.recordsKept;
    };
    const auto lost = [&result](const QString& table, int places) {
        if (places > 0) {
            result.unreadablePlaces += places;
            result.unreadableIn[table] += places;
        }
    };
    for (size_t i = 0; i < tables.size(); ++i) {
        SalvageTarget& table = *tables[i];
        StopWhenCancelled(cancelled, result);
        if (table.Root() != 0) {
            int refused = 0;
            int64_t read = 0;
            const PageSalvage::Walked walked = pages.WalkTable(table.Root(), [&](const SalvagedRow& row) {
                if (++read % 1024 == 0)
                    StopWhenCancelled(cancelled, result);
                if (table.Add(row))
                    kept(table, row);
                else
                    ++refused;
            });
            table.missesPages = walked.missesPages;
            lost(QString::fromStdString(table.Name()), walked.damagedLeaves + (refused > 0 ? 1 : 0));
        }
        if (progress)
            progress(static_cast<int>((i + 1) * 90 / tables.size()));
    }
    // The old catalog's rows serve only to check a table of another layout.
    std::vector<SalvagedRow> catalog;
    for (const SalvagedSchemaEntry& entry : schema) {
        if (entry.type == "table" && entry.name == kCatalogTable)
            pages.WalkTable(entry.root, [&catalog](const SalvagedRow& row) { catalog.push_back(row); });
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
        StopWhenCancelled(cancelled, result);
        std::vector<SalvagedRow> rows;
        if (!pages.ReadLeaf(page, rows) || rows.empty())
            continue;
        if (IsNumbering(fixed, rows)) { // the list no longer names it
            KeepNumbering(fixed, rows);
            continue;
        }
        if (IsCatalog(fixed, rows))
            continue;
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
        bool refused = false;
        for (const SalvagedRow& row : rows) {
            if (owner->Add(row))
                kept(*owner, row);
            else
                refused = true;
        }
        if (refused)
            lost(QString::fromStdString(owner->Name()), 1);
    }
    // The records of set-aside logs that the file has not: newest log first,
    // so a record changed in a later one comes back as it was last.
    for (const SetAsideLog& copy : setAside)
        TakeBack(damaged, layout, copy, tables, result, cancelled);
    // A table whose upper pages did not all read (damaged, or past the end
    // of a cut file) may have lost the pages below them: that is a damaged
    // place of it, counted exactly below where one of its keys reads.
    for (const std::unique_ptr<SalvageTarget>& table : tables) {
        if (table->Root() != 0 && table->missesPages && !result.unreadableIn.count(QString::fromStdString(table->Name())))
            lost(QString::fromStdString(table->Name()), 1);
    }
    if (result.unreadablePlaces > 0) {
        for (const std::unique_ptr<SalvageTarget>& table : tables)
            CountLost(pages, schema, *table, result);
    }
    Describe(fixed, schema, declared, catalog);
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
    CheckOpens(fixed, declared);
}

QString LogOf(const QString& path) { return path + QStringLiteral("-wal"); }

bool HasLog(const QString& path) { return QFileInfo(LogOf(path)).size() > 0; }

bool CopyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (QFile::copy(from, to))
        return true;
    QFile::remove(to); // what a full disk left of it
    return false;
}

// Keeps the damaged file, byte for byte, under a name of its own beside it;
// with its log, when it has one, beside the copy, so that the pair reads as
// the file did.
QString KeepDamagedCopy(const QString& path)
{
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 2; QFile::exists(copy) || QFile::exists(LogOf(copy)); ++n)
        copy = path + QStringLiteral(".damaged%1").arg(n);
    if (!CopyFile(path, copy) || (HasLog(path) && !CopyFile(LogOf(path), LogOf(copy)))) {
        QFile::remove(copy);
        throw SQLite::Exception("cannot keep a copy of the damaged file " + path.toStdString());
    }
    return copy;
}

void RemoveCopy(const QString& copy)
{
    QFile::remove(copy);
    QFile::remove(LogOf(copy));
    QFile::remove(copy + QStringLiteral("-shm"));
}

bool SameBytes(const QString& one, const QString& other)
{
    QFile a(one);
    QFile b(other);
    const bool openA = a.open(QIODevice::ReadOnly);
    const bool openB = b.open(QIODevice::ReadOnly);
    if (!openA || !openB)
        return openA == openB;
    if (a.size() != b.size())
        return false;
    while (!a.atEnd()) {
        if (a.read(1 << 20) != b.read(1 << 20))
            return false;
    }
    return true;
}

// What the header of the file says that its pages or its length belie: a
// page size, reserved space, text encoding or schema format the pages do not
// bear out, a page count past the end of the file (the engine reads such a
// file only as far as it goes, and the program's connections refuse it).
QStringList HeaderFindings(const QString& path, const PageSalvage& salvage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = file.read(100);
    const auto be = [&header](int at) {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | static_cast<uint8_t>(header[at + i]);
        return value;
    };
    if (header.size() < 100 || !header.startsWith("SQLite format 3"))
        return {};
    QStringList findings;
    for (const std::string& fault : salvage.HeaderFaults())
        findings << QString::fromStdString(fault);
    const uint32_t size = static_cast<uint8_t>(header[16]) << 8 | static_cast<uint8_t>(header[17]);
    const int64_t pageSize = size == 1 ? 65536 : size;
    const int64_t pages = be(28);
    if (pageSize >= 512 && be(24) == be(92) && pages * pageSize > file.size())
        findings << QStringLiteral("the header gives %1 pages, the file holds %2").arg(pages).arg(file.size() / pageSize);
    return findings;
}

// The file in hand: a connection of its own, which holds it alone from its
// first read on, so that nobody writes between the copy and the
// replacement. It reads, and writes only the replacement: it does not fold
// a log into the file on closing, and an empty log it made goes with it.
class HeldFile {
public:
    explicit HeldFile(const QString& path)
        : path_(path), hadLog_(QFileInfo::exists(LogOf(path))),
          db_((InstallEngineLocks(),
               std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE, LockWait())))
    {
        sqlite3_db_config(db_->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        if (!RegisterNoCaseCollation(db_->getHandle()))
            throw SQLite::Exception("cannot register the key collation");
        db_->exec("PRAGMA locking_mode = EXCLUSIVE");
        // A damaged list of tables does not stop the repair: the records are
        // read from the pages. (Statements other than these need the list
        // read; a transaction ended by rolling back does not.) A file cut
        // short is read as far as it goes, where the engine would refuse to
        // open it at all. The transaction that takes the lock is rolled
        // back: its commit would write a page count mended on the way.
        db_->exec("PRAGMA writable_schema = ON");
        try {
            db_->exec("BEGIN EXCLUSIVE");
            try {
                db_->execAndGet("SELECT COUNT(*) FROM sqlite_master");
            } catch (const SQLite::Exception& failure) {
                if (!IsDamage(failure))
                    throw;
            }
            if (!sqlite3_get_autocommit(db_->getHandle())) // damage may have ended it already
                db_->exec("ROLLBACK");
        } catch (const SQLite::Exception& failure) {
            // A header of unknown versions reads but lets no transaction write.
            if (!IsDamage(failure) && !((failure.getErrorCode() & 0xff) == SQLITE_READONLY && UnknownVersions()))
                throw;
            LockWholly(); // the header does not read: no transaction starts
        }
    }
    ~HeldFile()
    {
        db_.reset(); // the log is the connection's until it closes
        if (!hadLog_ && QFileInfo::exists(LogOf(path_)) && QFileInfo(LogOf(path_)).size() == 0)
            QFile::remove(LogOf(path_));
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    SQLite::Database& Db() { return *db_; }

    // Replaces the content of the file with that of the file at from, in
    // one transaction of the file; a file whose header no longer reads, or
    // no longer holds (headerDamaged), is written over directly (the
    // damaged copy is kept).
    void Replace(const QString& from, bool headerDamaged)
    {
        if (headerDamaged) {
            Overwrite(from);
            return;
        }
        try {
            SQLite::Database fixed(from.toStdString(), SQLite::OPEN_READONLY);
            SQLite::Backup replace(*db_, fixed);
            replace.executeStep(-1);
        } catch (const SQLite::Exception& failure) {
            if (!IsDamage(failure))
                throw;
            Overwrite(from);
            return;
        }
        // The replacement is in: the log goes into the file on closing.
        sqlite3_db_config(db_->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    }

private:
    sqlite3_file* File()
    {
        sqlite3_file* file = EngineFileOf(db_->getHandle());
        if (!file)
            throw SQLite::Exception("cannot open the file", SQLITE_CANTOPEN);
        return file;
    }

    // Whether the header's write or read version is one the program never
    // writes.
    bool UnknownVersions()
    {
        for (const int at : {18, 19}) {
            if (const int version = EngineHeaderByte(db_->getHandle(), at); version >= 0 && !KnownFileVersion(version))
                return true;
        }
        return false;
    }

    // Takes the file's exclusive lock through the connection's own handle,
    // waiting for another user as long as the program's lock wait; the
    // connection keeps it (its locking mode is exclusive).
    void LockWholly()
    {
        sqlite3_file* file = File();
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(LockWait());
        for (;;) {
            int code = file->pMethods->xLock(file, SQLITE_LOCK_SHARED);
            if (code == SQLITE_OK)
                code = file->pMethods->xLock(file, SQLITE_LOCK_EXCLUSIVE);
            if (code == SQLITE_OK)
                return;
            if (code != SQLITE_BUSY || std::chrono::steady_clock::now() >= until)
                throw SQLite::Exception("the file is in use", code);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    // Writes the bytes of the file at from over the file, through this
    // connection's own handle (which holds the lock), and empties its log,
    // whose pages belong to the content replaced.
    void Overwrite(const QString& from)
    {
        QFile source(from);
        if (!source.open(QIODevice::ReadOnly))
            throw SQLite::Exception("cannot read the repaired copy");
        const QByteArray bytes = source.readAll();
        sqlite3_file* file = File();
        sqlite3_file* log = nullptr;
        sqlite3_file_control(db_->getHandle(), "main", SQLITE_FCNTL_JOURNAL_POINTER, &log);
        // The handle writes a page at a time (at most 64 KiB).
        constexpr qsizetype kChunk = 65536;
        int code = SQLITE_OK;
        for (qsizetype at = 0; code == SQLITE_OK && at < bytes.size(); at += kChunk)
            code = file->pMethods->xWrite(file, bytes.constData() + at,
                                          static_cast<int>(std::min(kChunk, bytes.size() - at)), at);
        if (code == SQLITE_OK)
            code = file->pMethods->xTruncate(file, bytes.size());
        if (code == SQLITE_OK)
            code = file->pMethods->xSync(file, SQLITE_SYNC_FULL);
        if (code == SQLITE_OK && log && log->pMethods)
            code = log->pMethods->xTruncate(log, 0);
        if (code != SQLITE_OK)
            throw SQLite::Exception("cannot write the file", code);
    }

    QString path_;
    bool hadLog_;
    std::unique_ptr<SQLite::Database> db_;
};

} // namespace

DataError RepairDataFile(const QString& path, DataFileRepair& result, const std::function<void(int)>& progress,
                         const std::vector<DeclaredTable>& declared, const std::function<bool()>& cancelled)
{
    result = DataFileRepair();
    if (!QFileInfo::exists(path))
        return DataError::Make(kFileNotFound, path);
    const QString fixPath = path + QStringLiteral(".fix");
    QString kept;
    bool overwriting = false;
    try {
        // The damaged file is kept before anything opens it; a failure on
        // the way removes the copy and leaves the file as it was.
        kept = KeepDamagedCopy(path);
        HeldFile held(path);
        // Another program may have written between the copy and the lock.
        if (!SameBytes(path, kept) || HasLog(path) != HasLog(kept) ||
            (HasLog(path) && !SameBytes(LogOf(path), LogOf(kept)))) {
            RemoveCopy(kept);
            kept = KeepDamagedCopy(path);
        }
        // The one read of the whole file, which learns its layout.
        const PageSalvage damaged(kept);
        const PageSalvage::Layout layout = damaged.PageLayout();
        const QStringList header = HeaderFindings(kept, damaged);
        // The log is read without the engine, which drops what follows a
        // frame of it that does not check.
        const SetAsideLog log = HasLog(kept) ? SetAsideLog{LogOf(kept), ReadLogFrames(LogOf(kept), layout.pageSize)}
                                             : SetAsideLog();
        result.findings = header + Findings(held.Db());
        if (log.frames.damaged)
            result.findings << QStringLiteral("the log is damaged: the engine reads only part of it");
        if (result.findings.isEmpty())
            result.findings = CatalogFindings(held.Db(), declared);
        const QStringList setAside = SetAsideLogsOf(path);
        for (const QString& copy : setAside)
            result.findings << QStringLiteral("changes kept aside in %1 are to be taken back")
                                   .arg(QDir::toNativeSeparators(copy));
        // Bytes after the last page are no part of the file: the repaired
        // copy leaves them out.
        if (result.findings.isEmpty()) {
            SQLite::Database& db = held.Db();
            const int64_t length =
                db.execAndGet("PRAGMA page_count").getInt64() * db.execAndGet("PRAGMA page_size").getInt64();
            const int64_t after = QFileInfo(path).size() - length;
            if (after > 0)
                result.findings.append(QStringLiteral("%1 bytes after the last page").arg(after));
        }
        if (result.findings.isEmpty()) {
            RemoveCopy(kept);
            return DataError();
        }

        QFile::remove(fixPath); // left by a repair that was interrupted
        // Records still in the log are read from its intact commits, the
        // latest copy of each page, and those of the logs set aside from
        // theirs; the file itself stays as it is.
        std::vector<SetAsideLog> setAsideFrames;
        for (const QString& copy : setAside) {
            SetAsideLog taken{copy, ReadLogFrames(copy, layout.pageSize)};
            if (!taken.frames.pages.empty())
                setAsideFrames.push_back(std::move(taken));
        }
        Salvage(kept, layout, log, fixPath, declared, setAsideFrames, result, progress, cancelled);
        StopWhenCancelled(cancelled, result);
        overwriting = true;
        held.Replace(fixPath, !header.isEmpty());
        result.damagedCopy = kept;
        result.replaced = true;
        QFile::remove(fixPath);
        // Their records are in the file now: a later repair must not take
        // back what was since changed or deleted. They stay as history (a
        // record added since under the same number kept its place).
        for (const QString& copy : setAside) {
            QString taken = copy + QStringLiteral(".taken");
            for (int n = 2; QFile::exists(taken); ++n)
                taken = copy + QStringLiteral(".taken%1").arg(n);
            QFile::rename(copy, taken);
        }
        return DataError();
    } catch (const std::exception& failure) {
        QFile::remove(fixPath);
        QFile::remove(fixPath + QStringLiteral("-journal"));
        // A replacement that stopped part way is taken back from the copy,
        // which stays where that fails.
        if (overwriting && !kept.isEmpty() && !SameBytes(path, kept))
            CopyFile(kept, path);
        result.damagedCopy.clear();
        if (!kept.isEmpty() && (!overwriting || SameBytes(path, kept)))
            RemoveCopy(kept);
        else
            result.damagedCopy = kept;
        result.replaced = false;
        result.recordsKept = 0;
        return EngineError(failure, path);
    }
}

} // namespace vl
